// SPDX-License-Identifier: GPL-3.0-or-later
#include "erlaeuterungsbild.h"

#include "erlaeuterungstext.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

Erlaeuterungsbild::Erlaeuterungsbild(QWidget* parent)
    : QWidget(parent)
{
}

void Erlaeuterungsbild::setZoom(double zoom)
{
    m_zoom = zoom;
    updateGeometry();
    update();
}

double Erlaeuterungsbild::pixelsPerUnit() const
{
    return erlaeuterung::pixelProEinheit * m_zoom;
}

QSize Erlaeuterungsbild::sizeHint() const
{
    const double hoehe = std::max(erlaeuterung::bildGroesse.height(), erlaeuterung::textUnterkante());
    return QSize(static_cast<int>(std::ceil(erlaeuterung::bildGroesse.width() * pixelsPerUnit())),
                 static_cast<int>(std::ceil(hoehe * pixelsPerUnit())));
}

void Erlaeuterungsbild::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintErlaeuterung(painter, pixelsPerUnit());
}
