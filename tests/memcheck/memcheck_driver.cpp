// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window the way the program does, for valgrind: the start-up of
// src/main.cpp, one quick run inside the event loop, then the application
// ends. Exit status 0 when the quick run made its ten cycles.

#include "deutsch.h"
#include "form1.h"
#include "form1probe.h"

#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", KETTENBRIEF_BILDSCHIRM);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    qtAufDeutsch(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/kettenbrief.svg")));
    int status = 1;
    {
        Form1 form;
        const Steuerelemente& ui = Form1Probe::steuerelemente(form);
        form.show();
        QTimer::singleShot(0, &form, [&] {
            ui.Command2->click();
            status = form.spielfeld().zyklus() == 10 ? 0 : 1;
            std::printf("memcheck_driver: quick run ended in cycle %d with %d players\n", form.spielfeld().zyklus(),
                        form.spielfeld().anzahlSpieler());
            QApplication::quit();
        });
        QApplication::exec();
    }
    return status;
}
