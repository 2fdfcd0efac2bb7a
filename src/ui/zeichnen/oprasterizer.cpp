// SPDX-License-Identifier: GPL-3.0-or-later
#include "oprasterizer.h"

#include "lineclip.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QColor colourOf(const DrawingOp& op)
{
    return QColor::fromRgb(op.colour);
}

QRect fill(QPainter& painter, const SurfaceMapping& mapping, QRect area, QColor colour)
{
    area &= QRect(QPoint(0, 0), mapping.devicePixels());
    if (!area.isEmpty())
        painter.fillRect(area, colour);
    return area;
}

// A band `pen` pixels wide centred on pixel `centre`: [first, first + pen - 1].
int bandStart(int centre, int pen)
{
    return centre - (pen - 1) / 2;
}

QRect verticalLine(QPainter& painter, const SurfaceMapping& mapping, double x, double y1, double y2,
                   int pen, QColor colour)
{
    const int column = mapping.column(x);
    const int top = mapping.row(std::min(y1, y2));
    const int bottom = mapping.row(std::max(y1, y2));
    return fill(painter, mapping, QRect(QPoint(bandStart(column, pen), top),
                                        QPoint(bandStart(column, pen) + pen - 1, bottom)),
                colour);
}

QRect horizontalLine(QPainter& painter, const SurfaceMapping& mapping, double y, double x1, double x2,
                     int pen, QColor colour)
{
    const int row = mapping.row(y);
    const int left = mapping.column(std::min(x1, x2));
    const int right = mapping.column(std::max(x1, x2));
    return fill(painter, mapping, QRect(QPoint(left, bandStart(row, pen)),
                                        QPoint(right, bandStart(row, pen) + pen - 1)),
                colour);
}

QRect slantedLine(QPainter& painter, const SurfaceMapping& mapping, QPointF a, QPointF b, int pen,
                  QColor colour)
{
    const double margin = pen + 2.0;
    const QRectF clip(-margin, -margin, mapping.devicePixels().width() + 2 * margin,
                      mapping.devicePixels().height() + 2 * margin);
    const std::optional<QLineF> visible = clipLine(QLineF(a, b), clip);
    if (!visible)
        return {};
    const QPoint p1(mapping.column(visible->x1()), mapping.row(visible->y1()));
    const QPoint p2(mapping.column(visible->x2()), mapping.row(visible->y2()));
    painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(p1, p2);
    return QRect(p1, p2).normalized().adjusted(-pen, -pen, pen, pen)
        & QRect(QPoint(0, 0), mapping.devicePixels());
}

QRect line(QPainter& painter, const SurfaceMapping& mapping, const DrawingOp& op)
{
    const QPointF a = mapping.toDevice(QPointF(op.x1, op.y1));
    const QPointF b = mapping.toDevice(QPointF(op.x2, op.y2));
    const int pen = mapping.penPixels(op.penWidth);
    if (op.x1 == op.x2)
        return verticalLine(painter, mapping, a.x(), a.y(), b.y(), pen, colourOf(op));
    if (op.y1 == op.y2)
        return horizontalLine(painter, mapping, a.y(), a.x(), b.x(), pen, colourOf(op));
    return slantedLine(painter, mapping, a, b, pen, colourOf(op));
}

QRect boxOutline(QPainter& painter, const SurfaceMapping& mapping, const DrawingOp& op)
{
    const QPointF a = mapping.toDevice(QPointF(op.x1, op.y1));
    const QPointF b = mapping.toDevice(QPointF(op.x2, op.y2));
    const int pen = mapping.penPixels(op.penWidth);
    const QColor colour = colourOf(op);
    QRect touched = horizontalLine(painter, mapping, a.y(), a.x(), b.x(), pen, colour);
    touched |= horizontalLine(painter, mapping, b.y(), a.x(), b.x(), pen, colour);
    touched |= verticalLine(painter, mapping, a.x(), a.y(), b.y(), pen, colour);
    touched |= verticalLine(painter, mapping, b.x(), a.y(), b.y(), pen, colour);
    return touched;
}

QRect filledBox(QPainter& painter, const SurfaceMapping& mapping, const DrawingOp& op)
{
    const QPointF a = mapping.toDevice(QPointF(op.x1, op.y1));
    const QPointF b = mapping.toDevice(QPointF(op.x2, op.y2));
    // Every pixel the box reaches into from its top-left edges, and at its
    // bottom-right edges those it covers at least half (at least one pixel).
    const QPoint first(mapping.column(std::min(a.x(), b.x())), mapping.row(std::min(a.y(), b.y())));
    const QPoint last(std::max(first.x(), mapping.lastColumnBefore(std::max(a.x(), b.x()))),
                      std::max(first.y(), mapping.lastRowBefore(std::max(a.y(), b.y()))));
    return fill(painter, mapping, QRect(first, last), colourOf(op));
}

QRect circle(QPainter& painter, const SurfaceMapping& mapping, const DrawingOp& op)
{
    const QPointF centre = mapping.toDevice(QPointF(op.x1, op.y1));
    const double radius = mapping.horizontalPixels(op.x2);
    const int pen = mapping.penPixels(op.penWidth);
    const QRectF bounds(centre.x() - radius - pen, centre.y() - radius - pen, 2 * (radius + pen),
                        2 * (radius + pen));
    const QRectF picture(QPointF(0, 0), QSizeF(mapping.devicePixels()));
    // Also rejects NaN and circles too large or too far away to matter.
    if (!(radius >= 0 && radius < 1e6) || !bounds.intersects(picture))
        return {};
    painter.setPen(QPen(colourOf(op), pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(std::floor(centre.x()) + 0.5, std::floor(centre.y()) + 0.5), radius, radius);
    return bounds.toAlignedRect() & picture.toAlignedRect();
}

} // namespace

bool staysOutside(const SurfaceMapping& mapping, const DrawingOp& op)
{
    QPointF a, b;
    if (op.kind == DrawingOp::Kind::Circle) {
        const QPointF centre = mapping.toDevice(QPointF(op.x1, op.y1));
        const double radius = mapping.horizontalPixels(op.x2);
        a = centre - QPointF(radius, radius);
        b = centre + QPointF(radius, radius);
    } else {
        a = mapping.toDevice(QPointF(op.x1, op.y1));
        b = mapping.toDevice(QPointF(op.x2, op.y2));
    }
    const double margin = mapping.penPixels(op.penWidth) + 2 * mapping.penScale();
    const QSize size = mapping.devicePixels();
    return std::max(a.x(), b.x()) < -margin || std::min(a.x(), b.x()) > size.width() + margin
        || std::max(a.y(), b.y()) < -margin || std::min(a.y(), b.y()) > size.height() + margin;
}

QRect rasterize(QPainter& painter, const SurfaceMapping& mapping, const DrawingOp& op)
{
    if (!op.hasNumbers())
        return {};
    switch (op.kind) {
    case DrawingOp::Kind::Line:
        return line(painter, mapping, op);
    case DrawingOp::Kind::BoxOutline:
        return boxOutline(painter, mapping, op);
    case DrawingOp::Kind::FilledBox:
        return filledBox(painter, mapping, op);
    case DrawingOp::Kind::Circle:
        return circle(painter, mapping, op);
    }
    return {};
}
