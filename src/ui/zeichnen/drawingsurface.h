// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawinglog.h"
#include "surfacemapping.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <memory>

class QPainter;

// A picture box that is drawn on in its own user coordinates and keeps what
// is drawn (a retained picture that survives being covered).
//
// The operations since the last clear are kept in user coordinates and
// rasterised into a QImage at the current device scale; when the scale
// changes (zoom, device pixel ratio) the picture is rasterised again, crisp,
// without losing anything. paintEvent only copies the picture.
//
// What is kept stays bounded, whatever the history (passes repeated without
// a commit, a pupil's pen for a whole lesson): once the kept operations
// would take more than keptWork to draw again, the picture as it is becomes
// the ground and the operations are dropped.
// At that scale nothing changes; at another scale the ground is scaled
// (nearest neighbour, so every pixel keeps one of the drawing's colours)
// and only the operations since are drawn anew.
class DrawingSurface : public QWidget
{
    Q_OBJECT

public:
    // In twentieths of a slanted line (DrawingOp::work): a whole
    // recruitment pass over the full field at p = 15 with the field under it
    // (about 4 000 lines and 8 000 boxes and circles, 104 000) still fits,
    // so after one pass every zoom stays crisp; and what is kept after many
    // passes takes little more than that to draw again.
    static constexpr std::size_t keptWork = 122880;

    explicit DrawingSurface(QWidget* parent = nullptr);
    ~DrawingSurface() override;

    // The user coordinates of the left, top, right and bottom edges.
    void setUserCoordinates(double left, double top, double right, double bottom);
    void setBackColour(QColor colour);

    // Fill with the back colour and forget all drawing.
    void clear();
    // Zoom of the whole window: pen widths grow with it. The widget's size
    // is set by the window; the picture follows both.
    void setZoom(double zoom);
    // Pen width in pixels for the following operations; stays set. 1..255.
    void setPenWidth(int pixels);

    void line(double x1, double y1, double x2, double y2, QColor colour);
    void boxOutline(double x1, double y1, double x2, double y2, QColor colour);
    void filledBox(double x1, double y1, double x2, double y2, QColor colour);
    // Radius in horizontal user units.
    void circle(double centreX, double centreY, double radius, QColor colour);

    // The retained picture at the current device scale.
    QImage picture();

    // A position in logical widget pixels in user coordinates.
    QPointF toUser(QPointF widgetPosition) const;

signals:
    void pressed(QPointF user);
    void moved(QPointF user);
    void released(QPointF user);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Tests look at the pen, the kept operations and single pixels.
    friend class DrawingSurfaceProbe;

    void record(DrawingOp op);
    // Makes the picture match the widget's size and device pixel ratio,
    // rasterising everything again when it does not.
    void ensurePicture();
    void rasterizeAll();
    // The picture becomes the ground; the kept operations are dropped.
    void keepPictureAsGround();
    // Drops the picture; it is rasterised anew when next needed.
    void rasterizeLater();
    QPainter& painter();
    void finishPainting();
    SurfaceMapping mappingFor(QSize devicePixels, double devicePixelRatio) const;
    QSize devicePixelsFor(double devicePixelRatio) const;

    double m_left = 0, m_top = 0, m_right = 1, m_bottom = 1;
    QColor m_backColour = Qt::white;
    int m_penWidth = 1;
    DrawingLog m_log;
    QImage m_ground; // what was drawn before the kept operations, if anything
    double m_zoom = 1.0;
    QImage m_picture;
    double m_pictureRatio = 1.0; // device pixels per logical pixel of m_picture
    SurfaceMapping m_mapping;
    // Kept open between operations and closed before the picture is read.
    std::unique_ptr<QPainter> m_painter;
    QRect m_dirtyDevice;
};
