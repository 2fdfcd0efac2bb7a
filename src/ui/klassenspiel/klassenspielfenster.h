// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dateiablage.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>

class Auswertungsdiagramm;
class Klassenserver;
class Klassenstand;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class Spielzugang;

// "Klassenspiel – Kettenbrief": while it is open, the program serves the
// page to the pupils' devices on the school's network and gathers their
// games. It shows the address to type and its QR code, the class code,
// a row per pupil (game number, nickname, cycle, A(n), whether the game
// replays and whether the page is connected) and the evaluation's plot
// with the class as its many games: their mean and band beside the
// teacher's own game and its Verhulst curve. One click takes the t that
// fits the class's mean best. The teacher sets how many pupils may come,
// and drops in the result files of pupils whose devices cannot reach it.
// Closing it stops serving at once.
class Klassenspielfenster : public QWidget
{
    Q_OBJECT

public:
    // The port the teacher sees; another free one when it is taken.
    static constexpr quint16 vorgabePort = 47100;

    Klassenspielfenster(Spielzugang& spiel, QWidget* parent = nullptr, quint16 port = vorgabePort);
    ~Klassenspielfenster() override;

    // The address the pupils open, "" while the program does not serve.
    QString adresse() const;
    QString klassencode() const { return m_code; }
    // The class as gathered, none while the program does not serve.
    const Klassenstand* klasse() const;
    // Each of the pupils' result files; one line each on what became of it.
    QStringList ergebnisseAufnehmen(const QStringList& dateien);

protected:
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    void aufbauen();
    void sitzungBeginnen();
    void anzeigen();
    void klasseGeaendert();
    void tabelleFuellen();
    void zelleSetzen(int zeile, int spalte, const QString& text);
    void diagrammZeigen();
    void bestesTUebernehmen();
    void tabelleSpeichern();

    Spielzugang& m_spiel;
    QString m_code;
    std::unique_ptr<Klassenserver> m_server;
    QLabel* m_adresse = nullptr;
    QLabel* m_qr = nullptr;
    QLabel* m_hinweis = nullptr;
    QTableWidget* m_tabelle = nullptr;
    Auswertungsdiagramm* m_diagramm = nullptr;
    QLabel* m_bestesT = nullptr;
    QPushButton* m_uebernehmen = nullptr;
    QSpinBox* m_hoechstens = nullptr;
    Dateiablage m_ablage;
    QTimer m_auffrischen;
    QElapsedTimer m_zuletztAufgefrischt;
};
