// SPDX-License-Identifier: GPL-3.0-or-later
// The page's message box: modal, German, closed with "OK" or Enter/Escape.
// Resolves once the user closed it.
export function meldungZeigen(text: string, titel = "Kettenbrief"): Promise<void> {
    const dialog = document.createElement("dialog");
    dialog.className = "meldung";
    dialog.setAttribute("aria-label", titel);
    const kopf = document.createElement("div");
    kopf.className = "meldungstitel";
    kopf.textContent = titel;
    const inhalt = document.createElement("p");
    inhalt.textContent = text;
    const ok = document.createElement("button");
    ok.type = "button";
    ok.textContent = "OK";
    ok.addEventListener("click", () => dialog.close());
    dialog.append(kopf, inhalt, ok);
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
