// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawingsurface.h"

#include "oprasterizer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // A click gives the surface the keyboard, so that Ctrl+C copies its picture.
    setFocusPolicy(Qt::ClickFocus);
}

DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::setUserCoordinates(double left, double top, double right, double bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
    rasterizeLater();
}

void DrawingSurface::setBackColour(QColor colour)
{
    m_backColour = colour;
    rasterizeLater();
}

void DrawingSurface::clear()
{
    m_log.clear();
    m_ground = QImage();
    rasterizeLater();
}

void DrawingSurface::setZoom(double zoom)
{
    m_zoom = zoom;
    rasterizeLater();
}

void DrawingSurface::rasterizeLater()
{
    finishPainting();
    m_picture = QImage();
    update();
}

void DrawingSurface::setPenWidth(int pixels)
{
    m_penWidth = std::clamp(pixels, 1, 255);
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, QColor colour)
{
    record({DrawingOp::Kind::Line, 0, colour.rgb(), x1, y1, x2, y2});
}

void DrawingSurface::boxOutline(double x1, double y1, double x2, double y2, QColor colour)
{
    record({DrawingOp::Kind::BoxOutline, 0, colour.rgb(), x1, y1, x2, y2});
}

void DrawingSurface::filledBox(double x1, double y1, double x2, double y2, QColor colour)
{
    record({DrawingOp::Kind::FilledBox, 0, colour.rgb(), x1, y1, x2, y2});
}

void DrawingSurface::circle(double centreX, double centreY, double radius, QColor colour)
{
    record({DrawingOp::Kind::Circle, 0, colour.rgb(), centreX, centreY, radius, 0.0});
}

void DrawingSurface::record(DrawingOp op)
{
    if (!op.hasNumbers())
        return;
    op.penWidth = static_cast<std::uint8_t>(m_penWidth);
    // -0.0 and 0.0 draw alike; one spelling keeps repeats recognisable.
    op.x1 += 0.0;
    op.y1 += 0.0;
    op.x2 += 0.0;
    op.y2 += 0.0;
    ensurePicture();
    // Bars beyond the chart's last cycle and the like are never seen:
    // keeping them would only let memory grow over a long lesson.
    if (staysOutside(m_mapping, op))
        return;
    if (m_log.work() + static_cast<std::size_t>(op.work()) > keptWork)
        keepPictureAsGround();
    m_log.append(op);
    const QRect touched = rasterize(painter(), m_mapping, op);
    if (touched.isEmpty())
        return;
    m_dirtyDevice |= touched;
    const double ratio = m_pictureRatio;
    update(QRectF(m_dirtyDevice.x() / ratio, m_dirtyDevice.y() / ratio, m_dirtyDevice.width() / ratio,
                  m_dirtyDevice.height() / ratio)
               .toAlignedRect());
}

QSize DrawingSurface::devicePixelsFor(double devicePixelRatio) const
{
    return QSize(std::max(1, static_cast<int>(std::lround(width() * devicePixelRatio))),
                 std::max(1, static_cast<int>(std::lround(height() * devicePixelRatio))));
}

SurfaceMapping DrawingSurface::mappingFor(QSize devicePixels, double devicePixelRatio) const
{
    return SurfaceMapping(m_left, m_top, m_right, m_bottom, devicePixels, m_zoom * devicePixelRatio);
}

void DrawingSurface::ensurePicture()
{
    const double ratio = devicePixelRatioF();
    const QSize devicePixels = devicePixelsFor(ratio);
    if (!m_picture.isNull() && m_picture.size() == devicePixels && m_pictureRatio == ratio)
        return;
    finishPainting();
    // The picture stays at ratio 1: its pixels are addressed in device units
    // and paintEvent maps them 1:1 onto the screen.
    m_picture = QImage(devicePixels, QImage::Format_RGB32);
    m_pictureRatio = ratio;
    m_mapping = mappingFor(devicePixels, ratio);
    rasterizeAll();
}

void DrawingSurface::keepPictureAsGround()
{
    finishPainting();
    m_ground = m_picture.copy();
    m_log.clear();
}

void DrawingSurface::rasterizeAll()
{
    m_picture.fill(m_backColour);
    QPainter& p = painter();
    if (!m_ground.isNull())
        p.drawImage(m_picture.rect(), m_ground); // without smoothing: nearest neighbour
    m_log.forEach([&](const DrawingOp& op) { rasterize(p, m_mapping, op); });
    m_dirtyDevice = m_picture.rect();
}

QPainter& DrawingSurface::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_picture);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *m_painter;
}

void DrawingSurface::finishPainting()
{
    m_painter.reset();
}

QImage DrawingSurface::picture()
{
    ensurePicture();
    finishPainting();
    return m_picture;
}

QPointF DrawingSurface::toUser(QPointF widgetPosition) const
{
    const double ratio = devicePixelRatioF();
    return mappingFor(devicePixelsFor(ratio), ratio).toUser(widgetPosition * ratio);
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    ensurePicture();
    finishPainting();
    QPainter widgetPainter(this);
    widgetPainter.drawImage(event->rect(), m_picture,
                            QRectF(event->rect().topLeft() * m_pictureRatio,
                                   QSizeF(event->rect().size()) * m_pictureRatio));
    m_dirtyDevice = QRect();
}

void DrawingSurface::mousePressEvent(QMouseEvent* event)
{
    emit pressed(toUser(event->position()));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(toUser(event->position()));
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(toUser(event->position()));
}
