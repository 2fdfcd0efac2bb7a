// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the page's window: the handlers of the buttons, boxes, scroll
// bars and both drawing surfaces, as the desktop window has them. Every
// draw, count, curve value and number text comes from the model.
import { Spielzugang } from "../auswertung/spielzugang";
import { Hilfezeile } from "../fenster/hilfezeile";
import { meldungZeigen } from "../fenster/meldung";
import { beimProgrammende, programmBeendet } from "../fenster/programmende";
import { Steuertabelle } from "../fenster/seitendaten";
import { Steuerelemente } from "../fenster/steuerelemente";
import { Modell, VerhulstBruch, VerhulstFehler, feldGroesse } from "../modell/modell";
import { Leinwand, Punkt } from "../zeichnen/leinwand";
import { Schieber, schieberFuer } from "./schieber";
import { Schnelldurchlauf } from "./schnelldurchlauf";
import { diagrammHilfe, feldHilfe, startwertHilfe, verhulstFehlertext, wachstumsrateHilfe } from "./texte";

/** The Verhulst curve as drawn for comparison, or faded before a new t. */
const enum Kurve { vergleich, verblasst }

type Schiebername = "vscStart" | "vscFaktor" | "HScroll1" | "HScroll2";

// Until the page has painted what is drawn and handled what waits; a hidden
// page paints no frames, so a short timer goes on without one.
function ereignisseVerarbeiten(): Promise<void> {
    return new Promise((fertig) => {
        requestAnimationFrame(() => setTimeout(fertig, 0));
        setTimeout(fertig, 100);
    });
}

export class Form1 implements Spielzugang {
    private readonly feldflaeche: Leinwand;
    private readonly histoflaeche: Leinwand;
    private readonly schieber: Record<Schiebername, Schieber>;
    private readonly schnelldurchlauf = new Schnelldurchlauf({
        zielsuche: () => this.cmdZielsucheClick(),
        ergebnis: () => this.cmdErgebnisClick(),
        ereignisseVerarbeiten,
    });
    private readonly aenderungen: (() => void)[] = [];
    private t = 1;
    private zoom = 1;
    private ebene = 0; // the stacking level of the surface raised last

    constructor(
        readonly modell: Modell,
        private readonly elemente: Steuerelemente,
        private readonly tabelle: Steuertabelle,
        private readonly hilfe: Hilfezeile,
    ) {
        this.feldflaeche = new Leinwand(this.element("picAusgabe"), modell, 0, this.beschreibung("picAusgabe"));
        this.histoflaeche = new Leinwand(this.element("picHisto"), modell, 1, this.beschreibung("picHisto"));
        const flaechen = [this.feldflaeche, this.histoflaeche];
        modell.beimZeichnen = (k) => flaechen[k]!.zeigenPlanen();
        this.schieber = {
            vscStart: schieberFuer("vscStart", true), vscFaktor: schieberFuer("vscFaktor", true),
            HScroll1: schieberFuer("HScroll1", false), HScroll2: schieberFuer("HScroll2", false),
        };
        beimProgrammende(() => this.schnelldurchlauf.beenden());
        this.handlerVerbinden();
        this.flaechenVerbinden();
        this.startUp();
    }

    // ---- What the evaluation may know and change of the game ----

    /** p as its scroll bar wrote it into txtFaktor: the one place it is read. */
    wachstumsrate(): number {
        return this.parameter("txtFaktor");
    }
    exponentT(): number {
        return this.t;
    }
    exponentUebernehmen(t: number): void {
        // The box shows t as a teacher would type it, with a point; 15 digits
        // keep every t of the fit exact.
        this.text("Text4").value = String(Number(t.toPrecision(15)));
        // The old t is being thrown away: where its curve fails is no news.
        this.verhulstLinien(Kurve.verblasst);
        this.exponentSetzen(t);
        void this.verhulstKurve(Kurve.vergleich);
    }
    beiAenderung(aenderung: () => void): void {
        this.aenderungen.push(aenderung);
    }

    /** Draws both surfaces again at a zoom of the whole window, crisp. */
    neuZeichnen(zoom: number): void {
        this.zoom = zoom;
        this.feldflaeche.neuZeichnen(zoom);
        this.histoflaeche.neuZeichnen(zoom);
    }

    // ---- Set-up ----

    private startUp(): void {
        this.t = 1;
        this.element("HScroll1").hidden = true;
        this.element("txtSkala").hidden = true;
        this.cmdStartClick();
        this.element("Command4").hidden = true;
        this.aufPixelverhaeltnisAchten();
    }

