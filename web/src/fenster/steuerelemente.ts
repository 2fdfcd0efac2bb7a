// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the window's controls from the control table: each control is an
// element at its design rectangle (twips / 15 CSS pixels), inside its
// parent, with the control's name as its id and its German name for
// screen readers.
import { Seitendaten, Steuerbeschreibung, twipsProPixel } from "./seitendaten";

export type Steuerelemente = Map<string, HTMLElement>;

function farbe(rgb: number): string {
    return "#" + rgb.toString(16).padStart(6, "0");
}

function schriftfamilie(s: Steuerbeschreibung): string {
    return s.face === "Serif" || s.face === "Symbol" ? '"Liberation Serif", serif' : '"Liberation Sans", sans-serif';
}

function elementFuer(s: Steuerbeschreibung, bilder: Record<string, string>): HTMLElement {
    switch (s.kind) {
        case "Button":
        case "PictureButton": {
            const knopf = document.createElement("button");
            knopf.type = "button";
            if (s.picture) {
                const bild = document.createElement("img");
                bild.src = bilder[s.picture] ?? "";
                bild.alt = "";
                bild.width = s.pictureWidth;
                bild.height = s.pictureHeight;
                knopf.append(bild);
            } else {
                knopf.textContent = s.text;
            }
            return knopf;
        }
        case "TextBox":
        case "BorderlessTextBox": {
            const feld = document.createElement("input");
            feld.type = "text";
            feld.value = s.text;
            feld.readOnly = s.readOnly;
            feld.spellcheck = false;
            feld.autocomplete = "off";
            return feld;
        }
        case "Surface": {
            const flaeche = document.createElement("div");
            flaeche.append(document.createElement("canvas"));
            return flaeche;
        }
        case "Picture": {
            const element = document.createElement("div");
            if (s.picture) {
                const bild = document.createElement("img");
                bild.src = bilder[s.picture] ?? "";
                bild.alt = "";
                element.append(bild);
            }
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

function gestalten(element: HTMLElement, s: Steuerbeschreibung): void {
    const stil = element.style;
    const px = (twips: number): string => `${twips / twipsProPixel}px`;
    stil.left = px(s.left);
    stil.top = px(s.top);
    stil.width = px(Math.max(s.width, 0));
    stil.height = px(Math.max(s.height, 0));
    stil.fontFamily = schriftfamilie(s);
    stil.fontSize = `${Math.max(1, Math.round(s.points * 96 / 72))}px`;
    if (s.backColour >= 0) stil.backgroundColor = farbe(s.backColour);
    if (s.textColour >= 0) stil.color = farbe(s.textColour);
    if (!s.visibleAtStart) element.hidden = true;
}

export function steuerelementeBauen(fenster: HTMLElement, daten: Seitendaten): Steuerelemente {
    const elemente: Steuerelemente = new Map();
    for (const s of daten.steuertabelle.controls) {
        const element = elementFuer(s, daten.bilder);
        element.id = s.name;
        element.classList.add("steuer", s.kind);
        gestalten(element, s);
        element.setAttribute("aria-label", s.accessibleName || s.text);
        if (s.toolTip) element.title = s.toolTip;
        element.tabIndex = s.tabIndex >= 0 ? 0 : -1;
        (elemente.get(s.parent) ?? fenster).append(element);
        elemente.set(s.name, element);
    }
    return elemente;
}
