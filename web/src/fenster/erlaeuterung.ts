// SPDX-License-Identifier: GPL-3.0-or-later
// The explanation panel image2 on the chart: the explanation picture drawn
// from the desktop's own description at the device's pixels times the zoom,
// whenever the panel is shown (the game session shows and hides it). Its
// lines are also there as text for screen readers.
import { Erlaeuterungsdaten, ErlaeuterungsLauf, ErlaeuterungsZeile, farbe } from "./rahmentexte";
import { Projektorzoom } from "./projektorzoom";

// Text is laid out in sixths of a unit, in which 11 and 12 points (at 600
// units to the inch) are whole font sizes: 550 and 600.
const teile = 6;

function schrift(zeile: ErlaeuterungsZeile, lauf: ErlaeuterungsLauf, einheitenProZoll: number): string {
    const groesse = Math.round(zeile.punkte * einheitenProZoll / 72 * teile);
    return `${lauf.kursiv ? "italic " : ""}${lauf.fett ? "bold " : ""}${groesse}px "Liberation Serif"`;
}

// A rectangle of units filled on whole device pixels, at least one each way: sharp edges at any scale.
function flaecheFuellen(ctx: CanvasRenderingContext2D, skala: number, [l, o, r, u]: number[], rgb: number): void {
    const links = Math.round((l ?? 0) * skala), oben = Math.round((o ?? 0) * skala);
    const rechts = Math.max(Math.round((r ?? 0) * skala), links + 1), unten = Math.max(Math.round((u ?? 0) * skala), oben + 1);
    ctx.fillStyle = farbe(rgb);
    ctx.fillRect(links, oben, rechts - links, unten - oben);
}

function rahmenZeichnen(ctx: CanvasRenderingContext2D, skala: number, d: Erlaeuterungsdaten): void {
    flaecheFuellen(ctx, skala, [0, 0, d.breite, d.hoehe], 0xffffff);
    const h = d.rahmenBreite / 2;
    const [l, o, r, u] = d.rahmenLinie;
    const streifen = [
        [l - h, o - h, r + h, o + h], [l - h, u - h, r + h, u + h],
        [l - h, o - h, l + h, u + h], [r - h, o - h, r + h, u + h],
    ];
    for (const streifenRechteck of streifen) flaecheFuellen(ctx, skala, streifenRechteck, d.rahmenFarbe);
    flaecheFuellen(ctx, skala, d.grauFlaeche, d.grau);
}

// One line piece by piece; the context works in sixths of a unit.
function zeileZeichnen(ctx: CanvasRenderingContext2D, zeile: ErlaeuterungsZeile, d: Erlaeuterungsdaten): void {
    let x = d.linkerRand * teile;
    const y = zeile.grundlinie * teile;
    for (const lauf of zeile.laeufe) {
        ctx.font = schrift(zeile, lauf, d.einheitenProZoll);
        ctx.fillStyle = farbe(lauf.farbe);
        ctx.fillText(lauf.text, x, y);
        const breite = ctx.measureText(lauf.text).width;
        if (lauf.unterstrichen) {
            // The serif font's own underline: about a tenth of the size below the baseline, a twentieth thick.
            const groesse = Math.round(zeile.punkte * d.einheitenProZoll / 72 * teile);
            ctx.fillRect(x, y + groesse * 0.1, breite, Math.max(groesse * 0.05, 1));
        }
        x += breite;
    }
}

export class Erlaeuterung {
    private readonly leinwand: HTMLCanvasElement;
    private readonly schriftenGeladen: Promise<void>;

    constructor(private readonly tafel: HTMLElement, private readonly daten: Erlaeuterungsdaten,
                private readonly zoom: Projektorzoom) {
        const leinwand = tafel.querySelector("canvas");
        if (!leinwand) throw new Error("Die Erläuterung hat keine Zeichenfläche.");
        this.leinwand = leinwand;
        this.leinwand.setAttribute("aria-hidden", "true");
        tafel.append(this.vorlesetext());
        zoom.beiAenderung(() => this.zeichnen());
        // The picture's fonts are inline data, loaded when first asked for.
        this.schriftenGeladen = Promise.all(["", "bold ", "italic bold "].map(
            (stil) => document.fonts.load(`${stil}16px "Liberation Serif"`))).then(() => undefined);
    }

    /** Draws the panel once it is shown, and again when its fonts have come. */
    gezeigt(): void {
        this.zeichnen();
        void this.schriftenGeladen.then(() => this.zeichnen());
    }

    private vorlesetext(): HTMLElement {
        const text = document.createElement("div");
        text.className = "nurVorlesen";
        for (const zeile of this.daten.zeilen) {
            const absatz = document.createElement("p");
            absatz.textContent = zeile.laeufe.map((lauf) => lauf.text).join("");
            text.append(absatz);
        }
        return text;
    }

    private zeichnen(): void {
        if (this.tafel.hidden) return;
        const geraet = window.devicePixelRatio * this.zoom.zoom;
        const breite = parseFloat(this.tafel.style.width), hoehe = parseFloat(this.tafel.style.height);
        this.leinwand.width = Math.round(breite * geraet);
        this.leinwand.height = Math.round(hoehe * geraet);
        const ctx = this.leinwand.getContext("2d");
        if (!ctx) return;
        ctx.fillStyle = "#ffffff";
        ctx.fillRect(0, 0, this.leinwand.width, this.leinwand.height);
        // Device pixels per unit of the picture.
        const skala = 96 / this.daten.einheitenProZoll * geraet;
        rahmenZeichnen(ctx, skala, this.daten);
        ctx.setTransform(skala / teile, 0, 0, skala / teile, 0, 0);
        ctx.textBaseline = "alphabetic";
        for (const zeile of this.daten.zeilen) zeileZeichnen(ctx, zeile, this.daten);
        ctx.setTransform(1, 0, 0, 1, 0, 0);
    }
}
