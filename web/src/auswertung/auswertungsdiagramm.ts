// SPDX-License-Identifier: GPL-3.0-or-later
// The whole run from cycle 0 to now, as on the desktop: the series the game
// layer gives (bars, band and curves, their names and colours, the axes),
// drawn in their order, the later in front, and named in the legend in the
// same order; screen readers get what the plot shows as its description.
//
// Drawn on a canvas whose pixels are the device's (devicePixelRatio and
// the page's zoom included), through one transform from cycles and players
// to pixels. The run shown is kept, so any change of size or zoom draws it
// anew, crisply.
import { css, Diagrammdaten, Punkt } from "../modell/auswertungsbruecke";

const gitterFarbe = "rgb(220, 220, 220)";
const schrift = '12px "Liberation Sans", sans-serif';

/** One entry of the legend: its colour and whether it is a filled area. */
interface Legendeneintrag {
    name: string;
    farbe: string;
    rand?: string;
}

function legende(d: Diagrammdaten): Legendeneintrag[] {
    return d.reihen.map((r) => r.art === "band"
        ? { name: r.name, farbe: css(r.farbe), rand: css(r.rand) }
        : { name: r.name, farbe: css(r.farbe) });
}

/** Cycles and players to CSS pixels inside the plot area. */
class Abbildung {
    constructor(
        readonly links: number, readonly oben: number, readonly breite: number, readonly hoehe: number,
        private readonly d: Diagrammdaten) {}
    x(zyklus: number): number {
        return this.links + ((zyklus - this.d.x.von) / (this.d.x.bis - this.d.x.von)) * this.breite;
    }
    y(spieler: number): number {
        return this.oben + this.hoehe - ((spieler - this.d.y.von) / (this.d.y.bis - this.d.y.von)) * this.hoehe;
    }
}

export class Auswertungsdiagramm {
    readonly element: HTMLCanvasElement;
    private stand: Diagrammdaten | null = null;
    /** The canvas's size in device pixels, as the browser reports it. */
    private geraetePixel: { breite: number; hoehe: number } | null = null;

    constructor() {
        this.element = document.createElement("canvas");
        this.element.className = "auswertungsdiagramm";
        this.element.setAttribute("role", "img");
        const beobachter = new ResizeObserver((eintraege) => this.groesseGeaendert(eintraege));
        try {
            beobachter.observe(this.element, { box: "device-pixel-content-box" });
        } catch {
            // An engine without device-pixel boxes (Safari's) reports the
            // CSS box; the device pixels then come from it and the ratio.
            beobachter.observe(this.element);
        }
    }

    zeigen(d: Diagrammdaten): void {
        this.stand = d;
        this.element.setAttribute("aria-label", d.name);
        this.element.setAttribute("aria-description", d.beschreibung);
        this.zeichnen();
    }

    private groesseGeaendert(eintraege: ResizeObserverEntry[]): void {
        const groesse = eintraege[0]?.devicePixelContentBoxSize?.[0];
        this.geraetePixel = groesse ? { breite: groesse.inlineSize, hoehe: groesse.blockSize } : null;
        this.zeichnen();
    }

    /** Device pixels of the canvas: exact where the browser says, else from its box. */
    private pixelgroesse(): { breite: number; hoehe: number } {
        if (this.geraetePixel) return this.geraetePixel;
        const rahmen = this.element.getBoundingClientRect();
        return { breite: Math.round(rahmen.width * devicePixelRatio), hoehe: Math.round(rahmen.height * devicePixelRatio) };
    }

    private zeichnen(): void {
        const { breite, hoehe } = this.pixelgroesse();
        const cssBreite = this.element.clientWidth;
        if (!this.stand || breite === 0 || cssBreite === 0) return;
        if (this.element.width !== breite) this.element.width = breite;
        if (this.element.height !== hoehe) this.element.height = hoehe;
        const g = this.element.getContext("2d")!;
        const massstab = breite / cssBreite;
        g.setTransform(1, 0, 0, 1, 0, 0);
        g.fillStyle = "#ffffff";
        g.fillRect(0, 0, breite, hoehe);
        // From here on in CSS pixels: the one transform to device pixels.
        g.setTransform(massstab, 0, 0, massstab, 0, 0);
        g.font = schrift;
        this.inhaltZeichnen(g, cssBreite, hoehe / massstab, this.stand);
    }

    private inhaltZeichnen(g: CanvasRenderingContext2D, breite: number, hoehe: number, d: Diagrammdaten): void {
        const eintraege = legende(d);
        const legendenHoehe = this.legendeZeichnen(g, eintraege, breite, hoehe, false);
        const links = 14 + 8 + g.measureText(String(d.y.bis)).width + 8;
        const unten = 16 + 18 + 6 + legendenHoehe + 8;
        const abb = new Abbildung(links, 12, Math.max(10, breite - links - 16), Math.max(10, hoehe - 12 - unten), d);
        this.achsenZeichnen(g, abb, d);
        g.save();
        g.beginPath();
        g.rect(abb.links, abb.oben, abb.breite, abb.hoehe);
        g.clip();
        for (const reihe of d.reihen) {
            if (reihe.art === "balken") this.balkenZeichnen(g, abb, reihe.werte, reihe.balkenbreite / 2, css(reihe.farbe));
            else if (reihe.art === "band") this.bandZeichnen(g, abb, reihe.unten, reihe.oben, reihe.randbreite,
                css(reihe.farbe), css(reihe.rand));
            else this.kurveZeichnen(g, abb, reihe.punkte, reihe.linienbreite, css(reihe.farbe));
        }
        g.restore();
        this.legendeZeichnen(g, eintraege, breite, hoehe, true);
    }

