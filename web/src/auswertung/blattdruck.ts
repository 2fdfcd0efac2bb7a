// SPDX-License-Identifier: GPL-3.0-or-later
// The one-page A4 worksheet, printed through the browser's print dialogue:
// the print style sheet hides the page and shows this section alone. The
// game layer writes its content and measures as the desktop lays it out;
// the page only keeps as many rows of the table as fit, which only the
// browser's own font engine can tell.
import { Auswertungsbruecke } from "../modell/auswertungsbruecke";

export class Blattdruck {
    private readonly element = document.createElement("section");

    constructor(private readonly bruecke: Auswertungsbruecke) {
        this.element.id = "arbeitsblatt";
        document.body.append(this.element);
        document.styleSheets[0]?.insertRule(bruecke.arbeitsblattPapier());
        // The browser's own menu prints the worksheet as well.
        window.addEventListener("beforeprint", () => this.fuellen());
    }

    drucken(): void {
        this.fuellen();
        window.print();
    }

    /** Lays the worksheet out for the run as it stands. */
    fuellen(): void {
        const datum = new Date().toLocaleDateString("de-DE", { day: "numeric", month: "long", year: "numeric" });
        const blatt = this.bruecke.arbeitsblatt(datum);
        this.element.innerHTML = blatt.html;
        for (const [name, wert] of Object.entries(blatt.masse)) this.element.style.setProperty(`--${name}`, wert);
        this.zeilenKuerzen(blatt.zyklen);
    }

    // As many rows as fit above the observations; a note says which cycles are left out.
    private zeilenKuerzen(zyklen: number): void {
        this.element.classList.add("messen");
        const platz = this.element.querySelector<HTMLElement>(".blattTabelle")!;
        const reihen = platz.querySelector("table")!.rows;
        const hinweis = document.createElement("p");
        hinweis.className = "blattHinweis";
        const passt = (): boolean => platz.scrollHeight <= platz.clientHeight;
        if (!passt()) platz.append(hinweis);
        while (!passt() && reihen.length > 1) {
            reihen[reihen.length - 1]!.remove();
            hinweis.textContent = this.bruecke.weggelassen(reihen.length - 1, zyklen);
        }
        this.element.classList.remove("messen");
    }
}
