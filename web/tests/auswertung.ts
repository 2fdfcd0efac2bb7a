// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation in the page for the game from program start, A(0) = 10,
// p = 5, 15 cycles (the vectors' game "Programmstart A0=10 p=5"): its place,
// the best t taken over, the copied table, many games in the worker and
// their cancel, the updates after changes, the marked cycles, and the
// German numbers of the game layer as the desktop writes them. Its
// sentences and table after a lesson's steps are compared with the
// desktop's by lektionsvergleich.ts.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { oeffnen, pruefen, seitenPfad, Sitzung } from "./browser.js";

// Usage: node auswertung.js kettenbrief.html spielvektoren.json
// The desktop's best t for the game, from the test vectors its model wrote.
interface Vektoren {
    spiele: Array<{ a0: number; p: number; besteAnpassung: { k: number; rms: number } }>;
}
const vektoren = JSON.parse(readFileSync(process.argv[3] ?? "", "utf8")) as Vektoren;
const { k, rms } = vektoren.spiele.find((spiel) => spiel.a0 === 10 && spiel.p === 5)!.besteAnpassung;
const komma = (wert: number, stellen: number): string => wert.toFixed(stellen).replace(".", ",");
const vektorBeste = `Am besten passt t = ${komma(k / 1000, 3)}: Die Verhulst-Kurve weicht dann um ` +
    `${komma(rms, 1)} Mitspieler von den Balken des Spiels ab.`;
// What the desktop's deutscheZahl and deutscheZahlKurz wrote for these
// values with Qt's German locale, which the game layer's numbers follow
// (here as compiled for the page): [Kurz?, value, places, text].
const desktopZahlen: Array<[boolean, number, number, string]> = [
    [false, 1234.5, 1, "1234,5"], [false, -3, 0, "-3"], [false, 0.25, 2, "0,25"], [false, 2.5, 0, "3"],
    [false, 1.234e15, 1, "1,234E+15"], [false, -9.87654e13, 3, "-9,877E+13"], [false, -0.04, 1, "-0,0"],
    [false, 999999999999.96, 1, "1000000000000,0"],
    [true, 1.5, 6, "1,5"], [true, 2, 6, "2"], [true, 0.982, 3, "0,982"], [true, 0.00005, 6, "5E-05"],
    [true, 0.0000123, 6, "1,2E-05"], [true, -2.5e-7, 6, "0"], [true, 1.2345678, 6, "1,234568"],
    [true, 123456.0000004, 6, "123456"], [true, 5e13, 6, "5,000E+13"], [true, 0.0001, 6, "0,0001"],
];

declare global {
    interface Window {
        kettenbriefStarten(modul: string): any;
        kopiert: string[];
        dateien: Array<{ name: string; inhalt: Blob }>;
    }
}

// The game of the vectors, played in the window as a pupil plays it; the
// clipboard is replaced by a list, which the test reads.
async function spielBereitstellen(s: Sitzung): Promise<void> {
    await s.seite.evaluate(() => {
        // Downloads are kept in a list instead of saved.
        window.dateien = [];
        const adressen = new Map<string, Blob>();
        const anlegen = URL.createObjectURL;
        URL.createObjectURL = (inhalt: Blob | MediaSource) => {
            const adresse = anlegen(inhalt);
            if (inhalt instanceof Blob) adressen.set(adresse, inhalt);
            return adresse;
        };
        HTMLAnchorElement.prototype.click = function () {
            window.dateien.push({ name: this.download, inhalt: adressen.get(this.href)! });
        };
        window.kopiert = [];
        navigator.clipboard.writeText = async (text: string) => void window.kopiert.push(text);
    });
    for (let i = 0; i < 15; ++i) {
        await s.seite.click("#cmdZielsuche");
        await s.seite.click("#cmdErgebnis");
    }
    assert.equal(await s.seite.$eval("#Text1", (e) => (e as HTMLInputElement).value), "1745");
}

