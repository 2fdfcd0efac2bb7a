// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as a German reader writes them, for the evaluation and a German
// spreadsheet: a decimal comma, no grouping ("1234,5", "-3", "0,25").
// Beyond a trillion the number has an exponent ("1,234E+15"). The same
// forms as the desktop's evaluation, which writes them with Qt's German
// locale.

const festkommaGrenze = 1e12;

function mitKomma(text: string): string {
    return text.replace(".", ",");
}

/** "1.234e+15" -> "1,234E+15"; the exponent has at least two digits, as Qt writes it. */
function exponentform(text: string): string {
    const [mantisse, exponent] = text.split("e") as [string, string];
    const vorzeichen = exponent.startsWith("-") ? "-" : "+";
    return mitKomma(mantisse) + "E" + vorzeichen + exponent.replace(/^[+-]/, "").padStart(2, "0");
}

function ohneNullenAmEnde(text: string): string {
    return text.includes(".") ? text.replace(/0+$/, "").replace(/\.$/, "") : text;
}

/** A value with `nachkommastellen` places ("12,0"). */
export function deutscheZahl(wert: number, nachkommastellen: number): string {
    if (Math.abs(wert) >= festkommaGrenze) return exponentform(wert.toExponential(3));
    return mitKomma(wert.toFixed(nachkommastellen));
}

/** Like Qt's 'g' with 15 digits: fixed below 1e15 down to 1e-4, else with an exponent ("5E-05"). */
function allgemein15(wert: number): string {
    if (wert === 0) return "0";
    const exponent = Number(wert.toExponential(14).split("e")[1]);
    if (exponent < -4 || exponent >= 15) {
        const [mantisse, rest] = wert.toExponential(14).split("e") as [string, string];
        return exponentform(ohneNullenAmEnde(mantisse) + "e" + rest);
    }
    return mitKomma(ohneNullenAmEnde(wert.toPrecision(15)));
}

/** A value with as many places as it needs, at most `hoechstens` ("1,5", "2"). */
export function deutscheZahlKurz(wert: number, hoechstens: number): string {
    if (Math.abs(wert) >= festkommaGrenze) return exponentform(wert.toExponential(3));
    // Rounded half away from zero first, as the desktop does, then without
    // the zeros at the end.
    const faktor = Math.pow(10, hoechstens);
    const gerundet = (Math.sign(wert) * Math.round(Math.abs(wert) * faktor)) / faktor;
    return allgemein15(gerundet);
}
