// SPDX-License-Identifier: GPL-3.0-or-later
// A scroll bar as on the desktop: two arrows, a groove and a thumb, worked
// with the pointer (mouse, finger, pen) and with the keyboard, and heard by
// screen readers as a scroll bar with its value. A vertical bar has its
// larger value at the top.

export type Ausrichtung = "senkrecht" | "waagerecht";

export interface Rollbalkenmasse {
    minimum: number;
    maximum: number;
    wert: number;
    /** Both the arrow step and the page step, as on the desktop. */
    schritt: number;
    /** Length and breadth in CSS pixels at zoom 1. */
    laenge: number;
    breite: number;
}

// The thumb's smallest length; a groove shorter than it shows no thumb.
const kleinsterDaumen = 26;
// The arrows and the groove repeat while held, after a first pause.
const ersteWiederholung = 500;
const wiederholung = 50;

// Calls `ende` once the pointer held on `ziel` is let go or lost; what is
// listened to with the signal it returns stops then too.
function bisLoslassen(ziel: HTMLElement, ende: () => void): AbortSignal {
    const halt = new AbortController();
    const los = (): void => {
        halt.abort();
        ende();
    };
    for (const art of ["pointerup", "pointercancel"]) ziel.addEventListener(art, los, { signal: halt.signal });
    return halt.signal;
}

export class Rollbalken {
    readonly element: HTMLElement;
    /** False: a change is reported when the thumb is released, not while it moves. */
    verfolgung = true;
    private wertIntern: number;
    private gezogenerWert: number | null = null;
    private readonly daumen: HTMLElement;
    private readonly rinne: HTMLElement;
    private readonly beobachter: Array<(wert: number) => void> = [];
    private wiederholer = 0;

    constructor(element: HTMLElement, readonly ausrichtung: Ausrichtung, private readonly masse: Rollbalkenmasse) {
        this.element = element;
        this.wertIntern = masse.wert;
        element.setAttribute("role", "scrollbar");
        element.setAttribute("aria-orientation", ausrichtung === "senkrecht" ? "vertical" : "horizontal");
        element.setAttribute("aria-valuemin", String(masse.minimum));
        element.setAttribute("aria-valuemax", String(masse.maximum));
        const pfeilLaenge = Math.min(masse.breite, masse.laenge / 2);
        element.style.setProperty("--pfeil", `${pfeilLaenge}px`);
        const [zurueck, vor] = [this.pfeil("zurueck"), this.pfeil("vor")];
        this.rinne = document.createElement("div");
        this.rinne.className = "rinne";
        this.daumen = document.createElement("div");
        this.daumen.className = "daumen";
        this.rinne.append(this.daumen);
        element.append(zurueck, this.rinne, vor);
        this.daumenBemessen(masse.laenge - 2 * pfeilLaenge);
        this.anzeigen();
        element.addEventListener("keydown", (e) => this.taste(e));
        this.rinne.addEventListener("pointerdown", (e) => this.rinneGedrueckt(e));
        this.daumen.addEventListener("pointerdown", (e) => this.daumenGreifen(e));
    }

    get wert(): number {
        return this.wertIntern;
    }

    get minimum(): number {
        return this.masse.minimum;
    }

    get maximum(): number {
        return this.masse.maximum;
    }

    /** Sets the value (kept in range); reports it when it changed. */
    setzen(wert: number): void {
        const neu = Math.min(this.masse.maximum, Math.max(this.masse.minimum, Math.round(wert)));
        this.gezogenerWert = null;
        if (neu === this.wertIntern) {
            this.anzeigen();
            return;
        }
        this.wertIntern = neu;
        this.anzeigen();
        for (const beobachter of this.beobachter) beobachter(neu);
    }

    beiAenderung(beobachter: (wert: number) => void): void {
        this.beobachter.push(beobachter);
    }

    // Positions run from the top or left (0) to the bottom or right (1): a
    // vertical bar has its larger value at the top.
    private lageVon(wert: number): number {
        const { minimum, maximum } = this.masse;
        const anteil = maximum > minimum ? (wert - minimum) / (maximum - minimum) : 0;
        return this.ausrichtung === "senkrecht" ? 1 - anteil : anteil;
    }

    private wertBei(lage: number): number {
        const { minimum, maximum } = this.masse;
        const anteil = this.ausrichtung === "senkrecht" ? 1 - lage : lage;
        return Math.round(minimum + Math.min(1, Math.max(0, anteil)) * (maximum - minimum));
    }

    /** Moves by `schritte` steps towards the bottom or right (negative: top or left). */
    private schieben(schritte: number): void {
        const richtung = this.ausrichtung === "senkrecht" ? -1 : 1;
        this.setzen(this.wertIntern + richtung * schritte * this.masse.schritt);
    }

