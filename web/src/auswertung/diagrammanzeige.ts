// SPDX-License-Identifier: GPL-3.0-or-later
// The whole run from cycle 0 to now, as the game layer draws it: an SVG
// picture at the plot's size in CSS pixels, which the page's zoom scales
// sharply. A change of size asks for the picture anew; screen readers get
// what the plot shows as its description.
import { Auswertungsbruecke, Diagrammdaten } from "../modell/auswertungsbruecke";

export class Diagrammanzeige {
    private gezeigt = false;

    constructor(private readonly element: HTMLElement, private readonly bruecke: Auswertungsbruecke) {
        new ResizeObserver(() => this.zeichnen()).observe(this.element);
    }

    /** Shows the plot of the run that the bridge evaluated last. */
    zeigen(d: Diagrammdaten): void {
        this.gezeigt = true;
        this.element.setAttribute("aria-label", d.name);
        this.element.setAttribute("aria-description", d.beschreibung);
        this.zeichnen();
    }

    /** The picture as SVG text at its size on the page. */
    svg(): string {
        return this.bruecke.diagramm(this.element.clientWidth, this.element.clientHeight);
    }

    private zeichnen(): void {
        if (!this.gezeigt || this.element.clientWidth === 0) return;
        const bild = new DOMParser().parseFromString(this.svg(), "image/svg+xml").documentElement;
        this.element.replaceChildren(document.importNode(bild, true));
    }
}
