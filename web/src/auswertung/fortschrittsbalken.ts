// SPDX-License-Identifier: GPL-3.0-or-later
// The progress of many games: a bar with the percentage in it, as the
// desktop's shows it ("36%"), or a text of its own such as the note after
// a cancel. Screen readers get the value and that text.
export class Fortschrittsbalken {
    private readonly balken: HTMLElement;
    private readonly text: HTMLElement;
    private eigenerText: string | null = null;
    private fertig = 0;
    private spiele = 1;

    /** `element` as the page has it: the bar and the text inside. */
    constructor(readonly element: HTMLElement) {
        this.balken = element.querySelector(".auswertungFortschrittBalken")!;
        this.text = element.querySelector(".auswertungFortschrittText")!;
        this.setzen(0, 1);
    }

    get wert(): number {
        return this.fertig;
    }
    get hoechstwert(): number {
        return this.spiele;
    }

    setzen(fertig: number, spiele: number): void {
        this.fertig = fertig;
        this.spiele = Math.max(1, spiele);
        this.zeigen();
    }

    /** A text instead of the percentage, until textZuruecksetzen. */
    textSetzen(text: string): void {
        this.eigenerText = text;
        this.zeigen();
    }

    textZuruecksetzen(): void {
        this.eigenerText = null;
        this.zeigen();
    }

    private zeigen(): void {
        const prozent = Math.floor((this.fertig * 100) / this.spiele);
        this.balken.style.width = `${(100 * this.fertig) / this.spiele}%`;
        this.text.textContent = this.eigenerText ?? `${prozent}%`;
        this.element.setAttribute("aria-valuemax", String(this.spiele));
        this.element.setAttribute("aria-valuenow", String(this.fertig));
        if (this.eigenerText) this.element.setAttribute("aria-valuetext", this.eigenerText);
        else this.element.removeAttribute("aria-valuetext");
    }
}
