// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrammbild.h"

#include "auswertungsdiagramm.h"
#include "auswertungsfensterdaten.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// Pixels per device-independent pixel of the PNG file: sharp on a projector.
constexpr int pngFaktor = auswertungsfensterdaten::pngFaktor;
// Between the plot's frame and its text, in device-independent pixels.
constexpr int innenrand = 6;

} // namespace

void diagrammMalen(const LaufAuswertung& stand, QSizeF groesse, QPainter& maler, const QRectF& ziel)
{
    // A view of its own that is never shown: the window's plot keeps its size.
    Auswertungsdiagramm diagramm;
    diagramm.zeigen(stand);
    QChart* chart = diagramm.chart();
    // A shadow would be drawn as an image; on paper it only blurs the frame.
    chart->setDropShadowEnabled(false);
    chart->setBackgroundRoundness(0);
    // The window's wide margins would only waste paper.
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setMargins(QMargins(innenrand, innenrand, innenrand, innenrand));
    chart->resize(groesse);
    chart->layout()->activate();
    const QRectF quelle(QPointF(0, 0), groesse);
    diagramm.scene()->setSceneRect(quelle);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    diagramm.scene()->render(&maler, ziel, quelle, Qt::IgnoreAspectRatio);
    maler.restore();
}

QByteArray diagrammAlsSvg(const LaufAuswertung& stand)
{
    QByteArray inhalt;
    QBuffer puffer(&inhalt);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(diagrammDateiGroesse);
    svg.setViewBox(QRect(QPoint(0, 0), diagrammDateiGroesse));
    svg.setTitle(QStringLiteral("Kettenbrief: Spiel und Verhulst-Kurven"));
    svg.setDescription(QStringLiteral("Diagramm der Auswertung, gespeichert von Kettenbrief"));
    QPainter maler(&svg);
    diagrammMalen(stand, diagrammDateiGroesse, maler, QRectF(QPointF(0, 0), diagrammDateiGroesse));
    maler.end();
    return inhalt;
}

QByteArray diagrammAlsPng(const LaufAuswertung& stand)
{
    QImage bild(diagrammDateiGroesse * pngFaktor, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(pngFaktor);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    diagrammMalen(stand, diagrammDateiGroesse, maler, QRectF(QPointF(0, 0), diagrammDateiGroesse));
    maler.end();
    QByteArray inhalt;
    QBuffer puffer(&inhalt);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return inhalt;
}
