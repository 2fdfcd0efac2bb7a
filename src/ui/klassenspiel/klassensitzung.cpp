// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassensitzung.h"

#include "klassenprotokoll.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace klassensitzung {

QString pfad()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/klassenspiel.json");
}

bool speichern(const QString& datei, const QString& code, const Klassenstand& stand)
{
    QJsonArray schueler;
    for (const Schueler& s : stand.schueler())
        schueler.append(QJsonObject{
            {"kennung", s.kennung}, {"name", s.name}, {"spiel", s.spiel},
            {"bericht", s.seq > 0 ? QString::fromStdString(klassenprotokoll::berichtNachricht(s.bericht, s.seq))
                                  : QString()}});
    QDir().mkpath(QFileInfo(datei).absolutePath());
    // Written beside and then renamed: a crash while writing leaves the last whole file.
    QSaveFile aus(datei);
    if (!aus.open(QIODevice::WriteOnly))
        return false;
    aus.write(QJsonDocument(QJsonObject{{"code", code}, {"schueler", schueler}}).toJson(QJsonDocument::Compact));
    return aus.commit();
}

bool laden(const QString& datei, QString& code, Klassenstand& stand)
{
    QFile ein(datei);
    if (!ein.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject o = QJsonDocument::fromJson(ein.readAll()).object();
    if (!o.value("code").isString() || !o.value("schueler").isArray())
        return false;
    // Everybody of the file comes back, even if the teacher now allows fewer.
    const QJsonArray alle = o.value("schueler").toArray();
    Klassenstand gelesen(std::max(stand.hoechstens(), static_cast<int>(alle.size())));
    for (const QJsonValue& wert : alle) {
        const QJsonObject s = wert.toObject();
        QString grund;
        const auto zeile = gelesen.anmelden({o.value("code").toString(), s.value("name").toString(),
                                             s.value("kennung").toString(), s.value("spiel").toInt()},
                                            grund);
        if (!zeile)
            return false;
        // Replayed again: a file changed by hand gains nothing.
        const Klassennachricht nachricht = nachrichtLesen(s.value("bericht").toString());
        if (const auto* bericht = std::get_if<Berichtsnachricht>(&nachricht))
            gelesen.melden(*zeile, *bericht);
    }
    code = o.value("code").toString();
    gelesen.hoechstensSetzen(stand.hoechstens());
    stand = std::move(gelesen);
    return true;
}

} // namespace klassensitzung
