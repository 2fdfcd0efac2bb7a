// SPDX-License-Identifier: GPL-3.0-or-later
// The texts and measures of the window's frame, written by the desktop
// program's own code beside the control table: the help texts, the menu
// and the information.
import { Seitendaten } from "./seitendaten";

export interface Menuebefehl {
    name: string;
    /** Caption without the "&" before its access key. */
    text: string;
    /** The access key as the caption has it, or "". */
    zeichen: string;
    /** Shortcut as "Ctrl+Q", "F1", or "" for none. */
    taste: string;
}

export interface Rahmentexte {
    /** Fixed help texts by control name. */
    hilfetexte: Record<string, string>;
    menue: Menuebefehl[];
    /** The information box's text as simple HTML. */
    information: string;
}

export function rahmentexteLesen(daten: Seitendaten): Rahmentexte {
    // The dumper writes them under "rahmen" beside the controls.
    return (daten.steuertabelle as typeof daten.steuertabelle & { rahmen: Rahmentexte }).rahmen;
}
