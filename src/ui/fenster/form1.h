// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "fensterbedienung.h"
#include "spielsitzung.h"
#include "spielzugang.h"
#include "steuerelemente.h"
#include "zufallsquelle.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class Auswertungsfenster;
class Fokusrahmen;
class HelpLine;
class Projektorzoom;

// The program's one window: its controls, menus, keys and zoom. What a
// control does to the game is the game session's; the window passes each
// event on to it. It offers the game to the evaluation window (Spielzugang).
class Form1 : public QMainWindow, public Spielzugang
{
    Q_OBJECT

public:
    // The window draws from `zufall` for the whole run; the default is the
    // program's fixed-seed generator.
    explicit Form1(std::unique_ptr<Zufallsquelle> zufall = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    const Spielfeld& spielfeld() const override { return m_sitzung.spielfeld(); }
    double wachstumsrate() const override { return m_sitzung.wachstumsrate(); }
    double exponentT() const override { return m_sitzung.exponentT(); }
    void exponentUebernehmen(double t) override { m_sitzung.exponentUebernehmen(t); }
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

    // Menu commands and keys that only the window can carry out.
    void cmdEndeClick();
    void cmdInfoClick();
    void command2Click();
    void hScroll2Change(int wert);
    // Copies the picture of the surface under the pointer to the clipboard.
    void bildKopieren();
    // Ctrl+T: opens or closes the evaluation window.
    void auswertungUmschalten();
    // "Klassenspiel" (Ctrl+K): the teacher's window of the class game.
    void klassenspielOeffnen();
    // Ctrl+G: asks for the number of the game to play.
    void spielWaehlen();

    void createMenus();
    void createShortcuts();
    void connectHandlers();
    void connectSurfaces();
    void watchHelpTexts();
    // The window without its frame at a zoom factor: client area and menu bar.
    QSize groesseBeiZoom(double zoom) const;
    // Lays the window out at a zoom factor: controls, fonts, surfaces.
    void zoomAnwenden(double zoom);

    std::unique_ptr<Controls> m_controls;
    Steuerelemente& m_ui;
    HelpLine* m_hilfe = nullptr;
    Fensterbedienung m_bedienung;
    Spielsitzung m_sitzung;
    Fokusrahmen* m_fokusrahmen = nullptr;
    Projektorzoom* m_projektorzoom = nullptr;
    Auswertungsfenster* m_auswertung = nullptr; // made when first asked for
    QPointer<QWidget> m_klassenspiel;            // gone once closed, which stops its serving
};
