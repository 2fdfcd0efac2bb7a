// SPDX-License-Identifier: GPL-3.0-or-later
// The run cycle by cycle, one row per cycle n = 0 .. the last stored one:
// n, A(n), the change ΔA, the Verhulst values for the current and for the
// best-fitting t, and after many games their mean and 10 % and 90 %
// quantiles (up to the cycles they were played over). Numbers as a German
// reader writes them. A cycle committed without a pass is marked.
import { LaufAuswertung } from "../modell/modell";
import { deutscheZahl, deutscheZahlKurz } from "./deutschezahl";

/** What the mark of a cycle without a pass means. */
export const ohneZielsucheHinweis = "„Ergebnis“ ohne „Zielsuche“: In diesem Zyklus konnte niemand dazukommen.";

// A value of a curve for cycle n, or nothing where the curve ends (or the
// model had no finite number for it).
function wertOderLeer(werte: ReadonlyArray<number | null>, n: number, nachkommastellen: number): string {
    const wert = werte[n];
    return wert === undefined || wert === null ? "" : deutscheZahl(wert, nachkommastellen);
}

function koepfe(a: LaufAuswertung): string[] {
    const kopf = ["n", "A(n)", "ΔA", `Verhulst, t = ${deutscheZahlKurz(a.t, 6)}`,
        a.beste.gefunden ? `Verhulst, t = ${deutscheZahlKurz(a.beste.t, 3)}` : "Verhulst, bestes t"];
    // Many games stop at their last cycle; the rows below stay empty.
    if (a.ensemble) {
        kopf.push(`Mittel von ${a.ensemble.spiele} Spielen (bis Zyklus ${a.ensemble.zyklen})`,
            "10-%-Quantil", "90-%-Quantil");
    }
    return kopf;
}

function zeile(a: LaufAuswertung, n: number): string[] {
    const anzahl = a.anzahlen[n]!;
    const zellen = [String(n), deutscheZahl(anzahl, 0), n === 0 ? "" : deutscheZahl(anzahl - a.anzahlen[n - 1]!, 0),
        wertOderLeer(a.verhulstAktuell, n, 1), wertOderLeer(a.verhulstBeste, n, 1)];
    if (a.ensemble) {
        zellen.push(wertOderLeer(a.ensemble.mittel, n, 1), wertOderLeer(a.ensemble.quantil10, n, 1),
            wertOderLeer(a.ensemble.quantil90, n, 1));
    }
    return zellen;
}

/** The header and then every row, each cell as the table shows it. */
export function tabellenzeilen(a: LaufAuswertung): string[][] {
    return [koepfe(a), ...a.anzahlen.map((_, n) => zeile(a, n))];
}

/** The whole table as tab-separated lines with a header line, for the clipboard and a German spreadsheet. */
export function alsText(zeilen: string[][]): string {
    return zeilen.map((zellen) => zellen.join("\t")).join("\n") + "\n";
}

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
export class Auswertungstabelle {
    readonly element: HTMLTableElement;
    private readonly kopfreihe: HTMLTableRowElement;
    private readonly koerper: HTMLTableSectionElement;
    private zeilen: string[][] = [];

    constructor() {
        this.element = document.createElement("table");
        this.element.className = "auswertungstabelle";
        this.element.setAttribute("aria-label", "Tabelle der Zyklen");
        this.kopfreihe = this.element.createTHead().insertRow();
        this.koerper = this.element.createTBody();
    }

    setzen(a: LaufAuswertung): void {
        this.zeilen = tabellenzeilen(a);
        const [kopf, ...reihen] = this.zeilen;
        reiheSetzen(this.kopfreihe, kopf!, "th");
        while (this.koerper.rows.length > reihen.length) this.koerper.lastElementChild!.remove();
        const markiert = new Set(a.ohneZielsuche);
        reihen.forEach((zellen, n) => {
            const reihe = this.koerper.rows[n] ?? this.koerper.insertRow();
            reiheSetzen(reihe, zellen, "td");
            this.markieren(reihe, markiert.has(n));
        });
    }

    private markieren(reihe: HTMLTableRowElement, ohneZielsuche: boolean): void {
        if (reihe.classList.contains("ohneZielsuche") === ohneZielsuche) return;
        reihe.classList.toggle("ohneZielsuche", ohneZielsuche);
        if (ohneZielsuche) {
            reihe.title = ohneZielsucheHinweis;
            reihe.setAttribute("aria-description", ohneZielsucheHinweis);
        } else {
            reihe.removeAttribute("title");
            reihe.removeAttribute("aria-description");
        }
    }

    /** The table as the clipboard takes it. */
    alsText(): string {
        return alsText(this.zeilen);
    }
}
