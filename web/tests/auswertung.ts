// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation in the page shows the desktop's numbers for the same game.
// The game: from program start, A(0) = 10, p = 5, 15 cycles (the vectors'
// game "Programmstart A0=10 p=5"). The expected texts are what the desktop
// program's own evaluation code (ergebnistext, Auswertungstabelle::alsText,
// with laufAuswerten and ensembleRechnen of the natively compiled model)
// printed for that game with t = 1, and for 20 many games played on two
// threads; the page has them from the same code compiled to WebAssembly,
// the many games from its worker, one game after another.
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
const desktopBeste = `Am besten passt t = ${komma(k / 1000, 3)}: Die Verhulst-Kurve weicht dann um ` +
    `${komma(rms, 1)} Mitspieler von den Balken des Spiels ab. Mit dem jetzigen t = 1 sind es 43,2 Mitspieler.`;
const desktopTabelle = `n	A(n)	ΔA	Verhulst, t = 1	Verhulst, t = 0,982
0	10		10,0	10,0
1	15	5	15,0	14,9
2	21	6	22,4	22,1
3	33	12	33,5	32,8
4	53	20	50,1	48,7
5	76	23	74,6	72,0
6	111	35	110,8	106,2
7	163	52	163,8	155,9
8	240	77	240,3	227,5
9	354	114	348,9	328,6
10	492	138	499,0	468,3
11	677	185	698,7	654,5
12	901	224	950,4	891,1
13	1169	268	1244,9	1171,9
14	1468	299	1557,4	1476,9
15	1745	277	1851,0	1773,1
`;
const desktopVieleSpiele = "Viele Spiele: 20 Spiele mit A(0) = 10 und p = 5 über 15 Zyklen (so viele wie das " +
    "Spiel, mindestens 10 und höchstens 120). Die orange Linie ist ihr Mittelwert; im violetten Band lagen in " +
    "jedem Zyklus 8 von 10 dieser Spiele. Zu ihrem Mittelwert passt t = 0,990 am besten (Abweichung 25,9 Mitspieler).";
const desktopVieleZeile15 = "15	1745	277	1851,0	1773,1	1747,9	1624,6	1887,3";

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
        KettenbriefModell(): Promise<unknown>;
        kopiert: string[];
    }
}

// The game of the vectors, played in the window as a pupil plays it; the
// clipboard is replaced by a list, which the test reads.
async function spielBereitstellen(s: Sitzung): Promise<void> {
    await s.seite.evaluate(() => {
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

// Pixels of the plot in the band's colour over white (the translucent violet).
function bandPixel(s: Sitzung): Promise<number> {
    return s.seite.$eval(".auswertungsdiagramm", (leinwand) => {
        const c = leinwand as HTMLCanvasElement;
        const d = c.getContext("2d")!.getImageData(0, 0, c.width, c.height).data;
        let anzahl = 0;
        for (let i = 0; i < d.length; i += 4)
            if (Math.abs(d[i]! - 214) < 8 && Math.abs(d[i + 1]! - 186) < 8 && Math.abs(d[i + 2]! - 235) < 8) ++anzahl;
        return anzahl;
    });
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
                const z = new Auswertungsbruecke(await window.KettenbriefModell());
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
        "bestes t, Sätze und kopierte Tabelle wie auf dem Desktop": async () => {
            assert.equal((await text(s, "#auswertungErgebnis")).split("\n")[0], desktopBeste);
            await s.seite.click("#auswertungTabelleKopieren");
            assert.deepEqual(await s.seite.evaluate(() => window.kopiert), [desktopTabelle]);
        },
        "Bestes t übernehmen gibt dem Spiel genau das beste t": async () => {
            await s.seite.click("#auswertungUebernehmen");
            assert.equal(await s.seite.$eval("#Text4", (e) => (e as HTMLInputElement).value), "0.982");
            assert.equal(await s.seite.$eval("#txtExponent", (e) => (e as HTMLInputElement).value), "t = .982");
            await s.seite.waitForFunction(() => document.getElementById("auswertungErgebnis")!.innerText
                .includes("Mit dem jetzigen t = 0,982 sind es 14,0 Mitspieler."), { timeout: 2000 });
        },
        "20 Spiele enden im Arbeiter und zeigen Band und Mittel wie auf dem Desktop": async () => {
            assert.equal(await bandPixel(s), 0);
            await vieleSpiele(s, 20);
            await s.seite.waitForFunction(() => !(document.getElementById("auswertungVieleSpiele") as
                HTMLButtonElement).disabled, { timeout: 30000 });
            assert.equal(await text(s, ".auswertungFortschritt"), "100%");
            assert.ok((await text(s, "#auswertungErgebnis")).includes(desktopVieleSpiele));
            await s.seite.click("#auswertungTabelleKopieren");
            const zeilen = (await s.seite.evaluate(() => window.kopiert.at(-1)!)).split("\n");
            assert.ok(zeilen[0]!.endsWith("Mittel von 20 Spielen (bis Zyklus 15)\t10-%-Quantil\t90-%-Quantil"));
            // The best column now holds t = 0,982 in force as well.
            assert.equal(zeilen[16], desktopVieleZeile15.replace("1851,0", "1773,1"));
            assert.ok(await bandPixel(s) > 500);
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
            assert.ok((await text(s, "#auswertungErgebnis")).includes("kam „Ergebnis“ ohne „Zielsuche“"));
            const markiert = await s.seite.$$eval(".auswertungstabelle tr.ohneZielsuche",
                (reihen) => reihen.map((r) => [(r as HTMLTableRowElement).cells[0]!.textContent, r.getAttribute("title")]));
            const hinweis = "„Ergebnis“ ohne „Zielsuche“: In diesem Zyklus konnte niemand dazukommen.";
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
