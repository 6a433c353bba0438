#include "platform/AudioWorker.h"

#include <SDL.h>
#include <pthread.h>

#include <QLoggingCategory>
#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {
namespace {

Q_LOGGING_CATEGORY(lcAudio, "yukipom.audio", QtWarningMsg)

using TClock = std::chrono::steady_clock;

// While a device is open the worker looks at it this often: for a device
// lost to its sound server, and for a song that has ended.
constexpr auto kPoll = std::chrono::milliseconds(1000);
// An ended song keeps its device this long, three ticks of the show's
// clock, in case the next tick restarts it.
constexpr auto kEndGrace = std::chrono::milliseconds(300);

constexpr std::int64_t kBufferMillis = 100;
constexpr int kMinBufferFrames = 64;
constexpr int kMaxBufferFrames = 32768;

const char* FormatName(SDL_AudioFormat format) {
  switch (format) {
    case AUDIO_U8:
      return "u8";
    case AUDIO_S16LSB:
      return "s16le";
    case AUDIO_S32LSB:
      return "s32le";
    case AUDIO_F32LSB:
      return "f32le";
    default:
      return "other";
  }
}

struct TSlot {
  std::shared_ptr<TVoice> Voice;
  SDL_AudioDeviceID Device = 0;
  std::optional<TClock::time_point> EndedAt;
  bool Detached = false;
};

class TWorker {
 public:
  static TWorker& Instance() {
    // Never destroyed: at exit the thread may still be waiting on a frozen
    // sound server, and the process must not wait for it.
    static TWorker* worker = new TWorker;
    return *worker;
  }

  template <typename Change>
  void Post(Change change) {
    {
      std::lock_guard lock(mutex_);
      change();
      posted_ = true;
    }
    wake_.notify_one();
  }

  std::map<const TVoice*, TSlot> slots_;  // guarded by mutex_ for Post
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  bool posted_ = false;
  bool loseDevices_ = false;
  std::uint64_t asked_ = 0, answered_ = 0;
  bool hasOutput_ = false;
  int holders_ = 0;
  std::atomic<int> openDevices_{0};
  // The number of outputs as last listed, kept while the subsystem is up so
  // that a song can be opened without waiting for this thread.
  static constexpr int kUnknown = -2;
  std::atomic<int> outputs_{kUnknown};

 private:
  TWorker() {
    std::thread([this] {
      pthread_setname_np(pthread_self(), "yukipom-audio");
      Run();
    }).detach();
  }

  void Run() {
    std::unique_lock lock(mutex_);
    while (true) {
      const bool anyOpen = openDevices_.load() > 0;
      const auto posted = [this] { return posted_; };
      if (anyOpen) {
        wake_.wait_for(lock, kPoll, posted);
      } else {
        wake_.wait(lock, posted);
      }
      posted_ = false;
      Serve(lock);
    }
  }

  // Runs with the lock released while SDL is called; players may post
  // meanwhile, and their posts are served on the next round.
  void Serve(std::unique_lock<std::mutex>& lock) {
    const std::uint64_t asked = asked_;
    const bool lose = std::exchange(loseDevices_, false);
    const bool held = holders_ > 0;
    // Slots stay where they are while unlocked: the map only grows, and
    // only this thread erases.
    std::vector<std::pair<TSlot*, bool>> due;
    for (auto& [voice, slot] : slots_) due.emplace_back(&slot, slot.Detached);
    lock.unlock();
    if (!due.empty() || asked != answered_ || held) StartAudio();
    for (auto [slot, detached] : due) Reconcile(*slot, detached, lose);
    if (audioStarted_) outputs_ = SDL_GetNumAudioDevices(0);
    const bool output = AnyOutput();
    lock.lock();
    std::erase_if(slots_, [](const auto& entry) { return entry.second.Voice == nullptr; });
    if (asked != answered_) {
      answered_ = asked;
      hasOutput_ = output;
    }
    if (slots_.empty() && holders_ == 0 && !posted_) StopAudio();
    done_.notify_all();
  }

  void StartAudio() {
    if (audioStarted_) return;
    // SDL would otherwise turn SIGINT and SIGTERM into quit events that no
    // one reads, and the program could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    audioStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!audioStarted_) outputs_ = 0;
    if (audioStarted_) {
      qCDebug(lcAudio, "audio driver: %s", SDL_GetCurrentAudioDriver());
    } else {
      qCDebug(lcAudio, "no audio driver: %s", SDL_GetError());
    }
  }

  void StopAudio() {
    if (!audioStarted_) return;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioStarted_ = false;
    outputs_ = kUnknown;
  }

  // A driver that lists no output has none; one that cannot list its
  // outputs (-1) may still play, so it counts as having one.
  bool AnyOutput() const { return audioStarted_ && outputs_ != 0; }

