// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class Auswertungsdiagramm;
class Auswertungstabelle;
class Form1;
class Projektorzoom;
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
// changes nothing of it but through the main window's own handlers.
class Auswertungsfenster : public QWidget
{
    Q_OBJECT

public:
    Auswertungsfenster(Form1& hauptfenster, Projektorzoom& zoom);
    ~Auswertungsfenster() override;

    // Ctrl+T: shows the window in front, or closes it when it is shown.
    void umschalten();

signals:
    // "Das Spiel vom Programmstart" was pressed; the main window does it.
    void spielVomProgrammstartGewuenscht();

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
    void setZoom(double zoom);

    // Computes what is shown anew; several changes in a row give one update.
    void spaeterAktualisieren();
    void aktualisieren();

    void bestesTUebernehmen();
    void tabelleKopieren();
    void diagrammKopieren();
    void vieleSpieleStarten();
    void vieleSpieleFertig(const EnsembleKurven& kurven);
    void vieleSpieleBeendet();

    Form1& m_hauptfenster;
    LaufAuswertung m_stand;
    std::optional<EnsembleKurven> m_ensemble;
    QTimer m_aktualisierung;

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
};
