// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

// The one transform between a surface's user coordinates and the pixels of
// its retained picture, and the rules that turn a user point into a pixel.
//
// A pixel index is floor() of the device coordinate; a point exactly on the
// right or bottom edge belongs to the last pixel, so a line along that edge
// (the chart's y = 0) stays visible.
class SurfaceMapping
{
public:
    SurfaceMapping() = default;
    // left/top/right/bottom: the user coordinates of the surface's edges.
    // devicePixels: size of the picture; penScale: device pixels per pixel
    // of pen width (the zoom times the screen's device pixel ratio).
    SurfaceMapping(double left, double top, double right, double bottom, QSize devicePixels,
                   double penScale);

    QPointF toDevice(QPointF user) const { return m_toDevice.map(user); }
    QPointF toUser(QPointF device) const { return m_toUser.map(device); }

    QSize devicePixels() const { return m_devicePixels; }
    double penScale() const { return m_penScale; }

    int column(double deviceX) const { return pixelIndex(deviceX, m_devicePixels.width()); }
    int row(double deviceY) const { return pixelIndex(deviceY, m_devicePixels.height()); }
    // The last column (row) that an area ending at deviceX (deviceY) covers
    // at least half: a box of 0.9 cells stops short of the grid line after
    // it, however the cell falls on the pixels.
    int lastColumnBefore(double deviceX) const { return pixelIndex(deviceX - 0.5, m_devicePixels.width()); }
    int lastRowBefore(double deviceY) const { return pixelIndex(deviceY - 0.5, m_devicePixels.height()); }

    // A pen width of logical pixels in whole device pixels, at least 1.
    int penPixels(int logicalWidth) const;
    // A length along x in user units as device pixels.
    double horizontalPixels(double userLength) const;

private:
    static int pixelIndex(double device, int size);

    QTransform m_toDevice;
    QTransform m_toUser;
    QSize m_devicePixels;
    double m_penScale = 1.0;
};
