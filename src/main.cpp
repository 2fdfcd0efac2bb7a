// SPDX-License-Identifier: GPL-3.0-or-later
#include "deutsch.h"
#include "form1.h"
#include "schriften.h"
#include "svgicon.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // One style everywhere, so the design colours of buttons and boxes show.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(standardSchrift());
    QToolTip::setFont(standardSchrift());
    qtAufDeutsch(app);
    QApplication::setWindowIcon(svgIcon(QStringLiteral(":/pictures/kettenbrief.svg")));
    Form1 fenster;
    fenster.show();
    return app.exec();
}