    private handlerVerbinden(): void {
        const klick = (name: string, handler: () => void): void =>
            this.element(name).addEventListener("click", handler);
        klick("cmdStart", () => this.cmdStartClick());
        klick("cmdZielsuche", () => this.cmdZielsucheClick());
        klick("cmdErgebnis", () => this.cmdErgebnisClick());
        klick("Command1", () => void this.verhulstKurve(Kurve.vergleich));
        klick("Command2", () => void this.schnelldurchlauf.klick());
        klick("Command3", () => void this.command3Click());
        klick("Command5", () => this.command5Click());
        klick("Command6", () => this.nachVorn("picHisto"));
        klick("Command7", () => this.nachVorn("picAusgabe"));
        // Enter in the box of t takes it over, as its button does.
        this.element("Text4").addEventListener("keydown", (e) => {
            if (e.key !== "Enter") return;
            // The key's press would reach the OK of a message this opens, and close it at once.
            e.preventDefault();
            void this.command3Click();
        });
        this.schieber.vscStart.beiAenderung((wert) => this.vscStartChange(wert));
        this.schieber.vscFaktor.beiAenderung((wert) => this.vscFaktorChange(wert));
        this.schieber.HScroll2.beiAenderung((wert) => {
            this.element("picHisto").style.left = `${this.modell.histoLinkerRand(wert)}px`;
        });
        for (const [name, hilfetext] of [["txtStart", startwertHilfe], ["txtFaktor", wachstumsrateHilfe]] as const)
            this.element(name).addEventListener("pointermove", () => this.hilfe.zeigen(hilfetext(this.modell, this.text(name).value)));
        document.addEventListener("keydown", (e) => {
            if (e.ctrlKey && !e.altKey && !e.shiftKey && e.key.toLowerCase() === "n" && !programmBeendet()) {
                e.preventDefault();
                this.spielVomProgrammstart();
            }
        });
    }

    private flaechenVerbinden(): void {
        const verbinden = (flaeche: Leinwand, k: number, hilfetext: (p: Punkt) => string): void =>
            flaeche.zeigerMelden({
                gedrueckt: (p) => this.modell.stiftDruecken(k, p.x, p.y),
                bewegt: (p) => {
                    this.hilfe.zeigen(hilfetext(p));
                    this.modell.stiftBewegen(k, p.x, p.y);
                },
                losgelassen: () => this.modell.stiftLoslassen(k),
            });
        verbinden(this.feldflaeche, 0, (p) => feldHilfe(this.modell, p));
        verbinden(this.histoflaeche, 1, (p) => diagrammHilfe(this.modell, p));
    }

