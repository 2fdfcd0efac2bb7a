// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a second window of `groesse` (frame included) goes beside the main
// window's frame `hauptfenster`, within the screen's available area
// `verfuegbar`: right of it, else left of it, else below, else above,
// whichever fits first without covering it; when none does, the place of
// these that covers the least of it. Returns the frame's top-left corner.
QPoint platzNeben(const QRect& hauptfenster, QSize groesse, const QRect& verfuegbar);
