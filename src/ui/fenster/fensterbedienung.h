// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bedienung.h"

#include <functional>

class HelpLine;
class QLineEdit;
class QScrollBar;
class QWidget;
struct Steuerelemente;

// The game session's controls on the desktop: its widgets by design name,
// the help line and the program's message boxes.
class Fensterbedienung final : public Bedienung
{
public:
    struct Rueckrufe
    {
        std::function<double()> zoom;        // for the message boxes' font
        std::function<void()> spielGeaendert;
    };

    Fensterbedienung(const Steuerelemente& ui, HelpLine& hilfe, QWidget& fenster, Rueckrufe rueckrufe);

    std::string text(Steuerelement kasten) const override;
    void textSetzen(Steuerelement kasten, const std::string& text) override;
    void anfangZeigen(Steuerelement kasten) override;
    int wert(Steuerelement leiste) const override;
    int minimum(Steuerelement leiste) const override;
    void wertSetzen(Steuerelement leiste, int wert) override;
    bool sichtbar(Steuerelement element) const override;
    void sichtbarSetzen(Steuerelement element, bool sichtbar) override;
    void nachVorn(Steuerelement bild) override;
    void beschreibungSetzen(Steuerelement bild, const std::string& text) override;
    void hilfeZeigen(const std::string& text) override;
    void meldungZeigen(const std::string& titel, const std::string& text, std::function<void()> danach) override;
    void spielGeaendert() override;
    void titelSetzen(const std::string& titel) override;
    char dezimaltrenner() const override;

    QWidget* widget(Steuerelement element) const;

private:
    QLineEdit* kasten(Steuerelement element) const;
    QScrollBar* leiste(Steuerelement element) const;

    const Steuerelemente& m_ui;
    HelpLine& m_hilfe;
    QWidget& m_fenster;
    Rueckrufe m_rueckrufe;
};
