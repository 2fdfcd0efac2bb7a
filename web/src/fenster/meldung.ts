// SPDX-License-Identifier: GPL-3.0-or-later
// The page's message box: modal, German, closed with "OK" or Enter/Escape.
// Resolves once the user closed it.
export function meldungZeigen(text: string, titel = "Kettenbrief"): Promise<void> {
    const inhalt = document.createElement("p");
    inhalt.textContent = text;
    return meldungMitInhaltZeigen(inhalt, titel);
}

/** The same box around content of its own (the information with its table of keys). */
export function meldungMitInhaltZeigen(inhalt: HTMLElement, titel: string): Promise<void> {
    const dialog = document.createElement("dialog");
    dialog.className = "meldung";
    dialog.setAttribute("aria-label", titel);
    const kopf = document.createElement("div");
    kopf.className = "meldungstitel";
    kopf.textContent = titel;
    // The desktop's boxes carry the information sign beside their text.
    const zeichen = document.createElement("div");
    zeichen.className = "meldungszeichen";
    zeichen.setAttribute("aria-hidden", "true");
    zeichen.textContent = "i";
    const rumpf = document.createElement("div");
    rumpf.className = "meldungsrumpf";
    rumpf.append(zeichen, inhalt);
    const ok = document.createElement("button");
    ok.type = "button";
    ok.textContent = "OK";
    ok.addEventListener("click", () => dialog.close());
    dialog.append(kopf, rumpf, ok);
    document.body.append(dialog);
    return new Promise((fertig) => {
        dialog.addEventListener("close", () => {
            dialog.remove();
            fertig();
        });
        dialog.showModal();
        ok.focus();
    });
}
