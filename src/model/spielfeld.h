// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

class Zufallsquelle;

// A cell of the field: column x and row y, both whole numbers 0..49.
struct Zelle
{
    int x = 0;
    int y = 0;
    bool operator==(const Zelle& andere) const { return x == andere.x && y == andere.y; }
};

// What the target of one recruitment attempt was before the attempt marked it.
enum class Zielzustand {
    spieltSchon,    // the target already plays
    ersteWerbung,   // a non-player reached for the first time in this cycle
    doppelwerbung,  // a non-player reached before in this cycle
};

// One recruitment attempt as the pass made it, in order.
struct Werbeversuch
{
    Zelle werber;
    Zelle ziel;
    float quadratgroesse = 1.0f; // 0.9 for a certain attempt, 1 for the further one
    Zielzustand zustand = Zielzustand::ersteWerbung;
};

struct Zielsuchergebnis
{
    std::vector<Werbeversuch> versuche;
    // Non-players marked since the last commit, each once, column by column.
    std::vector<Zelle> neuGeworbene;
};

struct Zyklusergebnis
{
    int zyklus = 0;        // the new cycle number n
    int anzahlSpieler = 0; // A(n)
    bool gespeichert = false; // false once n lies beyond the history
};

// The state of the chain-letter game on the 50 x 50 field and its operations.
// The arrays have one more entry per dimension (index 50) than the field has
// cells; that row and column are never used. Operations report what they did,
// and the window draws it.
class Spielfeld
{
public:
    static constexpr int groesse = 50;          // cells per row and column
    static constexpr int arrayGroesse = 51;     // indices 0..50
    static constexpr int verlaufGrenze = 1200;  // highest cycle the history holds
    static constexpr int zellenAnzahl = groesse * groesse;

    // Marks every cell of 0..49 x 0..49 as not playing and not reached, and
    // sets the cycle counter to 0. The history is kept: it shows the last run.
    void allesZuruecksetzen();

    // Places `anzahl` start players on random free cells. For each player a
    // column and then a row are drawn until a free cell is found. Returns the
    // cells in the order they were placed. 0 <= anzahl <= 2500.
    std::vector<Zelle> startSpielerSetzen(int anzahl, Zufallsquelle& zufall);

    // Counts the playing cells into anzahlSpieler and returns the count.
    int spielerZaehlen();
    // The number of playing cells, without storing it.
    int spielendeZellen() const;

    // One recruitment pass with growth rate p (in tens of percent, 0 <= p).
    // Players are visited column by column; each makes floor(p/10) certain
    // attempts and draws one number u for a further attempt when
    // u < p/10 - floor(p/10) (single precision).
    Zielsuchergebnis zielsuche(double p, Zufallsquelle& zufall);

    // Commits the cycle: every marked cell plays, all marks are cleared, the
    // players are counted and the cycle counter rises. The count is stored in
    // the history while the cycle lies within it; cycles beyond 1200 go on
    // without being stored.
    Zyklusergebnis zyklusAbschliessen();

    // 0 <= x, y <= 50.
    int feldBesetzt(int x, int y) const { return m_feldBesetzt[idx(x)][idx(y)]; }
    int feldStatus(int x, int y) const { return m_feldStatus[idx(x)][idx(y)]; }
    // 0 <= n <= 1200.
    int anzahlVerlauf(int n) const { return m_anzahlVerlauf[static_cast<std::size_t>(n)]; }
    int zyklus() const { return m_zyklus; }
    int anzahlSpieler() const { return m_anzahlSpieler; }

    // The players on the field after the last startSpielerSetzen since the
    // last allesZuruecksetzen (0 before it): A(0) of the current run.
    int startAnzahl() const { return m_startAnzahl; }
    // The counts of the current run, A(0), A(1), ..., A(m) with m the cycle
    // counter, but at most 1200 (the history's bound): zyklus() + 1 values
    // while the run lies within the history.
    std::vector<double> laufAnzahlen() const;

    // Growth rates of the passes since the last allesZuruecksetzen: every
    // zielsuche records its p (also a pass in which nobody plays). Kept are
    // the distinct values in the order of their first use, at most
    // faktorGrenze of them, so a held key running thousands of passes needs
    // no more memory.
    // The cycles of the current run, within the history, whose commit had
    // no pass before it since the last commit or allesZuruecksetzen (nobody
    // could join in them), in ascending order.
    std::vector<int> zyklenOhneZielsuche() const;

    static constexpr int faktorGrenze = 16;
    std::vector<double> benutzteFaktoren() const;
    // False once more than faktorGrenze distinct rates were used; then
    // benutzteFaktoren() holds only the first faktorGrenze of them.
    bool faktorenVollstaendig() const { return !m_faktorenUebergelaufen; }
    // Whether a pass since the last allesZuruecksetzen used a growth rate
    // other than p (exact even after more than faktorGrenze rates: at most
    // one of them can equal p). NaN counts as equal to NaN.
    bool andererFaktorBenutzt(double p) const;

private:
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
    static int zufallskoordinate(Zufallsquelle& zufall);
    Werbeversuch zielVersuch(Zelle werber, float quadratgroesse, Zufallsquelle& zufall);

    using Feld = std::array<std::array<std::int32_t, arrayGroesse>, arrayGroesse>;
    Feld m_feldBesetzt{};
    Feld m_feldStatus{};
    std::array<std::int32_t, verlaufGrenze + 1> m_anzahlVerlauf{};
    int m_zyklus = 0;
    int m_anzahlSpieler = 0;
    int m_startAnzahl = 0;
    // Distinct growth rates of the current run; a fixed array, so that
    // recording a pass never allocates.
    std::array<double, faktorGrenze> m_faktoren{};
    int m_faktorAnzahl = 0;
    bool m_faktorenUebergelaufen = false;
    bool m_zielsucheSeitAbschluss = false;
    std::bitset<verlaufGrenze + 1> m_ohneZielsuche; // index n: cycle n

    void faktorMerken(double p);
};
