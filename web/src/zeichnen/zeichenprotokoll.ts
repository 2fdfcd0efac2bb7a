// SPDX-License-Identifier: GPL-3.0-or-later
// The operations drawn on a surface since it was last cleared, in order, so
// that the picture can be drawn again at another size. An operation equal to
// an earlier one replaces it: it paints the same pixels later, so the
// earlier one no longer shows anywhere. This keeps repeated grids and curves
// from piling up over a lesson.
import { Zeichenop, aufwand, schluessel } from "./zeichenop";

export class Zeichenprotokoll {
    private ops: (Zeichenop | null)[] = [];
    private index = new Map<string, number>();
    private verworfen = 0;
    private gesamtAufwand = 0;

    get aufwand(): number {
        return this.gesamtAufwand;
    }

    anhaengen(op: Zeichenop): void {
        const key = schluessel(op);
        const frueher = this.index.get(key);
        if (frueher !== undefined) {
            this.gesamtAufwand -= aufwand(this.ops[frueher]!);
            this.ops[frueher] = null;
            ++this.verworfen;
        }
        this.index.set(key, this.ops.length);
        this.ops.push(op);
        this.gesamtAufwand += aufwand(op);
        if (this.verworfen > 4096 && this.verworfen > this.ops.length / 2) this.verdichten();
    }

    leeren(): void {
        this.ops = [];
        this.index.clear();
        this.verworfen = 0;
        this.gesamtAufwand = 0;
    }

    fuerJede(tun: (op: Zeichenop) => void): void {
        for (const op of this.ops) if (op) tun(op);
    }

    private verdichten(): void {
        const lebende: Zeichenop[] = [];
        this.fuerJede((op) => lebende.push(op));
        this.leeren();
        for (const op of lebende) this.anhaengen(op);
    }
}
