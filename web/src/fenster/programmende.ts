// SPDX-License-Identifier: GPL-3.0-or-later
// "Programm beenden" in a page: the desktop program ends at once and its
// window goes. A browser lets a script close only a window it opened
// itself, so the page tries that first; otherwise the window goes away as on
// the desktop, and a German note says the program has ended, how to close
// the tab and how to start anew. Nothing of the window runs afterwards:
// what could still be running (a quick run, many games) is told to stop.

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

/** The program's end in the page; `seite` (the window with its menu bar) disappears then. */
export class Programmende {
    private istBeendet = false;
    private readonly beobachter: Array<() => void> = [];

    constructor(private readonly seite: HTMLElement) {}

    beendet(): boolean {
        return this.istBeendet;
    }

    /** Called once when the program ends, for whatever must stop then. */
    beimProgrammende(bei: () => void): void {
        this.beobachter.push(bei);
    }

    beenden(): void {
        if (this.istBeendet) return;
        this.istBeendet = true;
        for (const bei of this.beobachter) bei();
        window.close();
        this.seite.hidden = true;
        const ende = hinweis();
        document.body.append(ende);
        ende.querySelector("button")?.focus();
    }
}