const text = (s: Sitzung, selektor: string): Promise<string> =>
    s.seite.$eval(selektor, (e) => (e as HTMLElement).innerText);

async function strgT(s: Sitzung): Promise<void> {
    await s.seite.keyboard.down("Control");
    await s.seite.keyboard.press("t");
    await s.seite.keyboard.up("Control");
}

// The points of the plot's band (none before many games), and the table's rows.
function bandUndZeilen(s: Sitzung): Promise<[number, number]> {
    return s.seite.evaluate((): [number, number] => [
        document.querySelector(".auswertungsdiagramm path.band")?.getAttribute("d")?.match(/[ML]/g)?.length ?? 0,
        document.querySelectorAll(".auswertungstabelle tbody tr").length]);
}

async function vieleSpiele(s: Sitzung, anzahl: number): Promise<void> {
    await s.seite.$eval("#auswertungAnzahlSpiele", (e, n) => {
        (e as HTMLInputElement).value = String(n);
        e.dispatchEvent(new Event("change"));
    }, anzahl);
    await s.seite.click("#auswertungVieleSpiele");
}

// Wide enough for the evaluation to open right of the centred window.
const s = await oeffnen(seitenPfad(), { breite: 3000, hoehe: 1100 });
try {
    await spielBereitstellen(s);
    await pruefen({
        "Zahlen deutsch wie auf dem Desktop": async () => {
            const geschrieben = await s.seite.evaluate(async (faelle) => {
                const { Auswertungsbruecke } = window.kettenbriefStarten("modell/auswertungsbruecke");
                const { Modell } = window.kettenbriefStarten("modell/modell");
                const z = new Auswertungsbruecke((await Modell.laden()).modul);
                return faelle.map(([kurz, wert, stellen]) =>
                    (kurz ? z.deutscheZahlKurz(wert, stellen) : z.deutscheZahl(wert, stellen)) as string);
            }, desktopZahlen);
            assert.deepEqual(geschrieben, desktopZahlen.map((fall) => fall[3]));
        },
        "Strg+T öffnet die Auswertung neben dem Fenster, der Menübefehl schließt sie": async () => {
            await strgT(s);
            const lage = await s.seite.evaluate(() => {
                const a = document.querySelector("[role=dialog][aria-label='Auswertung – Kettenbrief']")!;
                return { offen: !(a as HTMLElement).hidden, links: a.getBoundingClientRect().left,
                    fensterRechts: document.getElementById("Form1")!.getBoundingClientRect().right };
            });
            assert.ok(lage.offen);
            assert.ok(lage.links >= lage.fensterRechts, JSON.stringify(lage));
            // Where the browser keeps Ctrl+T for itself, the menu bar opens it.
            await s.seite.click("#cmdAuswertung");
            assert.ok(await s.seite.$eval("[role=dialog]", (e) => (e as HTMLElement).hidden));
            await s.seite.click("#cmdAuswertung");
        },
        "bestes t wie in den Vektoren, die kopierte Tabelle wie gezeigt": async () => {
            assert.ok((await text(s, "#auswertungErgebnis")).startsWith(vektorBeste));
            await s.seite.click("#auswertungTabelleKopieren");
            const gezeigt = await s.seite.$$eval(".auswertungstabelle tr", (reihen) => reihen.map((r) =>
                Array.from(r.children, (z) => z.textContent).join("\t") + "\n").join(""));
            assert.deepEqual(await s.seite.evaluate(() => window.kopiert), [gezeigt]);
            assert.equal(gezeigt.split("\n").length, 1 + 16 + 1);
        },
        "Tabelle und Diagramm als Dateien: deutsches CSV wie gezeigt, SVG und doppelt großes PNG": async () => {
            await s.seite.click("#auswertungTabelleSpeichern");
            for (const art of ["svg", "png"]) await s.seite.select("#auswertungDiagrammSpeichern", art);
            await s.seite.waitForFunction(() => window.dateien.length === 3, { timeout: 5000 });
            const [csv, svg, png] = await s.seite.evaluate(async () => Promise.all(window.dateien.map(async (d) => ({
                name: d.name, typ: d.inhalt.type, bytes: Array.from(new Uint8Array(await d.inhalt.arrayBuffer())),
                groesse: d.inhalt.type === "image/png"
                    ? await createImageBitmap(d.inhalt).then((b) => [b.width, b.height]) : [] }))));
            assert.equal(csv!.name, "kettenbrief-tabelle.csv");
            // UTF-8 with its byte-order mark, rows ended by CR LF, cells apart by semicolons.
            assert.deepEqual(csv!.bytes.slice(0, 3), [0xef, 0xbb, 0xbf]);
            const zeilen = new TextDecoder().decode(new Uint8Array(csv!.bytes.slice(3))).split("\r\n");
            const gezeigt = await s.seite.$$eval(".auswertungstabelle tr", (reihen) =>
                reihen.map((r) => Array.from(r.children, (z) => z.textContent).join(";")));
            assert.deepEqual(zeilen, [...gezeigt, ""]);
            assert.equal(svg!.name, "kettenbrief-diagramm.svg");
            assert.match(new TextDecoder().decode(new Uint8Array(svg!.bytes)), /^<svg [^>]*width="960" height="600"/);
            assert.deepEqual([png!.name, png!.typ, png!.groesse], ["kettenbrief-diagramm.png", "image/png", [1920, 1200]]);
        },
        "Bestes t übernehmen gibt dem Spiel genau das beste t": async () => {
            await s.seite.click("#auswertungUebernehmen");
            assert.equal(await s.seite.$eval("#Text4", (e) => (e as HTMLInputElement).value), "0.982");
            assert.equal(await s.seite.$eval("#txtExponent", (e) => (e as HTMLInputElement).value), "t = .982");
            await s.seite.waitForFunction((t) => document.getElementById("auswertungErgebnis")!.innerText
                .includes(`Mit dem jetzigen t = ${t} sind es`), { timeout: 2000 }, komma(k / 1000, 3));
        },
        "20 Spiele enden im Arbeiter und zeigen ihr Band": async () => {
            assert.equal((await bandUndZeilen(s))[0], 0);
            await vieleSpiele(s, 20);
            await s.seite.waitForFunction(() => !(document.getElementById("auswertungVieleSpiele") as
                HTMLButtonElement).disabled, { timeout: 30000 });
            assert.ok((await text(s, "#auswertungErgebnis")).includes("Viele Spiele: 20 Spiele"));
            // t is the best t since it was taken over: one Verhulst column, said to fit best.
            const kopf = await s.seite.$$eval(".auswertungstabelle th", (k) => k.map((z) => z.textContent ?? ""));
            assert.deepEqual(kopf.slice(0, 3), ["n", "A(n)", "ΔA"]);
            assert.equal(kopf[3], `Verhulst, t = ${komma(k / 1000, 3)} (am besten)`);
            assert.equal(kopf.length, 7);
            // The band runs along its upper edge and back along its lower one.
            const [punkte, zeilen] = await bandUndZeilen(s);
            assert.equal(punkte, 2 * zeilen);
        },
        "Abbrechen hält die vielen Spiele an und sagt, nach wie vielen": async () => {
            await vieleSpiele(s, 1000);
            await s.seite.waitForFunction(() => /^[1-9]/.test(
                document.querySelector<HTMLElement>(".auswertungFortschritt")!.innerText), { timeout: 30000 });
            await s.seite.click("#auswertungAbbrechen");
            const gemeldet = await text(s, ".auswertungFortschritt");
            const [, fertig] = /^Abgebrochen nach (\d+) von 1000 Spielen$/.exec(gemeldet) ?? [];
            assert.ok(Number(fertig) > 0 && Number(fertig) < 1000, gemeldet);
            await new Promise((fertig) => setTimeout(fertig, 1500));
            // Nothing came after the cancel: the text stands, the last run's curves stay.
            assert.equal(await text(s, ".auswertungFortschritt"), gemeldet);
            assert.ok((await text(s, "#auswertungErgebnis")).includes("Viele Spiele: 20 Spiele"));
        },
        "Änderungen kurz nacheinander geben eine Aktualisierung; Zyklen ohne Zielsuche sind markiert": async () => {
            const aktualisierungen = await s.seite.evaluate(async () => {
                let anzahl = 0;
                new MutationObserver(() => ++anzahl).observe(document.getElementById("auswertungErgebnis")!,
                    { childList: true });
                // Ten times "Ergebnis" without "Zielsuche", at once.
                for (let i = 0; i < 10; ++i) document.getElementById("cmdErgebnis")!.click();
                await new Promise((fertig) => setTimeout(fertig, 0));
                const sofort = anzahl;
                await new Promise((fertig) => setTimeout(fertig, 500));
                return [sofort, anzahl];
            });
            assert.deepEqual(aktualisierungen, [0, 1]);
            const markiert = await s.seite.$$eval(".auswertungstabelle tr.ohneZielsuche",
                (reihen) => reihen.map((r) => [(r as HTMLTableRowElement).cells[0]!.textContent, r.getAttribute("title")]));
            const hinweis = markiert[0]?.[1] ?? "";
            assert.ok(hinweis !== "", "ein Hinweis zur Markierung");
            assert.deepEqual(markiert, [16, 17, 18, 19, 20, 21, 22, 23, 24, 25].map((n) => [String(n), hinweis]));
            // The mark is a colour of its own, given with the table.
            const [markiertGrund, sonstGrund] = await s.seite.$$eval(".auswertungstabelle tbody tr", (reihen) =>
                [reihen[16]!, reihen[15]!].map((r) => getComputedStyle((r as HTMLTableRowElement).cells[0]!).backgroundColor));
            assert.match(markiertGrund ?? "", /^rgb\(/);
            assert.notEqual(markiertGrund, sonstGrund);
        },
        "das Spiel vom Programmstart aus der Auswertung": async () => {
            await s.seite.click("#auswertungProgrammstart");
            assert.equal(await s.seite.$eval("#Text1", (e) => (e as HTMLInputElement).value), "10");
            await s.seite.click("#cmdZielsuche");
            await s.seite.click("#cmdErgebnis");
            // A(1) of the game after a start of the program, as in the vectors.
            assert.equal(await s.seite.$eval("#Text1", (e) => (e as HTMLInputElement).value), "15");
        },
        "Esc schließt die Auswertung, auch wenn die vielen Spiele mit der Tastatur begannen": async () => {
            await s.seite.focus("#auswertungVieleSpiele");
            await s.seite.keyboard.press("Enter");
            assert.equal(await s.seite.evaluate(() => document.activeElement?.id), "auswertungAbbrechen");
            await s.seite.keyboard.press("Escape");
            assert.ok(await s.seite.$eval("[role=dialog]", (e) => (e as HTMLElement).hidden));
            await s.seite.keyboard.down("Control");
            await s.seite.keyboard.press("KeyT");
            await s.seite.keyboard.up("Control");
            assert.ok(!(await s.seite.$eval("[role=dialog]", (e) => (e as HTMLElement).hidden)));
            await s.seite.focus(".auswertungTabellenrahmen");
            await s.seite.keyboard.press("Escape");
            assert.ok(await s.seite.$eval("[role=dialog]", (e) => (e as HTMLElement).hidden));
            assert.deepEqual(s.fehler, []);
            assert.deepEqual(s.anfragen, []);
        },
    });
} finally {
    await s.browser.close();
}
