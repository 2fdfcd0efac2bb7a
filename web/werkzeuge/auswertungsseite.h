// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The evaluation window as the page's own markup, written at build time
// with the desktop's words, hidden until the page opens it: its title bar,
// the result, the three rows of buttons (the best t, copying and the game
// from program start; the worksheet and the files; many games with their
// number, progress and cancel) and the plot beside the table.
std::string auswertungsseite();
