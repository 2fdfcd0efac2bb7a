// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"

// The evaluation of the run that the page evaluated last (kb_lauf_auswerten
// in bruecke.cpp hands each one over), for what bruecke_auswertung.cpp
// writes of it.
const LaufAuswertung& auswertungMerken(LaufAuswertung auswertung);
