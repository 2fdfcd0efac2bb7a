// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one way to the scroll bars' values: read, set, and be told of a
// new value. Until the scroll bar elements have their own behaviour this
// keeps the value on the element itself (aria-valuenow) and listens for its
// "change" event; arrow keys step it (the vertical bars have their larger
// end at the top).
import { Steuerbeschreibung } from "../fenster/seitendaten";

export interface Schieber {
    wert(): number;
    /** Sets the value; a new value is reported as a user's change is. */
    setzen(wert: number): void;
    minimum(): number;
    beiAenderung(tun: (wert: number) => void): void;
}

export function schieberFuer(element: HTMLElement, s: Steuerbeschreibung): Schieber {
    const kleinster = Math.min(s.minimum, s.maximum), groesster = Math.max(s.minimum, s.maximum);
    const zuhoerer: ((wert: number) => void)[] = [];
    const lesen = (): number => Number(element.getAttribute("aria-valuenow"));
    const setzen = (wert: number): void => {
        const neu = Math.min(groesster, Math.max(kleinster, Math.round(wert)));
        if (neu === lesen()) return;
        element.setAttribute("aria-valuenow", String(neu));
        element.dispatchEvent(new Event("change"));
    };
    element.setAttribute("role", "scrollbar");
    element.setAttribute("aria-orientation", s.kind === "VScrollBar" ? "vertical" : "horizontal");
    element.setAttribute("aria-valuemin", String(kleinster));
    element.setAttribute("aria-valuemax", String(groesster));
    if (!element.hasAttribute("aria-valuenow")) element.setAttribute("aria-valuenow", String(s.value));
    element.addEventListener("change", () => zuhoerer.forEach((tun) => tun(lesen())));
    element.addEventListener("keydown", (e) => {
        const schritt = { ArrowUp: 1, ArrowRight: 1, ArrowDown: -1, ArrowLeft: -1 }[e.key];
        if (schritt === undefined) return;
        e.preventDefault();
        setzen(lesen() + schritt * Math.max(1, s.step));
    });
    return { wert: lesen, setzen, minimum: () => kleinster, beiAenderung: (tun) => zuhoerer.push(tun) };
}
