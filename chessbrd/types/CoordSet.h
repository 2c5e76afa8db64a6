#pragma once
// The sides of the board along which coordinates are drawn. Plain C++.

#include "FlagSet.h"

#include <cstdint>

namespace tablerix {

enum class DisplayCoords : std::uint8_t { West = 1, North = 2, East = 4, South = 8 };

using CoordSet = FlagSet<DisplayCoords>;

}  // namespace tablerix
