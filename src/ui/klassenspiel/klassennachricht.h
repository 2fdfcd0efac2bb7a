// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spielbericht.h"

#include <QString>

#include <variant>

// A message of a pupil's page, read and checked before anything is done
// with it: its size, its form and every number's range. What is wrong gives
// a German reason for the page and changes nothing.
struct Anmeldung
{
    QString code;
    QString name;    // the nickname, trimmed, without control characters
    QString kennung; // the page's own random token: a reload is the same pupil
    int spiel = 0;   // the game it plays already, 0 for none
};

struct Berichtsnachricht
{
    int seq = 0;
    Spielbericht bericht;
};

struct Lesefehler
{
    QString text;
};

using Klassennachricht = std::variant<Anmeldung, Berichtsnachricht, Lesefehler>;

Klassennachricht nachrichtLesen(const QString& text);
