// The WAV probe and decoder on a file's bytes: every file is either refused
// with a platform error or decoded into whole frames.
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "platform/PlatformError.h"
#include "platform/WavDecoder.h"
#include "platform/WavProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString path = WriteInputFile(data, size, QStringLiteral("song.wav"));
  try {
    platform::ProbeWav(path);
    const platform::TPcm pcm = platform::DecodeWav(path);
    if (pcm.Bytes.empty() || pcm.Bytes.size() % static_cast<std::size_t>(pcm.FrameBytes()) != 0) {
      std::abort();
    }
  } catch (const platform::EPlatformError&) {
    // A refusal with its reason is a correct answer to a bad file.
  }
  return 0;
}