  void Reconcile(TSlot& slot, bool detached, bool lose) {
    TVoice& voice = *slot.Voice;
    if (detached) {
      Close(slot);
      slot.Voice.reset();  // erased under the lock
      return;
    }
    if (slot.Device != 0 && (lose || SDL_GetAudioDeviceStatus(slot.Device) == SDL_AUDIO_STOPPED)) {
      qCDebug(lcAudio, "device %u lost", slot.Device);
      Close(slot);
      voice.Stop();
    }
    if (voice.Playing()) {
      slot.EndedAt.reset();
      if (slot.Device == 0 && !Open(slot)) voice.Stop();
    } else if (slot.Device != 0) {
      if (!voice.AtEnd()) return Close(slot);
      const auto now = TClock::now();
      if (!slot.EndedAt) slot.EndedAt = now;
      if (now - *slot.EndedAt >= kEndGrace) Close(slot);
    }
  }

  bool Open(TSlot& slot) {
    if (!audioStarted_) return false;
    const TSong& song = slot.Voice->Song();
    SDL_AudioSpec wanted{};
    wanted.freq = song.SampleRate;
    wanted.format = song.Format;
    wanted.channels = song.Channels;
    wanted.samples = static_cast<Uint16>(DeviceBufferFrames(song.SampleRate));
    wanted.callback = [](void* voice, Uint8* stream, int length) {
      static_cast<TVoice*>(voice)->Fill(stream, length);
    };
    wanted.userdata = slot.Voice.get();
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware takes.
    slot.Device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (slot.Device == 0) {
      qCDebug(lcAudio, "open failed: %s", SDL_GetError());
      return false;
    }
    ++openDevices_;
    qCDebug(lcAudio, "device %u open: asked %d Hz %s x%d, %d frames; got %d Hz %s x%d, %d frames",
            slot.Device, wanted.freq, FormatName(wanted.format), wanted.channels, wanted.samples,
            obtained.freq, FormatName(obtained.format), obtained.channels, obtained.samples);
    SDL_PauseAudioDevice(slot.Device, 0);
    return true;
  }

  void Close(TSlot& slot) {
    if (slot.Device == 0) return;
    const auto start = TClock::now();
    SDL_CloseAudioDevice(slot.Device);  // drops whatever it held queued
    qCDebug(lcAudio, "device %u closed in %lld ms", slot.Device,
            static_cast<long long>((TClock::now() - start) / std::chrono::milliseconds(1)));
    slot.Device = 0;
    slot.EndedAt.reset();
    --openDevices_;
  }

  bool audioStarted_ = false;  // worker thread only
};

}  // namespace

int DeviceBufferFrames(int sampleRate) {
  const std::int64_t wanted = std::int64_t{sampleRate} * kBufferMillis / 1000;
  int frames = kMinBufferFrames;
  while (frames < wanted && frames < kMaxBufferFrames) frames *= 2;
  return frames;
}

namespace audio_worker {

void Attach(std::shared_ptr<TVoice> voice) {
  TWorker& worker = TWorker::Instance();
  worker.Post([&] {
    TSlot slot;
    slot.Voice = voice;
    worker.slots_[voice.get()] = std::move(slot);
  });
}

void Wake() {
  TWorker& worker = TWorker::Instance();
  worker.Post([] {});
}

void Detach(const std::shared_ptr<TVoice>& voice) {
  TWorker& worker = TWorker::Instance();
  worker.Post([&] {
    if (auto slot = worker.slots_.find(voice.get()); slot != worker.slots_.end()) {
      slot->second.Detached = true;
    }
  });
}

bool WaitDetached(const TVoice& voice, std::chrono::milliseconds limit) {
  TWorker& worker = TWorker::Instance();
  std::unique_lock lock(worker.mutex_);
  return worker.done_.wait_for(lock, limit, [&] { return !worker.slots_.contains(&voice); });
}

void Hold() {
  TWorker& worker = TWorker::Instance();
  worker.Post([&] { ++worker.holders_; });
}

void Release() {
  TWorker& worker = TWorker::Instance();
  worker.Post([&] { --worker.holders_; });
}

std::optional<bool> HasOutput(std::chrono::milliseconds limit) {
  TWorker& worker = TWorker::Instance();
  // A listed output is taken at its word; none (or no list yet) is asked
  // again, since an output may have appeared since.
  const int known = worker.outputs_.load();
  if (known != TWorker::kUnknown && known != 0) return true;
  std::uint64_t ticket = 0;
  worker.Post([&] { ticket = ++worker.asked_; });
  std::unique_lock lock(worker.mutex_);
  if (!worker.done_.wait_for(lock, limit, [&] { return worker.answered_ >= ticket; })) {
    return std::nullopt;
  }
  return worker.hasOutput_;
}

int OpenDevicesForTesting() {
  return TWorker::Instance().openDevices_.load();
}

void LoseDevicesForTesting() {
  TWorker& worker = TWorker::Instance();
  worker.Post([&] { worker.loseDevices_ = true; });
}

}  // namespace audio_worker
}  // namespace platform
