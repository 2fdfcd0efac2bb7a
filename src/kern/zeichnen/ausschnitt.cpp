// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausschnitt.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any picture, and still an int.
constexpr double weitDraussen = 1 << 30;

int anfangsPixel(double geraet)
{
    return static_cast<int>(std::clamp(std::floor(geraet), -weitDraussen, weitDraussen));
}

int endPixel(double geraet)
{
    return static_cast<int>(std::clamp(std::ceil(geraet) - 1, -weitDraussen, weitDraussen));
}

} // namespace

Pixelrechteck sichtbarerTeil(const Pixelrechteck& bild, double x0, double y0, double x1, double y1,
                             double geraeteProPixel)
{
    const double f = geraeteProPixel;
    for (const double wert : {x0 * f, y0 * f, x1 * f, y1 * f}) {
        if (std::isnan(wert))
            return {};
    }
    const Pixelrechteck teil =
        bild.geschnitten({anfangsPixel(x0 * f), anfangsPixel(y0 * f), endPixel(x1 * f), endPixel(y1 * f)});
    return teil.leer() ? Pixelrechteck{} : teil;
}
