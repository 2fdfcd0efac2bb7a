// SPDX-License-Identifier: GPL-3.0-or-later
// Times the heaviest handlers of a cycle against their floors:
// - a pass and a commit with all 2500 cells playing at p = 15, and a quick
//   run of ten cycles from the full field, each with its drawing on an
//   offscreen surface;
// - the Verhulst curve (Command1) and a new game (cmdStart), the
//   handlers that draw the most at once;
// - the floor: the same number of lines, circles and squares drawn straight
//   onto a bare QImage, and the same number of random draws alone; for the
//   curve and the new game the same lines and boxes as rectangles on QImages
//   of the chart's and the field's size.

#include "bildflaeche.h"
#include "form1.h"
#include "form1probe.h"
#include "tophighscrollbar.h"
#include "verhulst.h"
#include "standardzufallsquelle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int wiederholungen = 15;

// Median wall time in milliseconds of `arbeit`, run after `vorbereitung`.
double median(const std::function<void()>& arbeit, const std::function<void()>& vorbereitung = [] {})
{
    std::vector<double> zeiten;
    for (int i = 0; i < wiederholungen; ++i) {
        vorbereitung();
        QElapsedTimer uhr;
        uhr.start();
        arbeit();
        zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

struct Zaehlung
{
    int versuche = 0;
    int ziehungen = 0;
};

// A field where every cell plays, at p = 15.
void vollesFeld(Form1& form)
{
const Steuerelemente& ui = Form1Probe::steuerelemente(form);
    ui.vscFaktor->setAngezeigterWert(15);
    while (form.spielfeld().anzahlSpieler() < Spielfeld::zellenAnzahl || form.spielfeld().zyklus() == 0) {
        ui.cmdZielsuche->click();
        ui.cmdErgebnis->click();
    }
}

// The pass's drawing without the window: the same attempts' lines, circles
// and squares straight onto a QImage of the field's size, one painter for all.
double zeichenboden(const std::vector<Werbeversuch>& versuche)
{
    QImage bild(442, 425, QImage::Format_RGB32);
    bild.fill(Qt::black);
    const auto pixel = [](double x, double y) { return QPoint(int(x * 8.84), int(y * 8.5)); };
    return median([&] {
        QPainter maler(&bild);
        for (const Werbeversuch& v : versuche) {
            maler.setPen(QPen(QColor(0, 255, 255), 1));
            maler.drawLine(pixel(v.werber.x + 0.5, v.werber.y + 0.5), pixel(v.ziel.x + 0.5, v.ziel.y + 0.5));
            maler.setPen(QPen(QColor(255, 255, 0), 1));
            maler.drawEllipse(QPointF(pixel(v.ziel.x + 0.5, v.ziel.y + 0.5)) + QPointF(0.5, 0.5), 0.9 * 8.84,
                              0.9 * 8.84);
            maler.fillRect(QRect(pixel(v.ziel.x, v.ziel.y), pixel(v.ziel.x + 1, v.ziel.y + 1)), QColor(0, 0, 255));
        }
    });
}

// The field's 51 + 51 grid lines, straight onto a picture.
void feldgitter(QPainter& maler)
{
    const QColor grau(100, 100, 100);
    for (int i = 0; i <= 50; ++i) {
        maler.fillRect(QRect(std::min(int(i * 8.84), 441), 0, 1, 425), grau);
        maler.fillRect(QRect(0, std::min(int(i * 8.5), 424), 442, 1), grau);
    }
}

// A commit's drawing without the window: the field cleared and its grid,
// then every playing cell's square and the grid over them.
double ergebnisboden()
{
    QImage bild(442, 425, QImage::Format_RGB32);
    return median([&] {
        bild.fill(Qt::black);
        QPainter maler(&bild);
        feldgitter(maler);
        for (int i = 0; i < 50; ++i)
            for (int j = 0; j < 50; ++j)
                maler.fillRect(QRect(QPoint(int(i * 8.84), int(j * 8.5)), QPoint(int((i + 1) * 8.84), int((j + 1) * 8.5))),
                               QColor(255, 0, 0));
        feldgitter(maler);
    });
}

// Command1's drawing without the window: the curve's 121 lines of two
// pixels as rectangles on a QImage of the chart's size (1667 x 425).
double kurvenboden(double a0, double p)
{
    QImage bild(1667, 425, QImage::Format_RGB32);
    bild.fill(Qt::white);
    const VerhulstFolge folge = verhulstFolge(a0, p, 1.0, 120);
    return median([&] {
        QPainter maler(&bild);
        for (std::size_t i = 0; i < folge.werte.size(); ++i) {
            const int x = int((double(i) + 0.3) * 1667 / 120);
            const int y = int(425 - std::min(folge.werte[i], 2500.0) * 0.17);
            maler.fillRect(QRect(x, y, 2, 425 - y), QColor(15, 15, 200));
        }
    });
}

// A new game's drawing without the window: the field cleared with its grid
// and the start players' boxes, and on the chart a white and a ghost column
// per cycle, 26 grid rows, 120 grid columns and the start bar.
double startboden(int startSpieler)
{
    QImage feld(442, 425, QImage::Format_RGB32);
    QImage histo(1667, 425, QImage::Format_RGB32);
    histo.fill(Qt::white);
    return median([&] {
        feld.fill(Qt::black);
        {
            QPainter maler(&feld);
            feldgitter(maler);
            for (int k = 0; k < startSpieler; ++k)
                maler.fillRect(QRect(int((k % 50) * 8.84), int((k / 50) * 8.5), 8, 8), QColor(255, 0, 0));
        }
        QPainter maler(&histo);
        for (int i = 0; i <= 120; ++i) {
            const int x = int(i * 1667 / 120.0) - 1;
            maler.fillRect(QRect(x, 0, 3, 425), Qt::white);
            maler.fillRect(QRect(x, 10, 3, 415), QColor(215, 150, 150));
        }
        for (int y = 0; y <= 2500; y += 100)
            maler.fillRect(QRect(0, int(425 - y * 0.17), 1667, 1), QColor(200, 200, 255));
        for (int x = 1; x <= 120; ++x)
            maler.fillRect(QRect(int(x * 1667 / 120.0), 0, 1, 425), QColor(240, 240, 240));
        maler.fillRect(QRect(0, 416, 3, 9), Qt::white);
        maler.fillRect(QRect(0, 423, 3, 2), QColor(255, 50, 50));
    });
}

double ziehungsboden(int ziehungen)
{
    StandardZufallsquelle zufall;
    volatile float summe = 0;
    return median([&] {
        for (int i = 0; i < ziehungen; ++i)
            summe = summe + zufall.naechsteZahl();
    });
}

} // namespace

int main(int argc, char* argv[])
{
    // An offscreen screen large enough for the window at every zoom.
    qputenv("QT_QPA_PLATFORM", KETTENBRIEF_BILDSCHIRM);
    QApplication app(argc, argv);
    Form1 form;
    const Steuerelemente& ui = Form1Probe::steuerelemente(form);
    vollesFeld(form);

    // How much one pass from the full field draws and draws from the source.
    Spielfeld probe = form.spielfeld();
    StandardZufallsquelle probeZufall;
    const std::vector<Werbeversuch> probeVersuche = probe.zielsuche(15, probeZufall).versuche;
    const int versuche = static_cast<int>(probeVersuche.size());
    const int ziehungen = Spielfeld::zellenAnzahl + 2 * versuche;

    const double durchlauf = median([&] { ui.cmdZielsuche->click(); }, [&] { ui.cmdErgebnis->click(); });
    const double ergebnis = median([&] { ui.cmdErgebnis->click(); }, [&] { ui.cmdZielsuche->click(); });
    const double schnell = median([&] { ui.Command2->click(); });

    Spielfeld modell = form.spielfeld();
    StandardZufallsquelle modellZufall;
    const double modellDurchlauf = median([&] { modell.zielsuche(15, modellZufall); }, [&] { modell.zyklusAbschliessen(); });

    const double boden = zeichenboden(probeVersuche);
    const double ergebnisBoden = ergebnisboden();
    const double zufallBoden = ziehungsboden(ziehungen);

    // Last, as a new game ends the full field.
    const double kurve = median([&] { ui.Command1->click(); });
    const double kurveBoden = kurvenboden(10, 15);
    const double neuesSpiel = median([&] { ui.cmdStart->click(); });
    const double neuesSpielBoden = startboden(10);

    std::printf("attempts per pass: %d, random draws per pass: %d\n", versuche, ziehungen);
    std::printf("pass with drawing      %8.3f ms   drawing floor %8.3f ms   ratio %.2f (target <= 1.5)\n",
                durchlauf, boden, durchlauf / boden);
    std::printf("commit with drawing    %8.3f ms   drawing floor %8.3f ms   ratio %.2f\n", ergebnis, ergebnisBoden,
                ergebnis / ergebnisBoden);
    std::printf("quick run of 10 cycles %8.3f ms   10 x (pass + commit floors) %8.3f ms   ratio %.2f\n", schnell,
                10 * (boden + ergebnisBoden), schnell / (10 * (boden + ergebnisBoden)));
    std::printf("model pass alone       %8.3f ms   random-draw floor %8.3f ms   ratio %.2f (target <= 3)\n",
                modellDurchlauf, zufallBoden, modellDurchlauf / zufallBoden);
    std::printf("Verhulst curve         %8.3f ms   drawing floor %8.3f ms   ratio %.2f\n", kurve, kurveBoden,
                kurve / kurveBoden);
    std::printf("new game (A(0) = 10)   %8.3f ms   drawing floor %8.3f ms   ratio %.2f\n", neuesSpiel,
                neuesSpielBoden, neuesSpiel / neuesSpielBoden);
    return 0;
}
