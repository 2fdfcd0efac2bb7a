// SPDX-License-Identifier: GPL-3.0-or-later
// A second window inside the page (written into it by the build): a non-modal dialogue with a title bar
// that moves it (mouse, finger or pen), a close button, and a size that
// never exceeds the page's view. It first opens beside the main window,
// then where it was left, placed by the game layer's rules as the desktop's
// evaluation is.
import { Auswertungsbruecke, Rechteck } from "../modell/auswertungsbruecke";

function sichtbereich(): Rechteck {
    return { x: 0, y: 0, breite: innerWidth, hoehe: innerHeight };
}

function alsRechteck(r: DOMRect): Rechteck {
    return { x: r.left, y: r.top, breite: r.width, hoehe: r.height };
}

export class Fensterrahmen {
    private platziert = false;
    private lage: Rechteck = { x: 0, y: 0, breite: 0, hoehe: 0 };

    /**
     * @param groesse the window's size at zoom 1, in CSS pixels
     * @param schliessen what the close button asks for
     */
    constructor(readonly element: HTMLElement, private readonly groesse: { breite: number; hoehe: number },
        private readonly hauptfenster: HTMLElement, private readonly platz: Auswertungsbruecke, schliessen: () => void) {
        const kopf = element.querySelector<HTMLElement>(".auswertungKopf")!;
        kopf.querySelector("button")!.addEventListener("click", schliessen);
        this.ziehbarMachen(kopf);
        addEventListener("resize", () => this.einpassen());
    }

    get offen(): boolean {
        return !this.element.hidden;
    }

    oeffnen(): void {
        if (!this.platziert) {
            // Once, as the desktop does: later it opens where it was left.
            this.platziert = true;
            const [breite, hoehe] = this.bemessen();
            const ecke = this.platz.platzNeben(alsRechteck(this.hauptfenster.getBoundingClientRect()), breite, hoehe,
                sichtbereich());
            this.lage = { ...ecke, breite, hoehe };
        }
        this.element.hidden = false;
        this.einpassen();
    }

    verbergen(): void {
        this.element.hidden = true;
    }

    /** Keeps the window within the page's view, as large as it may be. */
    private einpassen(): void {
        this.verschieben(this.lage.x, this.lage.y, ...this.bemessen());
    }

    /** The window's size at zoom 1, but no larger than the page's view. */
    private bemessen(): [breite: number, hoehe: number] {
        const bereich = sichtbereich();
        return [Math.min(this.groesse.breite, bereich.breite), Math.min(this.groesse.hoehe, bereich.hoehe)];
    }

    private verschieben(x: number, y: number, breite = this.lage.breite, hoehe = this.lage.hoehe): void {
        this.lage = { ...this.platz.imBereich(x, y, breite, hoehe, sichtbereich()), breite, hoehe };
        const px = (wert: number): string => `${wert}px`;
        Object.assign(this.element.style, { left: px(this.lage.x), top: px(this.lage.y), width: px(breite), height: px(hoehe) });
    }

    private ziehbarMachen(kopf: HTMLElement): void {
        let griff: { x: number; y: number } | null = null;
        kopf.addEventListener("pointerdown", (e) => {
            if (e.target !== kopf && !(e.target instanceof HTMLSpanElement)) return;
            griff = { x: e.clientX - this.lage.x, y: e.clientY - this.lage.y };
            kopf.setPointerCapture(e.pointerId);
        });
        kopf.addEventListener("pointermove", (e) => {
            if (griff) this.verschieben(e.clientX - griff.x, e.clientY - griff.y);
        });
        for (const art of ["pointerup", "pointercancel"]) kopf.addEventListener(art, () => (griff = null));
    }
}
