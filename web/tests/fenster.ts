// SPDX-License-Identifier: GPL-3.0-or-later
// The window's frame in the browser: every control at its design rectangle
// at zoom 1 and after Ctrl+Plus, the window fitting a small browser window,
// the menu bar with the desktop's commands, the explanation with F1 and
// Escape, the help line over a control, and a scroll bar worked by keys.
import assert from "node:assert/strict";
import type { Page } from "puppeteer-core";
import { oeffnen, pruefen, seitenPfad, Sitzung } from "./browser.js";
import { anDenRechtecken } from "./steuerplaetze.js";

const pfad = seitenPfad();

const zoomVon = (seite: Page): Promise<number> =>
    seite.$eval("#fensterrahmen", (e) => Number((e as HTMLElement).style.zoom || "1"));

async function mitSeite(pruefung: (s: Sitzung) => Promise<void>, groesse = { breite: 1400, hoehe: 1000 }): Promise<void> {
    const s = await oeffnen(pfad, groesse);
    try {
        await pruefung(s);
        assert.deepEqual(s.fehler, []);
    } finally {
        await s.browser.close();
    }
}

const sichtbar = (seite: Page, name: string): Promise<boolean> =>
    seite.$eval(`#${name}`, (e) => e.getClientRects().length > 0);

