#include "platform/MediaPlayer.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/MediaErrors.h"
#include "platform/PlatformError.h"
#include "platform/WavDecoder.h"

namespace errors = platform::media_errors;

namespace {

// About 20 ms of sound per device buffer: Play and Stop are heard at once,
// and the audio thread wakes only some fifty times a second.
Uint16 BufferFrames(int freq) {
  Uint16 frames = 64;
  while (frames < freq / 50) frames = static_cast<Uint16>(frames * 2);
  return frames;
}

QString DeviceErrorText(const char* message) {
  return SDL_strcasestr(message, "busy") ? errors::kDeviceBusy : errors::kNoAudioOutput;
}

}  // namespace

// The song in the device's format and the play head that the audio thread
// advances. The audio thread reads `playing` and `position` in its callback;
// the player changes them only while holding the device lock.
struct TMediaPlayer::TPlayback {
  platform::TPcm Song;
  std::int64_t Frames = 0;
  int FrameBytes = 0;
  std::atomic<std::int64_t> Position{0};
  std::atomic<bool> Playing{false};
  SDL_AudioDeviceID Device = 0;
  Uint8 Silence = 0;
  bool AudioStarted = false;

  ~TPlayback() {
    if (Device != 0) SDL_CloseAudioDevice(Device);  // waits for the audio thread
    if (AudioStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  void OpenDevice(const SDL_AudioSpec& wanted, SDL_AudioSpec& obtained) {
    // SDL would otherwise turn SIGINT and SIGTERM into quit events that no
    // one reads, and the program could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
      throw platform::EPlatformError(errors::kNoAudioOutput);
    AudioStarted = true;
    SDL_AudioSpec request{};
    request.freq = wanted.freq;
    request.format = wanted.format;
    request.channels = wanted.channels;
    request.samples = BufferFrames(wanted.freq);
    request.callback = &TPlayback::Feed;
    request.userdata = this;
    // The device opens paused and plays silence until told to play.
    Device = SDL_OpenAudioDevice(nullptr, 0, &request, &obtained, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (Device == 0) throw platform::EPlatformError(DeviceErrorText(SDL_GetError()));
    Silence = obtained.silence;
  }

  void Load(platform::TPcm song) {
    Song = std::move(song);
    Frames = Song.Frames();
    FrameBytes = Song.FrameBytes();
  }

  template <typename Change>
  void Locked(Change change) {
    SDL_LockAudioDevice(Device);
    change();
    SDL_UnlockAudioDevice(Device);
  }

  static void Feed(void* self, Uint8* stream, int length) {
    static_cast<TPlayback*>(self)->Fill(stream, length);
  }

  // Copies the song from the play head; a song that reaches its end stops
  // there and the rest of the buffer is silence.
  void Fill(Uint8* stream, int length) {
    std::size_t copied = 0;
    if (Playing.load()) {
      const std::int64_t from = Position.load();
      const std::int64_t count = std::min<std::int64_t>(length / FrameBytes, Frames - from);
      copied = static_cast<std::size_t>(count * FrameBytes);
      std::memcpy(stream, Song.Bytes.data() + from * FrameBytes, copied);
      Position.store(from + count);
      if (from + count == Frames) Playing.store(false);
    }
    std::memset(stream + copied, Silence, static_cast<std::size_t>(length) - copied);
  }

  std::int64_t Milliseconds(std::int64_t frames) const { return frames * 1000 / Song.Spec.freq; }
};

TMediaPlayer::TMediaPlayer() = default;
TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::Open() {
  Close();
  platform::TPcm decoded = platform::DecodeWav(FileName);
  auto playback = std::make_unique<TPlayback>();
  SDL_AudioSpec obtained{};
  playback->OpenDevice(decoded.Spec, obtained);
  playback->Load(platform::ConvertPcm(std::move(decoded), obtained));
  playback_ = std::move(playback);
}

void TMediaPlayer::Close() {
  playback_.reset();
}

TMediaPlayer::TPlayback& TMediaPlayer::OpenPlayback() const {
  if (!playback_) throw platform::EPlatformError(errors::kNoDevice);
  return *playback_;
}

void TMediaPlayer::Play() {
  TPlayback& playback = OpenPlayback();
  playback.Locked([&] {
    if (playback.Position.load() == playback.Frames) playback.Position.store(0);
    playback.Playing.store(true);
  });
  SDL_PauseAudioDevice(playback.Device, 0);
}

void TMediaPlayer::Stop() {
  TPlayback& playback = OpenPlayback();
  playback.Locked([&] { playback.Playing.store(false); });
  SDL_PauseAudioDevice(playback.Device, 1);
}

void TMediaPlayer::Previous() {
  TPlayback& playback = OpenPlayback();
  playback.Locked([&] { playback.Position.store(0); });
}

TMPModes TMediaPlayer::Mode() const {
  if (!playback_) return TMPModes::mpNotReady;
  return playback_->Playing.load() ? TMPModes::mpPlaying : TMPModes::mpStopped;
}

std::int64_t TMediaPlayer::Position() const {
  return playback_ ? playback_->Milliseconds(playback_->Position.load()) : 0;
}

std::int64_t TMediaPlayer::Length() const {
  return playback_ ? playback_->Milliseconds(playback_->Frames) : 0;
}
