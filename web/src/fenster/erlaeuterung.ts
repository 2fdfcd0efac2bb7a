// SPDX-License-Identifier: GPL-3.0-or-later
// The explanation panel image2 on the chart holds the desktop's own
// explanation picture, which its painting routine wrote as SVG for the
// page: the page's zoom scales it sharply. The game session shows and
// hides the panel. Its lines are also there as text for screen readers.
import { Erlaeuterungsdaten } from "./rahmentexte";

export function erlaeuterungEinsetzen(tafel: HTMLElement, daten: Erlaeuterungsdaten): void {
    const bild = new DOMParser().parseFromString(daten.svg, "image/svg+xml").documentElement;
    bild.setAttribute("aria-hidden", "true");
    const vorlesen = document.createElement("div");
    vorlesen.className = "nurVorlesen";
    vorlesen.append(...daten.zeilen.map((zeile) => {
        const absatz = document.createElement("p");
        absatz.textContent = zeile;
        return absatz;
    }));
    // Beneath the panel's own controls (its X), which come later.
    tafel.prepend(document.importNode(bild, true), vorlesen);
}
