// SPDX-License-Identifier: GPL-3.0-or-later
// "Programm beenden" in a page: the desktop program ends at once and its
// window goes. A browser lets a script close only a window it opened
// itself, so the page tries that first; otherwise the window goes away as on
// the desktop, and a German note says the program has ended, how to close
// the tab and how to start anew. Nothing of the window runs afterwards:
// handlers that could still be running (a quick run) ask programmBeendet().

let beendet = false;
const beobachter: Array<() => void> = [];

export function programmBeendet(): boolean {
    return beendet;
}

/** Called once when the program ends, for whatever must stop then. */
export function beimProgrammende(bei: () => void): void {
    beobachter.push(bei);
}

function hinweis(): HTMLElement {
    const element = document.createElement("div");
    element.id = "programmende";
    element.setAttribute("role", "status");
    const titel = document.createElement("p");
    titel.className = "programmendeTitel";
    titel.textContent = "Kettenbrief ist beendet.";
    const text = document.createElement("p");
    text.textContent = "Sie können diesen Tab oder dieses Fenster des Browsers jetzt schließen.";
    const neu = document.createElement("button");
    neu.type = "button";
    neu.textContent = "Kettenbrief neu starten";
    neu.addEventListener("click", () => location.reload());
    element.append(titel, text, neu);
    return element;
}

/** Ends the program: `seite` (the window with its menu bar) disappears. */
export function programmBeenden(seite: HTMLElement): void {
    if (beendet) return;
    beendet = true;
    for (const bei of beobachter) bei();
    window.close();
    seite.hidden = true;
    const ende = hinweis();
    document.body.append(ende);
    ende.querySelector("button")?.focus();
}
