// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the page: the window's frame and controls, then the model.
import { Modell } from "../modell/modell";
import { Form1 } from "../spiel/form1";
import { Hilfezeile } from "./hilfezeile";
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
    const elemente = steuerelementeBauen(fenster, daten);
    const modell = await Modell.laden();
    modell.allesZuruecksetzen();

    // ---- The game in the window ----
    // The help line until it has its own module: the text of txtHilfe.
    const txtHilfe = elemente.get("txtHilfe") as HTMLInputElement;
    const hilfezeile: Hilfezeile = { zeigen: (text) => { txtHilfe.value = text; } };
    const form1 = new Form1(modell, elemente, daten.steuertabelle, hilfezeile);
    form1.neuZeichnen(1);
    // ---- end of the game ----
    document.body.dataset["bereit"] = "ja";
}
