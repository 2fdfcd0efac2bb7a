// SPDX-License-Identifier: GPL-3.0-or-later
/** The help line at the window's foot (txtHilfe): the one place that writes it. */
export interface Hilfezeile {
    zeigen(text: string): void;
}
