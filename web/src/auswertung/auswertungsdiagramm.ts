// SPDX-License-Identifier: GPL-3.0-or-later
// The whole run from cycle 0 to now, as on the desktop: the game's counts as
// bars, the Verhulst curves of the current and of the best-fitting t as
// lines, and after many games their mean with the band from the 10 % to the
// 90 % quantile, in front of the bars. The legend names each curve with its
// t; screen readers get what the plot shows as its description.
//
// Drawn on a canvas whose pixels are the device's (devicePixelRatio and
// the page's zoom included), through one transform from cycles and players
// to pixels. The run shown is kept, so any change of size or zoom draws it
// anew, crisply.
import { feldGroesse, LaufAuswertung } from "../modell/modell";
import { deutscheZahl, deutscheZahlKurz } from "./deutschezahl";

const balkenFarbe = "rgb(200, 20, 20)";
const aktuellFarbe = "rgb(15, 15, 200)";
const besteFarbe = "rgb(0, 150, 60)";
const mittelFarbe = "rgb(230, 120, 0)";
// Violet, translucent: in front of the red bars, which show through it, and
// still plain on a projector.
const bandFarbe = "rgba(140, 60, 200, 0.353)";
const bandRandFarbe = "rgb(110, 40, 170)";
const gitterFarbe = "rgb(220, 220, 220)";
const schrift = '12px "Liberation Sans", sans-serif';
const zellenAnzahl = feldGroesse * feldGroesse;

/** One entry of the legend: its colour and whether it is a filled area. */
interface Legendeneintrag {
    name: string;
    farbe: string;
    rand?: string;
}

// A curve's values up to the top of the chart: a value far beyond 2500
// players would only squash the picture.
function gekappt(wert: number): number {
    return Math.min(Math.max(wert, -zellenAnzahl), 2 * zellenAnzahl);
}

// A step between the labelled cycles that gives at most about 12 labels.
function zyklenSchritt(letzterZyklus: number): number {
    return [1, 2, 5, 10, 20, 50, 100, 200, 500].find((schritt) => letzterZyklus / schritt <= 12) ?? 1000;
}

/** Cycles and players to CSS pixels inside the plot area. */
class Abbildung {
    constructor(
        readonly links: number, readonly oben: number, readonly breite: number, readonly hoehe: number,
        private readonly xVon: number, private readonly xBis: number) {}
    x(zyklus: number): number {
        return this.links + ((zyklus - this.xVon) / (this.xBis - this.xVon)) * this.breite;
    }
    y(spieler: number): number {
        return this.oben + this.hoehe - (spieler / zellenAnzahl) * this.hoehe;
    }
}

export function diagrammBeschreibung(a: LaufAuswertung): string {
    const letzter = a.anzahlen.length - 1;
    let text = `Zyklus 0 bis ${letzter}. Rote Balken: das Spiel, von A(0) = ${deutscheZahl(a.anzahlen[0]!, 0)} ` +
        `bis A(${letzter}) = ${deutscheZahl(a.anzahlen[letzter]!, 0)} Mitspieler. ` +
        `Blaue Linie: Verhulst mit t = ${deutscheZahlKurz(a.t, 6)}.`;
    if (a.beste.gefunden) text += ` Grüne Linie: Verhulst mit dem besten t = ${deutscheZahl(a.beste.t, 3)}.`;
    if (a.ensemble) {
        text += ` Orange Linie und violettes Band: Mittelwert von ${a.ensemble.spiele} Spielen und der Bereich, ` +
            "in dem 8 von 10 von ihnen lagen.";
    }
    return text;
}

function legende(a: LaufAuswertung): Legendeneintrag[] {
    const eintraege: Legendeneintrag[] = [{ name: "Spiel A(n)", farbe: balkenFarbe }];
    if (a.ensemble) {
        eintraege.push({ name: `Band: 8 von 10 der ${a.ensemble.spiele} Spiele lagen darin`, farbe: bandFarbe,
            rand: bandRandFarbe }, { name: `Mittelwert der ${a.ensemble.spiele} Spiele`, farbe: mittelFarbe });
    }
    eintraege.push({ name: `Verhulst, t = ${deutscheZahlKurz(a.t, 6)}`, farbe: aktuellFarbe });
    if (a.beste.gefunden) {
        eintraege.push({ name: `Verhulst, t = ${deutscheZahlKurz(a.beste.t, 3)} (am besten)`, farbe: besteFarbe });
    }
    return eintraege;
}

export class Auswertungsdiagramm {
    readonly element: HTMLCanvasElement;
    private stand: LaufAuswertung | null = null;
    /** The canvas's size in device pixels, as the browser reports it. */
    private geraetePixel: { breite: number; hoehe: number } | null = null;

    constructor() {
        this.element = document.createElement("canvas");
        this.element.className = "auswertungsdiagramm";
        this.element.setAttribute("role", "img");
        this.element.setAttribute("aria-label", "Diagramm des Spiels und der Verhulst-Kurven");
        new ResizeObserver((eintraege) => this.groesseGeaendert(eintraege)).observe(this.element,
            { box: "device-pixel-content-box" });
    }

