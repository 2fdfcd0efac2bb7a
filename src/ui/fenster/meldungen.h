// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The program's message boxes: modal, with an information icon and one OK,
// their text in the window's font at the window's zoom.
void hinweisZeigen(QWidget* eltern, const QString& titel, const QString& text, double zoom);
