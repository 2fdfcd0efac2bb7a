// SPDX-License-Identifier: GPL-3.0-or-later
#include "anpassung.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

using Schranke = LaufendeAnpassung::Schranke;

// Takes the model's steps A(zyklus + 1) .. A(n) from where the candidate
// stopped, each compared as soon as it is computed, until the last count, a
// failing step or a partial sum that loses. The model's values depend on
// A(0), p and t alone, so a candidate goes on where it stopped when the
// counts only grew.
void LaufendeAnpassung::Kandidat::weiter(std::span<const double> anzahlen, double p, double t,
                                         const Schranke& schranke)
{
    const int letzter = static_cast<int>(anzahlen.size()) - 1;
    while (fehler == VerhulstFehler::keiner && zyklus < letzter && !schranke.verloren(summe)) {
        const VerhulstSchritt schritt = verhulstSchritt(a, p, t);
        if (schritt.fehler != VerhulstFehler::keiner) {
            fehler = schritt.fehler;
            return;
        }
        a = schritt.wert;
        ++zyklus;
        const double differenz = a - anzahlen[static_cast<std::size_t>(zyklus)];
        summe += differenz * differenz;
    }
}

bool LaufendeAnpassung::fortsetzbar(std::span<const double> anzahlen, double p) const
{
    return !m_kandidaten.empty() && p == m_p && anzahlen.size() >= m_anzahlen.size()
           && std::equal(m_anzahlen.begin(), m_anzahlen.end(), anzahlen.begin());
}

// Compares candidate k with the best so far and takes it over when it wins:
// a smaller sum, or the same sum at a smaller k.
void LaufendeAnpassung::pruefen(std::span<const double> anzahlen, int k)
{
    Kandidat& kandidat = m_kandidaten[static_cast<std::size_t>(k)];
    const Schranke schranke{m_bester.gefunden, m_bester.summe, k > m_bester.k};
    kandidat.weiter(anzahlen, m_p, anpassungsT(k), schranke);
    const bool fertig = kandidat.fehler == VerhulstFehler::keiner
                        && kandidat.zyklus == static_cast<int>(anzahlen.size()) - 1;
    // A NaN sum (only from counts that are not finite) never wins.
    if (fertig && !schranke.verloren(kandidat.summe) && !std::isnan(kandidat.summe))
        m_bester = {true, k, kandidat.summe};
}

void LaufendeAnpassung::pruefenImRaster(std::span<const double> anzahlen, int von, int bis, int schritt)
{
    for (int k = std::max(von, 0); k <= bis && k <= anpassungsHoechstesK; k += schritt)
        pruefen(anzahlen, k);
}

BesteAnpassung LaufendeAnpassung::anpassen(std::span<const double> anzahlen, double p)
{
    BesteAnpassung ergebnis;
    if (anzahlen.size() < 2)
        return ergebnis;
    if (!fortsetzbar(anzahlen, p)) {
        m_kandidaten.assign(anpassungsHoechstesK + 1, Kandidat{0, anzahlen[0], 0.0, VerhulstFehler::keiner});
        m_p = p;
        m_bester = {};
    }
    m_anzahlen.assign(anzahlen.begin(), anzahlen.end());
    ergebnis.zyklen = static_cast<int>(anzahlen.size() - 1);

    // The last best first, then a coarse grid and a finer one around its
    // best give a tight bound early; the full pass over every candidate then
    // decides, so the order changes only the speed, never the result.
    const Bester vorher = m_bester;
    m_bester = {};
    if (vorher.gefunden)
        pruefen(anzahlen, vorher.k);
    pruefenImRaster(anzahlen, 0, anpassungsHoechstesK, 100);
    if (m_bester.gefunden)
        pruefenImRaster(anzahlen, m_bester.k - 100, m_bester.k + 100, 10);
    pruefenImRaster(anzahlen, 0, anpassungsHoechstesK, 1);
    if (!m_bester.gefunden)
        return ergebnis;

    ergebnis.gefunden = true;
    ergebnis.k = m_bester.k;
    ergebnis.t = anpassungsT(m_bester.k);
    ergebnis.quadratsumme = m_bester.summe;
    ergebnis.rms = std::sqrt(m_bester.summe / ergebnis.zyklen);
    return ergebnis;
}

Abweichung abweichung(std::span<const double> anzahlen, double p, double t)
{
    Abweichung ergebnis;
    if (anzahlen.size() < 2)
        return ergebnis;
    LaufendeAnpassung::Kandidat kandidat{0, anzahlen[0], 0.0, VerhulstFehler::keiner};
    kandidat.weiter(anzahlen, p, t, Schranke{});
    ergebnis.fehler = kandidat.fehler;
    if (kandidat.fehler != VerhulstFehler::keiner) {
        // The step from the model's A(zyklus) failed.
        ergebnis.fehlerZyklus = kandidat.zyklus;
        return ergebnis;
    }
    ergebnis.vergleichbar = true;
    ergebnis.quadratsumme = kandidat.summe;
    ergebnis.rms = std::sqrt(kandidat.summe / static_cast<double>(anzahlen.size() - 1));
    return ergebnis;
}

BesteAnpassung besteAnpassung(std::span<const double> anzahlen, double p)
{
    LaufendeAnpassung suche;
    return suche.anpassen(anzahlen, p);
}
