// SPDX-License-Identifier: GPL-3.0-or-later
#include "meldungen.h"

#include "schriften.h"

#include <QMessageBox>

void hinweisZeigen(QWidget* eltern, const QString& titel, const QString& text, double zoom)
{
    QMessageBox box(QMessageBox::Information, titel, text, QMessageBox::Ok, eltern);
    box.setFont(standardSchrift(zoom));
    box.exec();
}

QString verhulstFehlertext(VerhulstFehler fehler, int zyklus)
{
    const bool ueberlauf = fehler == VerhulstFehler::ueberlauf;
    const QString art = ueberlauf ? QStringLiteral("Überlauf") : QStringLiteral("Ungültiges Argument");
    const QString grund = ueberlauf ? QStringLiteral("der nächste Wert ist zu groß für die Rechnung")
                                    : QStringLiteral("die nächste Potenz hat keinen reellen Wert");
    return QStringLiteral("%1\n\nDie Verhulst-Kurve endet bei Zyklus %2: %3.\n\n"
                          "Mit einem kleineren Exponenten t oder einer kleineren Wachstumsrate p "
                          "lässt sich die Kurve ganz zeichnen.")
        .arg(art)
        .arg(zyklus)
        .arg(grund);
}

QString informationstext()
{
    struct Taste
    {
        const char* tasten;
        const char* wirkung;
    };
    static constexpr Taste tasten[]{
        {"F1", "Erläuterung zeigen; Esc schließt sie"},
        {"Strg+Plus, Strg+Minus", "Fenster größer oder kleiner (Beamer)"},
        {"Strg+0", "ursprüngliche Größe"},
        {"F11", "so groß wie der Bildschirm; noch einmal F11: zurück"},
        {"Strg+C", "Bild unter dem Mauszeiger kopieren"},
        {"Strg+T", "Auswertung öffnen und schließen"},
        {"Strg+N", "das Spiel vom Programmstart: dasselbe Spiel noch einmal"},
        {"Eingabetaste im Feld von t", "t übernehmen"},
        {"Tab, Leertaste, Pfeiltasten", "ohne Maus bedienen"},
        {"Alt+B, Alt+E, Alt+I", "die drei Menüpunkte"},
        {"Strg+Q", "Programm beenden"},
    };
    QString zeilen;
    for (const Taste& taste : tasten)
        zeilen += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                      .arg(QString::fromUtf8(taste.tasten), QString::fromUtf8(taste.wirkung));
    return QStringLiteral("<p><b>Kettenbrief – Nivra1.0</b></p>"
                          "<p>„Nivra1.0“ ist der Versionsname des Programms.</p>"
                          "<p>Ein Kettenbrief breitet sich unter 2500 Individuen aus: Das Programm "
                          "spielt ihn als Monte-Carlo-Simulation Zyklus für Zyklus durch und "
                          "vergleicht den Verlauf mit dem logistischen Wachstumsmodell nach "
                          "Verhulst.</p>"
                          "<p>Tastatur:</p><table cellspacing=\"4\">%1</table>")
        .arg(zeilen);
}
