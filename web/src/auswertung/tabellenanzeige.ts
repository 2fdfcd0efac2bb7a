// SPDX-License-Identifier: GPL-3.0-or-later
// The run cycle by cycle, as the game layer writes its rows (header, cells,
// the cycles without a pass and what their mark means).
import { css, Tabellendaten } from "../modell/auswertungsbruecke";

function textSetzen(element: HTMLElement, text: string): void {
    if (element.textContent !== text) element.textContent = text;
}

/** Fills `reihe` with `zellen` cells of `art`, changing only what differs. */
function reiheSetzen(reihe: HTMLTableRowElement, zellen: string[], art: "td" | "th"): void {
    while (reihe.cells.length > zellen.length) reihe.lastElementChild!.remove();
    while (reihe.cells.length < zellen.length) reihe.append(document.createElement(art));
    zellen.forEach((text, i) => textSetzen(reihe.cells[i]!, text));
}

/**
 * The table in the page. A run that grew keeps its rows and gets the new
 * ones; only cells whose text changed are written, so following a long
 * game costs little.
 */
export class Tabellenanzeige {
    private readonly kopfreihe: HTMLTableRowElement;
    private readonly koerper: HTMLTableSectionElement;
    private text = "";

    /** `element` as the page has it, with a head row and an empty body. */
    constructor(readonly element: HTMLTableElement) {
        this.kopfreihe = element.tHead!.rows[0]!;
        this.koerper = element.tBodies[0]!;
    }

    setzen(tabelle: Tabellendaten): void {
        this.text = tabelle.text;
        this.element.style.setProperty("--markierung", css(tabelle.markierung));
        reiheSetzen(this.kopfreihe, tabelle.kopf, "th");
        while (this.koerper.rows.length > tabelle.zeilen.length) this.koerper.lastElementChild!.remove();
        const markiert = new Set(tabelle.ohneZielsuche);
        tabelle.zeilen.forEach((zellen, n) => {
            const reihe = this.koerper.rows[n] ?? this.koerper.insertRow();
            reiheSetzen(reihe, zellen, "td");
            this.markieren(reihe, markiert.has(n) ? tabelle.hinweis : null);
        });
    }

    private markieren(reihe: HTMLTableRowElement, hinweis: string | null): void {
        if (reihe.getAttribute("title") === hinweis) return;
        reihe.classList.toggle("ohneZielsuche", hinweis !== null);
        if (hinweis !== null) {
            reihe.title = hinweis;
            reihe.setAttribute("aria-description", hinweis);
        } else {
            reihe.removeAttribute("title");
            reihe.removeAttribute("aria-description");
        }
    }

    /** The table as the clipboard takes it. */
    alsText(): string {
        return this.text;
    }
}
