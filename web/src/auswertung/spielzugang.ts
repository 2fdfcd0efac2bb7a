// SPDX-License-Identifier: GPL-3.0-or-later
import { Modell } from "../modell/modell";

/**
 * What the evaluation needs of the game it evaluates, and all it may change
 * of it. The main window implements it; the evaluation knows nothing else of
 * the main window.
 */
export interface Spielzugang {
    /** The model holding the run: counts, cycle, start number, passes. */
    readonly modell: Modell;
    /** The growth rate p shown now, as the next pass will read it. */
    wachstumsrate(): number;
    /** The exponent t in force. */
    exponentT(): number;
    /** Takes t over as if typed into the box of t and taken over there, and draws its curve. */
    exponentUebernehmen(t: number): void;
    /** "Das Spiel vom Programmstart": the game as after a start of the program, A(0), p and t kept. */
    spielVomProgrammstart(): void;
    /** Calls `aenderung` after every change of the game, of p or of t. */
    beiAenderung(aenderung: () => void): void;
}
