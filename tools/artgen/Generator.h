#pragma once
#include <QString>

namespace artgen {

// Draws every picture, fits the globe palette, and writes the .bmp, .ico
// and .cur files into `folder`. When `contactSheet` is not empty, also writes
// a PNG with every picture over the globe, at 1:1 and enlarged.
// Returns false (after printing why) if a file cannot be written.
bool GenerateAssets(const QString& folder, const QString& contactSheet);

}  // namespace artgen
