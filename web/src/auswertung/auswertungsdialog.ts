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

function element<T extends HTMLElement>(selektor: string): T {
    const gefunden = document.querySelector<T>(selektor);
    if (!gefunden) throw new Error(`Die Auswertung hat kein ${selektor}.`);
    return gefunden;
}

// Set up beside the main window, hidden until Ctrl+T.
export class Auswertungsdialog {
    private readonly rahmen: Fensterrahmen;
    private readonly bruecke: Auswertungsbruecke;
    private readonly grenzen: EnsembleGrenzen;
    private readonly ergebnis = element("#auswertungErgebnis");
    private readonly uebernehmen = element<HTMLButtonElement>("#auswertungUebernehmen");
    private readonly anzahlSpiele = element<HTMLInputElement>("#auswertungAnzahlSpiele");
    private readonly starten = element<HTMLButtonElement>("#auswertungVieleSpiele");
    private readonly abbrechen = element<HTMLButtonElement>("#auswertungAbbrechen");
    private readonly daten: Fensterdaten;
    private readonly fortschritt: Fortschrittsbalken;
    private readonly diagramm: Diagrammanzeige;
    private readonly tabelle: Tabellenanzeige;
    private readonly tabellenrahmen = element(".auswertungTabellenrahmen");
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
        this.fortschritt = new Fortschrittsbalken(element(".auswertungFortschritt"));
        this.tabelle = new Tabellenanzeige(element(".auswertungstabelle"));
        this.diagramm = new Diagrammanzeige(element(".auswertungsdiagramm"), this.bruecke);
        this.arbeitsblatt = new Blattdruck(this.bruecke);
        this.rahmen = new Fensterrahmen(element("#auswertung"), this.daten, hauptfenster, this.bruecke,
            () => this.schliessen());
        // The program's end closes the window and stops its many games.
        ende.beimProgrammende(() => this.schliessen());
        this.vieleSpiele = new Arbeiterauftrag(spiel.modell, {
            fortschritt: (fertig, spiele) => this.fortschritt.setzen(fertig, spiele),
            fertig: () => {
                this.knopfTauschen(this.abbrechen, this.starten);
                this.aktualisieren();
            },
            abgebrochen: (fertig, spiele) => {
                this.fortschritt.setzen(fertig, spiele);
                this.fortschritt.textSetzen(this.bruecke.vieleSpieleAbbruchtext(fertig, spiele));
                this.knopfTauschen(this.abbrechen, this.starten);
            },
        });
        this.verbinden();
        this.tastenEinrichten();
        spiel.beiAenderung(() => this.spaeterAktualisieren());
    }

    private verbinden(): void {
        const handlungen: Record<string, () => void> = {
            auswertungUebernehmen: () => {
                if (this.bestesT !== null) this.spiel.exponentUebernehmen(this.bestesT);
            },
            auswertungVieleSpiele: () => this.vieleSpieleStarten(),
            auswertungAbbrechen: () => this.vieleSpiele.abbrechen(),
            auswertungTabelleKopieren: () => void textKopieren(this.tabelle.alsText()),
            auswertungDiagrammKopieren: () => void bildKopieren(this.diagramm.svg()),
            auswertungProgrammstart: () => this.spiel.spielVomProgrammstart(),
            auswertungArbeitsblatt: () => this.arbeitsblatt.drucken(),
            auswertungTabelleSpeichern: () => herunterladen(this.daten.dateien.tabelle,
                new Blob([this.bruecke.csv()], { type: "text/csv;charset=utf-8" })),
        };
        for (const [id, handlung] of Object.entries(handlungen)) element(`#${id}`).addEventListener("click", handlung);
        // The plot's two kinds of file are offered in a list, as the desktop's file dialogue offers them.
        const diagramm = element<HTMLSelectElement>("#auswertungDiagrammSpeichern");
        diagramm.addEventListener("change", () => {
            const art = diagramm.value;
            diagramm.selectedIndex = 0;
            void this.diagrammSpeichern(art === "png");
        });
        this.anzahlSpiele.addEventListener("change", () => this.anzahlBegrenzen());
    }

    private async diagrammSpeichern(png: boolean): Promise<void> {
        const { breite, hoehe, pngFaktor, svg, png: pngName } = this.daten.dateien;
        const bild = this.bruecke.diagramm(breite, hoehe);
        const datei = png ? await alsPng(bild, pngFaktor) : new Blob([bild], { type: "image/svg+xml" });
        if (datei) herunterladen(png ? pngName : svg, datei);
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
        this.ergebnis.replaceChildren(...darstellung.absaetze.map((absatz) =>
            Object.assign(document.createElement("p"), { textContent: absatz })));
        this.uebernehmen.disabled = darstellung.bestesT === null;
        this.tabelle.setzen(darstellung.tabelle);
        this.diagramm.zeigen(darstellung.diagramm);
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
