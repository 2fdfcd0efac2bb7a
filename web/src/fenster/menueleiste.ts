// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar above the window (written into the page by the build): the
// desktop's three commands and the page's evaluation, left to right, each
// with its underlined access key (Alt and the letter) and its shortcut
// (Ctrl+Q, F1). Alt alone or F10 puts the keyboard on the bar,
// the arrow keys move along it, Escape goes back to where the focus was.
import { Menuebefehl } from "./rahmentexte";

export type Menuehandler = Record<string, () => void>;

// "Ctrl+Q" or "F1" against a key press.
function passt(taste: string, e: KeyboardEvent): boolean {
    if (!taste) return false;
    const teile = taste.split("+");
    const haupt = teile.pop() ?? "";
    const strg = teile.includes("Ctrl");
    const code = haupt.length === 1 ? `Key${haupt.toUpperCase()}` : haupt;
    return (e.key === haupt || e.code === code) && e.ctrlKey === strg && !e.altKey && !e.shiftKey;
}

export class Menueleiste {
    private readonly element = document.getElementById("menueleiste")!;
    private readonly eintraege = Array.from(this.element.querySelectorAll("button"));
    private vorher: HTMLElement | null = null;
    private nurAlt = false;

    constructor(private readonly befehle: Menuebefehl[], private readonly handler: Menuehandler,
                private readonly gesperrt: () => boolean) {
        for (const knopf of this.eintraege) knopf.addEventListener("click", () => this.ausfuehren(knopf.id));
        this.element.addEventListener("keydown", (e) => this.inDerLeiste(e));
        window.addEventListener("keydown", (e) => this.taste(e));
        window.addEventListener("keyup", (e) => this.altLosgelassen(e));
    }

    /** What a command does from now on. */
    handlerSetzen(name: string, handlung: () => void): void {
        this.handler[name] = handlung;
    }

    private ausfuehren(name: string): void {
        if (this.gesperrt()) return;
        this.zurueck();
        this.handler[name]?.();
    }

    private taste(e: KeyboardEvent): void {
        this.nurAlt = e.key === "Alt" && !e.ctrlKey && !e.shiftKey;
        // A message box takes every key while it is open.
        if (e.defaultPrevented || document.querySelector("dialog[open]")) return;
        const befehl = this.befehle.find((b) => passt(b.taste, e) || this.zugriffstaste(b, e));
        if (befehl) {
            e.preventDefault();
            this.ausfuehren(befehl.name);
        } else if (e.key === "F10" && !e.ctrlKey && !e.altKey && !e.shiftKey) {
            e.preventDefault();
            this.betreten();
        }
    }

    private zugriffstaste({ zeichen }: Menuebefehl, e: KeyboardEvent): boolean {
        return e.altKey && !e.ctrlKey && zeichen !== "" && e.code === `Key${zeichen.toUpperCase()}`;
    }

    // Alt pressed and released alone puts the keyboard on the bar, as on the desktop.
    private altLosgelassen(e: KeyboardEvent): void {
        if (e.key !== "Alt" || !this.nurAlt) return;
        this.nurAlt = false;
        if (this.element.contains(document.activeElement)) this.zurueck();
        else this.betreten();
    }

    private betreten(): void {
        if (this.gesperrt()) return;
        this.vorher = document.activeElement instanceof HTMLElement ? document.activeElement : null;
        this.eintraege[0]?.focus();
    }

    private zurueck(): void {
        if (!this.element.contains(document.activeElement)) return;
        if (this.vorher?.isConnected) this.vorher.focus();
        else (document.activeElement as HTMLElement | null)?.blur();
        this.vorher = null;
    }

    private inDerLeiste(e: KeyboardEvent): void {
        const jetzt = this.eintraege.indexOf(document.activeElement as HTMLButtonElement);
        const anzahl = this.eintraege.length;
        const ziele: Record<string, number> = { ArrowRight: jetzt + 1, ArrowLeft: jetzt - 1 + anzahl, Home: 0, End: anzahl - 1 };
        if (e.key === "Escape" || e.key === "Tab") {
            this.zurueck();
            // Escape here leaves the bar and nothing else (not the explanation).
            if (e.key === "Escape") {
                e.preventDefault();
                e.stopPropagation();
            }
            return;
        }
        const ziel = ziele[e.key];
        if (ziel === undefined) return;
        e.preventDefault();
        this.eintraege[ziel % anzahl]?.focus();
    }
}
