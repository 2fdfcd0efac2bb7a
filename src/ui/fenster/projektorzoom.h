// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

class QMainWindow;
class QScreen;

// The zoom of the whole window for a projector, kept within the available
// area of the window's screen: steps with Ctrl+Plus and Ctrl+Minus, the
// design size with Ctrl+0, and with F11 the largest zoom of any factor that
// fits (F11 again goes back). On a screen smaller than the design the window
// starts at the largest zoom that fits, but never below 0.75.
class Projektorzoom : public QObject
{
    Q_OBJECT

public:
    // `anwenden` lays the window out at a zoom factor. Once the window is
    // shown, the zoom follows its screen: the window shrinks to fit when it
    // is framed or moved onto a smaller screen.
    Projektorzoom(QMainWindow& fenster, std::function<void(double)> anwenden);

    double zoom() const { return m_zoom; }

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

    QMainWindow& m_fenster;
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
