// SPDX-License-Identifier: GPL-3.0-or-later
// The answer above the table, in German sentences, one paragraph each: which
// t fits best and how well, what that deviation means, how well the current
// t fits, and what a reader must know besides (no cycle yet, cycles without
// a pass, p changed during the game, cycles beyond the history, many games).
// The desktop's evaluation says the same, word for word.
import { BesteAnpassung, EnsembleGrenzen, EnsembleKurven, LaufAuswertung, VerhulstFehler } from "../modell/modell";
import { deutscheZahl, deutscheZahlKurz } from "./deutschezahl";

function fehlername(fehler: VerhulstFehler): string {
    return fehler === VerhulstFehler.ueberlauf ? "Überlauf" : "kein reeller Wert";
}

function besteZeile(beste: BesteAnpassung): string {
    return `Am besten passt t = ${deutscheZahl(beste.t, 3)}: Die Verhulst-Kurve weicht dann um ` +
        `${deutscheZahl(beste.rms, 1)} Mitspieler von den Balken des Spiels ab.`;
}

// How the deviation is computed, in words a pupil can follow.
const abweichungErklaert =
    "So entsteht diese Abweichung: In jedem Zyklus den Unterschied zwischen Kurve und Balken " +
    "nehmen und quadrieren, von allen Zyklen den Mittelwert bilden, daraus die Wurzel ziehen. " +
    "Große Unterschiede zählen so mehr als kleine; je kleiner die Abweichung, desto besser " +
    "passt die Kurve.";

function ohneZielsucheZeile(zyklen: number[]): string {
    const welche = zyklen.length === 1
        ? `In einem Zyklus (${zyklen[0]}) kam`
        : `In ${zyklen.length} Zyklen (${zyklen.join(", ")}) kam`;
    return welche + " „Ergebnis“ ohne „Zielsuche“: Da konnte niemand dazukommen, und das verfälscht " +
        "das beste t. Die Tabelle markiert diese Zyklen gelb.";
}

function aktuelleZeile(auswertung: LaufAuswertung): string {
    const t = deutscheZahlKurz(auswertung.t, 6);
    const aktuell = auswertung.aktuell;
    if (aktuell.vergleichbar) return `Mit dem jetzigen t = ${t} sind es ${deutscheZahl(aktuell.rms, 1)} Mitspieler.`;
    return `Mit dem jetzigen t = ${t} bricht die Verhulst-Iteration bei Zyklus ${aktuell.fehlerZyklus} ab ` +
        `(${fehlername(aktuell.fehler)}).`;
}

function ensembleZeile(ensemble: EnsembleKurven, grenzen: EnsembleGrenzen): string {
    let zeile = `Viele Spiele: ${ensemble.spiele} Spiele mit A(0) = ${ensemble.startSpieler} und ` +
        `p = ${deutscheZahlKurz(ensemble.p, 6)} über ${ensemble.zyklen} Zyklen (so viele wie das Spiel, ` +
        `mindestens ${grenzen.mindestZyklen} und höchstens ${grenzen.hoechstZyklen}). ` +
        "Die orange Linie ist ihr Mittelwert; im violetten Band lagen in jedem Zyklus 8 von 10 dieser Spiele.";
    const anpassung = ensemble.anpassung;
    if (anpassung.gefunden) {
        zeile += ` Zu ihrem Mittelwert passt t = ${deutscheZahl(anpassung.t, 3)} am besten ` +
            `(Abweichung ${deutscheZahl(anpassung.rms, 1)} Mitspieler).`;
    }
    return zeile;
}

/** The paragraphs, separated by an empty line. */
export function ergebnistext(auswertung: LaufAuswertung, grenzen: EnsembleGrenzen): string {
    const absaetze: string[] = [];
    const verglichen = auswertung.anzahlen.length - 1;
    if (verglichen < 1) {
        absaetze.push("Vor dem ersten Zyklus gibt es noch nichts anzupassen: Erst „Zielsuche“ " +
            "und „Ergebnis“ liefern A(1).");
    } else {
        const beste = auswertung.beste.gefunden
            ? besteZeile(auswertung.beste)
            : `Kein t von 0 bis 8 lässt sich über alle ${verglichen} Zyklen rechnen: ` +
              "Mit jedem läuft die Verhulst-Iteration über.";
        absaetze.push(beste + " " + aktuelleZeile(auswertung));
        if (auswertung.beste.gefunden || auswertung.aktuell.vergleichbar) absaetze.push(abweichungErklaert);
    }
    if (auswertung.ohneZielsuche.length > 0) absaetze.push(ohneZielsucheZeile(auswertung.ohneZielsuche));
    if (auswertung.andererFaktor) {
        absaetze.push(`In diesem Spiel wurde p geändert; gerechnet ist mit dem jetzigen p = ` +
            `${deutscheZahlKurz(auswertung.p, 6)}.`);
    }
    if (auswertung.zyklus > verglichen) {
        absaetze.push(`Das Programm speichert nur die ersten ${verglichen} Zyklen; verglichen werden diese.`);
    }
    if (auswertung.ensemble) absaetze.push(ensembleZeile(auswertung.ensemble, grenzen));
    return absaetze.join("\n\n");
}
