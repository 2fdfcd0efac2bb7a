// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory over a long lesson, in the window itself (offscreen):
// - right after start-up, then after 1000 clicks on Command1, 1200 cycles
//   (pass and commit) and 100 000 freehand moves of the pointer with the
//   button held on the field and on the chart: the growth must stay below
//   16 MiB;
// - after wiping the chart (Command5), 100 clicks on Command1 and then 900
//   more: a click that only draws again what is already there must not make
//   the program grow at all.
// - on a full field at p = 15, 1000 recruitment passes without a commit: the
//   growth must stay below 16 MiB, and a zoom step after them (the slowest
//   over the next few passes) must take at most 1.5 times as long as a zoom
//   step after a single pass.
// The figure is VmRSS from /proc/self/status after malloc_trim(0) has given
// back what the heap holds free, so only memory in use counts.

#include "bildflaeche.h"
#include "form1.h"
#include "form1probe.h"
#include "tophighscrollbar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kurvenKlicks = 1000;
constexpr int zyklen = 1200;
constexpr int freihandBewegungen = 100000;
constexpr int bewegungenJeStrich = 500;
constexpr int ersteWiederholungen = 100;
constexpr long grenzeKib = 16 * 1024;
constexpr int durchgaengeOhneErgebnis = 1000;
constexpr int zoomWiederholungen = 9;
constexpr int weitereDurchgaenge = 4;

void ereignisseAbarbeiten()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

long residentKib()
{
    ereignisseAbarbeiten();
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind("VmRSS:", 0) == 0)
            return std::stol(zeile.substr(std::strlen("VmRSS:")));
    return -1;
}

void mausEreignis(QWidget& flaeche, QEvent::Type art, QPointF punkt)
{
    const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons gedrueckt = art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ereignis(art, punkt, flaeche.mapToGlobal(punkt), knopf, gedrueckt, Qt::NoModifier,
                         QPointingDevice::primaryPointingDevice());
    QCoreApplication::sendEvent(&flaeche, &ereignis);
}

// Strokes of a pupil's pen: a walk in small steps that turns now and then,
// kept inside the surface, as the pointer reports it.
void freihand(QWidget& flaeche, int bewegungen, unsigned& zustand)
{
    const auto zufall = [&zustand] {
        zustand = zustand * 1664525u + 1013904223u;
        return static_cast<double>(zustand >> 8) / static_cast<double>(1u << 24);
    };
    const double breite = flaeche.width() - 1, hoehe = flaeche.height() - 1;
    for (int strich = 0; strich < bewegungen / bewegungenJeStrich; ++strich) {
        QPointF punkt(zufall() * breite, zufall() * hoehe);
        double dx = zufall() * 6 - 3, dy = zufall() * 6 - 3;
        mausEreignis(flaeche, QEvent::MouseButtonPress, punkt);
        for (int i = 0; i < bewegungenJeStrich; ++i) {
            if (i % 25 == 0) {
                dx = zufall() * 6 - 3;
                dy = zufall() * 6 - 3;
            }
            punkt.setX(std::clamp(punkt.x() + dx, 0.0, breite));
            punkt.setY(std::clamp(punkt.y() + dy, 0.0, hoehe));
            mausEreignis(flaeche, QEvent::MouseMove, punkt);
        }
        mausEreignis(flaeche, QEvent::MouseButtonRelease, punkt);
        ereignisseAbarbeiten();
    }
}

double mib(long kib)
{
    return static_cast<double>(kib) / 1024.0;
}