await pruefen({
    "Entwurfsrechtecke bei Zoom 1, nach Strg+Plus vergrößert, Strg+0 zurück": () => mitSeite(async ({ seite }) => {
        assert.equal(await zoomVon(seite), 1);
        await anDenRechtecken(seite, 1);
        await seite.keyboard.down("Control");
        await seite.keyboard.press("+");
        await seite.keyboard.up("Control");
        assert.equal(await zoomVon(seite), 1.25);
        await anDenRechtecken(seite, 1.25);
        await seite.keyboard.down("Control");
        await seite.keyboard.press("0");
        await seite.keyboard.up("Control");
        assert.equal(await zoomVon(seite), 1);
    }),
    "ein kleines Browserfenster: das Fenster passt hinein, Strg+Plus meldet die zu große Stufe": () => mitSeite(async ({ seite }) => {
        const zoom = await zoomVon(seite);
        assert.ok(zoom < 1 && zoom >= 0.75, String(zoom));
        const r = await seite.$eval("#fensterrahmen", (e) => e.getBoundingClientRect().toJSON() as DOMRect);
        assert.ok(r.left >= 0 && r.top >= 0 && r.right <= 800 && r.bottom <= 600, JSON.stringify(r));
        await seite.keyboard.down("Control");
        await seite.keyboard.press("+");
        await seite.keyboard.up("Control");
        assert.equal(await zoomVon(seite), zoom);
        assert.match(await seite.$eval("#txtHilfe", (e) => (e as HTMLInputElement).value), /nächste Stufe \(100 %\) zu klein/);
    }, { breite: 800, hoehe: 600 }),
    "die Menüleiste mit den Befehlen des Desktops, der Auswertung und des Ergebnisses, Alt+I zeigt die Information": () => mitSeite(async ({ seite }) => {
        // The desktop's commands in its order (their captions are compared with the desktop's by
        // lektionsvergleich.ts), then the page's own.
        const eintraege = await seite.$$eval("[role=menubar] [role=menuitem]", (l) => l.map((e) => [e.id, e.textContent]));
        assert.deepEqual(eintraege.map(([id]) => id),
            ["cmdEnde", "cmdStoch", "cmdInfo", "cmdAuswertung", "cmdErgebnisSpeichern"]);
        assert.deepEqual(eintraege.slice(3), [["cmdAuswertung", "Auswertung"], ["cmdErgebnisSpeichern", "Ergebnis speichern"]]);
        await seite.keyboard.down("Alt");
        await seite.keyboard.press("KeyI");
        await seite.keyboard.up("Alt");
        const text = await seite.$eval("dialog[open]", (e) => e.textContent ?? "");
        assert.match(text, /Information.*Nivra1\.0.*Strg\+Q\s*Programm beenden/s);
        await seite.keyboard.press("Escape");
        assert.equal(await seite.$("dialog[open]"), null);
    }),
    "F1 zeigt die Erläuterung, Esc und ihr X verbergen sie": () => mitSeite(async ({ seite }) => {
        assert.equal(await sichtbar(seite, "image2"), false);
        await seite.keyboard.press("F1");
        assert.equal(await sichtbar(seite, "image2"), true);
        assert.equal(await sichtbar(seite, "Command8"), true);
        await seite.keyboard.press("Escape");
        assert.equal(await sichtbar(seite, "image2"), false);
        await seite.click("#cmdStoch");
        await seite.click("#Command8");
        assert.equal(await sichtbar(seite, "image2"), false);
    }),
    "die Hilfezeile über Steuerelementen, eine Beschriftung lässt den Text der Tafel": () => mitSeite(async ({ seite }) => {
        const hilfe = (): Promise<string> => seite.$eval("#txtHilfe", (e) => (e as HTMLInputElement).value);
        assert.equal(await hilfe(), "");
        await seite.hover("#cmdStart");
        assert.equal(await hilfe(), "Initialisierung der Programmparameter");
        const tafel = await seite.$eval("#Picture2", (e) => e.getBoundingClientRect().toJSON() as DOMRect);
        await seite.mouse.move(tafel.left + 450, tafel.top + 45);
        assert.equal(await hilfe(), "Einstellungen vornehmen, Iterationen starten");
        await seite.hover("#Label4");
        assert.equal(await hilfe(), "Einstellungen vornehmen, Iterationen starten");
    }),
    "ein senkrechter Rollbalken: oben der größere Wert, mit Tasten und Pfeil": () => mitSeite(async ({ seite }) => {
        const wert = (): Promise<string | null> => seite.$eval("#vscFaktor", (e) => e.getAttribute("aria-valuenow"));
        assert.equal(await seite.$eval("#vscFaktor", (e) => e.getAttribute("role")), "scrollbar");
        assert.equal(await wert(), "5");
        await seite.focus("#vscFaktor");
        await seite.keyboard.press("ArrowUp");
        assert.equal(await wert(), "6");
        await seite.keyboard.press("End");
        assert.equal(await wert(), "1");
        await seite.click("#vscFaktor .zurueck");
        assert.equal(await wert(), "2");
    }),
    "Tab folgt der Reihenfolge des Entwurfs, die Namen sind die deutschen": () => mitSeite(async ({ seite }) => {
        const reihe: string[] = [];
        for (let i = 0; i < 22; ++i) {
            await seite.keyboard.press("Tab");
            reihe.push(await seite.evaluate(() => document.activeElement?.id ?? ""));
        }
        assert.deepEqual(reihe, [
            "txtStart", "vscStart", "txtFaktor", "vscFaktor", "Text2", "Text1", "txtdelta", "txtNeuSum", "cmdStart",
            "cmdZielsuche", "cmdErgebnis", "Command2", "Command1", "Text5", "txtExponent", "Text4", "Command3",
            "HScroll2", "Command5", "Command6", "Command7", "txtHilfe",
        ]);
        const namen = await seite.$$eval("#Command1, #vscStart, #Label6, #Label4", (l) => l.map((e) => e.getAttribute("aria-label")));
        // In the order of the page: a label is read as its text, "Δ" has a name.
        assert.deepEqual(namen, ["Vergleich mit Verhulst", "Startwert A(0) einstellen", null, "Delta"]);
    }),
    "der Daumen von HScroll2 folgt dem Zeiger, das Diagramm mit ihm, der Zoom wird gemeldet": () => mitSeite(async ({ seite }) => {
        await seite.evaluate(() => {
            const w = window as unknown as { gemeldet: string[] };
            w.gemeldet = [];
            const balken = document.getElementById("HScroll2")!, diagramm = document.getElementById("picHisto")!;
            // Each new value of the bar, with where the chart stands then.
            new MutationObserver(() => w.gemeldet.push(`wert ${balken.getAttribute("aria-valuenow")} ${diagramm.style.left}`))
                .observe(balken, { attributes: true, attributeFilter: ["aria-valuenow"] });
            const rahmen = document.getElementById("fensterrahmen")!;
            new MutationObserver(() => w.gemeldet.push(`zoom ${rahmen.style.zoom}`))
                .observe(rahmen, { attributes: true, attributeFilter: ["style"] });
        });
        const linksVorher = await seite.$eval("#picHisto", (e) => getComputedStyle(e).left);
        const rinne = await seite.$eval("#HScroll2 .rinne", (e) => e.getBoundingClientRect().toJSON() as DOMRect);
        const daumen = await seite.$eval("#HScroll2 .daumen", (e) => e.getBoundingClientRect().toJSON() as DOMRect);
        await seite.mouse.move(daumen.left + 5, daumen.top + 5);
        await seite.mouse.down();
        await seite.mouse.move(daumen.left + 5 + (rinne.width - daumen.width) / 2, daumen.top + 5, { steps: 4 });
        await seite.mouse.up();
        await seite.keyboard.down("Control");
        await seite.keyboard.press("+");
        await seite.keyboard.up("Control");
        // A MutationObserver reports after the handler: one frame later.
        await seite.evaluate(() => new Promise((fertig) => requestAnimationFrame(fertig)));
        const gemeldet = await seite.evaluate(() => (window as unknown as { gemeldet: string[] }).gemeldet);
        assert.equal(gemeldet.length, 5, gemeldet.join(", "));
        assert.equal(gemeldet[4], "zoom 1.25");
        const [, halb, links] = gemeldet[3]?.split(" ") ?? [];
        assert.ok(Math.abs(Number(halb) - 12300) <= 60, String(halb));
        // The chart moved left with the bar, and stands where it was at each value.
        assert.ok(parseFloat(links ?? "") < parseFloat(linksVorher), `${links} nach ${linksVorher}`);
        assert.equal(new Set(gemeldet.slice(0, 4).map((m) => m.split(" ")[2])).size, 4, gemeldet.join(", "));
    }),
    "Programm beenden: das Fenster geht, ein Hinweis bleibt, F1 wirkt nicht mehr": () => mitSeite(async ({ seite }) => {
        await seite.keyboard.down("Control");
        await seite.keyboard.press("KeyQ");
        await seite.keyboard.up("Control");
        assert.equal(await sichtbar(seite, "Form1"), false);
        assert.match(await seite.$eval("#programmende", (e) => e.textContent ?? ""), /Kettenbrief ist beendet\./);
        await seite.keyboard.press("F1");
        assert.equal(await seite.$eval("#image2", (e) => (e as HTMLElement).hidden), true);
    }),
    "Programm beenden mitten im Schnelldurchlauf: kein Zyklus mehr, Strg+T und Strg+N wirken nicht": () => mitSeite(async ({ seite }) => {
        const anzahl = (): Promise<string> => seite.$eval("#Text1", (e) => (e as HTMLInputElement).value);
        const zyklus = async (): Promise<number> => Number(/Zyklus (\d+)/.exec(await seite.$eval("#picHisto",
            (e) => e.getAttribute("aria-description") ?? ""))?.[1]);
        const start = await anzahl();
        // As a teacher's browser, which does not let a page close the tab it
        // was opened in: the page stays, only the window goes.
        await seite.evaluate(() => { window.close = () => {}; });
        for (let i = 0; i < 3; ++i) await seite.click("#Command2");
        await seite.waitForFunction((vorher) => (document.getElementById("Text1") as HTMLInputElement).value !== vorher, {}, start);
        await seite.keyboard.down("Control");
        await seite.keyboard.press("KeyQ");
        const beimEnde = await zyklus();
        await seite.keyboard.press("KeyT");
        await seite.keyboard.press("KeyN");
        await seite.keyboard.up("Control");
        // Thirty cycles were waiting; a quick run plays more than ten a second.
        await new Promise((fertig) => setTimeout(fertig, 2000));
        // The step under way may still end, no further one.
        assert.ok(beimEnde < 30 && (await zyklus()) <= beimEnde + 1, `${beimEnde} -> ${await zyklus()}`);
        // Ctrl+N would have reset the hidden game to its start players.
        assert.notEqual(await anzahl(), start);
        assert.equal(await sichtbar(seite, "auswertungUebernehmen"), false);
    }),
});
