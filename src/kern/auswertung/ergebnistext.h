// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"

#include <string>
#include <vector>

// The answer above the table, in German sentences, one paragraph each: which
// t fits best and how well, what that deviation means, how well the current
// t fits, and what a reader must know besides (no cycle yet, cycles without
// a pass, p changed during the game, cycles beyond the history, many games).
std::vector<std::string> ergebnisabsaetze(const LaufAuswertung& auswertung);
// The paragraphs, an empty line between them (UTF-8).
std::string ergebnistext(const LaufAuswertung& auswertung);
