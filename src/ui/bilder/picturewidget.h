// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// A vector picture shown at its top-left corner in a given design size,
// rendered at paint time so that it stays sharp at any scale.
class PictureWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PictureWidget(QWidget* parent = nullptr);

    // An SVG resource; an empty path shows only the background.
    void setPicture(const QString& resource);
    // Size of the picture in logical pixels at zoom 1; empty: the widget's size.
    void setDesignSize(QSizeF size) { m_designSize = size; update(); }
    void setZoom(double zoom) { m_zoom = zoom; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* m_renderer = nullptr;
    QSizeF m_designSize;
    double m_zoom = 1.0;
};
