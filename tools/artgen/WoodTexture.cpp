#include "WoodTexture.h"

#include "PeriodicNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double mixd(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

QImage WoodTexture::render(const WoodStyle& style) {
    const int n = style.size;
    QImage img(n, n, QImage::Format_RGB32);
    const PeriodicNoise noise(style.seed);
    for (int y = 0; y < n; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < n; ++x) {
            // u runs along the grain, v across it.
            const double px = (x + 0.5) / n;
            const double py = (y + 0.5) / n;
            const double u = style.vertical ? py : px;
            const double v = style.vertical ? px : py;

            // Ring spacing varies across the grain; the rings bend gently along it.
            const double spacing = noise.fractal(0.0, v, 1, 3, 2) - 0.5;
            const double bend = noise.fractal(u, v, 1, 2, 3) - 0.5;
            const double t = v * style.rings + 1.2 * spacing + style.warp * 2.0 * bend;
            const double ring = 0.5 + 0.5 * std::cos(2.0 * std::numbers::pi * t);
            const double fineRing = 0.5 + 0.5 * std::cos(2.0 * std::numbers::pi * 3.0 * t);
            const double strength = 0.55 + 0.45 * noise.fractal(u, v, 2, 4, 2);
            const double grain = strength * (std::pow(ring, style.sharpness) + 0.25 * std::pow(fineRing, 4.0));

            const double fibre = noise.fractal(u, v, 2, n / 2, 2);
            const double pore = std::max(0.0, noise.sample(u, v, 6, n / 2) - 0.78) * 2.5;
            const double patch = noise.fractal(u, v, 1, 2, 2) - 0.5;
            const double speck = noise.hash(x, y, 7) - 0.5;

            double k = 0.8 * grain + style.fibre * (fibre - 0.5) * 2.0 + pore;
            k = std::clamp(k, 0.0, 1.0);
            const double shade = 1.0 + style.blotch * 2.0 * patch + 0.02 * speck;
            const auto channel = [&](double a, double b) {
                return std::clamp(static_cast<int>(std::lround(mixd(a, b, k) * shade)), 0, 255);
            };
            row[x] =
                qRgb(channel(style.early.red(), style.late.red()), channel(style.early.green(), style.late.green()),
                     channel(style.early.blue(), style.late.blue()));
        }
    }
    return img;
}
