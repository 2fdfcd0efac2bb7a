// SPDX-License-Identifier: GPL-3.0-or-later
// The projector zoom of the whole window, as on the desktop: steps with
// Ctrl+Plus and Ctrl+Minus, the design size with Ctrl+0, and with F11 the
// whole screen and the largest zoom that fits it (F11 again goes back). The
// browser's own page zoom does not answer these keys. The game layer
// chooses the zoom (it always fits the browser's window, and fills it on a
// touch screen); the page measures the browser's window and lays the
// window out anew at the zoom (CSS zoom), placed at the top: text and
// frames are drawn sharp at every size, and the canvases redraw themselves
// when told. A pinch is the browser's own magnifier and stays possible.
import { Modell, Zoomhandlung, Zoomstand } from "../modell/modell";

export class Seitenzoom {
    private stand: Zoomstand;
    private readonly beobachter: Array<(zoom: number) => void> = [];
    private readonly natuerlicheBreite: number;
    private readonly natuerlicheHoehe: number;

    /**
     * The window's size at the design size, which the zoom keeps for a mouse:
     * the page's first layout, which can go on while the model compiles.
     */
    static ausmessen(fenster: HTMLElement): DOMRect {
        fenster.style.zoom = "1";
        return fenster.getBoundingClientRect();
    }

    /**
     * `fenster` is the window with its menu bar, `groesse` what ausmessen
     * found; `zuGross` shows why a step was refused.
     */
    constructor(private readonly fenster: HTMLElement, groesse: DOMRect, private readonly modell: Modell,
                private readonly zuGross: (text: string) => void) {
        this.natuerlicheBreite = groesse.width;
        this.natuerlicheHoehe = groesse.height;
        this.stand = this.modell.zoom("zuruecksetzen", this.verhaeltnis());
        this.zeigen();
    }

    /** The zoom the window is laid out at now. */
    get zoom(): number {
        return this.stand.zoom;
    }

    /** Whether the window is shown smaller than the program ever shows it on a screen of its own. */
    get verkleinert(): boolean {
        return this.stand.verkleinert;
    }

    get drehhinweis(): string {
        return this.stand.drehhinweis;
    }

    /** Calls `bei` with the new factor after each change of the zoom. */
    beiAenderung(bei: (zoom: number) => void): void {
        this.beobachter.push(bei);
    }

    // The layout viewport over the window's own size: a pinch leaves it as it is, the page never overflows it sideways.
    private verhaeltnis(): number {
        const { clientWidth, clientHeight } = document.documentElement;
        return Math.min(clientWidth / this.natuerlicheBreite, clientHeight / this.natuerlicheHoehe);
    }

    /** Ctrl+Plus, Ctrl+Minus, Ctrl+0, F11, a touch screen's fill, a change of the browser's window. */
    ausfuehren(handlung: Zoomhandlung): void {
        const vorher = this.stand;
        this.stand = this.modell.zoom(handlung, this.verhaeltnis());
        if (this.stand.zuGross !== "") this.zuGross(this.stand.zuGross);
        // F11 asks for the whole screen as well, and fills it once it has it (a change of the window).
        if (handlung === "umschalten" && this.stand.fuellt) void document.documentElement.requestFullscreen?.().catch(() => undefined);
        else if (handlung === "umschalten" && document.fullscreenElement) void document.exitFullscreen().catch(() => undefined);
        if (this.stand.zoom !== vorher.zoom) this.zeigen();
        this.mittig();
    }

    private zeigen(): void {
        this.fenster.style.zoom = String(this.stand.zoom);
        this.mittig();
        for (const bei of this.beobachter) bei(this.stand.zoom);
    }

    // Centred across the browser's window on whole pixels, at its top: a
    // canvas that starts between two pixels would be blurred by the browser
    // when it composes.
    private mittig(): void {
        const seite = this.fenster.parentElement;
        if (!seite) return;
        const rand = Math.floor((document.documentElement.clientWidth - this.natuerlicheBreite * this.stand.zoom) / 2);
        seite.style.paddingLeft = `${Math.max(0, rand)}px`;
    }

    /** Ctrl+Plus (also Ctrl+= and the keypad's), Ctrl+Minus, Ctrl+0, F11 and Ctrl with the wheel. */
    tastenEinrichten(): void {
        window.addEventListener("keydown", (e) => {
            const handlung = handlungFuer(e);
            if (!handlung) return;
            e.preventDefault();
            this.ausfuehren(handlung);
        }, { capture: true });
        // Ctrl with the wheel (and a touchpad's pinch) zooms the browser's page: here it steps the window.
        // A pinch sends many small turns: a step is a notch's worth of them.
        let gedreht = 0;
        window.addEventListener("wheel", (e) => {
            if (!e.ctrlKey) return;
            e.preventDefault();
            gedreht += e.deltaY;
            if (Math.abs(gedreht) < 100) return;
            this.ausfuehren(gedreht < 0 ? "vergroessern" : "verkleinern");
            gedreht = 0;
        }, { passive: false });
        window.addEventListener("resize", () => this.ausfuehren("anpassen"));
    }
}

function handlungFuer(e: KeyboardEvent): Zoomhandlung | null {
    if (e.key === "F11" && !e.ctrlKey && !e.altKey && !e.shiftKey) return "umschalten";
    if (!(e.ctrlKey || e.metaKey) || e.altKey) return null;
    if (e.key === "+" || e.key === "=" || e.code === "NumpadAdd") return "vergroessern";
    if (e.key === "-" || e.code === "NumpadSubtract") return "verkleinern";
    if (e.key === "0" || e.code === "Digit0" || e.code === "Numpad0") return "zuruecksetzen";
    return null;
}
