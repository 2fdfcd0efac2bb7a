// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation's files, made in the page and handed to the browser as
// downloads from blob: addresses: the page asks for nothing from outside.

/** The SVG picture drawn `faktor` times as many pixels each way, as PNG. */
export async function alsPng(svg: string, faktor: number): Promise<Blob | null> {
    const adresse = URL.createObjectURL(new Blob([svg], { type: "image/svg+xml" }));
    try {
        const bild = new Image();
        bild.src = adresse;
        await bild.decode();
        const leinwand = document.createElement("canvas");
        leinwand.width = Math.round(bild.width * faktor);
        leinwand.height = Math.round(bild.height * faktor);
        leinwand.getContext("2d")!.drawImage(bild, 0, 0, leinwand.width, leinwand.height);
        return await new Promise<Blob | null>((fertig) => leinwand.toBlob(fertig, "image/png"));
    } finally {
        URL.revokeObjectURL(adresse);
    }
}

export function herunterladen(name: string, inhalt: Blob): void {
    const verweis = document.createElement("a");
    verweis.href = URL.createObjectURL(inhalt);
    verweis.download = name;
    verweis.click();
    // Some browsers read the address a little after the click.
    setTimeout(() => URL.revokeObjectURL(verweis.href), 10000);
}
