// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the page: the window's frame and controls, then the model.
import { Modell } from "../modell/modell";
import { rahmenEinrichten } from "./rahmen";
import { seitendatenLesen, twipsProPixel } from "./seitendaten";
import { steuerelementeBauen } from "./steuerelemente";

export async function seiteStarten(): Promise<void> {
    const daten = seitendatenLesen();
    const fenster = document.createElement("main");
    fenster.id = "Form1";
    fenster.setAttribute("aria-label", "Kettenbrief");
    fenster.style.width = `${daten.steuertabelle.clientWidth / twipsProPixel}px`;
    fenster.style.height = `${daten.steuertabelle.clientHeight / twipsProPixel}px`;
    document.body.append(fenster);
    steuerelementeBauen(fenster, daten);
    // The frame around the game: menu bar, help line, explanation, information, zoom.
    rahmenEinrichten(fenster, daten);
    const modell = await Modell.laden();
    modell.allesZuruecksetzen();
    document.body.dataset["bereit"] = "ja";
}
