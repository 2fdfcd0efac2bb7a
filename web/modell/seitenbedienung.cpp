// SPDX-License-Identifier: GPL-3.0-or-later
#include "seitenbedienung.h"

#include <emscripten/emscripten.h>

#include <utility>

// Calls the method `art` of the page's handler object, set on the module as
// `bedienung`, with the control's name.
EM_JS(void, seiteMelden, (const char* art, const char* element, int zahl, const char* text, const char* zweiter), {
    Module["bedienung"][UTF8ToString(art)](UTF8ToString(element), zahl, UTF8ToString(text), UTF8ToString(zweiter));
});

namespace {

void melden(const char* art, Steuerelement element, int zahl = 0, const char* text = "", const char* zweiter = "")
{
    seiteMelden(art, steuerelementName(element), zahl, text, zweiter);
}

void melden(const char* art, const char* text = "", const char* zweiter = "")
{
    seiteMelden(art, "", 0, text, zweiter);
}

template <typename Wert>
Wert gefunden(const std::map<Steuerelement, Wert>& werte, Steuerelement element, Wert sonst)
{
    const auto eintrag = werte.find(element);
    return eintrag == werte.end() ? sonst : eintrag->second;
}

} // namespace

std::string Seitenbedienung::text(Steuerelement kasten) const
{
    return gefunden(m_texte, kasten, std::string());
}

void Seitenbedienung::textSetzen(Steuerelement kasten, const std::string& text)
{
    m_texte[kasten] = text;
    melden("text", kasten, 0, text.c_str());
}

void Seitenbedienung::anfangZeigen(Steuerelement kasten)
{
    melden("anfang", kasten);
}

int Seitenbedienung::wert(Steuerelement leiste) const
{
    return gefunden(m_werte, leiste, 0);
}

int Seitenbedienung::minimum(Steuerelement leiste) const
{
    return gefunden(m_minima, leiste, 0);
}

void Seitenbedienung::wertSetzen(Steuerelement leiste, int wert)
{
    m_werte[leiste] = wert;
    melden("wert", leiste, wert);
}

void Seitenbedienung::leisteEinrichten(Steuerelement leiste, int wert, int minimum)
{
    m_werte[leiste] = wert;
    m_minima[leiste] = minimum;
}

bool Seitenbedienung::sichtbar(Steuerelement element) const
{
    return gefunden(m_sichtbar, element, true);
}

void Seitenbedienung::sichtbarSetzen(Steuerelement element, bool sichtbar)
{
    m_sichtbar[element] = sichtbar;
    melden("sichtbar", element, sichtbar ? 1 : 0);
}

void Seitenbedienung::nachVorn(Steuerelement bild)
{
    melden("nachVorn", bild);
}

void Seitenbedienung::beschreibungSetzen(Steuerelement bild, const std::string& text)
{
    melden("beschreibung", bild, 0, text.c_str());
}

void Seitenbedienung::hilfeZeigen(const std::string& text)
{
    melden("hilfe", text.c_str());
}

void Seitenbedienung::meldungZeigen(const std::string& titel, const std::string& text, std::function<void()> danach)
{
    m_nachMeldung = std::move(danach);
    melden("meldung", text.c_str(), titel.c_str());
}

void Seitenbedienung::meldungGeschlossen()
{
    // Taken out first: what runs may show the next message.
    const std::function<void()> danach = std::exchange(m_nachMeldung, nullptr);
    if (danach)
        danach();
}

void Seitenbedienung::spielGeaendert()
{
    melden("spielGeaendert");
}

void Seitenbedienung::titelSetzen(const std::string& titel)
{
    melden("titel", titel.c_str());
}
