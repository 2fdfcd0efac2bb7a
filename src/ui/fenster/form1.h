// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "spielzugang.h"
#include "histoansicht.h"
#include "schnelldurchlauf.h"
#include "spielfeld.h"
#include "steuerelemente.h"
#include "verhulst.h"
#include "zufallsquelle.h"

#include <QMainWindow>

#include <memory>

class Auswertungsfenster;
class Feldansicht;
class Fokusrahmen;
class Freihandstift;
class HelpLine;
class Projektorzoom;

// The program's one window: its controls, the state of the game and the
// handlers of every control. Handlers are named after control and event.
// It offers the game to the evaluation window (Spielzugang).
class Form1 : public QMainWindow, public Spielzugang
{
    Q_OBJECT

public:
    // The window draws from `zufall` for the whole run; the default is the
    // program's fixed-seed generator.
    explicit Form1(std::unique_ptr<Zufallsquelle> zufall = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    const Spielfeld& spielfeld() const override { return m_spielfeld; }
    // p as its scroll bar wrote it into txtFaktor: the one place it is read.
    double wachstumsrate() const override;
    double exponentT() const override { return m_exponentT; }
    void exponentUebernehmen(double t) override;
    void beiAenderung(QObject* empfaenger, std::function<void()> aenderung) override;

    // Projector zoom of the whole window: 1 (as designed) up to 3, never
    // larger than the screen (Projektorzoom).
    void zoomSetzen(double zoom);
    double zoom() const;

signals:
    // The game changed: a commit, a new initialisation, a new p or t.
    void spielGeaendert();

protected:
    // Closing the window ends the program like "Programm beenden", also in
    // the middle of a quick run.
    void closeEvent(QCloseEvent* event) override;

private:
    // Tests read the controls through it (tests/ui).
    friend class Form1Probe;

    // Handlers of the controls and menu commands, also called by other
    // handlers. Everyone else works the controls, as a pupil does.
    void cmdStartClick();
    void cmdZielsucheClick();
    void cmdErgebnisClick();
    void command1Click();
    void command2Click();
    void command3Click();
    void command5Click();
    void command6Click();
    void command7Click();
    void command8Click();
    void vscStartChange(int wert);
    void vscFaktorChange(int wert);
    void hScroll2Change(int wert);
    void cmdEndeClick();
    void cmdStochClick();
    void cmdInfoClick();

    // Copies the picture of the surface under the pointer to the clipboard.
    void bildKopieren();
    // Esc: hides the explanation when it is shown, as its "X" does.
    void erlaeuterungSchliessen();
    // Ctrl+T: opens or closes the evaluation window.
    void auswertungUmschalten();

    void startUp();
    void createMenus();
    void createShortcuts();
    void connectHandlers();
    void connectSurfaces();
    void watchHelpTexts();
    // The window without its frame at a zoom factor: client area and menu bar.
    QSize groesseBeiZoom(double zoom) const;
    // Lays the window out at a zoom factor: controls, fonts, surfaces.
    void zoomAnwenden(double zoom);
    // Keeps what the two surfaces show readable for screen readers.
    void beschreibungenAktualisieren();
    void allesZuruecksetzen();
    // Ctrl+N, "Das Spiel vom Programmstart": the game as after a start of the
    // program, with A(0), p and t kept.
    void spielVomProgrammstart();
    // Draws the Verhulst curve; a step that fails is reported and the lines
    // before it stay.
    void verhulstKurve(Histoansicht::Kurve art);
    // The same without a report: the lines up to a failing step.
    VerhulstFolge verhulstLinien(Histoansicht::Kurve art);
    // Steps 3 to 6 of taking t over: cut to 8, store, show, redraw the grid.
    void exponentSetzen(double t);
    // Lets the waiting window events run; false once the program is ending.
    bool wartendeEreignisseVerarbeiten();

    void picAusgabeMouseMove(QPointF punkt);
    void picHistoMouseMove(QPointF punkt);

    std::unique_ptr<Zufallsquelle> m_zufall;
    Spielfeld m_spielfeld;
    double m_exponentT = 1.0;
    std::unique_ptr<Controls> m_controls;
    Steuerelemente& m_ui;
    std::unique_ptr<Feldansicht> m_feld;
    std::unique_ptr<Histoansicht> m_histo;
    std::unique_ptr<Freihandstift> m_feldStift;
    std::unique_ptr<Freihandstift> m_histoStift;
    Schnelldurchlauf m_schnelldurchlauf;
    HelpLine* m_hilfe = nullptr;
    Fokusrahmen* m_fokusrahmen = nullptr;
    Projektorzoom* m_projektorzoom = nullptr;
    Auswertungsfenster* m_auswertung = nullptr; // made when first asked for
    bool m_beendet = false;
};
