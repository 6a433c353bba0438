#include "tools/songsynth/SongMeasures.h"

#include <cmath>
#include <complex>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tools/songsynth/Dsp.h"

namespace songsynth {
namespace {

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
  return value;
}

double Db(double amplitude) {
  return 20.0 * std::log10(std::max(amplitude, 1e-9));
}

std::size_t Frame(double seconds, std::size_t size) {
  return std::min(size, static_cast<std::size_t>(std::max(0.0, seconds) * kRate));
}

void Fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> step = std::polar(1.0, -2.0 * kPi / static_cast<double>(len));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> w = 1.0;
      for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
        const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
      }
    }
  }
}

}  // namespace

double TStereo::Seconds() const {
  return static_cast<double>(Left.size()) / kRate;
}

std::vector<float> TStereo::Mono() const {
  std::vector<float> mono(Left.size());
  for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (Left[i] + Right[i]);
  return mono;
}

TStereo ReadWav(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    throw std::runtime_error("not a WAV file: " + path);
  std::size_t at = 12, data = 0, dataBytes = 0;
  int channels = 0;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const std::size_t size = Little(bytes, at + 4, 4);
    if (id == "fmt ") {
      channels = static_cast<int>(Little(bytes, at + 10, 2));
      if (Little(bytes, at + 8, 2) != 1 || Little(bytes, at + 12, 4) != kRate ||
          Little(bytes, at + 22, 2) != 16)
        throw std::runtime_error("not 16-bit PCM at 44100 Hz: " + path);
    } else if (id == "data") {
      data = at + 8;
      dataBytes = std::min(size, bytes.size() - data);
      break;
    }
    at += 8 + size + (size & 1);
  }
  if (data == 0 || channels < 1 || channels > 2) throw std::runtime_error("no audio in " + path);
  TStereo wav;
  const std::size_t frameBytes = 2 * static_cast<std::size_t>(channels);
  for (std::size_t i = data; i + frameBytes <= data + dataBytes; i += frameBytes) {
    const auto sample = [&](std::size_t c) {
      return static_cast<float>(static_cast<std::int16_t>(Little(bytes, i + 2 * c, 2))) / 32768.0f;
    };
    wav.Left.push_back(sample(0));
    wav.Right.push_back(sample(static_cast<std::size_t>(channels - 1)));
  }
  return wav;
}

double ToneDb(const std::vector<float>& mono, double from, double length, double hz) {
  const std::size_t first = Frame(from, mono.size()), last = Frame(from + length, mono.size());
  if (last <= first + 1) return Db(0.0);
  std::complex<double> sum = 0.0, window = 0.0;
  const double n = static_cast<double>(last - first);
  for (std::size_t i = first; i < last; ++i) {
    const double k = static_cast<double>(i - first);
    const double hann = 0.5 - 0.5 * std::cos(2.0 * kPi * k / (n - 1));
    sum += hann * static_cast<double>(mono[i]) *
           std::polar(1.0, -2.0 * kPi * hz * static_cast<double>(i) / kRate);
    window += hann;
  }
  return Db(2.0 * std::abs(sum) / std::abs(window));
}

double RmsDb(const std::vector<float>& mono, double from, double to) {
  const std::size_t first = Frame(from, mono.size()), last = Frame(to, mono.size());
  double sum = 0.0;
  for (std::size_t i = first; i < last; ++i) sum += static_cast<double>(mono[i]) * mono[i];
  return last > first ? Db(std::sqrt(sum / static_cast<double>(last - first))) : Db(0.0);
}

double TrackedPitchHz(const std::vector<float>& mono, double from, double length) {
  constexpr double kThreshold = 0.25;
  const std::size_t first = Frame(from, mono.size());
  const std::size_t shortest = kRate / 1200, longest = kRate / 60;
  const std::size_t window = Frame(length, mono.size());
  if (first + window + longest + 1 >= mono.size()) return 0.0;
  std::vector<double> difference(longest + 2, 0.0);
  for (std::size_t lag = 1; lag <= longest + 1; ++lag)
    for (std::size_t i = first; i < first + window; ++i) {
      const double d = static_cast<double>(mono[i]) - mono[i + lag];
      difference[lag] += d * d;
    }
  // Cumulative mean normalised difference; the first dip under the
  // threshold, followed to its bottom, is the period.
  double running = 0.0;
  std::vector<double> normalised(longest + 2, 1.0);
  for (std::size_t lag = 1; lag <= longest + 1; ++lag) {
    running += difference[lag];
    normalised[lag] = running > 0 ? difference[lag] * static_cast<double>(lag) / running : 1.0;
  }
  for (std::size_t lag = shortest; lag <= longest; ++lag) {
    if (normalised[lag] >= kThreshold) continue;
    while (lag + 1 <= longest && normalised[lag + 1] < normalised[lag]) ++lag;
    return static_cast<double>(kRate) / static_cast<double>(lag);
  }
  return 0.0;
}

TBalance SpectralBalance(const std::vector<float>& mono) {
  constexpr std::size_t kSize = 4096;
  std::vector<double> power(kSize / 2, 0.0);
  for (std::size_t at = 0; at + kSize <= mono.size(); at += kSize / 2) {
    std::vector<std::complex<double>> frame(kSize);
    for (std::size_t i = 0; i < kSize; ++i)
      frame[i] = mono[at + i] * (0.5 - 0.5 * std::cos(2.0 * kPi * static_cast<double>(i) / kSize));
    Fft(frame);
    for (std::size_t k = 0; k < kSize / 2; ++k) power[k] += std::norm(frame[k]);
  }
  double total = 0.0, weighted = 0.0, presence = 0.0;
  for (std::size_t k = 1; k < kSize / 2; ++k) {
    const double hz = static_cast<double>(k) * kRate / kSize;
    total += power[k];
    weighted += power[k] * hz;
    if (hz >= 2000.0 && hz < 4000.0) presence += power[k];
  }
  if (total <= 0.0) return {0.0, Db(0.0)};
  return {weighted / total, 10.0 * std::log10(std::max(presence / total, 1e-18))};
}

}  // namespace songsynth
