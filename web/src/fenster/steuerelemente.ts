// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls by their names in the control table. The build
// writes them into the page from the desktop's table, each at its design
// rectangle inside its parent (sizes at zoom 1: the projector zoom scales
// the whole window at once, seitenzoom.ts).
import { Rollbalken } from "./rollbalken";
import { Seitendaten } from "./seitendaten";

/** The window's controls by their names in the design, and its scroll bars. */
export class Steuerelemente {
    readonly elemente = new Map<string, HTMLElement>();
    readonly rollbalken = new Map<string, Rollbalken>();

    element(name: string): HTMLElement {
        const element = this.elemente.get(name);
        if (!element) throw new Error(`${name} fehlt im Fenster.`);
        return element;
    }

    /** The scroll bar of that name (vscStart, vscFaktor, HScroll1, HScroll2). */
    balken(name: string): Rollbalken {
        const balken = this.rollbalken.get(name);
        if (!balken) throw new Error(`Kein Rollbalken namens ${name}`);
        return balken;
    }
}

/** Finds the window's controls, which the build wrote into the page, and makes its scroll bars work. */
export function steuerelementeFinden(daten: Seitendaten): Steuerelemente {
    const alle = new Steuerelemente();
    for (const s of daten.steuertabelle.controls) {
        const element = document.getElementById(s.name);
        if (!element) throw new Error(`${s.name} fehlt im Fenster.`);
        alle.elemente.set(s.name, element);
        if (s.kind !== "VScrollBar" && s.kind !== "HScrollBar") continue;
        const senkrecht = s.kind === "VScrollBar";
        const [, , breite, hoehe] = s.rechteck;
        alle.rollbalken.set(s.name, new Rollbalken(element, senkrecht ? "senkrecht" : "waagerecht", {
            minimum: s.minimum, maximum: s.maximum, wert: s.value, schritt: s.step,
            laenge: senkrecht ? hoehe : breite, breite: senkrecht ? breite : hoehe,
        }));
    }
    return alle;
}
