// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box that is drawn on in its own user coordinates and keeps what
// is drawn, as the desktop's drawing surface does.
//
// The operations since the last clear are kept in user coordinates and
// rastered into the canvas's pixels at zoom x device pixel ratio; at another
// scale the picture is rastered again, crisp, without losing anything.
// What is kept stays bounded: once the kept operations would take more than
// `behaltenerAufwand` to draw again, the picture as it is becomes the
// ground and the operations are dropped; at another scale the ground is
// scaled (nearest neighbour) and only the operations since are drawn anew.
import { Abbildung, Punkt } from "./abbildung";
import { Pixelbild } from "./pixelbild";
import { bleibtAussen, rastern } from "./rasterung";
import { Farbe, Opart, Zeichenop, aufwand, hatZahlen } from "./zeichenop";
import { Zeichenprotokoll } from "./zeichenprotokoll";

/** The user coordinates of a surface's left, top, right and bottom edges. */
export interface Koordinaten {
    links: number;
    oben: number;
    rechts: number;
    unten: number;
}

/** What the pointer does on a surface, in its user coordinates. */
export interface Zeigerfolge {
    gedrueckt(p: Punkt): void;
    bewegt(p: Punkt): void;
    losgelassen(p: Punkt): void;
}

const twipsProPixel = 15;

export class Zeichenflaeche {
    /**
     * In twentieths of a slanted line: a whole recruitment pass over the full
     * field at p = 15 with the field under it still fits, so after one pass
     * every zoom stays crisp.
     */
    static readonly behaltenerAufwand = 122880;

    private readonly leinwand: HTMLCanvasElement;
    private readonly kontext: CanvasRenderingContext2D;
    private readonly protokoll = new Zeichenprotokoll();
    private stift = 1;
    private zoom = 1;
    private grund: Pixelbild | null = null;
    private bild: Pixelbild | null = null;
    private abbildung: Abbildung | null = null;
    private zeigenGeplant = false;

    constructor(
        readonly element: HTMLElement,
        private readonly breiteTwips: number,
        private readonly hoeheTwips: number,
        private readonly hintergrund: Farbe,
        private readonly koordinaten: Koordinaten,
    ) {
        const leinwand = element.querySelector("canvas") ?? element.appendChild(document.createElement("canvas"));
        this.leinwand = leinwand;
        const kontext = leinwand.getContext("2d");
        if (!kontext) throw new Error("Die Zeichenfläche hat keinen Zeichenkontext.");
        this.kontext = kontext;
        // Fingers and pens draw on the surface instead of moving the page.
        leinwand.style.touchAction = "none";
        element.style.touchAction = "none";
    }

    /** Draws everything again at a zoom of the whole window (and the device pixel ratio). */
    neuZeichnen(zoom: number): void {
        this.zoom = zoom;
        this.bild = null;
        this.bildSichern();
        this.zeigen();
    }

    /** Fill with the back colour and forget all drawing. */
    loeschen(): void {
        this.protokoll.leeren();
        this.grund = null;
        this.bildSichern().alles(this.hintergrund);
        this.zeigenPlanen();
    }

    /** Pen width in pixels for the following operations; stays set. 1..255. */
    stiftbreite(pixel: number): void {
        this.stift = Math.min(255, Math.max(1, Math.round(pixel)));
    }

    linie(x1: number, y1: number, x2: number, y2: number, farbe: Farbe): void {
        this.aufnehmen(Opart.linie, farbe, x1, y1, x2, y2);
    }
    rahmen(x1: number, y1: number, x2: number, y2: number, farbe: Farbe): void {
        this.aufnehmen(Opart.rahmen, farbe, x1, y1, x2, y2);
    }
    gefuellt(x1: number, y1: number, x2: number, y2: number, farbe: Farbe): void {
        this.aufnehmen(Opart.gefuellt, farbe, x1, y1, x2, y2);
    }
    /** Radius in horizontal user units. */
    kreis(mx: number, my: number, radius: number, farbe: Farbe): void {
        this.aufnehmen(Opart.kreis, farbe, mx, my, radius, 0);
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

    private nutzerpunkt(e: PointerEvent): Punkt {
        const rahmen = this.leinwand.getBoundingClientRect();
        const a = this.abbildungSichern();
        return a.zuNutzer((e.clientX - rahmen.left) * a.breite / rahmen.width,
            (e.clientY - rahmen.top) * a.hoehe / rahmen.height);
    }

    private aufnehmen(art: Opart, farbe: Farbe, x1: number, y1: number, x2: number, y2: number): void {
        const op: Zeichenop = { art, stift: this.stift, farbe, x1, y1, x2, y2 };
        if (!hatZahlen(op)) return;
        const bild = this.bildSichern();
        const a = this.abbildungSichern();
        // Bars beyond the chart's last cycle and the like are never seen:
        // keeping them would only let memory grow over a long lesson.
        if (bleibtAussen(a, op)) return;
        if (this.protokoll.aufwand + aufwand(op) > Zeichenflaeche.behaltenerAufwand) {
            this.grund = bild.kopie();
            this.protokoll.leeren();
        }
        this.protokoll.anhaengen(op);
        rastern(bild, a, op);
        this.zeigenPlanen();
    }

    /** Whole logical pixels at the zoom, then device pixels, as the desktop sizes its surfaces. */
    private geraetePixel(twips: number): number {
        const logisch = Math.round(twips * this.zoom / twipsProPixel);
        return Math.max(1, Math.round(logisch * window.devicePixelRatio));
    }

    private abbildungSichern(): Abbildung {
        this.bildSichern();
        return this.abbildung!;
    }

    private bildSichern(): Pixelbild {
        const breite = this.geraetePixel(this.breiteTwips);
        const hoehe = this.geraetePixel(this.hoeheTwips);
        if (this.bild && this.bild.breite === breite && this.bild.hoehe === hoehe) return this.bild;
        const bild = new Pixelbild(breite, hoehe);
        const k = this.koordinaten;
        const a = new Abbildung(k.links, k.oben, k.rechts, k.unten, breite, hoehe, this.zoom * window.devicePixelRatio);
        bild.alles(this.hintergrund);
        if (this.grund) bild.skaliertUebernehmen(this.grund);
        this.protokoll.fuerJede((op) => rastern(bild, a, op));
        this.bild = bild;
        this.abbildung = a;
        this.leinwand.width = breite;
        this.leinwand.height = hoehe;
        // The canvas in the window's own (unzoomed) CSS pixels: the window's
        // zoom scales it to exactly its device pixels.
        this.leinwand.style.width = `${breite / window.devicePixelRatio / this.zoom}px`;
        this.leinwand.style.height = `${hoehe / window.devicePixelRatio / this.zoom}px`;
        return bild;
    }

    // Shown once the running handler is done, as a window repaints after it.
    private zeigenPlanen(): void {
        if (this.zeigenGeplant) return;
        this.zeigenGeplant = true;
        queueMicrotask(() => this.zeigen());
    }

    private zeigen(): void {
        this.zeigenGeplant = false;
        const bild = this.bildSichern();
        const g = bild.geaendert;
        if (!g) return;
        this.kontext.putImageData(bild.daten, 0, 0, g.x0, g.y0, g.x1 - g.x0 + 1, g.y1 - g.y0 + 1);
        bild.geaendert = null;
    }
}
