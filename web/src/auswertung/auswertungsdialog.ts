// SPDX-License-Identifier: GPL-3.0-or-later
// "Auswertung – Kettenbrief": a second window in the page that answers the
// lesson's question, which t fits the game best. It shows the best t and
// how well it and the current t fit, the run as a table and a plot, takes
// the best t over into the main window, plays many games for comparison
// and copies table and plot. It follows the game by itself and changes
// nothing of it but its t, through Spielzugang. Every number and text comes
// from the model's evaluation of the run, written by the game layer as the
// desktop writes it; this window only shows it.
import { Programmende } from "../fenster/programmende";
import { Auswertungsbruecke, Fensterdaten } from "../modell/auswertungsbruecke";
import { EnsembleGrenzen } from "../modell/modell";
import { Diagrammanzeige } from "./diagrammanzeige";
import { Tabellenanzeige } from "./tabellenanzeige";
import { Fensterrahmen } from "./fensterrahmen";
import { Fortschrittsbalken } from "./fortschrittsbalken";
import { Spielzugang } from "./spielzugang";
import { Arbeiterauftrag } from "./arbeiterauftrag";
import { Blattdruck } from "./blattdruck";
import { alsPng, herunterladen } from "./dateien";
import { bildKopieren, textKopieren } from "./zwischenablage";

function knopf(text: string, id: string, handlung: () => void): HTMLButtonElement {
    const neu = document.createElement("button");
    neu.type = "button";
    neu.id = id;
    neu.textContent = text;
    neu.addEventListener("click", handlung);
    return neu;
}

function leiste(...kinder: HTMLElement[]): HTMLElement {
    const reihe = document.createElement("div");
    reihe.className = "auswertungLeiste";
    reihe.append(...kinder);
    return reihe;
}

export class Auswertungsdialog {
    private readonly rahmen: Fensterrahmen;
    private readonly bruecke: Auswertungsbruecke;
    private readonly grenzen: EnsembleGrenzen;
    private readonly ergebnis = document.createElement("section");
    private readonly uebernehmen: HTMLButtonElement;
    private readonly anzahlSpiele = document.createElement("input");
    private readonly starten: HTMLButtonElement;
    private readonly abbrechen: HTMLButtonElement;
    private readonly daten: Fensterdaten;
    private readonly fortschritt: Fortschrittsbalken;
    private readonly diagramm: Diagrammanzeige;
    private readonly tabelle: Tabellenanzeige;
    private readonly tabellenrahmen = document.createElement("div");
    private readonly vieleSpiele: Arbeiterauftrag;
    private readonly arbeitsblatt: Blattdruck;
    private bestesT: number | null = null;
    private zeitgeber: number | null = null;
    private ersteAenderung = 0; // when the change came that the next update follows
    private fokusVorher: Element | null = null;

    constructor(private readonly spiel: Spielzugang, hauptfenster: HTMLElement, private readonly ende: Programmende) {
        this.bruecke = new Auswertungsbruecke(spiel.modell.modul);
        this.grenzen = spiel.modell.ensembleGrenzen();
        this.daten = this.bruecke.fensterdaten();
        const texte = this.daten.texte;
        this.fortschritt = new Fortschrittsbalken(texte.fortschritt);
        this.tabelle = new Tabellenanzeige(texte.tabelle);
        this.diagramm = new Diagrammanzeige(this.bruecke);
        this.arbeitsblatt = new Blattdruck(this.bruecke);
        this.rahmen = new Fensterrahmen(texte.titel, this.daten, hauptfenster, this.bruecke,
            () => this.schliessen());
        // The program's end closes the window and stops its many games.
        ende.beimProgrammende(() => this.schliessen());
        this.uebernehmen = knopf(texte.uebernehmen, "auswertungUebernehmen", () => this.bestesTUebernehmen());
        this.starten = knopf(texte.vieleSpiele, "auswertungVieleSpiele", () => this.vieleSpieleStarten());
        this.abbrechen = knopf(texte.abbrechen, "auswertungAbbrechen", () => this.vieleSpiele.abbrechen());
        this.vieleSpiele = new Arbeiterauftrag(spiel.modell, {
            fortschritt: (fertig, spiele) => this.fortschritt.setzen(fertig, spiele),
            fertig: () => {
                this.vieleSpieleBeendet();
                this.aktualisieren();
            },
            abgebrochen: (fertig, spiele) => {
                this.fortschritt.setzen(fertig, spiele);
                this.fortschritt.textSetzen(this.bruecke.vieleSpieleAbbruchtext(fertig, spiele));
                this.vieleSpieleBeendet();
            },
        });
        this.aufbauen();
        this.tastenEinrichten();
        document.body.append(this.rahmen.element);
        spiel.beiAenderung(() => this.spaeterAktualisieren());
    }

