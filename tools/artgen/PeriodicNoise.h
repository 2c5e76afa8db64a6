#pragma once

#include <cstdint>

// Smooth value noise on a lattice that wraps around, so a texture sampled over
// one period tiles without seams. Deterministic for a given seed on every
// platform (integer hashing only, no library random engines).
class PeriodicNoise {
public:
    explicit PeriodicNoise(std::uint32_t seed) : seed_(seed) {}

    // Noise in [0, 1] at (u, v), both measured in texture widths; the lattice has
    // periodX cells across and periodY cells down one texture.
    double sample(double u, double v, int periodX, int periodY) const;

    // Sum of `octaves` layers, each with twice the lattice cells and half the
    // weight of the one before; normalised to [0, 1].
    double fractal(double u, double v, int periodX, int periodY, int octaves) const;

    // Hash of a lattice point (or any three integers) to [0, 1].
    double hash(int x, int y, int z = 0) const;

private:
    std::uint32_t seed_;
};
