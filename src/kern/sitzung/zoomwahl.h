// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// What the help line says when the next step (2.5 for 250 %) does not fit
// the screen, in both editions.
std::string zuKleinHinweis(double stufe);

// Below the page's window on a phone held upright, which shows it small.
inline constexpr const char* drehhinweis = "Quer gehalten zeigt das Gerät das Fenster größer.";

// The page's projector zoom: which zoom each key gives, from the zoom asked
// for and the largest zoom at which the window fits the browser's window
// now (`passend`, from `passendFuer`). The window always fits: when it is
// too small for the zoom asked for, it takes the largest that fits, however
// small (a phone), and grows back to the zoom asked for once there is room
// again. While it fills the browser's window (F11, or a touch screen from
// the start) it follows the fit both ways. Every operation returns the
// zoom to show.
class Zoomwahl
{
public:
    // Below this the window's texts could no longer be read even with a pinch.
    static constexpr double kleinsterZoom = 0.25;

    // The largest zoom for `verhaeltnis`, the browser's window over the
    // window's own size (the smaller of width and height): in whole
    // thousandths, at least `kleinsterZoom`, at most the largest step.
    static double passendFuer(double verhaeltnis);

    double zoom() const { return m_zoom; }
    // Whether the window fills the browser's window now.
    bool fuellt() const { return m_vorDemFuellen.has_value(); }
    // Whether the window is smaller than it is ever shown on a screen of its own.
    bool verkleinert() const;
    // The step the last `vergroessern` refused because it does not fit, if any.
    std::optional<double> zuGross() const { return m_zuGross; }

    double setzen(double gewuenscht, double passend);
    // The next step; between two steps the window still grows as far as the screen has room.
    double vergroessern(double passend);
    double verkleinern(double passend);
    double zuruecksetzen(double passend);
    // A touch screen: the window fills the browser's window from now on.
    double fuellen(double passend);
    // F11: fills the browser's window, or goes back to the zoom asked for before.
    double fuellenUmschalten(double passend);
    // After a change of the browser's window.
    double anpassen(double passend);

private:
    double zeigen(double zoom);

    double m_zoom = 1;
    double m_gewuenscht = 1;
    // While the window fills the browser's window: the zoom asked for before.
    std::optional<double> m_vorDemFuellen;
    std::optional<double> m_zuGross;
};
