// SPDX-License-Identifier: GPL-3.0-or-later
// Copying to the system's clipboard. The asynchronous clipboard is asked
// first; where the browser refuses it (a page from a file may count as
// unsafe, or the page lacks the focus), the older copy command takes the
// text from a copy event, which every browser allows after a click.
import { alsPng } from "./dateien";

function perKopierbefehl(text: string): void {
    const beimKopieren = (ereignis: ClipboardEvent): void => {
        ereignis.clipboardData?.setData("text/plain", text);
        ereignis.preventDefault();
    };
    document.addEventListener("copy", beimKopieren, { once: true });
    try {
        document.execCommand("copy");
    } finally {
        document.removeEventListener("copy", beimKopieren);
    }
}

export async function textKopieren(text: string): Promise<void> {
    try {
        await navigator.clipboard.writeText(text);
    } catch {
        perKopierbefehl(text);
    }
}

/** The picture as PNG; false where the browser refuses (no older way copies a picture). */
export async function bildKopieren(svg: string): Promise<boolean> {
    try {
        const bild = await alsPng(svg, devicePixelRatio);
        if (!bild) return false;
        await navigator.clipboard.write([new ClipboardItem({ "image/png": bild })]);
        return true;
    } catch {
        return false;
    }
}
