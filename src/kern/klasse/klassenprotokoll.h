// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spielbericht.h"

#include <cstddef>
#include <string>

// The class game on the school's network: each pupil's page talks to the
// teacher's program over one WebSocket, in text frames of JSON.
//
// Page to teacher:
//   {"art":"anmelden","code":"K7Q2","name":"Mia","kennung":"…","spiel":0}
//       the class code, a nickname, a random token the page keeps (so that
//       a reload is the same pupil) and the game it plays (0: none yet);
//   {"art":"bericht","seq":3,"spiel":7,"starts":[{"a0":10,"zyklen":[{"p":[5],"a":12}]}]}
//       after each commit the whole history (Spielbericht), numbered, so
//       that a repeat or a late duplicate changes nothing.
// Teacher to page:
//   {"art":"angemeldet","spiel":7}  the pupil's game number;
//   {"art":"erhalten","seq":3}      the report is stored;
//   {"art":"fehler","text":"…"}     a German reason, nothing changed.
namespace klassenprotokoll {

inline constexpr const char* pfad = "/klasse";

// A report of an honest lesson (two lessons of passes at most) stays far
// below this; anything larger is refused unread.
inline constexpr std::size_t hoechsteNachrichtBytes = 64 * 1024;
inline constexpr int hoechsteNamenslaenge = 24;
inline constexpr int vorgabeSchueler = 40;
// Messages per connection and second; a pupil commits far less often.
inline constexpr int nachrichtenProSekunde = 10;
inline constexpr int codeLaenge = 4;

// What the page says in a class.
inline constexpr const char* frageCode = "Klassencode (steht an der Tafel):";
inline constexpr const char* frageName = "Dein Spitzname (bitte kein echter Name):";
inline constexpr const char* verbunden = "Klassenspiel: verbunden, Spiel ";
inline constexpr const char* offline =
    "Klassenspiel: keine Verbindung. Du spielst weiter; das Ergebnis wird gesendet, sobald die Verbindung "
    "zurück ist.";

// The report as the page sends it, with its sequence number.
std::string berichtNachricht(const Spielbericht& bericht, int seq);

// Where the network does not carry the class game: the pupil's page saves
// its report with the nickname and its token ("Ergebnis speichern"), and
// the teacher drops the file into the Klassenspiel window, which reads it
// as a sign-in and a report at once.
std::string ergebnisDatei(const Spielbericht& bericht, int seq, const std::string& name, const std::string& kennung);
inline constexpr const char* ergebnisDateiAnfang = "kettenbrief-spiel-"; // then the game's number and ".json"

} // namespace klassenprotokoll
