// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the page: the window's frame and controls, then the model.
import { Modell } from "./modell/modell";
import { auswertungEinrichten } from "./auswertung/auswertungsdialog";
import { Fensterhuelle } from "./spiel/fensterhuelle";
import { ergebnisSpeichern, klasseEinrichten } from "./spiel/klassenverbindung";
import { rahmenEinrichten } from "./fenster/rahmen";
import { seitendatenLesen } from "./fenster/seitendaten";
import { steuerelementeFinden } from "./fenster/steuerelemente";

export async function seiteStarten(): Promise<void> {
    const daten = seitendatenLesen();
    const fenster = document.getElementById("Form1");
    if (!fenster) throw new Error("Das Fenster fehlt in der Seite.");
    // The model compiles while the page finds its controls.
    const laden = Modell.laden();
    const elemente = steuerelementeFinden(daten);
    const modell = await laden;
    // The frame around the game: menu bar, help line, explanation, information, zoom.
    const rahmen = rahmenEinrichten(fenster, daten, modell);

    const huelle = new Fensterhuelle(modell, elemente, daten.steuertabelle, rahmen);
    rahmen.menueleiste.handlerSetzen("cmdStoch", () => huelle.cmdStochClick());
    huelle.neuZeichnen(rahmen.zoom.zoom);
    rahmen.zoom.beiAenderung((zoom) => huelle.neuZeichnen(zoom));
    const klasse = klasseEinrichten(modell, (aenderung) => huelle.beiAenderung(aenderung));
    rahmen.menueleiste.handlerSetzen("cmdErgebnisSpeichern", () => ergebnisSpeichern(modell, klasse));
    // The game plays without its evaluation, should that fail to start.
    try {
        // The evaluation opens beside the window with its menu bar.
        const auswertung = auswertungEinrichten(huelle, fenster.parentElement ?? fenster, rahmen.ende);
        rahmen.menueleiste.handlerSetzen("cmdAuswertung", () => auswertung.umschalten());
    } catch (fehler) {
        document.getElementById("cmdAuswertung")?.remove();
        rahmen.hilfezeile.zeigen(`Die Auswertung kann in diesem Browser nicht starten (${String(fehler)}).`);
    }
    document.body.dataset["bereit"] = "ja";
}

/** What the page says when it cannot start at all: in German, in place of the window. */
export function startfehlerZeigen(fehler: unknown): void {
    const hinweis = document.createElement("p");
    hinweis.setAttribute("role", "alert");
    hinweis.textContent = `Kettenbrief kann in diesem Browser nicht starten: ${String(fehler)}`;
    document.body.append(hinweis);
}
