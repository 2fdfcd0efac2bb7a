// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The three commands of the menu bar, left to right: the control's name, the
// caption with "&" before its access key, and the shortcut in portable form
// ("" for none). The page in the browser builds its menu bar from them too.
struct Menuebefehl
{
    const char* name;
    const char* text; // UTF-8
    const char* taste;
};

inline constexpr Menuebefehl menueEnde{"cmdEnde", "Programm &beenden", "Ctrl+Q"};
inline constexpr Menuebefehl menueErlaeuterung{"cmdStoch", "&Erläuterung", "F1"};
inline constexpr Menuebefehl menueInformation{"cmdInfo", "&Information", ""};
inline constexpr std::array<Menuebefehl, 3> menuebefehle{menueEnde, menueErlaeuterung, menueInformation};
// The teacher's class game, right of the three: the desktop's alone.
inline constexpr Menuebefehl menueKlassenspiel{"cmdKlassenspiel", "&Klassenspiel", "Ctrl+K"};
