#pragma once
// The globe palette shared by every 8-bit picture, and nearest-colour lookup.
#include <QRgb>
#include <array>
#include <map>
#include <vector>

namespace artgen {

inline constexpr int kPaletteSize = 256;
using TPalette = std::array<QRgb, kPaletteSize>;

// Entries 0..9 and 246..255 are the fixed system colours (grey at 7); the
// indices between are free for the art.
inline constexpr int kFirstFreeIndex = 10;
inline constexpr int kLastFreeIndex = 245;
inline constexpr int kFreeEntries = kLastFreeIndex - kFirstFreeIndex + 1;
static_assert(kFreeEntries == 236);

inline constexpr quint8 kBlackIndex = 0;
inline constexpr quint8 kWhiteIndex = 255;

// Colour -> how much it matters; the free entries are fitted to it.
using THistogram = std::map<QRgb, double>;

// The fixed entries plus 236 colours fitted to `histogram` by median cut and
// a few rounds of k-means refinement. Fully deterministic.
TPalette FitPalette(const THistogram& histogram);

class TNearestColour {
 public:
  explicit TNearestColour(const TPalette& palette) : palette_(palette) {}
  quint8 IndexOf(QRgb colour);

 private:
  const TPalette& palette_;
  std::map<QRgb, quint8> cache_;
};

// Weighted squared distance that roughly follows how the eye weighs channels.
int ColourDistance(QRgb a, QRgb b);

}  // namespace artgen
