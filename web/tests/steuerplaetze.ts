// SPDX-License-Identifier: GPL-3.0-or-later
// Every shown control at its design rectangle, times the zoom, in any engine.
import assert from "node:assert/strict";
import { bedienerFuer, Seite } from "./bediener.js";

interface Gemessen {
    name: string;
    soll: number[];
    ist: number[];
}

// Each shown control's rectangle relative to #Form1 as drawn, and as the
// table designs it: twips / 15 summed along its parents, a line a band of
// one pixel, all times the zoom.
function rechteckeMessen(zoom: number): Gemessen[] {
    type Zeile = { name: string; kind: string; parent: string; left: number; top: number; width: number; height: number };
    const tabelle = JSON.parse(document.getElementById("daten")?.textContent ?? "{}").steuertabelle.controls as Zeile[];
    const nachName = new Map(tabelle.map((z) => [z.name, z]));
    // A line may run left or up from its point: only lines have negative sizes.
    const ursprung = (z: Zeile | undefined): [number, number] => {
        if (!z) return [0, 0];
        const [x, y] = ursprung(nachName.get(z.parent));
        return [x + Math.min(z.left, z.left + z.width) / 15, y + Math.min(z.top, z.top + z.height) / 15];
    };
    const form = document.getElementById("Form1")!.getBoundingClientRect();
    const ergebnis: Gemessen[] = [];
    for (const z of tabelle) {
        const element = document.getElementById(z.name);
        if (!element || element.getClientRects().length === 0) continue;
        const [x, y] = ursprung(z);
        const dicke = z.kind === "Line" ? 1 : 0;
        const soll = [x, y, Math.max(Math.abs(z.width) / 15, dicke), Math.max(Math.abs(z.height) / 15, dicke)].map((w) => w * zoom);
        const r = element.getBoundingClientRect();
        ergebnis.push({ name: z.name, soll, ist: [r.left - form.left, r.top - form.top, r.width, r.height] });
    }
    return ergebnis;
}

export async function anDenRechtecken(seite: Seite, zoom: number): Promise<void> {
    const gemessen = await bedienerFuer(seite).auswerten(rechteckeMessen, zoom);
    assert.ok(gemessen.length >= 38, `nur ${gemessen.length} Steuerelemente sichtbar`);
    const abweichend = gemessen.filter((g) => g.soll.some((s, i) => Math.abs(s - (g.ist[i] ?? NaN)) > 0.05));
    assert.deepEqual(abweichend, []);
}
