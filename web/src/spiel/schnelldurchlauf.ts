// SPDX-License-Identifier: GPL-3.0-or-later
// The quick run: ten cycles at one click, each a recruitment pass and a
// commit, with the page's waiting events (repaints, clicks) handled once
// before the first cycle and before every step (21 times in all).
//
// A click while a run is going adds a run of its own that is played at that
// point, before the running one goes on, as if it were called from within
// it. The runs wait on a stack, so a held key cannot pile up cycles without
// bound: a click is ignored while more than hoechstensWartend - 10 cycles
// are still waiting.

export interface Schritte {
    zielsuche(): void;
    ergebnis(): void;
    /** Lets the page handle what is waiting and paint. */
    ereignisseVerarbeiten(): Promise<void>;
}

const zyklenJeLauf = 10;
const hoechstensWartend = 200;
// Event processing, then per cycle event processing, pass, event processing, commit.
const schritteJeLauf = 1 + 4 * zyklenJeLauf;

export class Schnelldurchlauf {
    private readonly laeufe: { erledigt: number }[] = []; // the newest on top
    private laeuft = false;

    constructor(private readonly schritte: Schritte) {}

    /** A click on the button; false when it was ignored. Resolves when all runs are played. */
    async klick(): Promise<boolean> {
        if (this.laeuft && this.wartendeZyklen() + zyklenJeLauf > hoechstensWartend) return false;
        this.laeufe.push({ erledigt: 0 });
        if (!this.laeuft) await this.abspielen();
        return true;
    }

    /** The program ends: the cycles still waiting are dropped, the step under way is the last. */
    beenden(): void {
        this.laeufe.length = 0;
    }

    /** Cycles of all runs that are not committed yet. */
    wartendeZyklen(): number {
        // Steps 4, 8, ..., 40 are the commits.
        return this.laeufe.reduce((summe, lauf) =>
            summe + zyklenJeLauf - (lauf.erledigt === 0 ? 0 : Math.floor((lauf.erledigt - 1) / 4)), 0);
    }

    private async abspielen(): Promise<void> {
        this.laeuft = true;
        try {
            while (this.laeufe.length > 0) {
                const oben = this.laeufe[this.laeufe.length - 1]!;
                const schritt = oben.erledigt++;
                if (oben.erledigt === schritteJeLauf) this.laeufe.pop();
                await this.schrittAusfuehren(schritt);
            }
        } finally {
            this.laeufe.length = 0;
            this.laeuft = false;
        }
    }

    private async schrittAusfuehren(schritt: number): Promise<void> {
        if (schritt === 0 || schritt % 2 === 1) return this.schritte.ereignisseVerarbeiten();
        if (schritt % 4 === 2) this.schritte.zielsuche();
        else this.schritte.ergebnis();
    }
}
