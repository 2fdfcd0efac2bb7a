// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spielbericht.h"

#include <optional>
#include <string>

// A pupil's game as one line of numbers, for the page to keep in the
// browser across a reload and play again (Spielsitzung::wiederherstellen):
// the game's number and its starts; each start's A(0) and its cycles; each
// cycle's A(n), its number of passes and their p. Every p reads back to
// the same double, so the game plays again draw for draw.
std::string spielstandText(const Spielbericht& bericht);
// None for anything that is not such a line or lies beyond a report's bounds.
std::optional<Spielbericht> spielstandLesen(const std::string& text);
