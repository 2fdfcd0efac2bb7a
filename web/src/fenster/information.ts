// SPDX-License-Identifier: GPL-3.0-or-later
// The information box of the menu's "Information": the desktop's own text
// with its table of keys, in the program's message box.
import { meldungMitInhaltZeigen } from "./meldung";

export function informationZeigen(html: string, titel: string): Promise<void> {
    const inhalt = document.createElement("div");
    inhalt.className = "informationstext";
    // The text comes from the program's own build, never from a user.
    inhalt.innerHTML = html;
    return meldungMitInhaltZeigen(inhalt, titel);
}
