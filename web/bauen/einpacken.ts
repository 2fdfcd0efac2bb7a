// SPDX-License-Identifier: GPL-3.0-or-later
// Packs the browser edition into one HTML file: the compiled model (its
// WebAssembly in base64 and its runtime), the page's script, the control table with the window's markup and pictures,
// the fonts and their licence. Everything is inline, so the file works from a USB stick
// (file://) and from any web server, and its Content-Security-Policy
// forbids every request to the network.
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { parseArgs } from "node:util";
import { gzipSync } from "node:zlib";

// A small AMD loader for the modules tsc writes into one file: define()
// keeps each factory, require() runs it once with its dependencies.
const lader = `"use strict";
var define, kettenbriefStarten;
(function () {
    var fabriken = {}, module = {};
    function laden(name) {
        if (name in module) return module[name].exports;
        var eintrag = fabriken[name];
        if (!eintrag) throw new Error("Modul fehlt: " + name);
        var m = { exports: {} };
        module[name] = m;
        var args = eintrag.abh.map(function (abh) {
            if (abh === "require") return laden;
            if (abh === "exports") return m.exports;
            return laden(abh);
        });
        eintrag.fabrik.apply(null, args);
        return m.exports;
    }
    define = function (name, abh, fabrik) { fabriken[name] = { abh: abh, fabrik: fabrik }; };
    kettenbriefStarten = laden;
})();
`;

// Each font with the names a system's own copy of it goes by (full and
// PostScript name): where the system has the same font (on Debian, where
// the desktop program draws with it too), the browser takes that and does
// not have to unpack the embedded one, which takes it some 20 ms.
const schriften: Array<[familie: string, gewicht: string, datei: string, namen: [string, string]]> = [
    ["Liberation Sans", "normal", "LiberationSans-Regular.woff2", ["Liberation Sans", "LiberationSans"]],
    ["Liberation Sans", "bold", "LiberationSans-Bold.woff2", ["Liberation Sans Bold", "LiberationSans-Bold"]],
    ["Liberation Serif", "normal", "LiberationSerif-Regular.woff2", ["Liberation Serif", "LiberationSerif"]],
    ["Liberation Serif", "bold", "LiberationSerif-Bold.woff2", ["Liberation Serif Bold", "LiberationSerif-Bold"]],
];

function hash(text: string): string {
    return "'sha256-" + createHash("sha256").update(text, "utf8").digest("base64") + "'";
}

function schriftRegeln(ordner: string): string {
    return schriften
        .map(([familie, gewicht, datei, [voll, postscript]]) => {
            const daten = readFileSync(join(ordner, datei)).toString("base64");
            return `@font-face { font-family: "${familie}"; font-weight: ${gewicht}; font-style: normal; ` +
                `src: local("${voll}"), local("${postscript}"), url(data:font/woff2;base64,${daten}) format("woff2"); }`;
        })
        .join("\n");
}

// Text inside <script> must not close the element early.
function skriptSicher(text: string): string {
    return text.replace(/<\/script/gi, "<\\/script").replace(/<!--/g, "<\\!--");
}

// Every character beyond ASCII as an escape of the language it stands in
// (script and JSON: its UTF-16 units; styles and markup: its code point).
// A file of ASCII alone is kept as 8-bit text from its first byte to the
// script's source in the engine; one "Δ" anywhere makes the browser decode
// and keep all of it, half a megabyte, as 16-bit text: about 10 ms more
// before the page shows.
const maskieren = {
    skript: (text: string) => text.replace(/[^\x00-\x7f]/g, (z) => `\\u${z.charCodeAt(0).toString(16).padStart(4, "0")}`),
    stil: (text: string) => text.replace(/[^\x00-\x7f]/gu, (z) => `\\${z.codePointAt(0)!.toString(16)} `),
    markup: (text: string) => text.replace(/[^\x00-\x7f]/gu, (z) => `&#x${z.codePointAt(0)!.toString(16)};`),
};

function main(): void {
    const { values: w } = parseArgs({
        options: {
            modell: { type: "string" },
            wasm: { type: "string" },
            seite: { type: "string" },
            stil: { type: "string" },
            tabelle: { type: "string" },
            schriften: { type: "string" },
            lizenz: { type: "string" },
            aus: { type: "string" },
        },
    });
    const pflicht = (name: keyof typeof w): string => {
        const wert = w[name];
        if (typeof wert !== "string") throw new Error(`--${name} fehlt`);
        return wert;
    };
    // The bytes as a string of the script, not in a data: address that the
    // runtime would decode on the page's thread: the page compiles them away
    // from it. Gzipped, in less than half the bytes, which the browser has
    // to read before it starts.
    const wasm = gzipSync(readFileSync(pflicht("wasm")), { level: 9 }).toString("base64");
    const modellcode = `var kettenbriefModellcode = "${wasm}";\n`;
    // The magic comment on top asks V8 (Chromium) to compile every function
    // as it reads the script, once, instead of skimming it and compiling each
    // function again at its first call, which nearly all are at the start.
    const programm = maskieren.skript(skriptSicher(
        "//# allFunctionsCalledOnLoad\n" + lader + modellcode + readFileSync(pflicht("modell"), "utf8") + "\n" + readFileSync(pflicht("seite"), "utf8") +
            '\nkettenbriefStarten("start");\n'));
    // The window's own markup (with its pictures) and styles go into the page as they are.
    const { fenster, ...steuertabelle } = JSON.parse(readFileSync(pflicht("tabelle"), "utf8")) as
        { titel: string; fenster: { html: string; stil: string } };
    const stil = maskieren.stil(schriftRegeln(pflicht("schriften")) + "\n" + readFileSync(pflicht("stil"), "utf8") + "\n" + fenster.stil);
    const daten = maskieren.skript(skriptSicher(JSON.stringify({ steuertabelle })));
    // The tab bears the main window's caption, as the desktop's title bar does.
    const titel = maskieren.markup(steuertabelle.titel.replace(/&/g, "&amp;").replace(/</g, "&lt;"));
    // In a comment no escape is read: characters beyond ASCII take their plain
    // forms (a no-break space a space), and any that has none becomes "?".
    const lizenz = readFileSync(pflicht("lizenz"), "utf8").replace(/--/g, "- -").normalize("NFKD").replace(/[^\x00-\x7f]/g, "?");
    const richtlinie = [
        "default-src 'none'",
        `script-src ${hash(programm)} 'wasm-unsafe-eval'`,
        `style-src ${hash(stil)}`,
        "font-src data:",
        "img-src data: blob:",
        "worker-src blob:",
        "connect-src 'none'",
        "base-uri 'none'",
        "form-action 'none'",
    ].join("; ");
    const html = `<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="${richtlinie}">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>${titel}</title>
<!-- Die eingebetteten Schriften Liberation Sans und Liberation Serif stehen unter ihrer eigenen Lizenz:
${lizenz}
-->
<style>${stil}</style>
</head>
<body>
<script id="programm">${programm}</script>
${maskieren.markup(fenster.html)}
<script type="application/json" id="daten">${daten}</script>
</body>
</html>
`;
    writeFileSync(pflicht("aus"), html);
}

main();
