// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bildflaeche.h"
#include "bildflaechenprobe.h"
#include "form1.h"
#include "form1probe.h"
#include "erlaeuterungsbild.h"
#include "feldansicht.h"
#include "picturewidget.h"
#include "histoansicht.h"
#include "tophighscrollbar.h"
#include "twips.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cmath>

// Helpers for tests of the window, reading its state the way a pupil sees it.
namespace fenster {

inline const Steuerelemente& ui(const Form1& form)
{
    return Form1Probe::steuerelemente(form);
}

inline Bildflaeche& picAusgabe(const Form1& form)
{
    return *ui(form).picAusgabe;
}

inline Bildflaeche& picHisto(const Form1& form)
{
    return *ui(form).picHisto;
}

// A control named in a table of test cases.
template <typename T = QWidget>
T* steuerelementNamens(const Form1& form, const QString& name)
{
    T* steuerelement = form.findChild<T*>(name);
    if (!steuerelement)
        qFatal("no control %s of that kind", qPrintable(name));
    return steuerelement;
}

inline void klick(QPushButton* knopf)
{
    QTest::mouseClick(knopf, Qt::LeftButton);
}

// The colour of the field picture at a point inside cell (x, y) that no
// grid line crosses.
inline QColor zellfarbe(const Form1& form, int x, int y)
{
    return colourAt(picAusgabe(form), x + 0.45, y + 0.45);
}

inline int roteZellen(const Form1& form)
{
    int anzahl = 0;
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y)
            if (zellfarbe(form, x, y) == QColor(255, 0, 0))
                ++anzahl;
    return anzahl;
}

// Height in players of the bar at x, read off the chart picture: the
// topmost pixel of `farbe` in that column, mapped back to user units.
inline double balkenhoehe(const Form1& form, double x, QColor farbe)
{
    Bildflaeche& chart = picHisto(form);
    const QImage bild = chart.picture();
    const int spalte = static_cast<int>(std::floor(x * bild.width() / 120.0));
    for (int zeile = 0; zeile < bild.height(); ++zeile)
        if (bild.pixelColor(spalte, zeile) == farbe)
            return double(Spielfeld::zellenAnzahl) * (bild.height() - zeile) / bild.height();
    return 0.0;
}

// Answers the next modal message box with OK while it lives and keeps the
// box's text and title. The answer is bound to this object: when no box
// comes, nothing stays pending that could later write into a test's frame
// that has already returned.
class MeldungBeantworter : public QObject
{
public:
    MeldungBeantworter()
    {
        QTimer::singleShot(0, this, [this] { beantworten(); });
    }

    QString text;
    QString titel;
    bool beantwortet = false;

private:
    void beantworten()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        titel = box->windowTitle();
        beantwortet = true;
        box->accept();
    }
};

} // namespace fenster
