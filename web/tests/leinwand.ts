// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what a canvas of the page shows, in its own device pixels, whatever
// context the page draws with: the picture is copied through an ImageBitmap.
// Positions are given in the surface's user coordinates (the field: cells 0
// to 50 from the top left; the chart: cycles 0 to 120 across, players 0 to
// 2500 from the bottom), as the desktop's views draw in them.
import { bedienerFuer, Seite } from "./bediener.js";

export type Farbe = [number, number, number];

export interface Benutzerkoordinaten {
    links: number;
    oben: number;
    rechts: number;
    unten: number;
}

export const feldKoordinaten: Benutzerkoordinaten = { links: 0, oben: 0, rechts: 50, unten: 50 };
export const diagrammKoordinaten: Benutzerkoordinaten = { links: 0, oben: 2500, rechts: 120, unten: 0 };

export interface Leinwandbild {
    /** Size of the backing store in device pixels. */
    breite: number;
    hoehe: number;
    /** Size on the page in CSS pixels (after any zoom of the page). */
    cssBreite: number;
    cssHoehe: number;
    devicePixelRatio: number;
    /** The colour at each asked-for position, in order. */
    farben: Farbe[];
}

/**
 * The colours at the given user positions of the canvas in `flaeche` (the
 * control's id), each at the device pixel the position falls in. With
 * `zeile` given instead, every pixel of the device row through that user y.
 */
export async function leinwandLesen(
    seite: Seite,
    flaeche: string,
    koordinaten: Benutzerkoordinaten,
    punkte: Array<[number, number]>,
    zeile?: number,
): Promise<Leinwandbild> {
    return bedienerFuer(seite).auswerten(
        async (id: string, k: Benutzerkoordinaten, punkte: Array<[number, number]>, zeile: number | null) => {
            const leinwand = document.querySelector(`#${id} canvas`);
            if (!(leinwand instanceof HTMLCanvasElement)) throw new Error(`#${id} hat keine Leinwand`);
            const bild = await createImageBitmap(leinwand);
            const kopie = new OffscreenCanvas(bild.width, bild.height);
            const zeichner = kopie.getContext("2d");
            if (!zeichner) throw new Error("kein 2D-Kontext");
            zeichner.drawImage(bild, 0, 0);
            const daten = zeichner.getImageData(0, 0, bild.width, bild.height).data;
            const geraetX = (x: number): number =>
                Math.min(bild.width - 1, Math.max(0, Math.floor(((x - k.links) / (k.rechts - k.links)) * bild.width + 1e-4)));
            const geraetY = (y: number): number =>
                Math.min(bild.height - 1, Math.max(0, Math.floor(((y - k.oben) / (k.unten - k.oben)) * bild.height + 1e-4)));
            const farbe = (px: number, py: number): [number, number, number] => {
                const i = (py * bild.width + px) * 4;
                return [daten[i] ?? -1, daten[i + 1] ?? -1, daten[i + 2] ?? -1];
            };
            const farben =
                zeile === null
                    ? punkte.map(([x, y]) => farbe(geraetX(x), geraetY(y)))
                    : Array.from({ length: bild.width }, (_, px) => farbe(px, geraetY(zeile)));
            const rechteck = leinwand.getBoundingClientRect();
            return {
                breite: bild.width,
                hoehe: bild.height,
                cssBreite: rechteck.width,
                cssHoehe: rechteck.height,
                devicePixelRatio: window.devicePixelRatio,
                farben,
            };
        },
        flaeche,
        koordinaten,
        punkte,
        zeile ?? null,
    );
}

export function gleicheFarbe(a: Farbe, b: Farbe): boolean {
    return a[0] === b[0] && a[1] === b[1] && a[2] === b[2];
}

export function farbname(f: Farbe): string {
    return `rgb(${f.join(",")})`;
}
