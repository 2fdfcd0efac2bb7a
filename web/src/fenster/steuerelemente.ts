// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the window's controls from the control table: each control is an
// element at its design rectangle (in CSS pixels, as the table gives it), inside its
// parent, with the control's name as its id, its German name for screen
// readers and its place in the Tab order. The projector zoom scales the
// whole window at once (seitenzoom.ts), so these are the sizes at zoom 1.
import { farbe } from "./rahmentexte";
import { Rollbalken } from "./rollbalken";
import { Seitendaten, Steuerbeschreibung } from "./seitendaten";

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

/** A control's rectangle in CSS pixels at zoom 1, relative to its parent, as the table gives it. */
export function designRechteck(s: Steuerbeschreibung): { links: number; oben: number; breite: number; hoehe: number } {
    const [links, oben, breite, hoehe] = s.rechteck;
    return { links, oben, breite, hoehe };
}

function schriftfamilie(s: Steuerbeschreibung): string {
    return s.face === "Serif" || s.face === "Symbol" ? '"Liberation Serif", serif' : '"Liberation Sans", sans-serif';
}

function bildElement(quelle: string | undefined, breite: number, hoehe: number): HTMLImageElement {
    const bild = document.createElement("img");
    bild.src = quelle ?? "";
    bild.alt = "";
    bild.draggable = false;
    // 0 x 0: the picture fills its control (style sheet).
    if (breite > 0 && hoehe > 0) {
        bild.style.width = `${breite}px`;
        bild.style.height = `${hoehe}px`;
    }
    return bild;
}

function knopf(s: Steuerbeschreibung, bilder: Record<string, string>): HTMLElement {
    const element = document.createElement("button");
    element.type = "button";
    if (s.picture) {
        // The face at its own size, but inside the button's 2-pixel frame.
        const r = designRechteck(s);
        const breite = Math.min(s.pictureWidth, r.breite - 4);
        const hoehe = Math.min(s.pictureHeight, r.hoehe - 4);
        element.append(bildElement(bilder[s.picture], breite, hoehe));
    } else {
        element.textContent = s.text;
    }
    return element;
}

function textfeld(s: Steuerbeschreibung): HTMLElement {
    const feld = document.createElement("input");
    feld.type = "text";
    feld.value = s.text;
    // The chart's axis labels are text boxes in form only, never edited.
    feld.readOnly = s.readOnly || s.kind === "BorderlessTextBox";
    feld.spellcheck = false;
    feld.autocomplete = "off";
    return feld;
}

function flaeche(): HTMLElement {
    const element = document.createElement("div");
    element.append(document.createElement("canvas"));
    return element;
}

function rollbalkenElement(s: Steuerbeschreibung, alle: Steuerelemente): HTMLElement {
    const element = document.createElement("div");
    const r = designRechteck(s);
    const senkrecht = s.kind === "VScrollBar";
    const balken = new Rollbalken(element, senkrecht ? "senkrecht" : "waagerecht", {
        minimum: s.minimum, maximum: s.maximum, wert: s.value, schritt: s.step,
        laenge: senkrecht ? r.hoehe : r.breite, breite: senkrecht ? r.breite : r.hoehe,
    });
    alle.rollbalken.set(s.name, balken);
    return element;
}

function elementFuer(s: Steuerbeschreibung, bilder: Record<string, string>, alle: Steuerelemente): HTMLElement {
    switch (s.kind) {
        case "Button":
        case "PictureButton":
            return knopf(s, bilder);
        case "TextBox":
        case "BorderlessTextBox":
            return textfeld(s);
        case "Surface":
            return flaeche();
        case "Explanation":
            // Its picture comes with the window's frame.
            return document.createElement("div");
        case "VScrollBar":
        case "HScrollBar":
            return rollbalkenElement(s, alle);
        case "Picture": {
            const element = document.createElement("div");
            if (s.picture) element.append(bildElement(bilder[s.picture], s.pictureWidth, s.pictureHeight));
            return element;
        }
        case "Label": {
            const element = document.createElement("div");
            element.textContent = s.text;
            return element;
        }
        default:
            return document.createElement("div");
    }
}

// Text boxes are white unless the design says otherwise; text is black.
function hintergrund(s: Steuerbeschreibung): number {
    if (s.backColour >= 0) return s.backColour;
    return s.kind === "TextBox" || s.kind === "BorderlessTextBox" ? 0xffffff : -1;
}

function gestalten(element: HTMLElement, s: Steuerbeschreibung): void {
    const stil = element.style;
    const r = designRechteck(s);
    stil.left = `${r.links}px`;
    stil.top = `${r.oben}px`;
    stil.width = `${r.breite}px`;
    stil.height = `${r.hoehe}px`;
    stil.fontFamily = schriftfamilie(s);
    // Design sizes are points at 96 dots per inch, in whole pixels.
    stil.fontSize = `${Math.max(1, Math.round(s.points * 96 / 72))}px`;
    const grund = hintergrund(s);
    if (grund >= 0) stil.backgroundColor = farbe(grund);
    if (s.backColour >= 0) element.classList.add("eigeneFarbe");
    stil.color = farbe(s.textColour >= 0 ? s.textColour : 0);
    if (!s.visibleAtStart) element.hidden = true;
}

function zugaenglichMachen(element: HTMLElement, s: Steuerbeschreibung): void {
    // A label is read as its text; one with a name of its own ("Δ" is "Delta") as a sign with that name.
    if (s.kind === "Label" && s.accessibleName) element.setAttribute("role", "img");
    const name = s.kind === "Label" ? s.accessibleName : s.accessibleName || s.text;
    if (name) element.setAttribute("aria-label", name);
    if (s.kind === "Line") element.setAttribute("aria-hidden", "true");
    if (s.toolTip) element.title = s.toolTip;
    // The table's Tab order comes before anything else of the page.
    if (s.tabIndex >= 0) element.tabIndex = s.tabIndex + 1;
    else if (element.tabIndex >= 0 || s.kind === "BorderlessTextBox") element.tabIndex = -1;
    if (s.kind === "Surface" || s.kind === "Explanation" || s.kind === "Picture") element.setAttribute("role", "img");
    if (s.kind === "Panel") element.setAttribute("role", "group");
}

export function steuerelementeBauen(fenster: HTMLElement, daten: Seitendaten): Steuerelemente {
    const alle = new Steuerelemente();
    const elemente = alle.elemente;
    for (const s of daten.steuertabelle.controls) {
        const element = elementFuer(s, daten.bilder, alle);
        element.id = s.name;
        element.classList.add("steuer", s.kind);
        gestalten(element, s);
        zugaenglichMachen(element, s);
        (elemente.get(s.parent) ?? fenster).append(element);
        elemente.set(s.name, element);
    }
    return alle;
}
