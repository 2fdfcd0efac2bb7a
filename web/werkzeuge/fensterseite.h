// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controltable.h"
#include "menuebefehle.h"

#include <span>
#include <string>

// The main window as the page's own markup, written at build time from the
// control table and the menu: the menu bar, each command with its access
// key underlined, above the window's client area, whose controls each are an element at its design rectangle inside
// its parent, with its name as id, its German name for screen readers and
// its place in the Tab order. It comes hidden: the page's script shows it
// once it is set up, so that the browser lays it out once. The places, fonts and colours go into the
// style sheet (the page's security policy allows no style attributes).
// The pictures come inline.
struct Fensterseite
{
    std::string html;
    std::string stil;
};

// The kind's name, as the page's classes and the table's JSON have it ("TextBox").
const char* artName(ControlKind art);

// The caption without its "&", and the access key after it ('\0' for none).
struct Beschriftung
{
    std::string text;
    char zeichen = '\0';
};
Beschriftung beschriftung(const char* text);

// `clientBreite` × `clientHoehe`: the client area in CSS pixels at zoom 1;
// `erlaeuterung`: the markup of the explanation panel's picture, before the
// panel's own controls.
Fensterseite fensterseite(std::span<const ControlSpec> tabelle, std::span<const Menuebefehl> menue,
                          double clientBreite, double clientHoehe, std::string_view erlaeuterung);
