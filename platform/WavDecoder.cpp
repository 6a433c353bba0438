#include "platform/WavDecoder.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "platform/MediaErrors.h"
#include "platform/PlatformError.h"
#include "platform/WavProbe.h"

namespace platform {
namespace {

namespace errors = media_errors;

struct TErrorCause {
  const char* Fragment;  // part of the WAV reader's own (English) message
  const QString* Text;
};

// The reader's message is mapped to the user's language by its key words.
const std::array<TErrorCause, 7> kLoadErrorCauses{{
    {"memory", &errors::kOutOfMemory},
    {"nsupported", &errors::kUnsupported},
    {"not supported", &errors::kUnsupported},
    {"Unknown", &errors::kUnsupported},
    {"ADPCM", &errors::kBrokenData},
    {"nvalid", &errors::kBrokenData},
    {"runcat", &errors::kTruncated},
}};

QString LoadErrorText(const char* message) {
  for (const TErrorCause& cause : kLoadErrorCauses) {
    if (std::strstr(message, cause.Fragment)) return *cause.Text;
  }
  return errors::kUnknown;
}

SDL_AudioFormat InPlaceFormat(const TWavHeader& header) {
  constexpr std::uint16_t kIeeeFloat = 0x0003;
  if (header.FormatTag == kIeeeFloat) return AUDIO_F32LSB;
  switch (header.BitsPerSample) {
    case 8:
      return AUDIO_U8;
    case 16:
      return AUDIO_S16LSB;
    default:
      return AUDIO_S32LSB;
  }
}

// The WAV reader sees a file of exactly three parts: a RIFF header, the fmt
// chunk the probe chose, and the data chunk, lent from the real file. It
// never sees the chunks the probe skipped, so both agree on the format.
class TCanonicalWav {
 public:
  TCanonicalWav(std::span<const std::uint8_t> file, const TWavHeader& header) {
    const auto fmt = file.subspan(static_cast<std::size_t>(header.FmtOffset), header.FmtBytes);
    const auto data = static_cast<std::uint32_t>(header.DataBytes);
    Append("RIFF");
    Append32(4 + 8 + header.FmtBytes + (header.FmtBytes & 1) + 8 + data);
    Append("WAVEfmt ");
    Append32(header.FmtBytes);
    head_.insert(head_.end(), fmt.begin(), fmt.end());
    if (header.FmtBytes & 1) head_.push_back(0);
    Append("data");
    Append32(data);
    data_ = file.subspan(static_cast<std::size_t>(header.DataOffset), data);
  }

  // An SDL stream over the three parts; the caller frees it.
  SDL_RWops* Stream() {
    SDL_RWops* rw = SDL_AllocRW();
    if (!rw) throw EPlatformError(errors::kOutOfMemory);
    rw->type = SDL_RWOPS_UNKNOWN;
    rw->hidden.unknown.data1 = this;
    rw->size = [](SDL_RWops* s) { return Self(s).Size(); };
    rw->seek = [](SDL_RWops* s, Sint64 offset, int whence) { return Self(s).Seek(offset, whence); };
    rw->read = [](SDL_RWops* s, void* out, size_t size, size_t count) {
      return Self(s).Read(static_cast<std::uint8_t*>(out), size, count);
    };
    rw->write = [](SDL_RWops*, const void*, size_t, size_t) -> size_t { return 0; };
    rw->close = [](SDL_RWops*) { return 0; };
    return rw;
  }

 private:
  static TCanonicalWav& Self(SDL_RWops* rw) {
    return *static_cast<TCanonicalWav*>(rw->hidden.unknown.data1);
  }
  void Append(const char* text) { head_.insert(head_.end(), text, text + std::strlen(text)); }
  void Append32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) head_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  Sint64 Size() const { return static_cast<Sint64>(head_.size() + data_.size()); }
  Sint64 Seek(Sint64 offset, int whence) {
    const Sint64 base = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? at_ : Size();
    if (base + offset < 0) return SDL_SetError("seek before start");
    at_ = std::min(base + offset, Size());
    return at_;
  }
  size_t Read(std::uint8_t* out, size_t size, size_t count) {
    if (size == 0) return 0;
    const auto unit = static_cast<Sint64>(size);
    const Sint64 bytes = std::min(static_cast<Sint64>(count), (Size() - at_) / unit) * unit;
    for (Sint64 done = 0; done < bytes;) {
      const auto head = static_cast<Sint64>(head_.size());
      const std::uint8_t* from = at_ < head ? head_.data() + at_ : data_.data() + (at_ - head);
      const Sint64 part = std::min(bytes - done, at_ < head ? head - at_ : Size() - at_);
      std::memcpy(out + done, from, static_cast<size_t>(part));
      done += part;
      at_ += part;
    }
    return static_cast<size_t>(bytes / unit);
  }

  std::vector<std::uint8_t> head_;
  std::span<const std::uint8_t> data_;
  Sint64 at_ = 0;
};

TSong Decode(std::span<const std::uint8_t> file, const TWavHeader& header) {
  TCanonicalWav wav(file, header);
  SDL_RWops* stream = wav.Stream();
  SDL_AudioSpec spec{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  const bool loaded = SDL_LoadWAV_RW(stream, 0, &spec, &buffer, &length) != nullptr;
  SDL_FreeRW(stream);
  if (!loaded) throw EPlatformError(LoadErrorText(SDL_GetError()));
  TSong song;
  song.Format = spec.format;
  song.Channels = spec.channels;
  song.SampleRate = spec.freq;
  song.Owner = std::shared_ptr<const void>(buffer, SDL_FreeWAV);
  const auto whole = length - length % static_cast<Uint32>(song.FrameBytes());
  if (whole == 0) throw EPlatformError(errors::kNoAudioData);
  song.Samples = {buffer, whole};
  return song;
}

}  // namespace

int TSong::FrameBytes() const {
  return SDL_AUDIO_BITSIZE(Format) / 8 * Channels;
}

std::int64_t TSong::Frames() const {
  return static_cast<std::int64_t>(Samples.size()) / FrameBytes();
}

std::uint8_t TSong::Silence() const {
  return Format == AUDIO_U8 ? 0x80 : 0x00;
}

TSong ReadWavBytes(std::span<const std::uint8_t> file, std::shared_ptr<const void> owner) {
  const TWavHeader header = ProbeWavBytes(file);
  if (!header.InPlace) return Decode(file, header);
  TSong song;
  song.Format = InPlaceFormat(header);
  song.Channels = static_cast<std::uint8_t>(header.Channels);
  song.SampleRate = static_cast<int>(header.SampleRate);
  song.Owner = std::move(owner);
  const auto bytes = static_cast<std::size_t>(header.DataBytes);
  song.Samples = file.subspan(static_cast<std::size_t>(header.DataOffset),
                              bytes - bytes % static_cast<std::size_t>(song.FrameBytes()));
  return song;
}

TSong ReadWavFile(const QString& path) {
  auto file = std::make_shared<QFile>(path);
  if (!file->open(QIODevice::ReadOnly)) throw EPlatformError(errors::kCannotRead);
  if (file->size() == 0) return ReadWavBytes({});
  // The mapping lives as long as the QFile: the song's samples are the
  // file's own pages, shared with the page cache, not a private copy.
  const uchar* bytes = file->map(0, file->size());
  if (!bytes) throw EPlatformError(errors::kCannotRead);
  return ReadWavBytes({bytes, static_cast<std::size_t>(file->size())}, file);
}

}  // namespace platform
