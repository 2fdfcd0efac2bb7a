// SPDX-License-Identifier: GPL-3.0-or-later
// Everything around the game: the menu bar above the window, the help
// line's fixed texts, the information box, the end of the program and the
// projector zoom. The window with its menu bar is one block, zoomed as a
// whole and centred in the browser's window.
import { Hilfezeile } from "./hilfezeile";
import { festeHilfetexteBeobachten, hilfezeileErstellen } from "./hilfezeilenfeld";
import { informationZeigen } from "./information";
import { Menueleiste } from "./menueleiste";
import { Programmende } from "./programmende";
import { Modell } from "../modell/modell";
import { Seitenzoom } from "./seitenzoom";
import { rahmentexteLesen } from "./rahmentexte";
import { Seitendaten } from "./seitendaten";
import { trefferhilfeEinrichten } from "./trefferhilfe";

export interface Rahmen {
    hilfezeile: Hilfezeile;
    menueleiste: Menueleiste;
    zoom: Seitenzoom;
    ende: Programmende;
}

function element<T extends HTMLElement>(name: string): T {
    const gefunden = document.getElementById(name);
    if (!gefunden) throw new Error(`Steuerelement fehlt: ${name}`);
    return gefunden as T;
}

// A phone upright shows the whole window, small: the line offers the larger view across.
function drehhinweisEinrichten(seite: HTMLElement, zoom: Seitenzoom): void {
    const hinweis = document.createElement("p");
    hinweis.id = "drehhinweis";
    hinweis.textContent = zoom.drehhinweis;
    seite.append(hinweis);
    const zeigen = (): void => {
        const { clientWidth, clientHeight } = document.documentElement;
        hinweis.hidden = !(zoom.verkleinert && clientHeight > clientWidth);
    };
    zoom.beiAenderung(zeigen);
    window.addEventListener("resize", zeigen);
    zeigen();
}

/** Sets the frame up while the model compiles, and the zoom once it is there. */
export async function rahmenEinrichten(fenster: HTMLElement, daten: Seitendaten, modellLaden: Promise<Modell>): Promise<Rahmen> {
    const texte = rahmentexteLesen(daten);
    // #seite centres #fensterrahmen (menu bar and window), which the zoom scales.
    const seite = element("seite");
    const rahmen = element("fensterrahmen");
    const hilfezeile = hilfezeileErstellen(element<HTMLInputElement>("txtHilfe"));
    festeHilfetexteBeobachten(fenster, hilfezeile, texte.hilfetexte);
    const informationTitel = texte.menue.find((b) => b.name === "cmdInfo")?.text ?? "";
    const ende = new Programmende(seite);
    const leiste = new Menueleiste(texte.menue, {
        cmdEnde: () => ende.beenden(),
        // What the game's own window does: set by the game once it runs.
        cmdStoch: () => undefined,
        cmdInfo: () => void informationZeigen(texte.information, informationTitel),
    }, () => ende.beendet());
    // Hidden until now, so that the browser lays it out once. The zoom measures the window with its menu bar.
    seite.hidden = false;
    const groesse = Seitenzoom.ausmessen(rahmen);
    const zoom = new Seitenzoom(rahmen, groesse, await modellLaden, (text) => hilfezeile.zeigen(text));
    zoom.tastenEinrichten();
    // A touch screen has no keys for the zoom: the window fills it.
    if (window.matchMedia("(pointer: coarse)").matches) zoom.ausfuehren("fuellen");
    drehhinweisEinrichten(seite, zoom);
    trefferhilfeEinrichten();
    return { hilfezeile, menueleiste: leiste, zoom, ende };
}
