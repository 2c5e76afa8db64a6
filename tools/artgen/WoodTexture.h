#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>

// Procedural wood grain that tiles seamlessly: every noise layer and the ring
// count wrap around the texture, so the right edge continues into the left
// and the bottom into the top.
struct WoodStyle {
    int size = 128;          // edge of the square texture in pixels
    std::uint32_t seed = 1;  // fixed per texture for reproducible output
    QColor early;            // pale wood between the grain lines
    QColor late;             // dark grain lines
    int rings = 6;           // grain bands across one tile
    double warp = 1.2;       // how far the bands wander (in bands)
    double sharpness = 3.0;  // higher gives thinner dark lines
    double fibre = 0.25;     // weight of fine streaks along the grain
    double blotch = 0.08;    // weight of broad light/dark patches
    bool vertical = false;   // grain runs top to bottom instead of left to right
};

class WoodTexture {
public:
    // Draws one tile of the given style (RGB32, fully opaque).
    static QImage render(const WoodStyle& style);
};
