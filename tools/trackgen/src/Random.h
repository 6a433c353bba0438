#pragma once
// A small seeded generator (splitmix64) so that the tables come out the same on
// every machine; the standard library's distributions are not portable.
#include <cmath>
#include <cstdint>

namespace trackgen {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Uniform(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  // Uniform integer in [lo, hi].
  int Int(int lo, int hi) { return lo + int(Next() % std::uint64_t(hi - lo + 1)); }
  double Normal() {
    const double u = 1.0 - Unit();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * Unit());
  }

 private:
  std::uint64_t state_;
};

// One independent stream per pattern, track and attempt.
inline std::uint64_t StreamSeed(std::uint64_t seed, int pattern, int track, int attempt) {
  Rng mix(seed ^ (std::uint64_t(pattern) << 48) ^ (std::uint64_t(track) << 32) ^
          std::uint64_t(attempt));
  mix.Next();
  return mix.Next();
}

}  // namespace trackgen
