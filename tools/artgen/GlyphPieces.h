#pragma once

#include "PieceSheet.h"

#include <QString>

// Piece outlines taken from the chess symbols of a font file: the solid
// symbols give the silhouettes, the hollow ones the inner lines.
struct GlyphPieces {
    PieceShapes white;  // solid outline filled, the hollow symbol's lines drawn over it
    PieceShapes black;  // the solid symbol, whose holes show the detail colour

    // Loads the twelve symbols from fontFile and fits them into cells of `cell`
    // pixels, leaving `margin` pixels plus half of `band` free at each side.
    // Returns false (with a message in error) when the font lacks a symbol.
    static bool load(const QString& fontFile, int cell, double margin, double band, GlyphPieces& out, QString& error);
};
