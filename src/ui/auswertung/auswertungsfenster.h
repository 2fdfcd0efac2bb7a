// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"
#include "spielzugang.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <optional>

class Auswertungsdiagramm;
class Projektorzoom;
class Auswertungstabelle;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class VieleSpiele;

// "Auswertung – Kettenbrief": a second window beside the main one that
// answers the lesson's question, which t fits the game best. It shows the
// best t and how well it and the current t fit, the run as a table and a
// plot, takes the best t over into the main window, plays many games for
// comparison and copies table and plot. It follows the game by itself and
// changes nothing of it but its t, through Spielzugang.
class Auswertungsfenster : public QWidget
{
    Q_OBJECT

public:
    // A window of its own, kept in front of `eltern`.
    Auswertungsfenster(Spielzugang& spiel, QWidget* eltern);
    ~Auswertungsfenster() override;

    // Ctrl+T: shows the window in front, or closes it when it is shown.
    void umschalten();
    // Follows the main window's projector zoom, as far as its screen allows;
    // its own keys (Ctrl+Plus, Ctrl+Minus, Ctrl+0, F11) zoom it alone.
    void setZoom(double zoom);

signals:
    // "Das Spiel vom Programmstart" was pressed; the main window does it.
    void spielVomProgrammstartGewuenscht();
    // Something for the main window's help line.
    void hinweis(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Closing cancels many games still being played.
    void closeEvent(QCloseEvent* event) override;

private:
    void aufbauen();
    QWidget* knopfleiste();
    QWidget* vieleSpieleLeiste();
    void tastenEinrichten();
    void zoomAnwenden(double zoom);
    QSize groesseBeiZoom(double zoom) const;

    // Computes what is shown anew; several changes in a row give one update.
    void spaeterAktualisieren();
    void aktualisieren();

    void bestesTUebernehmen();
    void tabelleKopieren();
    void diagrammKopieren();
    void vieleSpieleStarten();
    void vieleSpieleFertig(const EnsembleKurven& kurven);
    // Says after how many games the run was cancelled.
    void vieleSpieleAbgebrochen();
    void vieleSpieleBeendet();

    Spielzugang& m_spiel;
    LaufAuswertung m_stand;
    LaufendeAnpassung m_suche;
    std::optional<EnsembleKurven> m_ensemble;
    QTimer m_aktualisierung;
    QElapsedTimer m_ersteAenderung; // the first change the next update follows

    QLabel* m_ergebnis = nullptr;
    QPushButton* m_uebernehmen = nullptr;
    QSpinBox* m_anzahlSpiele = nullptr;
    QPushButton* m_starten = nullptr;
    QPushButton* m_abbrechen = nullptr;
    QProgressBar* m_fortschritt = nullptr;
    Auswertungsdiagramm* m_diagramm = nullptr;
    Auswertungstabelle* m_tabelle = nullptr;
    QTableView* m_tabellenansicht = nullptr;
    VieleSpiele* m_vieleSpiele = nullptr;
    Projektorzoom* m_projektorzoom = nullptr;
    bool m_platziert = false; // put beside the main window once
};