    zeigen(a: LaufAuswertung): void {
        this.stand = a;
        this.element.setAttribute("aria-description", diagrammBeschreibung(a));
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

    private inhaltZeichnen(g: CanvasRenderingContext2D, breite: number, hoehe: number, a: LaufAuswertung): void {
        const eintraege = legende(a);
        const legendenHoehe = this.legendeZeichnen(g, eintraege, breite, hoehe, false);
        const letzter = a.anzahlen.length - 1;
        const links = 14 + 8 + g.measureText(String(zellenAnzahl)).width + 8;
        const unten = 16 + 18 + 6 + legendenHoehe + 8;
        const abb = new Abbildung(links, 12, Math.max(10, breite - links - 16), Math.max(10, hoehe - 12 - unten),
            -0.5, Math.max(1, letzter) + 0.5);
        this.achsenZeichnen(g, abb, letzter);
        g.save();
        g.beginPath();
        g.rect(abb.links, abb.oben, abb.breite, abb.hoehe);
        g.clip();
        this.balkenZeichnen(g, abb, a.anzahlen);
        // Drawn after the bars, so in front of them.
        if (a.ensemble) {
            this.bandZeichnen(g, abb, a.ensemble.quantil10, a.ensemble.quantil90);
            this.kurveZeichnen(g, abb, a.ensemble.mittel, mittelFarbe);
        }
        this.kurveZeichnen(g, abb, a.verhulstAktuell, aktuellFarbe);
        if (a.beste.gefunden) this.kurveZeichnen(g, abb, a.verhulstBeste, besteFarbe);
        g.restore();
        this.legendeZeichnen(g, eintraege, breite, hoehe, true);
    }

    private achsenZeichnen(g: CanvasRenderingContext2D, abb: Abbildung, letzter: number): void {
        g.lineWidth = 1;
        g.fillStyle = "#000000";
        g.textAlign = "right";
        g.textBaseline = "middle";
        for (let spieler = 0; spieler <= zellenAnzahl; spieler += zellenAnzahl / 5) {
            this.linie(g, abb.links, abb.y(spieler), abb.links + abb.breite, abb.y(spieler), gitterFarbe);
            g.fillText(String(spieler), abb.links - 6, abb.y(spieler));
        }
        g.textAlign = "center";
        g.textBaseline = "top";
        const schritt = zyklenSchritt(letzter);
        for (let n = 0; n <= Math.max(1, letzter); n += schritt) {
            this.linie(g, abb.x(n), abb.oben, abb.x(n), abb.oben + abb.hoehe, gitterFarbe);
            g.fillText(String(n), abb.x(n), abb.oben + abb.hoehe + 4);
        }
        g.fillText("Zyklus n", abb.links + abb.breite / 2, abb.oben + abb.hoehe + 22);
        g.save();
        g.translate(8, abb.oben + abb.hoehe / 2);
        g.rotate(-Math.PI / 2);
        g.fillText("Mitspieler A(n)", 0, 0);
        g.restore();
    }

    private linie(g: CanvasRenderingContext2D, x1: number, y1: number, x2: number, y2: number, farbe: string): void {
        g.strokeStyle = farbe;
        g.beginPath();
        g.moveTo(x1, y1);
        g.lineTo(x2, y2);
        g.stroke();
    }

    private balkenZeichnen(g: CanvasRenderingContext2D, abb: Abbildung, anzahlen: number[]): void {
        g.fillStyle = balkenFarbe;
        const halbeBreite = 0.3;
        anzahlen.forEach((anzahl, n) => {
            const x = abb.x(n - halbeBreite);
            g.fillRect(x, abb.y(anzahl), abb.x(n + halbeBreite) - x, abb.y(0) - abb.y(anzahl));
        });
    }

    /** The points of a curve up to where it ends (the model leaves no number where it broke off). */
    private pfad(g: CanvasRenderingContext2D, abb: Abbildung, werte: ReadonlyArray<number | null>): void {
        g.beginPath();
        werte.forEach((wert, n) => {
            if (wert === null) return;
            // The first lineTo of a path only moves there.
            g.lineTo(abb.x(n), abb.y(gekappt(wert)));
        });
    }

    private kurveZeichnen(g: CanvasRenderingContext2D, abb: Abbildung, werte: ReadonlyArray<number | null>,
        farbe: string): void {
        g.strokeStyle = farbe;
        g.lineWidth = 2.5;
        g.lineJoin = "round";
        this.pfad(g, abb, werte);
        g.stroke();
    }

    private bandZeichnen(g: CanvasRenderingContext2D, abb: Abbildung, unten: number[], oben: number[]): void {
        g.beginPath();
        oben.forEach((wert, n) => g.lineTo(abb.x(n), abb.y(wert)));
        for (let n = unten.length - 1; n >= 0; --n) g.lineTo(abb.x(n), abb.y(unten[n]!));
        g.closePath();
        g.fillStyle = bandFarbe;
        g.fill();
        g.strokeStyle = bandRandFarbe;
        g.lineWidth = 2;
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
