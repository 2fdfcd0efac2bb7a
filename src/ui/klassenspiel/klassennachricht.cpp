// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassennachricht.h"

#include "klassenprotokoll.h"
#include "spielfeld.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <optional>

namespace {

namespace k = klassenprotokoll;

// A whole number within [von, bis], or none: JSON has only doubles.
std::optional<int> ganzzahl(const QJsonValue& wert, int von, int bis)
{
    if (!wert.isDouble())
        return std::nullopt;
    const double zahl = wert.toDouble();
    if (!(zahl >= von && zahl <= bis) || std::floor(zahl) != zahl)
        return std::nullopt;
    return static_cast<int>(zahl);
}

std::optional<QString> kurzerText(const QJsonValue& wert, int hoechstens)
{
    if (!wert.isString())
        return std::nullopt;
    QString text;
    for (const QChar c : wert.toString())
        if (!c.isNonCharacter() && c.category() != QChar::Other_Control && c.category() != QChar::Other_Format)
            text += c;
    text = text.simplified();
    if (text.isEmpty() || text.size() > hoechstens)
        return std::nullopt;
    return text;
}

Klassennachricht anmeldungLesen(const QJsonObject& o)
{
    const auto code = kurzerText(o.value("code"), k::codeLaenge);
    const auto name = kurzerText(o.value("name"), k::hoechsteNamenslaenge);
    const auto kennung = kurzerText(o.value("kennung"), 64);
    const auto spiel = ganzzahl(o.value("spiel"), 0, 99);
    if (!code)
        return Lesefehler{QStringLiteral("Der Klassencode fehlt.")};
    if (!name)
        return Lesefehler{QStringLiteral("Der Name fehlt oder ist länger als %1 Zeichen.").arg(k::hoechsteNamenslaenge)};
    if (!kennung || !spiel)
        return Lesefehler{QStringLiteral("Die Anmeldung ist unvollständig.")};
    return Anmeldung{*code, *name, *kennung, *spiel};
}

// One cycle: its passes' growth rates and the count it was committed with.
std::optional<Zyklusbericht> zyklusLesen(const QJsonValue& wert, int& durchgaenge)
{
    const QJsonObject o = wert.toObject();
    const QJsonArray p = o.value("p").toArray();
    const auto anzahl = ganzzahl(o.value("a"), 0, Spielfeld::zellenAnzahl);
    durchgaenge += static_cast<int>(p.size());
    if (!anzahl || durchgaenge > hoechsteDurchgaenge)
        return std::nullopt;
    Zyklusbericht zyklus{{}, *anzahl};
    for (const QJsonValue& rate : p) {
        if (!rate.isDouble())
            return std::nullopt;
        zyklus.durchgaenge.push_back(rate.toDouble());
    }
    return zyklus;
}

Klassennachricht berichtLesen(const QJsonObject& o)
{
    const auto seq = ganzzahl(o.value("seq"), 1, 1 << 30);
    const auto spiel = ganzzahl(o.value("spiel"), 0, 99);
    const QJsonArray starts = o.value("starts").toArray();
    const Lesefehler falsch{QStringLiteral("Der Bericht ist nicht lesbar.")};
    if (!seq || !spiel || starts.isEmpty() || starts.size() > hoechsteStarts)
        return falsch;
    Berichtsnachricht nachricht{*seq, {*spiel, {}}};
    int durchgaenge = 0;
    for (const QJsonValue& wert : starts) {
        const QJsonObject start = wert.toObject();
        const auto a0 = ganzzahl(start.value("a0"), 0, Spielfeld::zellenAnzahl);
        const QJsonArray zyklen = start.value("zyklen").toArray();
        if (!a0 || zyklen.size() > Spielfeld::verlaufGrenze)
            return falsch;
        Startbericht gelesen{*a0, {}};
        for (const QJsonValue& zyklus : zyklen) {
            auto z = zyklusLesen(zyklus, durchgaenge);
            if (!z)
                return falsch;
            gelesen.zyklen.push_back(std::move(*z));
        }
        nachricht.bericht.starts.push_back(std::move(gelesen));
    }
    return nachricht;
}

} // namespace

Klassennachricht nachrichtLesen(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (static_cast<std::size_t>(utf8.size()) > k::hoechsteNachrichtBytes)
        return Lesefehler{QStringLiteral("Die Nachricht ist zu groß.")};
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(utf8, &fehler);
    if (fehler.error != QJsonParseError::NoError || !dokument.isObject())
        return Lesefehler{QStringLiteral("Die Nachricht ist kein gültiges JSON.")};
    const QJsonObject o = dokument.object();
    const QString art = o.value("art").toString();
    if (art == QLatin1String("anmelden"))
        return anmeldungLesen(o);
    if (art == QLatin1String("bericht"))
        return berichtLesen(o);
    return Lesefehler{QStringLiteral("Unbekannte Nachricht.")};
}
