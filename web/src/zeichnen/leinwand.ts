// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box of the page: shows on its canvas the pixels that the game
// layer draws for it (in WebAssembly, as for the desktop), at the window's
// zoom and the screen's device pixel ratio, and reports the pointer in the
// surface's user coordinates.
//
// The canvas covers only the part of the box that its parent shows: the
// chart reaches far beyond the window (1667 columns at zoom 1, of which 445
// show), and a canvas as large would hold and copy nearly four times the
// pixels that are seen.
import { Bereich, Modell } from "../modell/modell";

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
    // The box's top left in its parent (CSS pixels at zoom 1), and the part of its picture the canvas shows.
    private readonly lage: Punkt;
    private ausschnitt: Bereich = { x: 0, y: 0, breite: 0, hoehe: 0 };

    /**
     * `k`: 0 the field, 1 the chart; the size in twips, the place in its
     * parent (in CSS pixels at zoom 1) and the back colour as its control is
     * designed; the parent's size; the window's zoom it is first shown at.
     */
    constructor(
        readonly element: HTMLElement,
        private readonly modell: Modell,
        private readonly k: number,
        entwurf: { width: number; height: number; backColour: number; rechteck: [number, number, number, number] },
        private readonly rahmen: [breite: number, hoehe: number],
        private zoom: number,
    ) {
        this.lage = { x: entwurf.rechteck[0], y: entwurf.rechteck[1] };
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
        this.zeigen(true);
    }

    /** Moves the box in its parent, to `links` CSS pixels at zoom 1. */
    verschieben(links: number): void {
        this.lage.x = links;
        this.element.style.left = `${links}px`;
        this.ausschnittSetzen();
        this.zeigen(true);
    }

    private groesseSetzen(zoom: number): void {
        this.zoom = zoom;
        this.modell.flaecheZoom(this.k, zoom, window.devicePixelRatio);
        this.ausschnittSetzen();
    }

    private ausschnittSetzen(): void {
        const f = this.zoom * window.devicePixelRatio;
        const { lage: { x, y }, rahmen: [breite, hoehe] } = this;
        const a = (this.ausschnitt = this.modell.flaecheAusschnitt(this.k, [-x, -y, breite - x, hoehe - y], f));
        Object.assign(this.leinwand, { width: a.breite, height: a.hoehe });
        // In the window's own (unzoomed) CSS pixels: the window's zoom scales
        // the canvas to exactly its device pixels.
        const css = (geraet: number): string => `${geraet / f}px`;
        Object.assign(this.leinwand.style, { left: css(a.x), top: css(a.y), width: css(a.breite), height: css(a.hoehe) });
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
        return this.modell.zuNutzer(this.k, this.ausschnitt.x + (e.clientX - rahmen.left) * this.leinwand.width / rahmen.width,
            this.ausschnitt.y + (e.clientY - rahmen.top) * this.leinwand.height / rahmen.height);
    }

    // The changed rectangle (or all of it) straight from the module's memory;
    // the canvas's pixel (0, 0) is the picture's at the part's top left.
    private zeigen(alles = false): void {
        this.zeigenGeplant = false;
        const neu = this.modell.flaecheZeigen(this.k, alles), { x, y } = this.ausschnitt;
        if (neu) this.kontext.putImageData(neu.bild, -x, -y, neu.bereich.x, neu.bereich.y, neu.bereich.breite, neu.bereich.hoehe);
    }
}
