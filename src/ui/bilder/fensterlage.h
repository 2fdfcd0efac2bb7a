// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The game layer's rules for placing a window (fensterplatz.h), in the
// desktop's whole pixels.

// The top-left corner of a window of `groesse` put at `ecke` and moved into
// the area `verfuegbar` as far as it fits (a larger window keeps to its
// top-left corner).
QPoint imBereich(QPoint ecke, QSize groesse, const QRect& verfuegbar);

// Where a second window's frame of `groesse` goes beside the main window's
// frame `hauptfenster`, within `verfuegbar`.
QPoint lageNeben(const QRect& hauptfenster, QSize groesse, const QRect& verfuegbar);