    private achsenZeichnen(g: CanvasRenderingContext2D, abb: Abbildung, d: Diagrammdaten): void {
        g.lineWidth = 1;
        g.fillStyle = "#000000";
        g.textAlign = "right";
        g.textBaseline = "middle";
        const yAbstand = (d.y.bis - d.y.von) / (d.y.marken - 1);
        for (let spieler = d.y.von; spieler <= d.y.bis; spieler += yAbstand) {
            this.linie(g, abb.links, abb.y(spieler), abb.links + abb.breite, abb.y(spieler), gitterFarbe);
            g.fillText(String(spieler), abb.links - 6, abb.y(spieler));
        }
        g.textAlign = "center";
        g.textBaseline = "top";
        for (let n = 0; n <= d.x.bis; n += d.x.schritt) {
            this.linie(g, abb.x(n), abb.oben, abb.x(n), abb.oben + abb.hoehe, gitterFarbe);
            g.fillText(String(n), abb.x(n), abb.oben + abb.hoehe + 4);
        }
        g.fillText(d.x.titel, abb.links + abb.breite / 2, abb.oben + abb.hoehe + 22);
        g.save();
        g.translate(8, abb.oben + abb.hoehe / 2);
        g.rotate(-Math.PI / 2);
        g.fillText(d.y.titel, 0, 0);
        g.restore();
    }

    private linie(g: CanvasRenderingContext2D, x1: number, y1: number, x2: number, y2: number, farbe: string): void {
        g.strokeStyle = farbe;
        g.beginPath();
        g.moveTo(x1, y1);
        g.lineTo(x2, y2);
        g.stroke();
    }

    private balkenZeichnen(g: CanvasRenderingContext2D, abb: Abbildung, anzahlen: number[], halbeBreite: number,
        farbe: string): void {
        g.fillStyle = farbe;
        anzahlen.forEach((anzahl, n) => {
            const x = abb.x(n - halbeBreite);
            g.fillRect(x, abb.y(anzahl), abb.x(n + halbeBreite) - x, abb.y(0) - abb.y(anzahl));
        });
    }

    /** Along the points, leaving out those without a number (where the model broke off). */
    private pfad(g: CanvasRenderingContext2D, abb: Abbildung, punkte: Punkt[]): void {
        for (const [n, wert] of punkte) {
            // The first lineTo of a path only moves there.
            if (wert !== null) g.lineTo(abb.x(n), abb.y(wert));
        }
    }

    private kurveZeichnen(g: CanvasRenderingContext2D, abb: Abbildung, punkte: Punkt[], breite: number,
        farbe: string): void {
        g.strokeStyle = farbe;
        g.lineWidth = breite;
        g.lineJoin = "round";
        g.beginPath();
        this.pfad(g, abb, punkte);
        g.stroke();
    }

    private bandZeichnen(g: CanvasRenderingContext2D, abb: Abbildung, unten: Punkt[], oben: Punkt[],
        randbreite: number, farbe: string, rand: string): void {
        g.beginPath();
        this.pfad(g, abb, oben);
        this.pfad(g, abb, [...unten].reverse());
        g.closePath();
        g.fillStyle = farbe;
        g.fill();
        g.strokeStyle = rand;
        g.lineWidth = randbreite;
        g.stroke();
    }

    /**
     * The legend below the plot, centred, in as many rows as it needs.
     * Measures only unless `malen`; returns its height.
     */
    private legendeZeichnen(g: CanvasRenderingContext2D, eintraege: Legendeneintrag[], breite: number,
        hoehe: number, malen: boolean): number {
        const marke = 12;
        const abstand = 18;
        const zeilenHoehe = 18;
        const breiten = eintraege.map((e) => marke + 6 + g.measureText(e.name).width);
        const reihen: number[][] = [[]];
        let belegt = 0;
        breiten.forEach((b, i) => {
            const reihe = reihen[reihen.length - 1]!;
            if (reihe.length > 0 && belegt + abstand + b > breite - 16) {
                reihen.push([i]);
                belegt = b;
            } else {
                belegt += (reihe.length > 0 ? abstand : 0) + b;
                reihe.push(i);
            }
        });
        if (malen) {
            g.textAlign = "left";
            g.textBaseline = "middle";
            reihen.forEach((reihe, r) => {
                const gesamt = reihe.reduce((s, i) => s + breiten[i]!, 0) + abstand * (reihe.length - 1);
                let x = (breite - gesamt) / 2;
                const y = hoehe - 6 - (reihen.length - r - 0.5) * zeilenHoehe;
                for (const i of reihe) {
                    const e = eintraege[i]!;
                    g.fillStyle = e.farbe;
                    g.fillRect(x, y - marke / 2, marke, marke);
                    g.strokeStyle = e.rand ?? e.farbe;
                    g.lineWidth = 1;
                    g.strokeRect(x + 0.5, y - marke / 2 + 0.5, marke - 1, marke - 1);
                    g.fillStyle = "#000000";
                    g.fillText(e.name, x + marke + 6, y);
                    x += breiten[i]! + abstand;
                }
            });
        }
        return reihen.length * zeilenHoehe;
    }
}
