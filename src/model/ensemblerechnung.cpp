// SPDX-License-Identifier: GPL-3.0-or-later
#include "ensemblerechnung.h"

#include "spielfeld.h"
#include "standardzufallsquelle.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// The counts of all games, game i's A(0) .. A(zyklen) in row i.
class Zaehltabelle
{
public:
    Zaehltabelle(int spiele, int zyklen)
        : m_breite(static_cast<std::size_t>(zyklen) + 1), m_werte(static_cast<std::size_t>(spiele) * m_breite)
    {
    }
    std::span<int> zeile(int spiel) { return {m_werte.data() + static_cast<std::size_t>(spiel) * m_breite, m_breite}; }
    int wert(int spiel, int zyklus) const
    {
        return m_werte[static_cast<std::size_t>(spiel) * m_breite + static_cast<std::size_t>(zyklus)];
    }

private:
    std::size_t m_breite;
    std::vector<int> m_werte;
};

// One game with its own source; false when it was stopped before its end.
bool spielen(Spielfeld& feld, const EnsembleAuftrag& auftrag, int index, std::span<int> verlauf,
             const std::stop_token& halt)
{
    StandardZufallsquelle zufall(ensembleSpielStartwert(index));
    feld.allesZuruecksetzen();
    feld.startSpielerSetzen(auftrag.startSpieler, zufall);
    verlauf[0] = feld.startAnzahl();
    for (int n = 1; n <= auftrag.zyklen; ++n) {
        if (halt.stop_requested())
            return false;
        feld.zielsuche(auftrag.p, zufall);
        verlauf[static_cast<std::size_t>(n)] = feld.zyklusAbschliessen().anzahlSpieler;
    }
    return true;
}

// The first exception of any thread's share, thrown on to the caller once
// every thread has ended.
class ErsterFehler
{
public:
    void merken(std::exception_ptr fehler)
    {
        const std::lock_guard sperre(m_sperre);
        if (!m_fehler)
            m_fehler = std::move(fehler);
    }
    void weiterwerfen() const
    {
        if (m_fehler)
            std::rethrow_exception(m_fehler);
    }

private:
    std::mutex m_sperre;
    std::exception_ptr m_fehler;
};

// What the threads of one ensemble share.
struct Gemeinsam
{
    const EnsembleAuftrag& auftrag;
    Zaehltabelle& tabelle;
    std::atomic<int> naechstesSpiel{0};
    std::atomic<int>& fertigeSpiele;
    const std::function<void()>& gespielt;
};

// One thread's share: it takes the next game not yet taken until none is
// left. Each game writes only its own row, so the order does not matter.
void spieleAbarbeiten(Gemeinsam& gemeinsam, const std::stop_token& halt)
{
    const EnsembleAuftrag& auftrag = gemeinsam.auftrag;
    // A field is 26 KB: on the heap rather than on the thread's stack.
    const auto feld = std::make_unique<Spielfeld>();
    for (;;) {
        const int index = gemeinsam.naechstesSpiel.fetch_add(1, std::memory_order_relaxed);
        if (index >= auftrag.spiele)
            return;
        if (!spielen(*feld, auftrag, index, gemeinsam.tabelle.zeile(index), halt))
            return;
        gemeinsam.fertigeSpiele.fetch_add(1);
        if (gemeinsam.gespielt)
            gemeinsam.gespielt();
    }
}

EnsembleKurven kurvenBerechnen(const EnsembleAuftrag& auftrag, const Zaehltabelle& tabelle)
{
    EnsembleKurven kurven;
    kurven.auftrag = auftrag;
    std::vector<int> spalte(static_cast<std::size_t>(auftrag.spiele));
    for (int n = 0; n <= auftrag.zyklen; ++n) {
        long long summe = 0;
        for (int i = 0; i < auftrag.spiele; ++i) {
            spalte[static_cast<std::size_t>(i)] = tabelle.wert(i, n);
            summe += tabelle.wert(i, n);
        }
        std::sort(spalte.begin(), spalte.end());
        kurven.mittel.push_back(static_cast<double>(summe) / auftrag.spiele);
        kurven.quantil10.push_back(quantil(spalte, 10));
        kurven.quantil90.push_back(quantil(spalte, 90));
    }
    kurven.anpassung = besteAnpassung(kurven.mittel, auftrag.p);
    return kurven;
}

// Bijective mix of 32 bits (multiply by odd constants, xor-shifts): distinct
// inputs give distinct seeds, and neighbouring inputs scattered ones.
std::uint32_t mischen(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

} // namespace

EnsembleAuftrag ensembleBegrenzt(EnsembleAuftrag auftrag)
{
    auftrag.spiele = std::clamp(auftrag.spiele, ensembleMindestSpiele, ensembleHoechstSpiele);
    auftrag.startSpieler = std::clamp(auftrag.startSpieler, 0, Spielfeld::zellenAnzahl);
    auftrag.zyklen = std::clamp(auftrag.zyklen, ensembleMindestZyklen, ensembleHoechstZyklen);
    auftrag.faeden = std::clamp(auftrag.faeden, 1, auftrag.spiele);
    return auftrag;
}

std::uint32_t ensembleSpielStartwert(int index)
{
    return mischen(ensembleStartwert + static_cast<std::uint32_t>(index));
}

double quantil(std::span<const int> sortiert, int prozent)
{
    const std::size_t produkt = (sortiert.size() - 1) * static_cast<std::size_t>(prozent);
    const std::size_t unten = produkt / 100;
    const double anteil = static_cast<double>(produkt % 100) / 100.0;
    const double wertUnten = sortiert[unten];
    if (anteil == 0.0)
        return wertUnten;
    return wertUnten + anteil * (sortiert[unten + 1] - wertUnten);
}

std::optional<EnsembleKurven> ensembleRechnen(const EnsembleAuftrag& roherAuftrag, std::stop_token halt,
                                              std::atomic<int>& fertigeSpiele, const std::function<void()>& gespielt)
{
    const EnsembleAuftrag auftrag = ensembleBegrenzt(roherAuftrag);
    Zaehltabelle tabelle(auftrag.spiele, auftrag.zyklen);
    Gemeinsam gemeinsam{.auftrag = auftrag, .tabelle = tabelle, .fertigeSpiele = fertigeSpiele, .gespielt = gespielt};
    // The games stop when the caller asks, or when a thread's share fails.
    std::stop_source stopp;
    const std::stop_callback weitergeben(halt, [&stopp] { stopp.request_stop(); });
    ErsterFehler fehler;
    const auto arbeit = [&gemeinsam, &stopp, &fehler] {
        try {
            spieleAbarbeiten(gemeinsam, stopp.get_token());
        } catch (...) {
            fehler.merken(std::current_exception());
            stopp.request_stop();
        }
    };
    // Declared after everything they use: on every way out of this function
    // they are joined (std::jthread) before any of it goes.
    std::vector<std::jthread> helfer;
    try {
        for (int f = 1; f < auftrag.faeden; ++f)
            helfer.emplace_back(arbeit);
    } catch (const std::system_error&) {
        // Fewer threads than asked for only take longer: the games and
        // their seeds stay the same.
    }
    arbeit();
    helfer.clear();
    fehler.weiterwerfen();
    if (stopp.stop_requested())
        return std::nullopt;
    return kurvenBerechnen(auftrag, tabelle);
}
