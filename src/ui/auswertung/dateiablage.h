// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QWidget;

// Where the evaluation saves its files, and the saving itself. The file
// dialog is Qt's own, in German, for the same look everywhere and because
// a desktop's own dialog keeps a list of recent files; the last folder is
// remembered only while the program runs (it keeps no settings). A file
// is written whole or not at all: a failed write leaves an older file of
// that name as it was and says why in a German message box.
class Dateiablage
{
public:
    // One entry of the dialog's file types: "PDF-Dokument" and "pdf".
    struct Dateityp
    {
        QString name;
        QString endung;
    };

    // Asks where to save; empty when the user cancels. The name given gets
    // the ending of the chosen type when it has none of the offered ones.
    QString zielWaehlen(QWidget* eltern, const QString& titel, const QString& vorschlag,
                        const QList<Dateityp>& typen);
    // Writes `inhalt` to `pfad`; false after a message box saying why not.
    static bool schreiben(QWidget* eltern, const QString& pfad, const QByteArray& inhalt);

private:
    QString m_ordner;
};
