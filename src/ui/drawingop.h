#pragma once

#include <QRgb>

#include <cstddef>
#include <cstdint>

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

    bool operator==(const DrawingOp& other) const
    {
        return kind == other.kind && penWidth == other.penWidth && colour == other.colour
            && x1 == other.x1 && y1 == other.y1 && x2 == other.x2 && y2 == other.y2;
    }
};

std::size_t hashOf(const DrawingOp& op);