    // A window moved to another screen, or the browser's own zoom, changes
    // the device pixel ratio: the surfaces are drawn again at the new one.
    private aufPixelverhaeltnisAchten(): void {
        matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", () => {
            this.neuZeichnen(this.zoom);
            this.aufPixelverhaeltnisAchten();
        }, { once: true });
    }

    // ---- Monte-Carlo initialisation and the field ----

    private allesZuruecksetzen(): void {
        this.modell.spaltenMitGeisterbalken();
        this.modell.allesZuruecksetzen();
        this.modell.feldgitterZeichnen();
        this.modell.histoGitterZeichnen(this.schieber.HScroll1.wert());
    }

    private cmdStartClick(): void {
        this.allesZuruecksetzen();
        const a0 = this.parameter("txtStart");
        const zellen = feldGroesse * feldGroesse;
        const startzahl = Number.isFinite(a0) && a0 > 0 ? Math.trunc(Math.min(a0, zellen)) : 0;
        this.modell.startSpielerZeichnen(startzahl);
        this.modell.startbalkenZeichnen(this.parameter("txtStart"));
        this.text("Text1").value = this.text("txtStart").value;
        this.beschreiben();
        this.nachVorn("picAusgabe");
        this.aenderungMelden();
    }

    /** Ctrl+N: the game as after a start of the program, with A(0), p and t kept. */
    spielVomProgrammstart(): void {
        this.modell.zufallZumStart();
        this.modell.spielfeldNeu();
        this.text("txtdelta").value = "";
        this.text("txtNeuSum").value = "";
        this.schieber.HScroll2.setzen(this.schieber.HScroll2.minimum());
        this.command5Click();
        this.cmdStartClick();
    }

    // ---- Parameter inputs ----

    private vscStartChange(wert: number): void {
        this.parameterTextSetzen("txtStart", wert, startwertHilfe);
        this.text("Text1").value = this.text("txtStart").value;
        this.cmdStartClick();
    }

    private vscFaktorChange(wert: number): void {
        this.parameterTextSetzen("txtFaktor", wert, wachstumsrateHilfe);
        this.aenderungMelden();
    }

    // A new text of the box shows its help line, as on the desktop.
    private parameterTextSetzen(name: string, wert: number, hilfetext: (m: Modell, text: string) => string): void {
        const feld = this.text(name);
        const neu = this.modell.klartext(wert);
        if (feld.value === neu) return;
        feld.value = neu;
        this.hilfe.zeigen(hilfetext(this.modell, neu));
    }

    // ---- One cycle: recruitment pass and commit ----

    private cmdZielsucheClick(): void {
        const neuGeworbene = this.modell.zielsucheZeichnen(this.wachstumsrate());
        // The count of new recruits is raised through its own box, one at a time.
        const delta = this.text("txtdelta");
        delta.value = "0";
        for (let i = 0; i < neuGeworbene; ++i)
            delta.value = this.modell.klartext(this.modell.nachsichtigUmwandeln(delta.value) + 1);
        this.text("txtNeuSum").value = this.modell.klartext(
            this.modell.nachsichtigUmwandeln(this.text("Text1").value) + this.modell.nachsichtigUmwandeln(delta.value));
    }

    private cmdErgebnisClick(): void {
        this.modell.feldgitterZeichnen();
        this.text("txtdelta").value = "";
        this.text("txtNeuSum").value = "";
        const ergebnis = this.modell.zyklusAbschliessen();
        this.modell.ergebnisZeichnen();
        this.text("Text1").value = this.modell.klartext(ergebnis.anzahlSpieler);
        const hScroll2 = this.schieber.HScroll2;
        hScroll2.setzen(this.modell.schieberwertNachZyklus(ergebnis.zyklus, hScroll2.wert()));
        this.modell.balkenZeichnen(ergebnis.zyklus, ergebnis.anzahlSpieler);
        this.beschreiben();
        this.aenderungMelden();
    }

    // ---- The chart ----

    private command5Click(): void {
        this.modell.histoLoeschen();
        this.modell.histoGitterZeichnen(this.schieber.HScroll1.wert());
    }

    // ---- The Verhulst model ----

    private verhulstLinien(art: Kurve): VerhulstBruch {
        return this.modell.verhulstZeichnen(this.parameter("txtStart"), this.wachstumsrate(), this.t,
            this.schieber.HScroll1.wert(), art === Kurve.verblasst);
    }

    // Draws the curve; a step that fails is reported and the lines before it stay.
    private async verhulstKurve(art: Kurve): Promise<void> {
        const folge = this.verhulstLinien(art);
        if (folge.fehler !== VerhulstFehler.keiner)
            await meldungZeigen(verhulstFehlertext(folge.fehler, folge.fehlerZyklus), "Kettenbrief");
    }

    private async command3Click(): Promise<void> {
        // A fade that fails stops where it failed and says so; the new t is
        // taken over all the same, so a smaller t always gets the class out.
        await this.verhulstKurve(Kurve.verblasst);
        this.exponentSetzen(this.modell.exponentUmwandeln(this.text("Text4").value));
    }

    // Cut to the largest t, store, show, redraw the grid.
    private exponentSetzen(t: number): void {
        const groesstes = this.modell.groesstesT();
        if (t > groesstes) {
            t = groesstes;
            this.text("Text4").value = this.modell.klartext(groesstes);
        }
        this.t = t;
        const anzeige = this.text("txtExponent");
        anzeige.value = "t =" + this.modell.hilfetext(t);
        // "t =" stays in view, however long the number.
        anzeige.scrollLeft = 0;
        this.modell.senkrechteGitterlinien();
        this.aenderungMelden();
    }

    // ---- Helpers ----

    private nachVorn(name: "picAusgabe" | "picHisto"): void {
        // Above every sibling, as a raised control on the desktop.
        this.element(name).style.zIndex = String(++this.ebene);
    }

    private beschreiben(): void {
        this.element("picAusgabe").setAttribute("aria-description", this.modell.feldBeschreibung());
        this.element("picHisto").setAttribute("aria-description",
            this.modell.histoBeschreibung(this.modell.zyklus(), this.text("Text1").value));
    }

    private aenderungMelden(): void {
        for (const aenderung of this.aenderungen) aenderung();
    }

    // A parameter as its scroll bar wrote it (digits only).
    private parameter(name: string): number {
        return this.modell.nachsichtigUmwandeln(this.text(name).value);
    }

    private beschreibung(name: string) {
        const s = this.tabelle.controls.find((c) => c.name === name);
        if (!s) throw new Error(`${name} fehlt in der Steuertabelle.`);
        return s;
    }

    private element(name: string): HTMLElement {
        const element = this.elemente.get(name);
        if (!element) throw new Error(`${name} fehlt im Fenster.`);
        return element;
    }

    private text(name: string): HTMLInputElement {
        return this.element(name) as HTMLInputElement;
    }
}
