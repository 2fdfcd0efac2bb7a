// SPDX-License-Identifier: GPL-3.0-or-later
// The page's main window: what the game session (in WebAssembly, the
// desktop's own code) does is shown on the page's controls, and each event
// of a control goes to the session. Only what a browser must do is here:
// the DOM, the pointer, the keys, the canvases and the waiting of a quick run.
import { Spielzugang } from "../auswertung/spielzugang";
import { meldungZeigen } from "../fenster/meldung";
import { Rahmen } from "../fenster/rahmen";
import { Steuertabelle } from "../fenster/seitendaten";
import { Steuerelemente } from "../fenster/steuerelemente";
import { Rollbalken } from "../fenster/rollbalken";
import { Bedienung, Handler, Modell } from "../modell/modell";
import { Leinwand } from "../zeichnen/leinwand";

const kastennamen = ["txtStart", "txtFaktor", "Text1", "Text4", "txtdelta", "txtNeuSum", "txtExponent", "txtSkala"] as const;
type Kastenname = (typeof kastennamen)[number];
type Bildname = "picAusgabe" | "picHisto";
type Schiebername = "vscStart" | "vscFaktor" | "HScroll1" | "HScroll2";

// The buttons whose click is the session's handler of that name.
const knopfHandler = {
    cmdStart: "cmd_start_click", cmdZielsuche: "cmd_zielsuche_click", cmdErgebnis: "cmd_ergebnis_click",
    Command1: "command1_click", Command3: "command3_click", Command5: "command5_click",
    Command6: "command6_click", Command7: "command7_click", Command8: "command8_click",
} as const satisfies Record<string, Handler>;

// Until the page has painted what is drawn and handled what waits; a hidden
// page paints no frames, so a short timer goes on without one.
function ereignisseVerarbeiten(): Promise<void> {
    return new Promise((fertig) => {
        requestAnimationFrame(() => setTimeout(fertig, 0));
        setTimeout(fertig, 100);
    });
}

export class Fensterhuelle implements Spielzugang {
    private readonly kaesten = {} as Record<Kastenname, HTMLInputElement>;
    private readonly bilder: Record<Bildname, Leinwand>;
    private readonly schieber = {} as Record<Schiebername, Rollbalken>;
    private readonly aenderungen: (() => void)[] = [];
    private zoom: number;
    private ebene = 0; // the stacking level of the picture raised last

    constructor(
        readonly modell: Modell,
        private readonly elemente: Steuerelemente,
        tabelle: Steuertabelle,
        private readonly rahmen: Rahmen,
    ) {
        this.zoom = rahmen.zoom.zoom;
        for (const name of kastennamen) this.kaesten[name] = this.element(name) as HTMLInputElement;
        const leinwand = (name: Bildname, k: number): Leinwand => {
            const entwurf = tabelle.controls.find((c) => c.name === name);
            const eltern = tabelle.controls.find((c) => c.name === entwurf?.parent);
            if (!entwurf || !eltern) throw new Error(`${name} fehlt in der Steuertabelle.`);
            return new Leinwand(this.element(name), modell, k, entwurf, [eltern.rechteck[2], eltern.rechteck[3]], rahmen.zoom.zoom);
        };
        this.bilder = { picAusgabe: leinwand("picAusgabe", 0), picHisto: leinwand("picHisto", 1) };
        modell.beimZeichnen = () => {
            this.bilder.picAusgabe.zeigenPlanen();
            this.bilder.picHisto.zeigenPlanen();
        };
        for (const name of ["vscStart", "vscFaktor", "HScroll1", "HScroll2"] as const)
            this.schieber[name] = elemente.balken(name);
        // The bars of A(0) and p report a dragged value when the thumb is
        // released, as on the desktop; the chart's bar follows the thumb.
        this.schieber.vscStart.verfolgung = this.schieber.vscFaktor.verfolgung = false;
        modell.bedienungSetzen(this.bedienung());
        this.sitzungEinrichten();
        this.handlerVerbinden();
        this.bilderVerbinden();
        rahmen.ende.beimProgrammende(() => modell.sitzung("programm_beenden"));
        modell.sitzung("start_up");
        // "?spiel=7" in the address: a class's pupil plays numbered game 7.
        const nummer = new URLSearchParams(location.search).get("spiel");
        if (nummer !== null && /^\d{1,2}$/.test(nummer)) modell.sitzungMit("spiel_nummer_setzen", null, Number(nummer));
        this.aufPixelverhaeltnisAchten();
    }

    // ---- What the evaluation may know and change of the game ----

    wachstumsrate(): number {
        return this.modell.wachstumsrate();
    }
    exponentT(): number {
        return this.modell.exponentT();
    }
    exponentUebernehmen(t: number): void {
        this.modell.sitzungMit("exponent_uebernehmen", null, t);
    }
    /** The menu's "Erläuterung" (F1). */
    cmdStochClick(): void {
        this.modell.sitzung("cmd_stoch_click");
    }
    spielVomProgrammstart(): void {
        this.modell.sitzung("spiel_vom_programmstart");
    }
    beiAenderung(aenderung: () => void): void {
        this.aenderungen.push(aenderung);
    }

