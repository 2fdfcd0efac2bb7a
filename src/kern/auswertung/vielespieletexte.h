// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ensemblespiele.h"

#include <string>

class Spielfeld;

// Many games for the evaluation: what they are asked to play and what the
// controls around them say.

// N games with the run's A(0) and p over as many cycles as it has, kept
// within the bounds of many games.
EnsembleAuftrag vieleSpieleAuftrag(const Spielfeld& feld, int spiele, double p);
// The button's tooltip.
std::string vieleSpieleHinweis();
// The progress bar's text after a cancel.
std::string vieleSpieleAbbruchtext(int fertig, int spiele);
