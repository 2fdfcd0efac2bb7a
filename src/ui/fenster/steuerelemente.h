// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <stdexcept>
#include <type_traits>

class Bildflaeche;
class Erlaeuterungsbild;
class PictureWidget;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class TopHighScrollBar;

// The window's controls and menu commands, each under the name the design
// gives it. The controls are made from the control table, which binds each
// row to its member here once (controls.cpp); the menu commands are made
// with the menu bar.
struct Steuerelemente
{
    // On the window, right of the frame.
    QPushButton* Command7 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command5 = nullptr;
    QWidget* Picture1 = nullptr;
    // On the chart.
    Bildflaeche* picHisto = nullptr;
    Erlaeuterungsbild* image2 = nullptr;
    QPushButton* Command8 = nullptr;
    QLineEdit* txtskala2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label2 = nullptr;
    // In the frame Picture1.
    PictureWidget* Picture3 = nullptr;
    QPushButton* Command4 = nullptr;
    QLineEdit* txtHilfe = nullptr;
    QWidget* Picture2 = nullptr;
    // On the top panel Picture2.
    QPushButton* Command3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdStart = nullptr;
    TopHighScrollBar* vscStart = nullptr;
    QLineEdit* txtStart = nullptr;
    TopHighScrollBar* vscFaktor = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* cmdErgebnis = nullptr;
    QPushButton* cmdZielsuche = nullptr;
    QLineEdit* txtExponent = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* txtdelta = nullptr;
    QLineEdit* txtNeuSum = nullptr;
    QLineEdit* txtFaktor = nullptr;
    QWidget* Line1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblFaktor = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QWidget* Line2 = nullptr;
    PictureWidget* Image1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    // In the frame Picture1 again.
    QScrollBar* HScroll2 = nullptr;
    Bildflaeche* picAusgabe = nullptr;
    // Hidden on the window.
    QLineEdit* txtSkala = nullptr;
    QScrollBar* HScroll1 = nullptr;
    // The menu bar.
    QAction* cmdEnde = nullptr;
    QAction* cmdStoch = nullptr;
    QAction* cmdInfo = nullptr;
};

// Binds a control made from the table to its member: the member's type is
// the control's kind, checked once when the window is built.
using Bindung = void (*)(Steuerelemente&, QWidget*);

template <auto Mitglied>
void binden(Steuerelemente& steuerelemente, QWidget* widget)
{
    using Zeiger = std::remove_reference_t<decltype(steuerelemente.*Mitglied)>;
    auto* steuerelement = qobject_cast<Zeiger>(widget);
    if (!steuerelement)
        throw std::logic_error("a control of another kind than its member");
    steuerelemente.*Mitglied = steuerelement;
}
