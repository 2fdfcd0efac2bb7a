// SPDX-License-Identifier: GPL-3.0-or-later
// The one-page A4 worksheet, printed through the browser's print dialogue:
// the print style sheet hides the page and shows this section alone. Its
// content and measures are the desktop's (the game layer's worksheet data):
// the title and a line for the name, the date with A(0), p and t, the
// result sentences, the plot as vectors, as many rows of the table as fit
// with a note on the rest, and "Meine Beobachtungen" at the bottom.
import { Auswertungsbruecke, Darstellung } from "../modell/auswertungsbruecke";

function teil(art: string, klasse: string, text = ""): HTMLElement {
    const neu = document.createElement(art);
    neu.className = klasse;
    neu.textContent = text;
    return neu;
}

export class Blattdruck {
    private readonly element = teil("section", "");

    constructor(private readonly bruecke: Auswertungsbruecke, private readonly darstellung: () => Darstellung) {
        this.element.id = "arbeitsblatt";
        document.body.append(this.element);
        // The paper's margins are the worksheet's own.
        document.styleSheets[0]?.insertRule(`@page { size: A4 portrait; margin: ${bruecke.arbeitsblatt("").randMm}mm; }`);
        // The browser's own menu prints the worksheet as well.
        window.addEventListener("beforeprint", () => this.fuellen());
    }

    drucken(): void {
        this.fuellen();
        window.print();
    }

    /** Lays the worksheet out for the run as it stands. */
    fuellen(): void {
        const d = this.darstellung();
        const datum = new Date().toLocaleDateString("de-DE", { day: "numeric", month: "long", year: "numeric" });
        const b = this.bruecke.arbeitsblatt(datum);
        const stil = this.element.style;
        for (const [name, wert] of Object.entries({ rand: b.randMm, abstand: b.abstandMm, diagramm: b.diagrammHoeheMm,
            zeile: b.zeilenabstandMm, breite: 210 - 2 * b.randMm, hoehe: 297 - 2 * b.randMm })) stil.setProperty(`--${name}`, `${wert}mm`);
        for (const [name, wert] of Object.entries(b.punkte)) stil.setProperty(`--${name}`, `${wert}pt`);
        const kopf = teil("div", "blattKopf");
        kopf.append(teil("h1", "blattTitel", b.titel), teil("span", "", b.namenszeile));
        const diagramm = teil("div", "blattDiagramm");
        const [breite, hoehe] = [(210 - 2 * b.randMm) * b.diagrammPixelProMm, b.diagrammHoeheMm * b.diagrammPixelProMm];
        diagramm.append(new DOMParser().parseFromString(this.bruecke.arbeitsblattDiagramm(breite, hoehe), "image/svg+xml").documentElement);
        const platz = teil("div", "blattTabelle");
        platz.append(this.tabelle(d));
        const beobachtungen = teil("div", "blattBeobachtungen");
        beobachtungen.append(teil("h2", "", b.beobachtungen),
            ...Array.from({ length: b.beobachtungsZeilen }, () => teil("div", "blattLinie")));
        this.element.replaceChildren(kopf, teil("p", "", b.kopfzeile), teil("p", "", d.absaetze.join("\n\n")), diagramm,
            platz, beobachtungen);
        this.zeilenKuerzen(platz, d.tabelle.zeilen.length);
    }

    private tabelle(d: Darstellung): HTMLTableElement {
        const tabelle = document.createElement("table");
        const zeile = (zellen: string[], art: "th" | "td"): HTMLTableRowElement => {
            const reihe = tabelle.insertRow();
            for (const text of zellen) reihe.append(teil(art, "", text));
            return reihe;
        };
        zeile(d.tabelle.kopf, "th");
        for (const zellen of d.tabelle.zeilen) zeile(zellen, "td");
        // The cycle's column is half as wide as the others.
        tabelle.style.setProperty("--spalten", String(d.tabelle.kopf.length - 0.5));
        return tabelle;
    }

    // As many rows as fit above the observations; a note says which cycles are left out.
    private zeilenKuerzen(platz: HTMLElement, zyklen: number): void {
        this.element.classList.add("messen");
        const reihen = platz.querySelector("table")!.rows;
        const hinweis = teil("p", "blattHinweis");
        const passt = (): boolean => platz.scrollHeight <= platz.clientHeight;
        if (!passt()) platz.append(hinweis);
        while (!passt() && reihen.length > 1) {
            reihen[reihen.length - 1]!.remove();
            hinweis.textContent = this.bruecke.weggelassen(reihen.length - 1, zyklen);
        }
        this.element.classList.remove("messen");
    }
}
