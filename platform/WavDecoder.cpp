#include "platform/WavDecoder.h"

#include <array>
#include <cstring>
#include <memory>

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

bool SameLayout(const SDL_AudioSpec& a, const SDL_AudioSpec& b) {
  return a.freq == b.freq && a.format == b.format && a.channels == b.channels;
}

struct TStreamDeleter {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

}  // namespace

int TPcm::FrameBytes() const {
  return SDL_AUDIO_BITSIZE(Spec.format) / 8 * Spec.channels;
}

std::int64_t TPcm::Frames() const {
  return static_cast<std::int64_t>(Bytes.size()) / FrameBytes();
}

TPcm DecodeWav(const QString& path) {
  ProbeWav(path);
  SDL_AudioSpec spec{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.toUtf8().constData(), &spec, &buffer, &length)) {
    throw EPlatformError(LoadErrorText(SDL_GetError()));
  }
  std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(buffer, SDL_FreeWAV);
  TPcm pcm;
  pcm.Spec = spec;
  const Uint32 whole = length - length % static_cast<Uint32>(pcm.FrameBytes());
  if (whole == 0) throw EPlatformError(errors::kNoAudioData);
  pcm.Bytes.assign(buffer, buffer + whole);
  return pcm;
}

TPcm ConvertPcm(TPcm pcm, const SDL_AudioSpec& target) {
  if (SameLayout(pcm.Spec, target)) return pcm;
  TPcm out;
  out.Spec = target;
  const std::int64_t frames = pcm.Frames() * target.freq / pcm.Spec.freq;
  const std::int64_t bytes = frames * out.FrameBytes();
  if (bytes > kMaxSongBytes) throw EPlatformError(errors::kTooLarge);

  std::unique_ptr<SDL_AudioStream, TStreamDeleter> stream(
      SDL_NewAudioStream(pcm.Spec.format, pcm.Spec.channels, pcm.Spec.freq, target.format,
                         target.channels, target.freq));
  if (!stream) throw EPlatformError(errors::kUnsupported);
  // The resampler holds back the last few milliseconds of its input, and
  // flushing does not release them; a tail of silence pushes them out.
  const std::size_t tailFrames = static_cast<std::size_t>(pcm.Spec.freq / 10);
  const Uint8 silence = pcm.Spec.format == AUDIO_U8 ? 0x80 : 0x00;
  pcm.Bytes.resize(pcm.Bytes.size() + tailFrames * pcm.FrameBytes(), silence);

  out.Bytes.reserve(static_cast<std::size_t>(bytes));
  std::vector<Uint8> piece;
  // Fed in slices so that the stream's own buffers stay small.
  constexpr std::size_t kSliceBytes = 64 * 1024;
  const std::size_t slice = kSliceBytes - kSliceBytes % pcm.FrameBytes();
  for (std::size_t at = 0; at < pcm.Bytes.size(); at += slice) {
    const std::size_t count = std::min(slice, pcm.Bytes.size() - at);
    if (SDL_AudioStreamPut(stream.get(), pcm.Bytes.data() + at, static_cast<int>(count)) != 0) {
      throw EPlatformError(errors::kOutOfMemory);
    }
    piece.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
    const int got = SDL_AudioStreamGet(stream.get(), piece.data(), static_cast<int>(piece.size()));
    if (got > 0) out.Bytes.insert(out.Bytes.end(), piece.begin(), piece.begin() + got);
  }
  out.Bytes.resize(std::min(out.Bytes.size(), static_cast<std::size_t>(bytes)));
  if (out.Bytes.empty()) throw EPlatformError(errors::kNoAudioData);
  return out;
}

}  // namespace platform
