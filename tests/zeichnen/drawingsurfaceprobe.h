// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawingsurface.h"

#include <QColor>

#include <cstddef>

// What tests read off a drawing surface beyond its picture: the pen width
// set last, the operations it keeps, and the colour under a user point.
class DrawingSurfaceProbe
{
public:
    static int penWidth(const DrawingSurface& surface) { return surface.m_penWidth; }
    static std::size_t retainedOperations(const DrawingSurface& surface) { return surface.m_log.size(); }
    static std::size_t retainedWork(const DrawingSurface& surface) { return surface.m_log.work(); }

    // The colour of the picture's pixel under a user point (invalid outside).
    static QColor colourAt(DrawingSurface& surface, double x, double y)
    {
        const QImage image = surface.picture();
        const QPointF device = surface.m_mapping.toDevice(QPointF(x, y));
        const QPoint pixel(surface.m_mapping.column(device.x()), surface.m_mapping.row(device.y()));
        return image.rect().contains(pixel) ? image.pixelColor(pixel) : QColor();
    }
};

inline int penWidth(const DrawingSurface& surface)
{
    return DrawingSurfaceProbe::penWidth(surface);
}

inline std::size_t retainedOperations(const DrawingSurface& surface)
{
    return DrawingSurfaceProbe::retainedOperations(surface);
}

inline std::size_t retainedWork(const DrawingSurface& surface)
{
    return DrawingSurfaceProbe::retainedWork(surface);
}

inline QColor colourAt(DrawingSurface& surface, double x, double y)
{
    return DrawingSurfaceProbe::colourAt(surface, x, y);
}
