// SPDX-License-Identifier: GPL-3.0-or-later
#include "projektorzoom.h"

#include "fensterlage.h"
#include "zoomstufen.h"
#include "zoomwahl.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

Projektorzoom::Projektorzoom(QWidget& fenster, std::function<QSize(double)> groesse,
                             std::function<void(double)> anwenden)
    : QObject(&fenster)
    , m_fenster(fenster)
    , m_groesse(std::move(groesse))
    , m_anwenden(std::move(anwenden))
{
    m_fenster.installEventFilter(this);
}

void Projektorzoom::tastenEinrichten()
{
    const auto kuerzel = [this](QKeySequence folge, void (Projektorzoom::*handlung)()) {
        connect(new QShortcut(folge, &m_fenster), &QShortcut::activated, this, handlung);
    };
    kuerzel(QKeySequence(QKeySequence::ZoomIn), &Projektorzoom::vergroessern);
    // Ctrl with the "=" key, where "+" needs Shift as well.
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_Equal), &Projektorzoom::vergroessern);
    kuerzel(QKeySequence(QKeySequence::ZoomOut), &Projektorzoom::verkleinern);
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_0), &Projektorzoom::zuruecksetzen);
    kuerzel(QKeySequence(Qt::Key_F11), &Projektorzoom::bildschirmFuellenUmschalten);
}

QString Projektorzoom::zuKleinHinweis(double stufe)
{
    return QString::fromStdString(::zuKleinHinweis(stufe));
}

bool Projektorzoom::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::Show || m_angezeigt)
        return false;
    m_angezeigt = true;
    // Queued: the screen changes in the middle of a move, and a resize from
    // inside it is overwritten by the move's own geometry (Qt 6.8).
    connect(m_fenster.windowHandle(), &QWindow::screenChanged, this, &Projektorzoom::anBildschirmAnpassen,
            Qt::QueuedConnection);
    // The frame is known only once the window system has put it on.
    QTimer::singleShot(0, this, &Projektorzoom::anBildschirmAnpassen);
    return false;
}

QScreen* Projektorzoom::bildschirm() const
{
    QScreen* screen = m_fenster.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

QSize Projektorzoom::rahmen() const
{
    // Known once the window system has framed the window; none before.
    return m_fenster.frameGeometry().size() - m_fenster.geometry().size();
}

QSize Projektorzoom::fenstergroesse(double zoom) const
{
    return m_groesse(zoom) + rahmen();
}

double Projektorzoom::groessterPassenderZoom() const
{
    const QSize verfuegbar = bildschirm()->availableGeometry().size();
    const auto passt = [&](int tausendstel) {
        const QSize groesse = fenstergroesse(tausendstel / 1000.0);
        return groesse.width() <= verfuegbar.width() && groesse.height() <= verfuegbar.height();
    };
    // The window grows with the zoom: search the largest that fits.
    int passend = static_cast<int>(std::lround(zoomstufen::kleinsteAnpassung * 1000));
    int zuGross = static_cast<int>(std::lround(zoomstufen::groesste * 1000)) + 1;
    if (!passt(passend))
        return zoomstufen::kleinsteAnpassung;
    while (zuGross - passend > 1) {
        const int mitte = (passend + zuGross) / 2;
        (passt(mitte) ? passend : zuGross) = mitte;
    }
    return passend / 1000.0;
}

void Projektorzoom::anwenden(double zoom)
{
    m_zoom = zoom;
    m_anwenden(zoom);
    imBildschirmHalten();
    emit zoomGeaendert(zoom);
}

void Projektorzoom::imBildschirmHalten()
{
    if (!m_fenster.isVisible())
        return;
    const QPoint ecke = imBereich(m_fenster.pos(), m_fenster.size() + rahmen(), bildschirm()->availableGeometry());
    if (ecke != m_fenster.pos())
        m_fenster.move(ecke);
}

void Projektorzoom::setzen(double gewuenscht)
{
    m_vorDemFuellen.reset();
    const double zoom = std::clamp(gewuenscht, zoomstufen::kleinsteAnpassung, zoomstufen::groesste);
    anwenden(std::min(zoom, groessterPassenderZoom()));
}

void Projektorzoom::vergroessern()
{
    const double naechste = zoomstufen::groesser(m_zoom);
    if (naechste <= groessterPassenderZoom())
        setzen(naechste);
    else if (naechste > m_zoom)
        emit zuGross(naechste);
}

void Projektorzoom::verkleinern()
{
    setzen(zoomstufen::kleiner(m_zoom));
}

void Projektorzoom::zuruecksetzen()
{
    setzen(zoomstufen::kleinste);
}

void Projektorzoom::bildschirmFuellenUmschalten()
{
    if (m_vorDemFuellen) {
        const VorDemFuellen vorher = *m_vorDemFuellen;
        setzen(vorher.zoom);
        m_fenster.move(vorher.ort);
        return;
    }
    const VorDemFuellen vorher{m_zoom, m_fenster.pos()};
    anwenden(groessterPassenderZoom());
    m_vorDemFuellen = vorher;
    // Centred by the size the window took, and never above or left of the
    // available area, where a frame's title would be out of reach.
    const QRect verfuegbar = bildschirm()->availableGeometry();
    QRect lage(QPoint(0, 0), m_fenster.size() + rahmen());
    lage.moveCenter(verfuegbar.center());
    m_fenster.move(imBereich(lage.topLeft(), lage.size(), verfuegbar));
}

void Projektorzoom::anBildschirmAnpassen()
{
    const double passend = groessterPassenderZoom();
    if (m_zoom > passend)
        anwenden(passend);
}
