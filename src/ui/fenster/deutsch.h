// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Loads Qt's own German texts (context menus, message box buttons) from
// the system's Qt translations, whatever the system's language. Returns
// false when they are not installed; the program then shows Qt's English.
bool qtAufDeutsch(QCoreApplication& anwendung);