    private anzeigen(): void {
        const gezeigt = this.gezogenerWert ?? this.wertIntern;
        this.element.setAttribute("aria-valuenow", String(gezeigt));
        this.daumen.style.setProperty("--lage", String(this.lageVon(gezeigt)));
    }

    private daumenBemessen(rinnenLaenge: number): void {
        const { minimum, maximum, schritt } = this.masse;
        const anteil = schritt / (maximum - minimum + schritt);
        const laenge = Math.max(kleinsterDaumen, rinnenLaenge * anteil);
        this.daumen.style.setProperty("--daumen", `${laenge}px`);
        this.daumen.hidden = laenge > rinnenLaenge;
    }

    private pfeil(richtung: "zurueck" | "vor"): HTMLElement {
        const pfeil = document.createElement("div");
        pfeil.className = `pfeil ${richtung}`;
        pfeil.addEventListener("pointerdown", (e) => {
            e.preventDefault();
            this.element.focus({ preventScroll: true });
            this.wiederholen(() => this.schieben(richtung === "vor" ? 1 : -1), pfeil, e);
        });
        return pfeil;
    }

    // Runs a step at once, then again and again while the pointer is held.
    private wiederholen(schritt: () => void, ziel: HTMLElement, e: PointerEvent): void {
        ziel.setPointerCapture(e.pointerId);
        schritt();
        bisLoslassen(ziel, () => window.clearTimeout(this.wiederholer));
        const weiter = (pause: number): void => {
            this.wiederholer = window.setTimeout(() => {
                schritt();
                weiter(wiederholung);
            }, pause);
        };
        weiter(ersteWiederholung);
    }

    // A press on the groove pages towards the pointer until the thumb is there.
    private rinneGedrueckt(e: PointerEvent): void {
        if (e.target !== this.rinne) return;
        e.preventDefault();
        this.element.focus({ preventScroll: true });
        const ziel = this.lageInRinne(e);
        this.wiederholen(() => {
            const lage = this.lageVon(this.wertIntern);
            if (Math.abs(lage - ziel) * this.laengs(this.rinne)[1] > this.laengs(this.daumen)[1] / 2) this.schieben(ziel > lage ? 1 : -1);
        }, this.rinne, e);
    }

    private daumenGreifen(e: PointerEvent): void {
        e.preventDefault();
        e.stopPropagation();
        this.element.focus({ preventScroll: true });
        this.daumen.setPointerCapture(e.pointerId);
        const versatz = this.lageInRinne(e) - this.lageVon(this.wertIntern);
        const bewegen = (m: PointerEvent): void => {
            const wert = this.wertBei(this.lageInRinne(m) - versatz);
            if (this.verfolgung) this.setzen(wert);
            else {
                this.gezogenerWert = wert;
                this.anzeigen();
            }
        };
        const signal = bisLoslassen(this.daumen, () => {
            if (this.gezogenerWert !== null) this.setzen(this.gezogenerWert);
        });
        this.daumen.addEventListener("pointermove", bewegen, { signal });
    }

    /** Where a box of the bar begins along it, and its length. */
    private laengs(e: HTMLElement): [anfang: number, laenge: number] {
        const r = e.getBoundingClientRect();
        return this.ausrichtung === "senkrecht" ? [r.top, r.height] : [r.left, r.width];
    }

    /** Where the pointer is along the groove, as the thumb's position 0..1. */
    private lageInRinne(e: PointerEvent): number {
        const [[anfang, laenge], [, daumen]] = [this.laengs(this.rinne), this.laengs(this.daumen)];
        const zeiger = this.ausrichtung === "senkrecht" ? e.clientY : e.clientX;
        return laenge > daumen ? (zeiger - anfang - daumen / 2) / (laenge - daumen) : 0;
    }

    // As on the desktop: Up, Left and Page Up go towards the top or left end,
    // Down, Right and Page Down towards the other; Home and End to the ends.
    private taste(e: KeyboardEvent): void {
        if (e.ctrlKey || e.altKey || e.metaKey) return;
        const schritte: Record<string, number> = {
            ArrowUp: -1, ArrowLeft: -1, PageUp: -1, ArrowDown: 1, ArrowRight: 1, PageDown: 1,
        };
        const oben = this.ausrichtung === "senkrecht" ? this.masse.maximum : this.masse.minimum;
        const unten = this.ausrichtung === "senkrecht" ? this.masse.minimum : this.masse.maximum;
        if (e.key in schritte) this.schieben(schritte[e.key] ?? 0);
        else if (e.key === "Home") this.setzen(oben);
        else if (e.key === "End") this.setzen(unten);
        else return;
        e.preventDefault();
    }
}
