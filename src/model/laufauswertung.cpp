// SPDX-License-Identifier: GPL-3.0-or-later
#include "laufauswertung.h"

#include "spielfeld.h"
#include "verhulst.h"

LaufAuswertung laufAuswerten(const Spielfeld& feld, double p, double t,
                             const std::optional<EnsembleKurven>& ensemble)
{
    LaufendeAnpassung suche;
    return laufAuswerten(feld, p, t, ensemble, suche);
}

LaufAuswertung laufAuswerten(const Spielfeld& feld, double p, double t,
                             const std::optional<EnsembleKurven>& ensemble, LaufendeAnpassung& suche)
{
    LaufAuswertung auswertung;
    auswertung.anzahlen = feld.laufAnzahlen();
    auswertung.zyklus = feld.zyklus();
    auswertung.p = p;
    auswertung.t = t;
    const int letzter = static_cast<int>(auswertung.anzahlen.size()) - 1;
    const double a0 = auswertung.anzahlen.front();
    auswertung.verhulstAktuell = verhulstFolge(a0, p, t, letzter).werte;
    auswertung.aktuell = abweichung(auswertung.anzahlen, p, t);
    auswertung.beste = suche.anpassen(auswertung.anzahlen, p);
    if (auswertung.beste.gefunden)
        auswertung.verhulstBeste = verhulstFolge(a0, p, auswertung.beste.t, letzter).werte;
    auswertung.andererFaktor = feld.andererFaktorBenutzt(p);
    auswertung.ohneZielsuche = feld.zyklenOhneZielsuche();
    if (ensemble && gehoertZumLauf(*ensemble, feld.startAnzahl(), p))
        auswertung.ensemble = ensemble;
    return auswertung;
}

bool gehoertZumLauf(const EnsembleKurven& ensemble, int startAnzahl, double p)
{
    return ensemble.auftrag.startSpieler == startAnzahl && ensemble.auftrag.p == p;
}
