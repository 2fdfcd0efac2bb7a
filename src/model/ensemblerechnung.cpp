// SPDX-License-Identifier: GPL-3.0-or-later
#include "ensemblerechnung.h"

#include "spielfeld.h"

#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

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
        if (!ensembleSpielSpielen(*feld, auftrag, index, gemeinsam.tabelle.zeile(index),
                                  [&halt] { return halt.stop_requested(); }))
            return;
        gemeinsam.fertigeSpiele.fetch_add(1);
        if (gemeinsam.gespielt)
            gemeinsam.gespielt();
    }
}

} // namespace

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
    return ensembleKurvenBerechnen(auftrag, tabelle);
}