// Median time of a zoom step to 1.25 and back, each with both pictures
// drawn anew at the new scale, in milliseconds.
double zoomSchrittMs(Form1& form)
{
const Steuerelemente& ui = Form1Probe::steuerelemente(form);
    std::vector<double> zeiten;
    for (int i = 0; i < zoomWiederholungen; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        for (double zoom : {1.25, 1.0}) {
            form.zoomSetzen(zoom);
            ui.picAusgabe->picture();
            ui.picHisto->picture();
        }
        zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) / 2e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

// Passes without a commit on the full field at p = 15 (a held key on
// "Zielsuche"): what the field keeps must stay bounded.
void gehalteneZielsuche(Form1& form)
{
const Steuerelemente& ui = Form1Probe::steuerelemente(form);
    ui.vscStart->setAngezeigterWert(50);
    ui.vscFaktor->setAngezeigterWert(15);
    while (form.spielfeld().anzahlSpieler() < 2500) {
        ui.cmdZielsuche->click();
        ui.cmdErgebnis->click();
    }
    ui.cmdZielsuche->click();
    const double nachEinem = zoomSchrittMs(form);
    const long vorher = residentKib();
    for (int i = 1; i < durchgaengeOhneErgebnis; ++i) {
        ui.cmdZielsuche->click();
        if (i % 50 == 0)
            ereignisseAbarbeiten();
    }
    const long nachher = residentKib();
    // What is kept depends on where the last pass left it: the slowest zoom
    // step over a few more passes counts.
    double nachAllen = 0;
    for (int i = 0; i < weitereDurchgaenge; ++i) {
        nachAllen = std::max(nachAllen, zoomSchrittMs(form));
        ui.cmdZielsuche->click();
    }
    const long wachstum = nachher - vorher;
    std::printf("%d passes without a commit, full field, p = 15: growth %8.1f MiB (target < 16 MiB: %s)\n",
                durchgaengeOhneErgebnis, mib(wachstum), wachstum < grenzeKib ? "met" : "MISSED");
    const double verhaeltnis = nachAllen / nachEinem;
    std::printf("slowest zoom step after them %.1f ms, after one pass %.1f ms: ratio %.2f (target <= 1.5: %s)\n",
                nachAllen,
                nachEinem, verhaeltnis, verhaeltnis <= 1.5 ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[])
{
    // An offscreen screen large enough for the window at every zoom.
    qputenv("QT_QPA_PLATFORM", KETTENBRIEF_BILDSCHIRM);
    QApplication app(argc, argv);
    Form1 form;
    const Steuerelemente& ui = Form1Probe::steuerelemente(form);
    form.show();
    const long nachStart = residentKib();

    for (int i = 0; i < kurvenKlicks; ++i) {
        ui.Command1->click();
        if (i % 50 == 0)
            ereignisseAbarbeiten();
    }
    const long nachKurven = residentKib();

    for (int n = 0; n < zyklen; ++n) {
        ui.cmdZielsuche->click();
        ui.cmdErgebnis->click();
        if (n % 10 == 0)
            ereignisseAbarbeiten();
    }
    const long nachZyklen = residentKib();

    unsigned zustand = 20240601u;
    freihand(*ui.picAusgabe, freihandBewegungen / 2, zustand);
    ui.Command6->click(); // the chart in front, as a pupil draws on it
    freihand(*ui.picHisto, freihandBewegungen / 2, zustand);
    const long nachFreihand = residentKib();

    ui.Command5->click();
    for (int i = 0; i < ersteWiederholungen; ++i)
        ui.Command1->click();
    const long nachErsten = residentKib();
    for (int i = ersteWiederholungen; i < kurvenKlicks; ++i) {
        ui.Command1->click();
        if (i % 50 == 0)
            ereignisseAbarbeiten();
    }
    const long nachAllen = residentKib();

    const long wachstum = nachFreihand - nachStart;
    const long wiederholt = nachAllen - nachErsten;
    std::printf("resident memory after start-up          %8.1f MiB\n", mib(nachStart));
    std::printf("  after %d clicks on Command1          %8.1f MiB\n", kurvenKlicks, mib(nachKurven));
    std::printf("  after %d cycles                      %8.1f MiB\n", zyklen, mib(nachZyklen));
    std::printf("  after %d freehand moves            %8.1f MiB\n", freihandBewegungen, mib(nachFreihand));
    std::printf("growth over the lesson                  %8.1f MiB (target < 16 MiB: %s)\n", mib(wachstum),
                wachstum < grenzeKib ? "met" : "MISSED");
    std::printf("chart wiped, Command1 clicks %d..%d     %+8ld KiB (target 0: %s)\n", ersteWiederholungen + 1,
                kurvenKlicks, wiederholt, wiederholt <= 0 ? "met" : "MISSED");

    Form1 gehalten;
    gehalten.show();
    gehalteneZielsuche(gehalten);
    return 0;
}
