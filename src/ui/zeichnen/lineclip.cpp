// SPDX-License-Identifier: GPL-3.0-or-later
#include "lineclip.h"

#include "drawingop.h"

#include <cmath>

namespace {

constexpr double farAway = 1e300;

double tame(double v)
{
    return std::isinf(v) ? std::copysign(farAway, v) : v;
}

// Which sides of the clip rectangle a point lies beyond.
enum Outside : unsigned { Inside = 0, Left = 1, Right = 2, Above = 4, Below = 8 };

unsigned outside(QPointF p, const QRectF& clip)
{
    unsigned code = Inside;
    if (p.x() < clip.left())
        code |= Left;
    else if (p.x() > clip.right())
        code |= Right;
    if (p.y() < clip.top())
        code |= Above;
    else if (p.y() > clip.bottom())
        code |= Below;
    return code;
}

// Moves `moving` along the line onto one edge it lies beyond. The new point
// is interpolated from the other endpoint, which is the nearer one once it
// has been clipped, so a far-away endpoint costs no precision.
QPointF ontoEdge(QPointF moving, QPointF other, unsigned code, const QRectF& clip)
{
    const double dx = moving.x() - other.x();
    const double dy = moving.y() - other.y();
    if (code & (Left | Right)) {
        const double edge = (code & Left) ? clip.left() : clip.right();
        return QPointF(edge, other.y() + dy * ((edge - other.x()) / dx));
    }
    const double edge = (code & Above) ? clip.top() : clip.bottom();
    return QPointF(other.x() + dx * ((edge - other.y()) / dy), edge);
}

} // namespace

std::optional<QLineF> clipLine(QLineF line, const QRectF& clip)
{
    QPointF a(tame(line.x1()), tame(line.y1()));
    QPointF b(tame(line.x2()), tame(line.y2()));
    if (!isNumber(a) || !isNumber(b))
        return std::nullopt;
    // Each step puts one endpoint onto one edge; a handful always suffices.
    for (int step = 0; step < 8; ++step) {
        const unsigned codeA = outside(a, clip);
        const unsigned codeB = outside(b, clip);
        if ((codeA | codeB) == Inside)
            return QLineF(a, b);
        if (codeA & codeB)
            return std::nullopt;
        if (codeA != Inside)
            a = ontoEdge(a, b, codeA, clip);
        else
            b = ontoEdge(b, a, codeB, clip);
        if (!isNumber(a) || !isNumber(b))
            return std::nullopt;
    }
    return std::nullopt;
}
