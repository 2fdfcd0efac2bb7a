// SPDX-License-Identifier: GPL-3.0-or-later
// A class game: only the copy of the page that the teacher's program serves
// (its mark in the head) takes part. It asks once for the class code and a
// nickname, plays the game number the teacher's program gives it, and after
// every change of the game sends its whole report, numbered, so that a
// repeat changes nothing there. Without a connection the pupil plays on;
// the line says so, and the report goes out once the page is back. A
// reload brings the pupil's game back as it was.
import { herunterladen } from "../auswertung/dateien";
import { Modell } from "../modell/modell";

export interface Anmeldung {
    code: string;
    name: string;
    kennung: string;
    spiel: number;
    seq: number;
}

const ablage = "kettenbrief-klasse";
const spielAblage = "kettenbrief-klasse-spiel";
const ergebnisAblage = "kettenbrief-ergebnis";

/** The pupil's sign-in while the page is in a class, else null. */
export function klasseEinrichten(modell: Modell, beiAenderung: (aenderung: () => void) => void): Anmeldung | null {
    if (!document.querySelector('meta[name="kettenbrief-klasse"]')) return null;
    const texte = modell.klassentexte();
    const gespeichert = JSON.parse(localStorage.getItem(ablage) ?? "null") as Anmeldung | null;
    const a: Anmeldung = gespeichert ?? {
        code: (prompt(texte.frageCode) ?? "").trim(), name: (prompt(texte.frageName) ?? "").trim(),
        kennung: crypto.randomUUID(), spiel: 0, seq: 0,
    };
    // After a reload: the game as it was, else the pupil's game from its start.
    if (a.spiel > 0 && !modell.spielWiederherstellen(localStorage.getItem(spielAblage) ?? "")) {
        modell.sitzungMit("spiel_nummer_setzen", null, a.spiel);
    }
    const zeile = document.createElement("p");
    zeile.id = "klassenstatus";
    document.body.append(zeile);
    let socket: WebSocket | null = null;
    let gesendet = "";
    const melden = (): void => {
        if (a.spiel > 0) localStorage.setItem(spielAblage, modell.spielstand());
        const stand = modell.spielbericht(0);
        if (a.spiel === 0 || socket?.readyState !== WebSocket.OPEN || stand === gesendet) return;
        gesendet = stand;
        a.seq += 1;
        localStorage.setItem(ablage, JSON.stringify(a));
        socket.send(modell.spielbericht(a.seq));
    };
    const verbinden = (): void => {
        socket = new WebSocket(`ws://${location.host}${texte.pfad}`);
        socket.onopen = () => socket?.send(JSON.stringify({ art: "anmelden", ...a }));
        socket.onmessage = (e: MessageEvent<string>) => {
            const antwort = JSON.parse(e.data) as { art: string; spiel?: number; text?: string };
            if (antwort.art === "fehler") zeile.textContent = antwort.text ?? "";
            if (antwort.art !== "angemeldet" || antwort.spiel === undefined) return;
            if (antwort.spiel !== a.spiel) modell.sitzungMit("spiel_nummer_setzen", null, antwort.spiel);
            a.spiel = antwort.spiel;
            zeile.textContent = texte.verbunden + String(a.spiel);
            gesendet = "";
            melden();
        };
        socket.onclose = () => {
            zeile.textContent = texte.offline;
            window.setTimeout(verbinden, 2000);
        };
    };
    beiAenderung(melden);
    verbinden();
    return a;
}

/** "Ergebnis speichern", for when the network does not carry the class game:
 * the game so far as a file for the teacher's Klassenspiel window. In a
 * class with the pupil's sign-in, else with a nickname asked once and a
 * token of this device; each file is numbered above all sent before it. */
export function ergebnisSpeichern(modell: Modell, klasse: Anmeldung | null): void {
    const texte = modell.klassentexte();
    const a = klasse ?? JSON.parse(localStorage.getItem(ergebnisAblage) ?? "null") as Anmeldung | null ??
        { code: "", name: (prompt(texte.frageName) ?? "").trim(), kennung: crypto.randomUUID(), spiel: 0, seq: 0 };
    if (a.name === "") return;
    a.seq += 1;
    localStorage.setItem(klasse ? ablage : ergebnisAblage, JSON.stringify(a));
    const inhalt = modell.ergebnisdatei(a.seq, a.name, a.kennung);
    const spiel = (JSON.parse(inhalt) as { spiel: number }).spiel;
    herunterladen(`${texte.ergebnisDatei}${spiel}.json`, new Blob([inhalt], { type: "application/json" }));
}
