// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the page: the window's frame and controls, then the model.
import { Modell } from "./modell/modell";
import { Auswertungsdialog } from "./auswertung/auswertungsdialog";
import { Fensterhuelle } from "./spiel/fensterhuelle";
import { ergebnisSpeichern, klasseEinrichten } from "./spiel/klassenverbindung";
import { rahmenEinrichten } from "./fenster/rahmen";
import { seitendatenLesen } from "./fenster/seitendaten";
import { steuerelementeFinden } from "./fenster/steuerelemente";

/** `laden`: the model, compiling. */
export async function seiteStarten(laden: Promise<Modell>): Promise<void> {
    const daten = seitendatenLesen();
    const fenster = document.getElementById("Form1");
    if (!fenster) throw new Error("Das Fenster fehlt in der Seite.");
    // The model compiles while the page finds its controls and lays out the
    // frame around the game: menu bar, help line, information, zoom.
    const elemente = steuerelementeFinden(daten);
    const rahmen = await rahmenEinrichten(fenster, daten, laden);
    const modell = await laden;

    const huelle = new Fensterhuelle(modell, elemente, daten.steuertabelle, rahmen);
    rahmen.menueleiste.handlerSetzen("cmdStoch", () => huelle.cmdStochClick());
    rahmen.zoom.beiAenderung((zoom) => huelle.neuZeichnen(zoom));
    const klasse = klasseEinrichten(modell, (aenderung) => huelle.beiAenderung(aenderung));
    rahmen.menueleiste.handlerSetzen("cmdErgebnisSpeichern", () => ergebnisSpeichern(modell, klasse));
    // The game plays without its evaluation, should that fail to start.
    try {
        // The evaluation opens beside the window with its menu bar.
        const auswertung = new Auswertungsdialog(huelle, fenster.parentElement ?? fenster, rahmen.ende);
        rahmen.menueleiste.handlerSetzen("cmdAuswertung", () => auswertung.umschalten());
    } catch (fehler) {
        document.getElementById("cmdAuswertung")?.remove();
        rahmen.hilfezeile.zeigen(`Die Auswertung kann in diesem Browser nicht starten (${String(fehler)}).`);
    }
    document.body.dataset["bereit"] = "ja";
}

/** What the page says when it cannot start at all: in German, in place of the window. */
export function startfehlerZeigen(fehler: unknown): void {
    // A window that cannot play is not shown.
    document.getElementById("seite")?.setAttribute("hidden", "");
    const hinweis = document.createElement("p");
    hinweis.setAttribute("role", "alert");
    hinweis.textContent = `Kettenbrief kann in diesem Browser nicht starten: ${String(fehler)}`;
    document.body.append(hinweis);
}
