// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRgb>

#include <cmath>
#include <cstddef>
#include <cstdint>

// False for a point with a coordinate that is no number (NaN): such a point
// has no place on any surface. Infinite coordinates are numbers.
inline bool isNumber(QPointF p)
{
    return !std::isnan(p.x()) && !std::isnan(p.y());
}

// One drawing operation of a surface, in the surface's user coordinates.
// Coordinates are doubles so that values far outside the surface (model
// curves up to the double range) reach the clipper unchanged.
struct DrawingOp
{
    enum class Kind : std::uint8_t { Line, BoxOutline, FilledBox, Circle };

    Kind kind = Kind::Line;
    std::uint8_t penWidth = 1; // in logical pixels
    QRgb colour = 0;
    // Line and boxes: (x1, y1) and (x2, y2). Circle: centre (x1, y1), radius x2.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    // An operation with a NaN coordinate draws nothing and is not kept.
    bool hasNumbers() const { return isNumber(QPointF(x1, y1)) && isNumber(QPointF(x2, y2)); }

    // The work of drawing it again, in twentieths of a slanted line: a
    // slanted line goes through the painter and its clipping, everything
    // else is a filled rectangle or a small ellipse (measured: about 20 : 3).
    int work() const { return kind == Kind::Line && x1 != x2 && y1 != y2 ? 20 : 3; }

    bool operator==(const DrawingOp& other) const
    {
        return kind == other.kind && penWidth == other.penWidth && colour == other.colour
            && x1 == other.x1 && y1 == other.y1 && x2 == other.x2 && y2 == other.y2;
    }
};

// A hash that agrees with ==: 0.0 and -0.0 hash alike.
std::size_t hashOf(const DrawingOp& op);
