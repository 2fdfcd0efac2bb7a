// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeichenop.h"

#include <functional>

namespace {

std::size_t verbinden(std::size_t saat, std::size_t wert)
{
    return saat ^ (wert + 0x9e3779b97f4a7c15ULL + (saat << 6) + (saat >> 2));
}

std::size_t hashVonZahl(double wert)
{
    // 0.0 and -0.0 compare equal, so they must hash alike.
    return std::hash<double>{}(wert == 0.0 ? 0.0 : wert);
}

} // namespace

std::size_t hashVon(const Zeichenop& op)
{
    std::size_t saat = static_cast<std::size_t>(op.art);
    saat = verbinden(saat, op.stift);
    saat = verbinden(saat, op.farbe);
    saat = verbinden(saat, hashVonZahl(op.x1));
    saat = verbinden(saat, hashVonZahl(op.y1));
    saat = verbinden(saat, hashVonZahl(op.x2));
    return verbinden(saat, hashVonZahl(op.y2));
}
