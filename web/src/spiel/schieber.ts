// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one way to the scroll bars' values: read, set, and be told of a
// new value. The bars themselves (fenster/rollbalken) draw, take the
// pointer and the keys; the game only sees their values.
import { rollbalken } from "../fenster/steuerelemente";

export interface Schieber {
    wert(): number;
    /** Sets the value; a new value is reported as a user's change is. */
    setzen(wert: number): void;
    minimum(): number;
    beiAenderung(tun: (wert: number) => void): void;
}

/**
 * `nachLoslassen`: the bar reports a dragged value when the thumb is
 * released, as the desktop's A(0) and p bars do.
 */
export function schieberFuer(name: string, nachLoslassen: boolean): Schieber {
    const balken = rollbalken(name);
    balken.verfolgung = !nachLoslassen;
    return {
        wert: () => balken.wert,
        setzen: (wert) => balken.setzen(wert),
        minimum: () => balken.minimum,
        beiAenderung: (tun) => balken.beiAenderung(tun),
    };
}
