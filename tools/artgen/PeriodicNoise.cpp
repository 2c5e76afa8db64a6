#include "PeriodicNoise.h"

#include <cmath>

namespace {

std::uint32_t mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

int wrap(int i, int period) {
    const int r = i % period;
    return r < 0 ? r + period : r;
}

double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double PeriodicNoise::hash(int x, int y, int z) const {
    std::uint32_t h = seed_ * 0x9e3779b9U;
    h = mix(h ^ static_cast<std::uint32_t>(x) * 0x85ebca6bU);
    h = mix(h ^ static_cast<std::uint32_t>(y) * 0xc2b2ae35U);
    h = mix(h ^ static_cast<std::uint32_t>(z) * 0x27d4eb2fU);
    return static_cast<double>(h) / 4294967295.0;
}

double PeriodicNoise::sample(double u, double v, int periodX, int periodY) const {
    const double x = u * periodX;
    const double y = v * periodY;
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const int xa = wrap(x0, periodX), xb = wrap(x0 + 1, periodX);
    const int ya = wrap(y0, periodY), yb = wrap(y0 + 1, periodY);
    // The period goes into the hash so that layers of different size differ.
    const int z = periodX * 1000 + periodY;
    const double top = lerp(hash(xa, ya, z), hash(xb, ya, z), tx);
    const double bottom = lerp(hash(xa, yb, z), hash(xb, yb, z), tx);
    return lerp(top, bottom, ty);
}

double PeriodicNoise::fractal(double u, double v, int periodX, int periodY, int octaves) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * sample(u, v, periodX << i, periodY << i);
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}