    /** Draws both surfaces again at a zoom of the whole window, crisp. */
    neuZeichnen(zoom: number): void {
        this.zoom = zoom;
        this.bilder.picAusgabe.neuZeichnen(zoom);
        this.bilder.picHisto.neuZeichnen(zoom);
    }

    // ---- The session's controls on the page ----

    private bedienung(): Bedienung {
        return {
            text: (name, _, text) => {
                this.kaesten[name as Kastenname].value = text;
            },
            anfang: (name) => {
                this.kaesten[name as Kastenname].scrollLeft = 0;
            },
            wert: (name, wert) => this.schieber[name as Schiebername].setzen(wert),
            sichtbar: (name, sichtbar) => {
                this.element(name).hidden = sichtbar === 0;
            },
            nachVorn: (name) => {
                // Above every sibling, as a raised control on the desktop.
                this.element(name).style.zIndex = String(++this.ebene);
            },
            beschreibung: (name, _, text) => this.element(name).setAttribute("aria-description", text),
            hilfe: (_, __, text) => this.rahmen.hilfezeile.zeigen(text),
            meldung: (_, __, text, titel) =>
                void meldungZeigen(text, titel).then(() => this.modell.sitzung("meldung_geschlossen")),
            spielGeaendert: () => {
                for (const aenderung of this.aenderungen) aenderung();
            },
            titel: (_, __, text) => {
                document.title = text;
            },
        };
    }

    // The session reads the boxes, bars and panels as they stand at the start.
    private sitzungEinrichten(): void {
        for (const name of ["image2", "Command8"])
            this.modell.sitzungMit("sichtbar_anfangs", name, this.element(name).hidden ? 0 : 1);
        for (const name of kastennamen) this.modell.textEingegeben(name, this.kaesten[name].value);
        for (const name of ["HScroll1", "HScroll2"] as const)
            this.modell.sitzungMit("leiste_einrichten", name, this.schieber[name].wert, this.schieber[name].minimum);
    }

    private handlerVerbinden(): void {
        for (const [name, handler] of Object.entries(knopfHandler))
            this.element(name).addEventListener("click", () => this.modell.sitzung(handler));
        this.element("Command2").addEventListener("click", () => void this.command2Click());
        // t is a number with a decimal comma: a touch screen's keyboard with digits and a separator.
        this.kaesten.Text4.inputMode = "decimal";
        // Enter in the box of t takes it over, as its button does.
        this.kaesten.Text4.addEventListener("keydown", (e) => {
            if (e.key !== "Enter") return;
            // The key's press would reach the OK of a message this opens, and close it at once.
            e.preventDefault();
            this.modell.sitzung("command3_click");
        });
        for (const name of kastennamen) {
            this.kaesten[name].addEventListener("input", () => {
                this.modell.textEingegeben(name, this.kaesten[name].value);
                this.modell.sitzungMit("text_edited", name);
            });
        }
        this.schieber.vscStart.beiAenderung((wert) => this.modell.sitzungMit("vsc_start_change", null, wert));
        this.schieber.vscFaktor.beiAenderung((wert) => this.modell.sitzungMit("vsc_faktor_change", null, wert));
        this.schieber.HScroll2.beiAenderung((wert) => {
            this.modell.sitzungMit("wert_geaendert", "HScroll2", wert);
            this.bilder.picHisto.verschieben(this.modell.histoLinkerRand(wert));
        });
        for (const name of ["txtStart", "txtFaktor"] as const)
            this.kaesten[name].addEventListener("pointermove", () => this.rahmen.hilfezeile.zeigen(this.modell.hilfetextVon(name)));
        window.addEventListener("keydown", (e) => {
            // Escape in a message box is the box's own.
            if (e.key === "Escape" && !document.querySelector("dialog[open]")) this.modell.sitzung("erlaeuterung_schliessen");
        });
        document.addEventListener("keydown", (e) => {
            if (e.ctrlKey && !e.altKey && !e.shiftKey && e.key.toLowerCase() === "n") {
                e.preventDefault();
                this.spielVomProgrammstart();
            }
        });
    }

    // A click that begins a quick run plays it here, letting the page paint
    // and take clicks between its steps; a click meanwhile adds a run.
    private async command2Click(): Promise<void> {
        if (this.modell.sitzung("command2_click") === 0) return;
        while (this.modell.sitzung("schnelldurchlauf_weiter") !== 0) await ereignisseVerarbeiten();
    }

    private bilderVerbinden(): void {
        for (const name of ["picAusgabe", "picHisto"] as const) {
            this.bilder[name].zeigerMelden({
                gedrueckt: (p) => this.modell.sitzungMit("mouse_down", name, p.x, p.y),
                bewegt: (p) => this.modell.sitzungMit("mouse_move", name, p.x, p.y),
                losgelassen: () => this.modell.sitzungMit("mouse_up", name),
            });
        }
    }

    // A window moved to another screen, or the browser's own zoom, changes
    // the device pixel ratio: the surfaces are drawn again at the new one.
    private aufPixelverhaeltnisAchten(): void {
        matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", () => {
            this.neuZeichnen(this.zoom);
            this.aufPixelverhaeltnisAchten();
        }, { once: true });
    }

    private element(name: string): HTMLElement {
        return this.elemente.element(name);
    }
}
