// SPDX-License-Identifier: GPL-3.0-or-later
// Times what the open evaluation window adds to a quick run of ten cycles
// late in a long game: two windows play the same game (the fixed seed) up to
// cycle 1150; then, round by round up to cycle 1250, each plays one quick
// run, one with the evaluation open, one without it. A round's figure is
// the processor time of the quick run and of everything the event loop does
// after it until it is idle; the floor is the same quick run without the
// evaluation. Target: at most 1.2 times the floor at cycle 1200.

#include "form1probe.h"
#include "messen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// Processor time of one quick run with what it sets off.
double schnelldurchlauf(Form1& form)
{
    const double anfang = cpuMs();
    Form1Probe::steuerelemente(form).Command2->click();
    leerlaufen(400);
    return cpuMs() - anfang;
}

void spielenBis(Form1& form, int zyklus)
{
    while (form.spielfeld().zyklus() < zyklus) {
        Form1Probe::steuerelemente(form).Command2->click();
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", KETTENBRIEF_BILDSCHIRM);
    QApplication app(argc, argv);
    Form1 mit;
    Form1 ohne;
    for (Form1* form : {&mit, &ohne}) {
        form->show();
        spielenBis(*form, 1150);
    }
    Form1Probe::auswertungUmschalten(mit);
    leerlaufen(400);

    std::vector<double> verhaeltnisse;
    std::printf("quick run with the evaluation open, against the same run without it (processor time)\n");
    while (mit.spielfeld().zyklus() < 1250) {
        const int zyklus = mit.spielfeld().zyklus();
        const double offen = schnelldurchlauf(mit);
        const double zu = schnelldurchlauf(ohne);
        verhaeltnisse.push_back(offen / zu);
        std::printf("  from cycle %4d   open %8.1f ms   closed %8.1f ms   ratio %.2f\n", zyklus, offen, zu, offen / zu);
    }
    std::vector<double> sortiert = verhaeltnisse;
    std::sort(sortiert.begin(), sortiert.end());
    std::printf("quick run at 1200 cycles, evaluation open / closed: ratio %.2f (median of %zu rounds, target <= 1.2)\n",
                sortiert[sortiert.size() / 2], sortiert.size());
    return 0;
}