    private aufbauen(): void {
        this.ergebnis.className = "auswertungErgebnis";
        this.ergebnis.id = "auswertungErgebnis";
        const texte = this.daten.texte;
        this.ergebnis.setAttribute("aria-label", texte.ergebnis);
        const knoepfe = leiste(this.uebernehmen,
            knopf(texte.tabelleKopieren, "auswertungTabelleKopieren", () => void textKopieren(this.tabelle.alsText())),
            knopf(texte.diagrammKopieren, "auswertungDiagrammKopieren", () => void bildKopieren(this.diagramm.svg())),
            knopf(texte.programmstart, "auswertungProgrammstart", () => this.spiel.spielVomProgrammstart()));
        const teiler = document.createElement("div");
        teiler.className = "auswertungTeiler";
        this.tabellenrahmen.className = "auswertungTabellenrahmen";
        // The table takes the focus when the window opens, so its keys work at once.
        this.tabellenrahmen.tabIndex = 0;
        this.tabellenrahmen.append(this.tabelle.element);
        teiler.append(this.diagramm.element, this.tabellenrahmen);
        this.rahmen.inhalt.append(this.ergebnis, knoepfe, this.ablageLeiste(), this.vieleSpieleLeiste(), teiler);
    }

    // The plot's two kinds of file are offered as the desktop's file dialog
    // offers them, in a list that the button opens.
    private ablageLeiste(): HTMLElement {
        const { texte, dateien } = this.daten;
        const diagramm = document.createElement("select");
        diagramm.id = "auswertungDiagrammSpeichern";
        diagramm.append(new Option(texte.diagrammSpeichern, "", true, true),
            new Option(texte.svgDateityp, "svg"), new Option(texte.pngDateityp, "png"));
        diagramm.options[0]!.disabled = true;
        diagramm.addEventListener("change", () => {
            const art = diagramm.value;
            diagramm.selectedIndex = 0;
            void this.diagrammSpeichern(art === "png");
        });
        const tabelle = knopf(texte.tabelleSpeichern, "auswertungTabelleSpeichern", () =>
            herunterladen(dateien.tabelle, new Blob([this.bruecke.csv()], { type: "text/csv;charset=utf-8" })));
        const drucken = knopf(texte.arbeitsblattDrucken, "auswertungArbeitsblatt", () => this.arbeitsblatt.drucken());
        return leiste(drucken, diagramm, tabelle);
    }

    private async diagrammSpeichern(png: boolean): Promise<void> {
        const { breite, hoehe, pngFaktor, svg, png: pngName } = this.daten.dateien;
        const bild = this.bruecke.diagramm(breite, hoehe);
        const datei = png ? await alsPng(bild, pngFaktor) : new Blob([bild], { type: "image/svg+xml" });
        if (datei) herunterladen(png ? pngName : svg, datei);
    }

    private vieleSpieleLeiste(): HTMLElement {
        const n = this.anzahlSpiele;
        n.type = "number";
        n.id = "auswertungAnzahlSpiele";
        n.min = String(this.grenzen.mindestSpiele);
        n.max = String(this.grenzen.hoechstSpiele);
        n.step = "1";
        n.value = String(this.daten.vorgabeSpiele);
        n.setAttribute("aria-label", this.daten.texte.anzahlSpiele);
        n.addEventListener("change", () => this.anzahlBegrenzen());
        const einheit = document.createElement("span");
        einheit.textContent = this.daten.texte.spiele.trim();
        this.starten.title = this.bruecke.vieleSpieleHinweis();
        this.abbrechen.disabled = true;
        return leiste(n, einheit, this.starten, this.fortschritt.element, this.abbrechen);
    }

    /** N within its bounds, as a spin box keeps it; what is no number gives the last valid N. */
    private anzahlBegrenzen(): number {
        const { mindestSpiele, hoechstSpiele } = this.grenzen;
        const gelesen = Math.round(Number(this.anzahlSpiele.value));
        const n = Number.isFinite(gelesen) && this.anzahlSpiele.value.trim() !== ""
            ? Math.min(Math.max(gelesen, mindestSpiele), hoechstSpiele)
            : Number(this.anzahlSpiele.dataset["gueltig"] ?? this.daten.vorgabeSpiele);
        this.anzahlSpiele.value = String(n);
        this.anzahlSpiele.dataset["gueltig"] = String(n);
        return n;
    }

