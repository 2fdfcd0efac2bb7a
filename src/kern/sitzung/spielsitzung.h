// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bedienung.h"
#include "feldansicht.h"
#include "freihandstift.h"
#include "histoansicht.h"
#include "schnelldurchlauf.h"
#include "spielbericht.h"
#include "spielfeld.h"
#include "verhulst.h"
#include "zufallsquelle.h"

#include <memory>

class Zeichenflaeche;

// The game as the main window plays it, in both editions: the field and its
// random source, the exponent t, the two views and pens, the quick run and
// the program's end, and what each control does to them. Handlers are named
// after control and event; they read and write the controls through the
// edition's Bedienung, and draw on the two surfaces it hands over.
class Spielsitzung
{
public:
    // The session draws from `zufall` for its whole life; the default is the
    // program's fixed-seed generator. The surfaces and `bedienung` outlive it.
    Spielsitzung(Bedienung& bedienung, Zeichenflaeche& feldflaeche, Zeichenflaeche& histoflaeche,
                 std::unique_ptr<Zufallsquelle> zufall = nullptr);
    Spielsitzung(const Spielsitzung&) = delete;
    Spielsitzung& operator=(const Spielsitzung&) = delete;
    ~Spielsitzung();

    // The window as the program starts: t = 1, hidden controls, the first game.
    void startUp();

    // What the evaluation reads and changes of the game.
    const Spielfeld& spielfeld() const { return m_spielfeld; }
    // p as its scroll bar wrote it into txtFaktor: the one place it is read.
    double wachstumsrate() const;
    double exponentT() const { return m_exponentT; }
    // Takes t over as if typed into its box and taken over, and draws its curve.
    void exponentUebernehmen(double t);

    // ---- Handlers ----
    void cmdStartClick();
    void cmdZielsucheClick();
    void cmdErgebnisClick();
    void command1Click();
    // True when a quick run begins now: the edition then calls
    // schnelldurchlaufWeiter() after each time it let its events run.
    [[nodiscard]] bool command2Click();
    // Plays the quick run's steps up to the next event processing; false
    // when every run is played (or the program ended).
    [[nodiscard]] bool schnelldurchlaufWeiter();
    void command3Click();
    void command5Click();
    void command6Click();
    void command7Click();
    void command8Click();
    void cmdStochClick();
    void vscStartChange(int wert);
    void vscFaktorChange(int wert);
    // A pupil typed into a box.
    void textEdited(Steuerelement kasten);
    // Esc: hides the explanation when it is shown, as its "X" does.
    void erlaeuterungSchliessen();
    // Ctrl+N, "Das Spiel vom Programmstart": the game as after a start of the
    // program, with A(0), p and t kept; a numbered game from its own start.
    void spielVomProgrammstart();
    // Plays game `nummer` (spielnummer.h) from its start, with A(0), p and t
    // kept, and names it in the caption; false, and nothing changes, for a
    // number without a game.
    bool spielNummerSetzen(int nummer);
    int spielNummer() const { return m_spielNummer; }
    // The game as played since its seed, as a class's pupil reports it:
    // every start with its A(0), every committed cycle with the p of each
    // of its passes. The teacher's program replays it (nachspielen).
    const Spielbericht& bericht() const { return m_bericht; }
    // A page that reloads in a class plays its pupil's game again to where
    // it was, through the handlers, so the window shows it as played: the
    // number's game, each start with its A(0) and each cycle's passes with
    // their p. False, and the game stays as it was, for a report that does
    // not replay; true once the session's own report is the one given.
    bool wiederherstellen(const Spielbericht& bericht);

    // The pointer on a picture box (picAusgabe or picHisto), in its user coordinates.
    void mouseDown(Steuerelement bild, Punkt punkt);
    void mouseMove(Steuerelement bild, Punkt punkt);
    void mouseUp(Steuerelement bild);

    // "Programm beenden" or the window closed: every run stops, nothing of
    // the game runs any more.
    void programmBeenden();
    bool beendet() const { return m_beendet; }
    // Cycles the quick run still has to play.
    int wartendeZyklen() const { return m_schnelldurchlauf.wartendeZyklen(); }

    // The help text over a box whose text the session composes.
    std::string hilfetext(Steuerelement kasten) const;

private:
    void allesZuruecksetzen();
    void beschreibungenAktualisieren();
    // A parameter box's new text; its help shows when the text changed.
    void parameterSetzen(Steuerelement kasten, int wert);
    double parameter(Steuerelement kasten) const;
    // Draws the Verhulst curve; a step that fails is reported, the lines
    // before it stay, and `danach` runs once the report is read.
    void verhulstKurve(Histoansicht::Kurve art, std::function<void()> danach = {});
    // The same without a report: the lines up to a failing step.
    VerhulstFolge verhulstLinien(Histoansicht::Kurve art);
    // Cut t to the largest, store, show, redraw the grid.
    void exponentSetzen(double t);
    Freihandstift& stift(Steuerelement bild);

    Bedienung& m_bedienung;
    std::unique_ptr<Zufallsquelle> m_zufall;
    Spielfeld m_spielfeld;
    double m_exponentT = 1.0;
    Feldansicht m_feld;
    Histoansicht m_histo;
    Freihandstift m_feldStift;
    Freihandstift m_histoStift;
    Schnelldurchlauf m_schnelldurchlauf;
    bool m_beendet = false;
    int m_spielNummer = 0;
    Spielbericht m_bericht;
    // The passes of the cycle not committed yet.
    Zyklusbericht m_offenerZyklus;
};
