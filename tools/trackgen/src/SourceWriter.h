#pragma once
// Writes one pattern's tracks as a C++ source of constant data.
#include <string>

#include "Author.h"

namespace trackgen {

// The first line names the tool; the rest is one row of points per ten steps.
std::string PatternSource(const AuthoredPattern& pattern);

}  // namespace trackgen
