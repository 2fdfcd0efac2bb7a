// SPDX-License-Identifier: GPL-3.0-or-later
// Many games in the background for the evaluation: a worker plays them with
// its own copy of the model while the page stays usable, and reports after
// every game. At the end the counts of all games go into the game's model,
// which computes their curves and from then on evaluates the run with them.
import type { Rechenauftrag, Rechenmeldung } from "../arbeiter/rechner";
import { Modell } from "../modell/modell";

export interface VieleSpieleBeobachter {
    fortschritt(fertig: number, spiele: number): void;
    /** The curves are in the model now. */
    fertig(): void;
    /** Cancelled (or failed) after `fertig` of `spiele` games. */
    abgebrochen(fertig: number, spiele: number): void;
}

// The worker runs the page's own script, which the page holds as the text of
// #programm: the page's policy allows workers from blob: URLs only, and a
// file opened from a USB stick has no address to load a script from. The
// URL is made once and kept, as each new worker loads from it.
let rechnerAdresse: string | null = null;

function rechnerErzeugen(): Worker {
    if (rechnerAdresse === null) {
        const programm = document.getElementById("programm")?.textContent ?? "";
        rechnerAdresse = URL.createObjectURL(new Blob([programm], { type: "text/javascript" }));
    }
    return new Worker(rechnerAdresse);
}

export class Arbeiterauftrag {
    private rechner: Worker | null = null;
    private fertigeSpiele = 0;
    private spiele = 0;

    constructor(private readonly modell: Modell, private readonly beobachter: VieleSpieleBeobachter) {}

    get laeuft(): boolean {
        return this.rechner !== null;
    }

    /** Starts a run; a run still going is cancelled first. */
    starten(auftrag: Rechenauftrag): void {
        this.abbrechen();
        const rechner = rechnerErzeugen();
        this.rechner = rechner;
        this.fertigeSpiele = 0;
        this.spiele = auftrag.spiele;
        rechner.onmessage = (ereignis: MessageEvent<Rechenmeldung>) => this.gemeldet(auftrag, ereignis.data);
        // A run that fails ends like a cancelled one.
        rechner.onerror = () => this.abbrechen();
        rechner.postMessage(auftrag);
        this.beobachter.fortschritt(0, this.spiele);
    }

    /** Stops a run at once and reports its end; nothing happens without one. */
    abbrechen(): void {
        if (!this.beenden()) return;
        this.beobachter.abgebrochen(this.fertigeSpiele, this.spiele);
    }

    private beenden(): boolean {
        if (!this.rechner) return false;
        this.rechner.terminate();
        this.rechner = null;
        return true;
    }

    private gemeldet(auftrag: Rechenauftrag, meldung: Rechenmeldung): void {
        if (!this.rechner) return;
        this.fertigeSpiele = meldung.art === "fortschritt" ? meldung.fertig : meldung.spiele;
        this.spiele = meldung.spiele;
        this.beobachter.fortschritt(this.fertigeSpiele, this.spiele);
        if (meldung.art !== "fertig") return;
        this.beenden();
        this.uebernehmen(auftrag, meldung.zaehlungen);
        this.beobachter.fertig();
    }

    // The game's model begins the same games (and bounds them the same way),
    // takes each game's counts as the worker's model played them and
    // computes the curves from them.
    private uebernehmen(auftrag: Rechenauftrag, zaehlungen: Int32Array): void {
        const spiele = this.modell.ensembleBeginnen(auftrag.spiele, auftrag.startSpieler, auftrag.p, auftrag.zyklen);
        const breite = this.modell.ensembleZyklen() + 1;
        if (spiele * breite !== zaehlungen.length) throw new Error("Die vielen Spiele passen nicht zum Auftrag.");
        for (let i = 0; i < spiele; ++i) this.modell.ensembleZeile(i).set(zaehlungen.subarray(i * breite, (i + 1) * breite));
        this.modell.ensembleUebernehmen();
    }
}
