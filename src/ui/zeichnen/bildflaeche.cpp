// SPDX-License-Identifier: GPL-3.0-or-later
#include "bildflaeche.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

Bildflaeche::Bildflaeche(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // A click gives the surface the keyboard, so that Ctrl+C copies its picture.
    setFocusPolicy(Qt::ClickFocus);
    m_flaeche.anzeigeQuelle([this] { return Anzeige{width(), height(), devicePixelRatioF()}; });
    m_flaeche.beiAenderung([this](const Pixelrechteck& geaendert) { neuZeigen(geaendert); });
}

void Bildflaeche::neuZeigen(const Pixelrechteck& geaendert)
{
    const double ratio = m_flaeche.bildVerhaeltnis();
    const double x = geaendert.x0, y = geaendert.y0;
    const double breite = static_cast<double>(geaendert.x1) - geaendert.x0 + 1;
    const double hoehe = static_cast<double>(geaendert.y1) - geaendert.y0 + 1;
    update(QRectF(x / ratio, y / ratio, breite / ratio, hoehe / ratio).toAlignedRect() & rect());
}

QImage Bildflaeche::bildOhneKopie()
{
    const Pixelbild& bild = m_flaeche.bild();
    // Farbe is the layout of Format_RGB32: 0xffRRGGBB in one 32-bit word.
    return QImage(reinterpret_cast<const uchar*>(bild.daten()), bild.breite(), bild.hoehe(),
                  static_cast<qsizetype>(bild.breite()) * 4, QImage::Format_RGB32);
}

QImage Bildflaeche::picture()
{
    return bildOhneKopie().copy();
}

QPointF Bildflaeche::toUser(QPointF widgetPosition) const
{
    const Punkt nutzer = m_flaeche.zuNutzer({widgetPosition.x(), widgetPosition.y()});
    return {nutzer.x, nutzer.y};
}

void Bildflaeche::paintEvent(QPaintEvent* event)
{
    const QImage bild = bildOhneKopie();
    const double ratio = m_flaeche.bildVerhaeltnis();
    QPainter widgetPainter(this);
    widgetPainter.drawImage(event->rect(), bild,
                            QRectF(event->rect().topLeft() * ratio, QSizeF(event->rect().size()) * ratio));
    m_flaeche.geaendertVergessen();
}

void Bildflaeche::mousePressEvent(QMouseEvent* event)
{
    emit pressed(toUser(event->position()));
}

void Bildflaeche::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(toUser(event->position()));
}

void Bildflaeche::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(toUser(event->position()));
}
