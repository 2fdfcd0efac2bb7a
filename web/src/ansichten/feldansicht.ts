// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the 50 x 50 field on its surface: cell (c, r) is the unit square
// from (c, r) to (c + 1, r + 1) of the surface's user coordinates (0 to 50
// across and down).
import { Modell, Werbeversuch, Zelle, Zielzustand, feldGroesse } from "../modell/modell";
import { Zeichenflaeche } from "../zeichnen/zeichenflaeche";
import { rgb } from "../zeichnen/zeichenop";

const spielerFarbe = rgb(255, 0, 0);
const gitterFarbe = rgb(100, 100, 100);
const linienFarbe = rgb(0, 255, 255);
const kreisFarbe = rgb(255, 255, 0);
const spieltSchonFarbe = rgb(255, 255, 0);
const ersteWerbungFarbe = rgb(0, 0, 255);
const doppelwerbungFarbe = rgb(250, 250, 250);
const kreisRadius = 0.9;
const startSpielerGroesse = 0.9;

export const feldKoordinaten = { links: 0, oben: 0, rechts: feldGroesse, unten: feldGroesse };

export class Feldansicht {
    constructor(private readonly flaeche: Zeichenflaeche) {}

    /** Clears the field and outlines every cell in grey. */
    feldgitterZeichnen(): void {
        this.flaeche.loeschen();
        this.gitter();
    }

    /** Start players as red boxes of 0.9 cells, leaving the right and lower grid lines visible. */
    startSpielerZeichnen(zellen: Zelle[]): void {
        for (const z of zellen)
            this.flaeche.gefuellt(z.x, z.y, z.x + startSpielerGroesse, z.y + startSpielerGroesse, spielerFarbe);
    }

    /** One recruitment attempt: line, circle and the target's square. */
    zielVersuchZeichnen(v: Werbeversuch): void {
        const x = v.ziel.x, y = v.ziel.y;
        const f = this.flaeche;
        f.stiftbreite(1);
        f.linie(v.werber.x + 0.5, v.werber.y + 0.5, x + 0.5, y + 0.5, linienFarbe);
        f.kreis(x + 0.5, y + 0.5, kreisRadius, kreisFarbe);
        // The size in single precision, as the attempt was made with it.
        const s = Math.fround(v.quadratgroesse);
        switch (v.zustand) {
            case Zielzustand.spieltSchon: return f.gefuellt(x, y, x + 1, y + 1, spieltSchonFarbe);
            case Zielzustand.ersteWerbung: return f.gefuellt(x, y, x + s, y + s, ersteWerbungFarbe);
            case Zielzustand.doppelwerbung: return f.gefuellt(x, y, x + s, y + s, doppelwerbungFarbe);
        }
    }

    /** The field after a commit: every player a red cell, all grid lines again. */
    ergebnisZeichnen(modell: Modell): void {
        // Each cell's outline follows its red square on the desktop, so in
        // the end every grid line shows over the red: the same picture as
        // the grid drawn last.
        for (let i = 0; i < feldGroesse; ++i)
            for (let j = 0; j < feldGroesse; ++j)
                if (modell.feldBesetzt(i, j) === 1) this.flaeche.gefuellt(i, j, i + 1, j + 1, spielerFarbe);
        this.gitter();
    }

    /** Tells screen readers how many individuals play. */
    beschreiben(modell: Modell): void {
        this.flaeche.element.setAttribute("aria-description",
            `${modell.spielendeZellen()} von ${feldGroesse * feldGroesse} Individuen spielen mit`);
    }

    // The outlines of all 2500 cells are exactly the 51 + 51 lines between
    // them: the same pixels, a fiftieth of the drawing.
    private gitter(): void {
        const n = feldGroesse;
        this.flaeche.stiftbreite(1);
        for (let i = 0; i <= n; ++i) {
            this.flaeche.linie(i, 0, i, n, gitterFarbe);
            this.flaeche.linie(0, i, n, i, gitterFarbe);
        }
    }
}
