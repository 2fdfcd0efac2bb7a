// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "verhulst.h"

#include <string>

// The main window's caption: the program's version name.
inline constexpr const char* fenstertitel = "Nivra1.0";

// "Überlauf" or "Ungültiges Argument", and where the Verhulst curve stopped.
std::string verhulstFehlertext(VerhulstFehler fehler, int zyklus);

// What the program is and what it is for, for the "Information" box (HTML).
std::string informationstext();
