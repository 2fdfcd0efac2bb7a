// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;
class Spielfeld;

// What the evaluation window needs of the game it evaluates, and all it may
// change of it. The main window implements it; the evaluation knows nothing
// else of the main window, so it can follow any game that offers this.
class Spielzugang
{
public:
    // The run as it stands: counts, cycle, start number, passes.
    virtual const Spielfeld& spielfeld() const = 0;
    // The growth rate p shown now, as the next pass will read it.
    virtual double wachstumsrate() const = 0;
    // The exponent t in force.
    virtual double exponentT() const = 0;
    // Takes t over as if it had been typed into the box of t and taken over
    // there, and draws its Verhulst curve.
    virtual void exponentUebernehmen(double t) = 0;
    // Calls `aenderung` after every change of the game, of p or of t, for
    // as long as `empfaenger` lives.
    virtual void beiAenderung(QObject* empfaenger, std::function<void()> aenderung) = 0;

protected:
    Spielzugang() = default;
    ~Spielzugang() = default;
    Spielzugang(const Spielzugang&) = default;
    Spielzugang& operator=(const Spielzugang&) = default;
};
