#include "WoodTexture.h"

#include "PeriodicNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double mixd(double a, double b, double t) { return a + (b - a) * t; }

} // namespace

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

            const double bend = noise.fractal(u, v, 2, 2, 3) - 0.5;
            const double ripple = noise.sample(u, v, 5, 3) - 0.5;
            const double t = v * style.rings + style.warp * 2.0 * bend + 0.25 * ripple;
            const double ring = 0.5 + 0.5 * std::cos(2.0 * std::numbers::pi * t);
            const double grain = std::pow(ring, style.sharpness);

            const double fibre = noise.fractal(u, v, 3, n / 2, 2);
            const double patch = noise.fractal(u, v, 1, 2, 2) - 0.5;
            const double speck = noise.hash(x, y, 7) - 0.5;

            double k = 0.75 * grain + style.fibre * (fibre - 0.5) * 2.0;
            k = std::clamp(k, 0.0, 1.0);
            const double shade = 1.0 + style.blotch * 2.0 * patch + 0.02 * speck;
            const auto channel = [&](double a, double b) {
                return std::clamp(static_cast<int>(std::lround(mixd(a, b, k) * shade)), 0, 255);
            };
            row[x] = qRgb(channel(style.early.red(), style.late.red()),
                           channel(style.early.green(), style.late.green()),
                           channel(style.early.blue(), style.late.blue()));
        }
    }
    return img;
}
