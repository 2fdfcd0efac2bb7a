// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation's look, in a style sheet of its own that the page adopts
// when the evaluation is set up: the page's policy admits the one inline
// style sheet by its hash, and a sheet made by script needs no hash.

const regeln = `
.auswertung { position: fixed; z-index: 10; box-sizing: border-box; display: flex; flex-direction: column;
    background: #f0f0f0; border: 1px solid #808080; box-shadow: 0 4px 16px rgba(0, 0, 0, 0.3);
    font: 12px "Liberation Sans", sans-serif; color: #000000; }
.auswertung[hidden] { display: none; }
.auswertungKopf { display: flex; align-items: center; justify-content: space-between; padding: 3px 4px 3px 8px;
    background: #dcdcdc; border-bottom: 1px solid #a0a0a0; cursor: move; user-select: none; touch-action: none; }
.auswertungKopf button { padding: 0 8px; }
.auswertungInhalt { flex: 1 1 auto; display: flex; flex-direction: column; gap: 6px; padding: 9px; min-height: 0; }
.auswertungErgebnis { flex: 0 0 auto; max-height: 30%; overflow: auto; }
.auswertungErgebnis p { margin: 0 0 14px 0; }
.auswertungErgebnis p:last-child { margin-bottom: 0; }
.auswertungLeiste { flex: 0 0 auto; display: flex; align-items: center; gap: 6px; }
.auswertung button, .auswertung input { font: inherit; box-sizing: border-box; height: 24px; }
.auswertung button { padding: 0 10px; border: 1px solid #a0a0a0; border-radius: 2px; background: #ffffff; }
.auswertung button:disabled { color: #a0a0a0; }
.auswertung input[type=number] { width: 70px; text-align: right; }
.auswertungFortschritt { flex: 1 1 auto; position: relative; height: 22px; box-sizing: border-box;
    border: 1px solid #a0a0a0; border-radius: 2px; background: #ffffff; overflow: hidden; }
.auswertungFortschrittBalken { position: absolute; left: 0; top: 0; bottom: 0; background: #308cc6; }
.auswertungFortschrittText { position: relative; display: block; line-height: 20px; text-align: center; }
.auswertungTeiler { flex: 1 1 auto; display: flex; flex-direction: column; gap: 6px; min-height: 0; }
.auswertungsdiagramm { flex: 3 1 0; min-height: 160px; width: 100%; background: #ffffff; }
.auswertungTabellenrahmen { flex: 2 1 0; min-height: 80px; overflow: auto; background: #ffffff;
    border: 1px solid #a0a0a0; }
.auswertungTabellenrahmen:focus-visible { outline: 1px dotted #000000; outline-offset: -2px; }
.auswertungstabelle { border-collapse: collapse; }
.auswertungstabelle th, .auswertungstabelle td { padding: 1px 6px; text-align: right; white-space: nowrap;
    border-right: 1px solid #d8d8d8; border-bottom: 1px solid #d8d8d8; }
.auswertungstabelle th { position: sticky; top: 0; background: #f0f0f0; font-weight: normal; }
.auswertungstabelle tr.ohneZielsuche td { background: rgb(255, 225, 120); }
`;

let angenommen = false;

export function auswertungsstilAnnehmen(): void {
    if (angenommen) return;
    angenommen = true;
    const blatt = new CSSStyleSheet();
    blatt.replaceSync(regeln);
    document.adoptedStyleSheets = [...document.adoptedStyleSheets, blatt];
}
