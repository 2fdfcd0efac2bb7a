// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterplatz.h"

#include "projektorzoom.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

long long verdeckt(const QRect& lage, const QRect& hauptfenster)
{
    const QRect schnitt = lage.intersected(hauptfenster);
    return static_cast<long long>(schnitt.width()) * schnitt.height();
}

} // namespace

QPoint platzNeben(const QRect& hauptfenster, QSize groesse, const QRect& verfuegbar)
{
    const std::array<QPoint, 4> ecken{
        QPoint(hauptfenster.right() + 1, hauptfenster.top()),
        QPoint(hauptfenster.left() - groesse.width(), hauptfenster.top()),
        QPoint(hauptfenster.left(), hauptfenster.bottom() + 1),
        QPoint(hauptfenster.left(), hauptfenster.top() - groesse.height()),
    };
    QRect beste;
    long long wenigste = std::numeric_limits<long long>::max();
    for (QPoint ecke : ecken) {
        const QRect lage(imBereich(ecke, groesse, verfuegbar), groesse);
        const long long flaeche = verdeckt(lage, hauptfenster);
        if (flaeche < wenigste) {
            wenigste = flaeche;
            beste = lage;
        }
    }
    return beste.topLeft();
}
