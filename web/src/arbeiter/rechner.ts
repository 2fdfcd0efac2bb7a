// SPDX-License-Identifier: GPL-3.0-or-later
// The worker that plays many games with the model, away from the page's
// thread, so the window stays responsive. It reports after every game and
// at the end sends the counts of all games; the page computes the curves.
import { Modell } from "../modell/modell";

/** What the page asks of the worker. */
export interface Rechenauftrag {
    spiele: number;
    startSpieler: number;
    p: number;
    zyklen: number;
}

/** What the worker reports. */
export type Rechenmeldung =
    | { art: "fortschritt"; fertig: number; spiele: number }
    | { art: "fertig"; spiele: number; zyklen: number; zaehlungen: Int32Array };

// The worker's global scope, as far as it is used here (the page's DOM
// types and the worker's cannot be declared together).
interface Arbeitsumgebung {
    postMessage(meldung: Rechenmeldung, uebergeben: Transferable[]): void;
    onmessage: ((ereignis: MessageEvent<Rechenauftrag>) => void) | null;
}
const umgebung = self as unknown as Arbeitsumgebung;

function melden(meldung: Rechenmeldung, uebergeben: Transferable[] = []): void {
    umgebung.postMessage(meldung, uebergeben);
}

async function spielen(auftrag: Rechenauftrag): Promise<void> {
    const modell = await Modell.laden();
    const spiele = modell.ensembleBeginnen(auftrag.spiele, auftrag.startSpieler, auftrag.p, auftrag.zyklen);
    const zyklen = modell.ensembleZyklen();
    const zaehlungen = new Int32Array(spiele * (zyklen + 1));
    for (let i = 0; i < spiele; ++i) {
        modell.ensembleSpiel(i);
        zaehlungen.set(modell.ensembleZeile(i), i * (zyklen + 1));
        melden({ art: "fortschritt", fertig: i + 1, spiele });
    }
    melden({ art: "fertig", spiele, zyklen, zaehlungen }, [zaehlungen.buffer]);
}

export function rechnerStarten(): void {
    umgebung.onmessage = (ereignis) => void spielen(ereignis.data);
}
