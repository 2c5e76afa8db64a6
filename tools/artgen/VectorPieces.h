#pragma once

#include "PieceSheet.h"

// A piece set drawn from the project's own vector outlines (no font): plain
// geometric shapes on a common plinth, with inner lines marking the parts.
class VectorPieces {
public:
    // The six pieces fitted into cells of `cell` pixels, leaving `margin`
    // pixels plus half of `band` free at each side; `lineWidth` is the width
    // of the inner lines in pixels.
    static PieceShapes build(int cell, double margin, double band, double lineWidth);
};
