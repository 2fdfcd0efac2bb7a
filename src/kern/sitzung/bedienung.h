// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The controls of the main window that the game session reads, writes,
// shows or hides, by the names the design gives them.
enum class Steuerelement {
    txtStart,
    txtFaktor,
    Text1,
    Text4,
    txtdelta,
    txtNeuSum,
    txtExponent,
    txtSkala,
    HScroll1,
    HScroll2,
    Command4,
    Command8,
    image2,
    picAusgabe,
    picHisto,
};

// The control's name in the design ("txtdelta"), and back.
const char* steuerelementName(Steuerelement element);
std::optional<Steuerelement> steuerelementNachName(std::string_view name);

// What an edition's window does for the game session: its controls hold the
// texts and values (a pupil may type into a box), and only the edition can
// show a message or tell its other windows of a change. The desktop's
// widgets and the page's DOM controls each implement it once.
class Bedienung
{
public:
    virtual ~Bedienung() = default;

    // A box's text, as it stands or as a pupil typed it.
    virtual std::string text(Steuerelement kasten) const = 0;
    virtual void textSetzen(Steuerelement kasten, const std::string& text) = 0;
    // Scrolls a box back to the start of its text.
    virtual void anfangZeigen(Steuerelement kasten) = 0;

    // A scroll bar's value and its smallest value.
    virtual int wert(Steuerelement leiste) const = 0;
    virtual int minimum(Steuerelement leiste) const = 0;
    virtual void wertSetzen(Steuerelement leiste, int wert) = 0;

    virtual bool sichtbar(Steuerelement element) const = 0;
    virtual void sichtbarSetzen(Steuerelement element, bool sichtbar) = 0;
    // Raises a picture box above its siblings.
    virtual void nachVorn(Steuerelement bild) = 0;
    // What screen readers are told of a picture box.
    virtual void beschreibungSetzen(Steuerelement bild, const std::string& text) = 0;

    virtual void hilfeZeigen(const std::string& text) = 0;
    // A modal message with one OK; `danach` runs once it is closed.
    virtual void meldungZeigen(const std::string& titel, const std::string& text, std::function<void()> danach) = 0;
    // The game changed: a commit, a new initialisation, a new p or t.
    virtual void spielGeaendert() = 0;
    // The main window's caption, which names a numbered game.
    virtual void titelSetzen(const std::string& titel) = 0;

    // The decimal separator of the user's locale, for reading parameters.
    virtual char dezimaltrenner() const = 0;

protected:
    Bedienung() = default;
    Bedienung(const Bedienung&) = default;
    Bedienung& operator=(const Bedienung&) = default;
};
