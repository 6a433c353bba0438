// The WAV probe and reader on a file's bytes: every file is either refused
// with a platform error or read into whole frames within the memory limit.
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "platform/PlatformError.h"
#include "platform/WavDecoder.h"
#include "platform/WavProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString path = WriteInputFile(data, size, QStringLiteral("song.wav"));
  try {
    const platform::TWavHeader header = platform::ProbeWav(path);
    const platform::TSong song = platform::ReadWavFile(path);
    const auto frameBytes = static_cast<std::size_t>(song.FrameBytes());
    if (header.ReadingBytes > platform::kMaxSongBytes || song.Samples.empty() ||
        song.Samples.size() % frameBytes != 0) {
      std::abort();
    }
  } catch (const platform::EPlatformError&) {
    // A refusal with its reason is a correct answer to a bad file.
  }
  return 0;
}
