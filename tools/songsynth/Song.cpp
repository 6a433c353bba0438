#include "tools/songsynth/Song.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "tools/songsynth/Loudness.h"

namespace songsynth {
namespace {

constexpr double kPeakCeiling = 0.8912509381337456;  // -1 dBFS

float Peak(const TMix& mix, std::size_t frame) {
  return std::max(std::abs(mix.Left[frame]), std::abs(mix.Right[frame]));
}

// The frame count up to the last sound above -60 dB of the peak, and a
// moment more: trailing silence would only lengthen the pause at the loop.
std::size_t AudibleFrames(const TMix& mix, float peak) {
  std::size_t end = mix.Frames();
  while (end > 0 && Peak(mix, end - 1) < peak * 0.001f) --end;
  return std::min(mix.Frames(), end + kRate / 5);
}

// How the mix becomes the file: its length and the one gain for every part.
struct TMaster {
  std::size_t Frames;
  double Gain;
};

TMaster Master(const TSong& song, TMix mix) {
  float peak = 0.0f;
  for (std::size_t i = 0; i < mix.Frames(); ++i) peak = std::max(peak, Peak(mix, i));
  if (peak <= 0.0f) throw std::runtime_error("silent song");
  const std::size_t frames = song.LoopSeconds > 0
                                 ? static_cast<std::size_t>(std::lround(song.LoopSeconds * kRate))
                                 : AudibleFrames(mix, peak);
  mix.Left.resize(frames, 0.0f);
  mix.Right.resize(frames, 0.0f);
  const double loudness = IntegratedLoudness(mix.Left, mix.Right);
  const double gain =
      std::min(std::pow(10.0, (kTargetLufs - loudness) / 20.0), kPeakCeiling / peak);
  return {frames, gain};
}

void Put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void WriteWav(const TMix& mix, const TMaster& master, double fadeOutSeconds,
              const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + path);
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(master.Frames * 4);
  out.write("RIFF", 4);
  Put(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 2, 2);
  Put(out, kRate, 4);
  Put(out, kRate * 4, 4);
  Put(out, 4, 2);
  Put(out, 16, 2);
  out.write("data", 4);
  Put(out, dataBytes, 4);
  const double length = static_cast<double>(master.Frames) / kRate;
  for (std::size_t i = 0; i < master.Frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    // Both ends fade to silence, so the restart begins and ends quietly.
    const double fade = Ramp(t, 0.01) * (1.0 - Ramp(t - (length - fadeOutSeconds), fadeOutSeconds));
    const bool sounding = i < mix.Frames();
    for (float sample : {sounding ? mix.Left[i] : 0.0f, sounding ? mix.Right[i] : 0.0f}) {
      const long value = std::lround(sample * master.Gain * fade * 32767.0);
      Put(out,
          static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp(value, -32767L, 32767L))),
          2);
    }
  }
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

TMix MixDown(const TSong& song) {
  TMix mix;
  for (const TStem& stem : song.Stems) {
    if (stem.Mix.Frames() > mix.Frames()) {
      mix.Left.resize(stem.Mix.Frames(), 0.0f);
      mix.Right.resize(stem.Mix.Frames(), 0.0f);
    }
    for (std::size_t i = 0; i < stem.Mix.Frames(); ++i) {
      mix.Left[i] += stem.Mix.Left[i];
      mix.Right[i] += stem.Mix.Right[i];
    }
  }
  return mix;
}

void WriteSong(const TSong& song, const std::string& path) {
  const TMix mix = MixDown(song);
  WriteWav(mix, Master(song, mix), song.FadeOutSeconds, path);
}

void WriteStems(const TSong& song, const std::string& pathStem) {
  const TMaster master = Master(song, MixDown(song));
  for (const TStem& stem : song.Stems)
    WriteWav(stem.Mix, master, song.FadeOutSeconds, pathStem + "-" + stem.Name + ".wav");
}

}  // namespace songsynth
