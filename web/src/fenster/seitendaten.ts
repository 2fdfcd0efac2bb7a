// SPDX-License-Identifier: GPL-3.0-or-later
// The data the build packs into the page: the window's control table, made
// from the desktop program's own.

export type Steuerart =
    | "Panel" | "Surface" | "Button" | "PictureButton" | "TextBox" | "BorderlessTextBox"
    | "Label" | "VScrollBar" | "HScrollBar" | "Line" | "Picture" | "Explanation";

/** One control as designed; positions and sizes in twips, its rectangle also in CSS pixels at zoom 1. */
export interface Steuerbeschreibung {
    rechteck: [number, number, number, number];
    name: string;
    kind: Steuerart;
    parent: string;
    left: number;
    top: number;
    width: number;
    height: number;
    text: string;
    backColour: number;
    textColour: number;
    face: "Sans" | "Serif" | "Symbol";
    points: number;
    visibleAtStart: boolean;
    readOnly: boolean;
    toolTip: string;
    minimum: number;
    maximum: number;
    value: number;
    step: number;
    picture: string;
    pictureWidth: number;
    pictureHeight: number;
    accessibleName: string;
    tabIndex: number;
}

export interface Steuertabelle {
    /** The client area's width and height in CSS pixels at zoom 1. */
    clientPixel: [number, number];
    controls: Steuerbeschreibung[];
}

export interface Seitendaten {
    steuertabelle: Steuertabelle;
}

export function seitendatenLesen(): Seitendaten {
    const element = document.getElementById("daten");
    if (!element?.textContent) throw new Error("Die Seite enthält keine Daten.");
    return JSON.parse(element.textContent) as Seitendaten;
}
