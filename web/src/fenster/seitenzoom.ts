// SPDX-License-Identifier: GPL-3.0-or-later
// The projector zoom of the whole window, as on the desktop: steps with
// Ctrl+Plus and Ctrl+Minus, the design size with Ctrl+0, and with F11 the
// whole screen and the largest zoom that fits it (F11 again goes back). The
// browser's own page zoom does not answer these keys. The window always
// fits the browser's window, placed at its top: when it is too small for
// the zoom asked for, the window takes the largest zoom that fits, however
// small (a phone), and grows back to the zoom asked for once there is room
// again (a tablet turned, a window resized). On a touch screen, which has
// no keys for the steps, the window fills the screen from the start. The
// zoom lays the page out anew (CSS zoom): text and frames are drawn sharp
// at every size; the canvases redraw themselves when told. A pinch is the
// browser's own magnifier and stays possible.
import { Zoomdaten } from "./rahmentexte";

// Below this the window's texts could no longer be read even with a pinch.
const kleinsterZoom = 0.25;

export class Seitenzoom {
    private aktuell = 1;
    private readonly beobachter: Array<(zoom: number) => void> = [];
    private gewuenscht = 1;
    // While the window fills the browser's window: the zoom asked for before (F11), or 1 (a touch screen).
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

    /** The largest zoom (in thousandths) at which the window fits the browser's, at most the largest step. */
    groessterPassenderZoom(): number {
        // The layout viewport: a pinch leaves it as it is, the page never overflows it sideways.
        const { clientWidth, clientHeight } = document.documentElement;
        const passend = Math.min(clientWidth / this.natuerlicheBreite, clientHeight / this.natuerlicheHoehe);
        const tausendstel = Math.floor(passend * 1000 + 1e-6) / 1000;
        return Math.min(this.groesste, Math.max(kleinsterZoom, tausendstel));
    }

    /** Whether the window is shown smaller than the program ever shows it on a screen of its own. */
    get verkleinert(): boolean {
        return this.aktuell < this.daten.kleinsteAnpassung;
    }

    /** On a touch screen: the window fills the browser's window from now on, as F11 does. */
    fuellen(): void {
        this.vorDemFuellen = this.gewuenscht;
        this.anwenden(this.groessterPassenderZoom());
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
        const passend = this.groessterPassenderZoom();
        if (naechste <= passend) this.setzen(naechste);
        // Between two steps, the window still grows as far as the screen has room.
        else if (passend > this.aktuell) this.setzen(passend);
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

    // Centred across the browser's window on whole pixels, at its top: a
    // canvas that starts between two pixels would be blurred by the browser
    // when it composes.
    private mittig(): void {
        const seite = this.fenster.parentElement;
        if (!seite) return;
        const rand = Math.floor((document.documentElement.clientWidth - this.natuerlicheBreite * this.aktuell) / 2);
        seite.style.paddingLeft = `${Math.max(0, rand)}px`;
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
