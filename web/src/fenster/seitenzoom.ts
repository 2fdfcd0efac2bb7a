// SPDX-License-Identifier: GPL-3.0-or-later
// The projector zoom of the whole window, as on the desktop: steps with
// Ctrl+Plus and Ctrl+Minus, the design size with Ctrl+0, and with F11 the
// whole screen and the largest zoom that fits it (F11 again goes back). The browser's own page zoom
// does not answer these keys. The window always fits the browser's window:
// when it is too small for the zoom asked for, the window takes the largest
// zoom that fits, never less than the smallest fit, and grows back to the
// zoom asked for once there is room again (a tablet turned, a window
// resized). The zoom lays the page out anew (CSS zoom): text and frames are
// drawn sharp at every size; the canvases redraw themselves when told.
import { Zoomdaten } from "./rahmentexte";

export class Seitenzoom {
    private aktuell = 1;
    private readonly beobachter: Array<(zoom: number) => void> = [];
    private gewuenscht = 1;
    private vorDemFuellen: number | null = null;
    private readonly natuerlicheBreite: number;
    private readonly natuerlicheHoehe: number;

    /** `fenster` is the window with its menu bar; `zuGross` shows why a step was refused. */
    constructor(private readonly fenster: HTMLElement, private readonly daten: Zoomdaten,
                private readonly zuGross: (text: string) => void) {
        const groesse = fenster.getBoundingClientRect();
        this.natuerlicheBreite = groesse.width;
        this.natuerlicheHoehe = groesse.height;
    }

    /** The zoom the window is laid out at now. */
    get zoom(): number {
        return this.aktuell;
    }

    /** Calls `bei` with the new factor after each change of the zoom. */
    beiAenderung(bei: (zoom: number) => void): void {
        this.beobachter.push(bei);
    }

    private get groesste(): number {
        return this.daten.stufen[this.daten.stufen.length - 1] ?? 1;
    }

    /** The largest zoom (in thousandths) at which the window fits the browser's, at least the smallest fit. */
    groessterPassenderZoom(): number {
        const passend = Math.min(window.innerWidth / this.natuerlicheBreite, window.innerHeight / this.natuerlicheHoehe);
        const tausendstel = Math.floor(passend * 1000 + 1e-6) / 1000;
        return Math.min(this.groesste, Math.max(this.daten.kleinsteAnpassung, tausendstel));
    }

    /** The zoom asked for, or the largest that fits when it is larger. */
    setzen(gewuenscht: number): void {
        this.vorDemFuellen = null;
        this.gewuenscht = Math.min(this.groesste, Math.max(this.daten.kleinsteAnpassung, gewuenscht));
        this.anwenden(Math.min(this.gewuenscht, this.groessterPassenderZoom()));
    }

    vergroessern(): void {
        const naechste = this.daten.stufen.find((stufe) => stufe > this.aktuell);
        if (naechste === undefined) return;
        if (naechste <= this.groessterPassenderZoom()) this.setzen(naechste);
        else this.zuGross(this.daten.zuGross[String(naechste)] ?? "");
    }

    verkleinern(): void {
        const kleinere = this.daten.stufen.filter((stufe) => stufe < this.aktuell);
        this.setzen(kleinere[kleinere.length - 1] ?? this.aktuell);
    }

    zuruecksetzen(): void {
        this.setzen(this.daten.stufen[0] ?? 1);
    }

    // The page asks for the whole screen as well, and fills it once it has it (anpassen).
    bildschirmFuellenUmschalten(): void {
        if (this.vorDemFuellen !== null) {
            if (document.fullscreenElement) void document.exitFullscreen().catch(() => undefined);
            this.setzen(this.vorDemFuellen);
            return;
        }
        const vorher = this.gewuenscht;
        void document.documentElement.requestFullscreen?.().catch(() => undefined);
        this.setzen(this.groessterPassenderZoom());
        this.vorDemFuellen = vorher;
    }

    /** After a change of the browser's window: fit it, or grow back to the zoom asked for. */
    anpassen(): void {
        if (this.vorDemFuellen !== null) this.anwenden(this.groessterPassenderZoom());
        else this.anwenden(Math.min(this.gewuenscht, this.groessterPassenderZoom()));
        this.mittig();
    }

    private anwenden(zoom: number): void {
        if (zoom === this.aktuell && this.fenster.style.zoom !== "") return;
        this.aktuell = zoom;
        this.fenster.style.zoom = String(zoom);
        this.mittig();
        for (const bei of this.beobachter) bei(zoom);
    }

    // Centred in the browser's window on whole pixels: a canvas that starts
    // between two pixels would be blurred by the browser when it composes.
    private mittig(): void {
        const rand = (platz: number, groesse: number): string =>
            `${Math.max(0, Math.floor((platz - groesse * this.aktuell) / 2))}px`;
        const seite = this.fenster.parentElement;
        if (!seite) return;
        seite.style.paddingLeft = rand(window.innerWidth, this.natuerlicheBreite);
        seite.style.paddingTop = rand(window.innerHeight, this.natuerlicheHoehe);
    }

    /** Ctrl+Plus (also Ctrl+= and the keypad's), Ctrl+Minus, Ctrl+0, F11 and Ctrl with the wheel. */
    tastenEinrichten(): void {
        window.addEventListener("keydown", (e) => {
            const handlung = this.handlungFuer(e);
            if (!handlung) return;
            e.preventDefault();
            handlung();
        }, { capture: true });
        // Ctrl with the wheel (and a touchpad's pinch) zooms the browser's page: here it steps the window.
        // A pinch sends many small turns: a step is a notch's worth of them.
        let gedreht = 0;
        window.addEventListener("wheel", (e) => {
            if (!e.ctrlKey) return;
            e.preventDefault();
            gedreht += e.deltaY;
            if (Math.abs(gedreht) < 100) return;
            if (gedreht < 0) this.vergroessern();
            else this.verkleinern();
            gedreht = 0;
        }, { passive: false });
        window.addEventListener("resize", () => this.anpassen());
    }

    private handlungFuer(e: KeyboardEvent): (() => void) | null {
        if (e.key === "F11" && !e.ctrlKey && !e.altKey && !e.shiftKey) return () => this.bildschirmFuellenUmschalten();
        if (!(e.ctrlKey || e.metaKey) || e.altKey) return null;
        if (e.key === "+" || e.key === "=" || e.code === "NumpadAdd") return () => this.vergroessern();
        if (e.key === "-" || e.code === "NumpadSubtract") return () => this.verkleinern();
        if (e.key === "0" || e.code === "Digit0" || e.code === "Numpad0") return () => this.zuruecksetzen();
        return null;
    }
}
