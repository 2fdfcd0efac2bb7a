// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bedienung.h"

#include <functional>
#include <map>
#include <string>

// The game session's controls on the page. The page's DOM holds them, but
// the module cannot read the DOM: the page tells it every text a pupil
// types and every value a bar takes, and is told every change the session
// makes, by a call of the method of that name of its handler object
// (text, anfang, wert, sichtbar, nachVorn, beschreibung, hilfe, meldung,
// spielGeaendert) with the control's name.
class Seitenbedienung final : public Bedienung
{
public:
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
    // The boxes of A(0) and p are read-only and hold the whole numbers their
    // scroll bars wrote, which read the same with any separator: the page
    // does not ask the browser's number format for one, which would cost a
    // tenth of its opening.
    char dezimaltrenner() const override { return '.'; }

    // ---- What the page tells ----
    void textEingegeben(Steuerelement kasten, std::string text) { m_texte[kasten] = std::move(text); }
    void leisteEinrichten(Steuerelement leiste, int wert, int minimum);
    void wertGeaendert(Steuerelement leiste, int wert) { m_werte[leiste] = wert; }
    void sichtbarAnfangs(Steuerelement element, bool sichtbar) { m_sichtbar[element] = sichtbar; }
    // The message's OK was pressed: what waited for it runs now.
    void meldungGeschlossen();

private:
    std::map<Steuerelement, std::string> m_texte;
    std::map<Steuerelement, int> m_werte;
    std::map<Steuerelement, int> m_minima;
    std::map<Steuerelement, bool> m_sichtbar;
    std::function<void()> m_nachMeldung;
};
