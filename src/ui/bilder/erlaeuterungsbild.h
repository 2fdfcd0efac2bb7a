// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Shows the explanation picture (Erlaeuterungstext) at its top-left corner
// on a white ground, at the window's zoom.
class Erlaeuterungsbild : public QWidget
{
    Q_OBJECT

public:
    explicit Erlaeuterungsbild(QWidget* parent = nullptr);

    void setZoom(double zoom);
    // The drawing and the last line of text beneath it.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double pixelsPerUnit() const;

    double m_zoom = 1.0;
};
