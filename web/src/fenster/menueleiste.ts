// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar above the window: the desktop's three commands, left to
// right, each with its underlined access key (Alt and the letter) and its
// shortcut (Ctrl+Q, F1). Alt alone or F10 puts the keyboard on the bar,
// the arrow keys move along it, Escape goes back to where the focus was.
import { Menuebefehl } from "./rahmentexte";

export type Menuehandler = Record<string, () => void>;

/** The caption without its "&", and the letter after it. */
export function beschriftungOhneZeichen(text: string): { text: string; zeichen: string } {
    const stelle = text.indexOf("&");
    if (stelle < 0) return { text, zeichen: "" };
    return { text: text.slice(0, stelle) + text.slice(stelle + 1), zeichen: text.charAt(stelle + 1) };
}

function eintrag(befehl: Menuebefehl, handler: () => void): HTMLButtonElement {
    const knopf = document.createElement("button");
    knopf.type = "button";
    knopf.id = befehl.name;
    knopf.setAttribute("role", "menuitem");
    knopf.tabIndex = -1;
    const stelle = befehl.text.indexOf("&");
    const { text, zeichen } = beschriftungOhneZeichen(befehl.text);
    if (zeichen) {
        const unterstrichen = document.createElement("u");
        unterstrichen.textContent = zeichen;
        knopf.append(text.slice(0, stelle), unterstrichen, text.slice(stelle + 1));
        knopf.setAttribute("aria-keyshortcuts", [`Alt+${zeichen.toUpperCase()}`, befehl.taste].filter(Boolean).join(" "));
    } else {
        knopf.textContent = text;
    }
    knopf.addEventListener("click", () => handler());
    return knopf;
}

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
    readonly element: HTMLElement;
    private readonly eintraege: HTMLButtonElement[] = [];
    private vorher: HTMLElement | null = null;
    private nurAlt = false;

    constructor(private readonly befehle: Menuebefehl[], private readonly handler: Menuehandler,
                private readonly gesperrt: () => boolean) {
        this.element = document.createElement("nav");
        this.element.id = "menueleiste";
        this.element.setAttribute("role", "menubar");
        this.element.setAttribute("aria-label", "Menüleiste");
        for (const befehl of befehle) {
            const knopf = eintrag(befehl, () => this.ausfuehren(befehl.name));
            this.eintraege.push(knopf);
            this.element.append(knopf);
        }
        this.element.addEventListener("keydown", (e) => this.inDerLeiste(e));
        window.addEventListener("keydown", (e) => this.taste(e));
        window.addEventListener("keyup", (e) => this.altLosgelassen(e));
    }

    /** What a command does from now on. */
    handlerSetzen(name: string, handlung: () => void): void {
        this.handler[name] = handlung;
    }

    /** A command of the page's own, right of the others. */
    befehlAnhaengen(befehl: Menuebefehl, handlung: () => void): void {
        this.befehle.push(befehl);
        this.handler[befehl.name] = handlung;
        const knopf = eintrag(befehl, () => this.ausfuehren(befehl.name));
        this.eintraege.push(knopf);
        this.element.append(knopf);
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

    private zugriffstaste(befehl: Menuebefehl, e: KeyboardEvent): boolean {
        const { zeichen } = beschriftungOhneZeichen(befehl.text);
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
