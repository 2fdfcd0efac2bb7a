// SPDX-License-Identifier: GPL-3.0-or-later
#include "surfacemapping.h"

#include <algorithm>
#include <cmath>

SurfaceMapping::SurfaceMapping(double left, double top, double right, double bottom,
                               QSize devicePixels, double penScale)
    : m_devicePixels(devicePixels)
    , m_penScale(penScale)
{
    const double sx = devicePixels.width() / (right - left);
    const double sy = devicePixels.height() / (bottom - top);
    m_toDevice = QTransform(sx, 0, 0, sy, -left * sx, -top * sy);
    m_toUser = m_toDevice.inverted();
}

int SurfaceMapping::pixelIndex(double device, int size)
{
    // Clamp first: far-away values must never reach an int conversion. The
    // small nudge lets a pixel's own corner, passed through single precision
    // (a pointer position kept as a float), land in that pixel again.
    constexpr double nudge = 1e-4;
    const double clamped = std::clamp(device, -8.0, size + 8.0);
    const int index = static_cast<int>(std::floor(clamped + nudge));
    const double edgeTolerance = 1e-9 * std::max(1, size);
    if (index == size && clamped <= size + edgeTolerance)
        return size - 1;
    return index;
}

int SurfaceMapping::penPixels(int logicalWidth) const
{
    return std::max(1, static_cast<int>(std::lround(logicalWidth * m_penScale)));
}

double SurfaceMapping::horizontalPixels(double userLength) const
{
    return std::fabs(m_toDevice.m11()) * userLength;
}
