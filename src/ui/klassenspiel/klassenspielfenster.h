// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class Klassenserver;
class QLabel;
class QTableWidget;

// "Klassenspiel – Kettenbrief": while it is open, the program serves the
// page to the pupils' devices on the school's network and gathers their
// games. It shows the address to type and its QR code, the class code,
// and a row per pupil: game number, nickname, cycle, A(n), whether the
// game replays and whether the page is connected. Closing it stops
// serving at once.
class Klassenspielfenster : public QWidget
{
    Q_OBJECT

public:
    // The port the teacher sees; another free one when it is taken.
    static constexpr quint16 vorgabePort = 47100;

    explicit Klassenspielfenster(QWidget* parent = nullptr);
    ~Klassenspielfenster() override;

    // The address the pupils open, "" while the program does not serve.
    QString adresse() const;
    QString klassencode() const { return m_code; }

private:
    void aufbauen();
    void sitzungBeginnen();
    void anzeigen();
    void tabelleFuellen();

    QString m_code;
    std::unique_ptr<Klassenserver> m_server;
    QLabel* m_adresse = nullptr;
    QLabel* m_qr = nullptr;
    QLabel* m_hinweis = nullptr;
    QTableWidget* m_tabelle = nullptr;
};