    private tastenEinrichten(): void {
        document.addEventListener("keydown", (e) => {
            if (e.ctrlKey && !e.altKey && !e.shiftKey && !e.metaKey && e.key.toLowerCase() === "t" && !this.ende.beendet()) {
                e.preventDefault();
                this.umschalten();
            }
        });
        // Esc closes the window, as it closes a dialogue, once no control
        // wanted the key for itself.
        this.rahmen.element.addEventListener("keydown", (e) => {
            if (e.key === "Escape" && !e.defaultPrevented && !e.ctrlKey && !e.altKey && !e.shiftKey) {
                e.preventDefault();
                this.schliessen();
            }
        });
        // Ctrl+C copies the table, unless text of the window is selected.
        this.rahmen.element.addEventListener("copy", (e) => {
            const auswahl = document.getSelection();
            if (auswahl && !auswahl.isCollapsed) return;
            e.clipboardData?.setData("text/plain", this.tabelle.alsText());
            e.preventDefault();
        });
    }

    /** Ctrl+T: shows the window in front, or closes it when it is shown. */
    umschalten(): void {
        if (this.rahmen.offen) {
            this.schliessen();
            return;
        }
        this.fokusVorher = document.activeElement;
        this.rahmen.oeffnen();
        this.aktualisieren();
        this.tabellenrahmen.focus();
    }

    /** Closing cancels many games still being played. */
    schliessen(): void {
        if (!this.rahmen.offen) return;
        this.vieleSpiele.abbrechen();
        this.rahmen.verbergen();
        if (this.fokusVorher instanceof HTMLElement) this.fokusVorher.focus();
    }

    private spaeterAktualisieren(): void {
        if (!this.rahmen.offen) return;
        if (this.zeitgeber === null) this.ersteAenderung = performance.now();
        if (performance.now() - this.ersteAenderung >= this.daten.hoechstensVerspaetetMs) return;
        if (this.zeitgeber !== null) clearTimeout(this.zeitgeber);
        this.zeitgeber = window.setTimeout(() => this.aktualisieren(), this.daten.aktualisierungsabstandMs);
    }

    private aktualisieren(): void {
        if (this.zeitgeber !== null) clearTimeout(this.zeitgeber);
        this.zeitgeber = null;
        const darstellung = this.bruecke.darstellung();
        this.bestesT = darstellung.bestesT;
        this.ergebnis.replaceChildren(...darstellung.absaetze.map((absatz) => {
            const p = document.createElement("p");
            p.textContent = absatz;
            return p;
        }));
        this.uebernehmen.disabled = darstellung.bestesT === null;
        this.tabelle.setzen(darstellung.tabelle);
        this.diagramm.zeigen(darstellung.diagramm);
    }

    private bestesTUebernehmen(): void {
        if (this.bestesT !== null) this.spiel.exponentUebernehmen(this.bestesT);
    }

    private vieleSpieleStarten(): void {
        const modell = this.spiel.modell;
        this.knopfTauschen(this.starten, this.abbrechen);
        this.fortschritt.textZuruecksetzen();
        this.vieleSpiele.starten({
            spiele: this.anzahlBegrenzen(),
            startSpieler: modell.startAnzahl(),
            p: this.spiel.wachstumsrate(),
            zyklen: modell.zyklus(),
        });
    }

    private vieleSpieleBeendet(): void {
        this.knopfTauschen(this.abbrechen, this.starten);
    }

    // A button that disables itself hands the focus to the one it enables,
    // as the desktop moves it on in its window: left to the page, the focus
    // would take Esc and the window's other keys away from this window.
    private knopfTauschen(aus: HTMLButtonElement, an: HTMLButtonElement): void {
        an.disabled = false;
        const hatteFokus = document.activeElement === aus;
        aus.disabled = true;
        if (hatteFokus) an.focus();
    }
}

/** Sets the evaluation up beside `hauptfenster`, hidden until Ctrl+T. */
export function auswertungEinrichten(spiel: Spielzugang, hauptfenster: HTMLElement, ende: Programmende): Auswertungsdialog {
    return new Auswertungsdialog(spiel, hauptfenster, ende);
}
