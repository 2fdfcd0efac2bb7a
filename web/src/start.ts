// SPDX-License-Identifier: GPL-3.0-or-later
// The one script of the page runs twice: in the page, where it builds the
// window, and in the worker that plays many games, which the page starts
// from the same script text.
import { rechnerStarten } from "./arbeiter/rechner";
import { Modell } from "./modell/modell";
import { seiteStarten, startfehlerZeigen } from "./seite";

if (typeof document === "undefined") {
    rechnerStarten();
} else {
    // The script comes before the window's markup: the model unpacks and
    // compiles while the browser reads the rest of the page.
    const laden = Modell.laden();
    // A failure is told once the page starts, by seiteStarten.
    laden.catch(() => undefined);
    const starten = (): void => void seiteStarten(laden).catch(startfehlerZeigen);
    if (document.readyState === "loading") document.addEventListener("DOMContentLoaded", starten, { once: true });
    else starten();
}
