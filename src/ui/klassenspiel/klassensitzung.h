// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "klassenstand.h"

#include <QString>

// The class game's session on disk, written after every change, so that a
// crash or a closed lid loses nothing: the class code and each pupil's
// token, nickname, game and last report as it came. Read back, every
// report is replayed again.
namespace klassensitzung {

// Where the session is kept: the user's data folder.
QString pfad();

bool speichern(const QString& datei, const QString& code, const Klassenstand& stand);
// The class of the file, or false (and nothing changed) when it is unreadable.
bool laden(const QString& datei, QString& code, Klassenstand& stand);

} // namespace klassensitzung
