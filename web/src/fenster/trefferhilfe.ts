// SPDX-License-Identifier: GPL-3.0-or-later
// A fingertip is broader than the window's small controls (a spin arrow is
// 19 × 15 pixels): a touch or a pen that lands beside a control, within its
// reach, works that control as if it had landed on it. A control's reach is
// its rectangle grown, around its middle, to at least 40 × 40 CSS pixels as
// the screen shows it; where the reaches of two controls overlap, the one
// nearer to the point wins. Nothing is drawn for it, and the mouse is left
// exactly as it is. Browsers grow no hit areas by themselves, and CSS can
// only grow an element that has pseudo-elements and no clipping parent,
// which text boxes and the window's panels are not: hence this small
// dispatcher.

// Fingers need about 44 CSS pixels; 40 is the least the window gives.
const kleinsteReichweite = 40;

// What a finger can work: the menu's commands, buttons, the box of t, the
// scroll bars' arrows and thumbs, the field, and the evaluation's controls.
const ziele = [
    "#menueleiste button", "button.steuer", "input.steuer:not([readonly])", ".pfeil", ".rinne", ".daumen",
    ".Surface canvas", ".auswertung button", ".auswertung select", ".auswertung input",
].join(", ");

interface Kandidat {
    element: HTMLElement;
    abstand: number;
    rechteck: DOMRect;
}

function abstandZu(r: DOMRect, x: number, y: number): number {
    const dx = Math.max(r.left - x, 0, x - r.right);
    const dy = Math.max(r.top - y, 0, y - r.bottom);
    return Math.hypot(dx, dy);
}

function inReichweite(r: DOMRect, x: number, y: number): boolean {
    const halbeBreite = Math.max(r.width, kleinsteReichweite) / 2;
    const halbeHoehe = Math.max(r.height, kleinsteReichweite) / 2;
    return Math.abs(x - (r.left + r.width / 2)) <= halbeBreite && Math.abs(y - (r.top + r.height / 2)) <= halbeHoehe;
}

// The point of the rectangle nearest to (x, y), two pixels inside its
// edges: at a fractional zoom the browser's hit test and the rectangle it
// reports differ by up to a pixel.
function naechsterPunkt(r: DOMRect, x: number, y: number): [number, number] {
    const innen = (wert: number, von: number, bis: number): number => {
        const rand = Math.min(2, (bis - von) / 2);
        return Math.min(bis - rand, Math.max(von + rand, wert));
    };
    return [innen(x, r.left, r.right), innen(y, r.top, r.bottom)];
}

/** The shown, enabled control whose reach holds the point and that lies nearest to it, if any. */
export function naechstesZiel(x: number, y: number): Kandidat | null {
    let bester: Kandidat | null = null;
    for (const element of document.querySelectorAll<HTMLElement>(ziele)) {
        if (element.matches(":disabled")) continue;
        const rechteck = element.getBoundingClientRect();
        if (rechteck.width === 0 || rechteck.height === 0 || !inReichweite(rechteck, x, y)) continue;
        const abstand = abstandZu(rechteck, x, y);
        if (!bester || abstand < bester.abstand) bester = { element, abstand, rechteck };
    }
    // A control covered there (by the explanation, say) is out of reach.
    if (!bester) return null;
    const oben = document.elementFromPoint(...naechsterPunkt(bester.rechteck, x, y));
    return oben && bester.element.contains(oben) ? bester : null;
}

// Buttons act when the finger is lifted within their reach, as a click does.
function beimLoslassen(e: PointerEvent, ziel: HTMLElement, handlung: () => void): void {
    const los = (l: PointerEvent): void => {
        if (l.pointerId !== e.pointerId) return;
        window.removeEventListener("pointerup", los, true);
        window.removeEventListener("pointercancel", los, true);
        if (l.type === "pointerup" && naechstesZiel(l.clientX, l.clientY)?.element === ziel) handlung();
    };
    window.addEventListener("pointerup", los, true);
    window.addEventListener("pointercancel", los, true);
}

// Arrows, thumbs and the field follow the pointer themselves: they get the
// press at the nearest point of their own rectangle, and then hold the pointer.
function druckWeitergeben(e: PointerEvent, ziel: Kandidat): void {
    const [clientX, clientY] = naechsterPunkt(ziel.rechteck, e.clientX, e.clientY);
    ziel.element.dispatchEvent(new PointerEvent("pointerdown", {
        bubbles: true, cancelable: true, composed: true,
        pointerId: e.pointerId, pointerType: e.pointerType, isPrimary: e.isPrimary, clientX, clientY,
        button: e.button, buttons: e.buttons, pressure: e.pressure, width: e.width, height: e.height,
    }));
}

function weitergeben(e: PointerEvent, ziel: Kandidat): void {
    const element = ziel.element;
    if (element instanceof HTMLButtonElement) beimLoslassen(e, element, () => element.click());
    else if (element instanceof HTMLInputElement || element instanceof HTMLSelectElement) {
        beimLoslassen(e, element, () => element.focus());
    } else druckWeitergeben(e, ziel);
}

/** Lets fingers and pens work a control from within its reach, everywhere on the page. */
export function trefferhilfeEinrichten(): void {
    window.addEventListener("pointerdown", (e) => {
        if (e.pointerType === "mouse" || !e.isTrusted) return;
        const getroffen = e.target instanceof Element ? e.target : null;
        if (getroffen?.closest(ziele)) return;
        const ziel = naechstesZiel(e.clientX, e.clientY);
        if (!ziel) return;
        // The press belongs to the control now: no text selection, no focus on the panel below.
        e.preventDefault();
        e.stopPropagation();
        weitergeben(e, ziel);
    }, true);
}
