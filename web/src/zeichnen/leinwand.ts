// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box of the page: shows on its canvas the pixels that the game
// layer draws for it (in WebAssembly, as for the desktop), at the window's
// zoom and the screen's device pixel ratio, and reports the pointer in the
// surface's user coordinates.
import { Modell } from "../modell/modell";

/** A point in a surface's user coordinates. */
export interface Punkt {
    x: number;
    y: number;
}

/** What the pointer does on a surface, in its user coordinates. */
export interface Zeigerfolge {
    gedrueckt(p: Punkt): void;
    bewegt(p: Punkt): void;
    losgelassen(p: Punkt): void;
}

export class Leinwand {
    private readonly leinwand: HTMLCanvasElement;
    private readonly kontext: CanvasRenderingContext2D;
    private zeigenGeplant = false;

    /**
     * `k`: 0 the field, 1 the chart; the size in twips and the back colour as
     * its control is designed; the window's zoom it is first shown at.
     */
    constructor(
        readonly element: HTMLElement,
        private readonly modell: Modell,
        private readonly k: number,
        entwurf: { width: number; height: number; backColour: number },
        zoom: number,
    ) {
        const leinwand = element.querySelector("canvas") ?? element.appendChild(document.createElement("canvas"));
        this.leinwand = leinwand;
        // Opaque, as every pixel of the game layer's pictures is: the browser composes it without blending.
        const kontext = leinwand.getContext("2d", { alpha: false });
        if (!kontext) throw new Error("Die Zeichenfläche hat keinen Zeichenkontext.");
        this.kontext = kontext;
        // Fingers and pens draw on the surface instead of moving the page.
        leinwand.style.touchAction = "none";
        element.style.touchAction = "none";
        modell.flaecheEinrichten(k, entwurf.width, entwurf.height, entwurf.backColour);
        // Sized at once, shown once what the session draws at its start is there: one picture to copy.
        this.groesseSetzen(zoom);
        this.zeigenPlanen();
    }

    /** Draws everything again at a zoom of the whole window (and the device pixel ratio). */
    neuZeichnen(zoom: number): void {
        this.groesseSetzen(zoom);
        this.zeigen();
    }

    private groesseSetzen(zoom: number): void {
        const { breite, hoehe } = this.modell.flaecheZoom(this.k, zoom, window.devicePixelRatio);
        this.leinwand.width = breite;
        this.leinwand.height = hoehe;
        // The canvas in the window's own (unzoomed) CSS pixels: the window's
        // zoom scales it to exactly its device pixels.
        this.leinwand.style.width = `${breite / window.devicePixelRatio / zoom}px`;
        this.leinwand.style.height = `${hoehe / window.devicePixelRatio / zoom}px`;
    }

    /** Reports pointer presses, moves and releases in user coordinates; the surface holds the pointer while pressed. */
    zeigerMelden(folge: Zeigerfolge): void {
        const l = this.leinwand;
        l.addEventListener("pointerdown", (e) => {
            l.setPointerCapture(e.pointerId);
            folge.gedrueckt(this.nutzerpunkt(e));
        });
        l.addEventListener("pointermove", (e) => {
            // A fast pointer reports several positions per frame; each is a move.
            const ereignisse = e.getCoalescedEvents?.() ?? [];
            for (const einzeln of ereignisse.length > 0 ? ereignisse : [e]) folge.bewegt(this.nutzerpunkt(einzeln));
        });
        const los = (e: PointerEvent): void => folge.losgelassen(this.nutzerpunkt(e));
        l.addEventListener("pointerup", los);
        l.addEventListener("pointercancel", los);
    }

    // Shown once the running handler is done, as a window repaints after it.
    zeigenPlanen(): void {
        if (this.zeigenGeplant) return;
        this.zeigenGeplant = true;
        queueMicrotask(() => this.zeigen());
    }

    private nutzerpunkt(e: PointerEvent): Punkt {
        const rahmen = this.leinwand.getBoundingClientRect();
        return this.modell.zuNutzer(this.k, (e.clientX - rahmen.left) * this.leinwand.width / rahmen.width,
            (e.clientY - rahmen.top) * this.leinwand.height / rahmen.height);
    }

    private zeigen(): void {
        this.zeigenGeplant = false;
        // Only the changed rectangle is copied, straight from the module's memory.
        const neu = this.modell.flaecheZeigen(this.k);
        if (neu) this.kontext.putImageData(neu.bild, 0, 0, neu.x, neu.y, neu.breite, neu.hoehe);
    }
}
