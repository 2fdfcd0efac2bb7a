// SPDX-License-Identifier: GPL-3.0-or-later
// The window's texts that are made from values, word for word as the
// desktop program writes them (src/ui/fenster/hilfetexte.cpp and
// meldungen.cpp); the numbers in them are the model's number texts.
import { Modell, VerhulstFehler } from "../modell/modell";
import { Punkt } from "../zeichnen/leinwand";

export function startwertHilfe(modell: Modell, text: string): string {
    return "Startwert A(0) =" + modell.hilfetext(modell.nachsichtigUmwandeln(text)) + " Spieler";
}

export function wachstumsrateHilfe(modell: Modell, text: string): string {
    return "Wachstumsrate p =" + modell.hilfetext(10 * modell.nachsichtigUmwandeln(text)) + "%";
}

/** Over the field at user point (x, y): the individual 50 * floor(y) + floor(x) + 1, in single precision. */
export function feldHilfe(modell: Modell, p: Punkt): string {
    const individuum = Math.fround(Math.fround(Math.floor(Math.fround(p.y)) * 50) + Math.floor(Math.fround(p.x)) + 1);
    return "50x50 Zellen stellen 2500 Individuen dar      " + modell.hilfetext(individuum);
}

/** Over the chart at user point (x, y): the cycle floor(x) and the players floor(y / 10) * 10. */
export function diagrammHilfe(modell: Modell, p: Punkt): string {
    const n = Math.floor(Math.fround(p.x));
    const a = Math.fround(Math.floor(Math.fround(Math.fround(p.y) / 10)) * 10);
    return "Balkendiagramme zur Gesamtzahl der Mitspieler.    n = " + modell.hilfetext(n)
        + "   A(n)= " + modell.hilfetext(a);
}

export function verhulstFehlertext(fehler: VerhulstFehler, zyklus: number): string {
    const ueberlauf = fehler === VerhulstFehler.ueberlauf;
    const art = ueberlauf ? "Überlauf" : "Ungültiges Argument";
    const grund = ueberlauf ? "der nächste Wert ist zu groß für die Rechnung" : "die nächste Potenz hat keinen reellen Wert";
    return `${art}\n\nDie Verhulst-Kurve endet bei Zyklus ${zyklus}: ${grund}.\n\n`
        + "Mit einem kleineren Exponenten t oder einer kleineren Wachstumsrate p "
        + "lässt sich die Kurve ganz zeichnen.";
}
