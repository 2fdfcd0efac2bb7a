// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zeichenflaeche.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

// A picture box of the window: shows a drawing surface of the game layer,
// which keeps its picture in device pixels at the widget's size and device
// pixel ratio, and reports the mouse in the surface's user coordinates.
// paintEvent only copies the picture.
class Bildflaeche : public QWidget
{
    Q_OBJECT

public:
    explicit Bildflaeche(QWidget* parent = nullptr);

    // What is drawn on it, and how.
    Zeichenflaeche& flaeche() { return m_flaeche; }
    const Zeichenflaeche& flaeche() const { return m_flaeche; }

    // A copy of the retained picture at the current device scale.
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
    // The surface's pixels as an image, without copying them.
    QImage bildOhneKopie();
    // Asks for a repaint of the device pixels that changed.
    void neuZeigen(const Pixelrechteck& geaendert);

    Zeichenflaeche m_flaeche;
};
