// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

// A vertical scroll bar whose larger value is at the top: the thumb at the
// top, the upper arrow, the Up and Page Up keys all raise the value.
// Qt's bars grow downwards, so the bar runs internally over the negated
// range: value() and valueChanged() are Qt's negated values, while
// angezeigterWert() and angezeigterWertGeaendert() give the value the user
// sees (the larger one at the top).
class TopHighScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    TopHighScrollBar(int kleinster, int groesster, int wert, QWidget* parent = nullptr);

    int angezeigterWert() const { return -value(); }
    void setAngezeigterWert(int wert) { setValue(-wert); }
    int kleinster() const { return -maximum(); }
    int groesster() const { return -minimum(); }

signals:
    // Emitted when the value is set (arrow, page, key, or the thumb released).
    void angezeigterWertGeaendert(int wert);
};
