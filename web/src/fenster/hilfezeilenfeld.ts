// SPDX-License-Identifier: GPL-3.0-or-later
// The help line txtHilfe: every write replaces the whole text, it is never
// cleared, and a pointer move over a control with a fixed help text writes
// that text. A move over a control's child (a label on the panel, an axis
// label on the chart) belongs to the child: only the control's own free
// area shows the control's text, and controls without a text leave the line
// as it is. The keyboard focus, when it came from the keyboard, writes the
// same text, so a pupil without a mouse reads what a mouse would show, and
// a screen reader reads it as the control's description.
import { Hilfezeile } from "./hilfezeile";

export function hilfezeileErstellen(feld: HTMLInputElement): Hilfezeile {
    return {
        zeigen(text: string): void {
            feld.value = text;
            // The start of a long text stays in view.
            feld.setSelectionRange(0, 0);
            feld.scrollLeft = 0;
        },
    };
}

/** The control a pointer event is about: a picture on a button or a canvas on a surface is its control's own. */
function steuerelementUnter(ziel: EventTarget | null): HTMLElement | null {
    if (!(ziel instanceof HTMLElement)) return null;
    return ziel.classList.contains("steuer") ? ziel : ziel.closest<HTMLElement>(".steuer");
}

export function festeHilfetexteBeobachten(fenster: HTMLElement, hilfezeile: Hilfezeile, texte: Record<string, string>): void {
    const zeigen = (ziel: EventTarget | null): void => {
        const steuer = steuerelementUnter(ziel);
        const text = steuer ? texte[steuer.id] : undefined;
        if (text !== undefined) hilfezeile.zeigen(text);
    };
    fenster.addEventListener("pointermove", (e) => zeigen(e.target));
    fenster.addEventListener("focusin", (e) => {
        if (e.target instanceof HTMLElement && e.target.matches(":focus-visible")) zeigen(e.target);
    });
    for (const [name, text] of Object.entries(texte)) document.getElementById(name)?.setAttribute("aria-description", text);
}
