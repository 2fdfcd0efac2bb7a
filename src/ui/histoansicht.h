#pragma once

#include <QColor>

#include <vector>

class DrawingSurface;
class Spielfeld;

// Draws the bar chart on its surface: x is the cycle number, y the number of
// players (0 at the bottom edge, 2500 at the top edge).
class Histoansicht
{
public:
    static constexpr int letzteGitterlinie = 120;

    explicit Histoansicht(DrawingSurface& surface) : m_surface(surface) {}

    DrawingSurface& surface() { return m_surface; }

    // Erases the columns of cycles 0..120 and draws the last run's bars in
    // pale red from the history.
    void spaltenMitGeisterbalken(const Spielfeld& spielfeld);
    // The grid: horizontal lines every 100 players up to x = xEnde, then the
    // vertical lines of cycles 1..120 over them.
    void histoGitterZeichnen(int xEnde);
    // The vertical grid lines alone.
    void senkrechteGitterlinien();
    // The bar of cycle 0 after erasing its column up to the largest start number.
    void startbalkenZeichnen(double a0);
    // The bar of cycle n.
    void balkenZeichnen(int n, int anzahl);
    // The model's values A(0), A(1), ... as 2-pixel lines 0.3 cycles right
    // of their bars.
    void verhulstLinienZeichnen(const std::vector<double>& werte, QColor farbe);
    // Wipes the chart to white.
    void loeschen();

private:
    DrawingSurface& m_surface;
};
