// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

class QRect;
class QScreen;
class QWidget;

// The zoom of a whole window for a projector, kept within the available
// area of the window's screen: steps with Ctrl+Plus and Ctrl+Minus, the
// design size with Ctrl+0, and with F11 the largest zoom of any factor that
// fits (F11 again goes back). On a screen smaller than the design the window
// starts at the largest zoom that fits, but never below 0.75. Each window
// of the program has its own.
class Projektorzoom : public QObject
{
    Q_OBJECT

public:
    // `groesse` gives the window's size without its frame at a zoom factor,
    // `anwenden` lays the window out at one. Once the window is shown, the
    // zoom follows its screen: the window shrinks to fit when it is framed
    // or moved onto a smaller screen.
    Projektorzoom(QWidget& fenster, std::function<QSize(double)> groesse, std::function<void(double)> anwenden);

    double zoom() const { return m_zoom; }
    // Ctrl+Plus (and Ctrl+=), Ctrl+Minus, Ctrl+0 and F11 in the window.
    void tastenEinrichten();
    // What the help line says when the next step does not fit the screen.
    static QString zuKleinHinweis(double stufe);

    // The zoom asked for, or the largest that fits when it is larger.
    void setzen(double gewuenscht);
    void vergroessern();
    void verkleinern();
    // The design size, or the largest zoom that fits a smaller screen.
    void zuruecksetzen();
    // F11: the largest zoom that fits, the window centred; again: back.
    void bildschirmFuellenUmschalten();
    // Shrinks the window when its screen or frame has changed so that it no
    // longer fits; never makes it larger.
    void anBildschirmAnpassen();

signals:
    // The window was laid out at a new zoom.
    void zoomGeaendert(double zoom);
    // Ctrl+Plus found the next step `stufe` too large for the screen.
    void zuGross(double stufe);

protected:
    bool eventFilter(QObject* beobachtet, QEvent* event) override;

private:
    // The largest zoom (in thousandths) at which the window with its menu
    // bar and frame fits the available area, at least 0.75.
    double groessterPassenderZoom() const;
    QSize fenstergroesse(double zoom) const;
    QSize rahmen() const;
    QScreen* bildschirm() const;
    void anwenden(double zoom);
    // A window grown at its place stays within its screen.
    void imBildschirmHalten();

    QWidget& m_fenster;
    std::function<QSize(double)> m_groesse;
    std::function<void(double)> m_anwenden;
    double m_zoom = 1.0;
    // Where F11 came from, while the window fills the screen.
    struct VorDemFuellen
    {
        double zoom;
        QPoint ort;
    };
    std::optional<VorDemFuellen> m_vorDemFuellen;
    bool m_angezeigt = false;
};
