#include "meldungen.h"

#include <QMessageBox>

void hinweisZeigen(QWidget* eltern, const QString& titel, const QString& text)
{
    QMessageBox box(QMessageBox::Information, titel, text, QMessageBox::Ok, eltern);
    box.exec();
}

QString verhulstFehlertext(VerhulstFehler fehler, int zyklus)
{
    const bool ueberlauf = fehler == VerhulstFehler::ueberlauf;
    const QString art = ueberlauf ? QStringLiteral("Überlauf") : QStringLiteral("Ungültiges Argument");
    const QString grund = ueberlauf ? QStringLiteral("der nächste Wert ist zu groß für die Rechnung")
                                    : QStringLiteral("die nächste Potenz hat keinen reellen Wert");
    return QStringLiteral("%1\n\nDie Verhulst-Kurve endet bei Zyklus %2: %3.").arg(art).arg(zyklus).arg(grund);
}

QString informationstext()
{
    return QStringLiteral("Kettenbrief – Nivra1.0\n\n"
                          "Ein Kettenbrief breitet sich unter 2500 Individuen aus: Das Programm "
                          "spielt ihn als Monte-Carlo-Simulation Zyklus für Zyklus durch und "
                          "vergleicht den Verlauf mit dem logistischen Wachstumsmodell nach "
                          "Verhulst.");
}
