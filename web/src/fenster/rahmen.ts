// SPDX-License-Identifier: GPL-3.0-or-later
// Everything around the game: the menu bar above the window, the help
// line's fixed texts, the explanation panel, the information box, the end
// of the program and the projector zoom. The window with its menu bar is
// one block, zoomed as a whole and centred in the browser's window.
import { erlaeuterungEinsetzen } from "./erlaeuterung";
import { Hilfezeile } from "./hilfezeile";
import { festeHilfetexteBeobachten, hilfezeileErstellen } from "./hilfezeilenfeld";
import { informationZeigen } from "./information";
import { beschriftungOhneZeichen, Menueleiste } from "./menueleiste";
import { Programmende } from "./programmende";
import { Seitenzoom } from "./seitenzoom";
import { rahmentexteLesen } from "./rahmentexte";
import { Seitendaten } from "./seitendaten";

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

// #seite centres #fensterrahmen (menu bar and window), which the zoom scales.
function umhuellen(fenster: HTMLElement): { seite: HTMLElement; rahmen: HTMLElement } {
    const seite = document.createElement("div");
    seite.id = "seite";
    const rahmen = document.createElement("div");
    rahmen.id = "fensterrahmen";
    fenster.replaceWith(seite);
    seite.append(rahmen);
    rahmen.append(fenster);
    return { seite, rahmen };
}

export function rahmenEinrichten(fenster: HTMLElement, daten: Seitendaten): Rahmen {
    const texte = rahmentexteLesen(daten);
    const { seite, rahmen } = umhuellen(fenster);
    const hilfezeile = hilfezeileErstellen(element<HTMLInputElement>("txtHilfe"));
    festeHilfetexteBeobachten(fenster, hilfezeile, texte.hilfetexte);
    const informationTitel = beschriftungOhneZeichen(texte.menue.find((b) => b.name === "cmdInfo")?.text ?? "").text;
    const ende = new Programmende(seite);
    const leiste = new Menueleiste(texte.menue, {
        cmdEnde: () => ende.beenden(),
        // What the game's own window does: set by the game once it runs.
        cmdStoch: () => undefined,
        cmdInfo: () => void informationZeigen(texte.information, informationTitel),
    }, () => ende.beendet());
    rahmen.prepend(leiste.element);
    // Measures the window with its menu bar.
    const zoom = new Seitenzoom(rahmen, texte.zoom, (text) => hilfezeile.zeigen(text));
    erlaeuterungEinsetzen(element("image2"), texte.erlaeuterung);
    zoom.tastenEinrichten();
    zoom.zuruecksetzen();
    return { hilfezeile, menueleiste: leiste, zoom, ende };
}
