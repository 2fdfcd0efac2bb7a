// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateiablage.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

namespace {

// Qt's file dialog writes its history and last folder into the user's
// configuration (QtProject.conf) when it closes. The program keeps no
// settings, so Qt's own go below /dev/null, where no file can be made or
// read, not even by the superuser.
void qtEinstellungenNichtSpeichern()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

QString startordner()
{
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath();
}

QString filterText(const Dateiablage::Dateityp& typ)
{
    return QStringLiteral("%1 (*.%2)").arg(typ.name, typ.endung);
}

// The reason in the user's words; the system's own message follows it.
QString grund(const QString& pfad, qint64 groesse, QFileDevice::FileError fehler)
{
    const QFileInfo datei(pfad);
    const QFileInfo ordner(datei.absolutePath());
    if (!ordner.isDir())
        return QStringLiteral("Den Ordner „%1“ gibt es nicht.").arg(QDir::toNativeSeparators(ordner.filePath()));
    const QStorageInfo traeger(ordner.absoluteFilePath());
    if (traeger.isReadOnly())
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    if (fehler != QFileDevice::OpenError && traeger.bytesAvailable() < groesse)
        return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
    if (fehler == QFileDevice::OpenError)
        return QStringLiteral("Sie dürfen in diesem Ordner keine Datei anlegen oder die Datei nicht "
                              "überschreiben.");
    return QStringLiteral("Die Datei ließ sich nicht vollständig schreiben; vielleicht ist der "
                          "Datenträger voll oder nicht mehr angeschlossen.");
}

void fehlerMelden(QWidget* eltern, const QString& pfad, const QString& warum, const QString& system)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Speichern nicht möglich"),
                    QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n\n%2\n\nMeldung des "
                                   "Systems: %3")
                        .arg(QDir::toNativeSeparators(pfad), warum, system),
                    QMessageBox::Ok, eltern);
    // In the font of the window it belongs to, also at a projector's zoom.
    if (eltern)
        box.setFont(eltern->font());
    box.exec();
}

} // namespace

QString Dateiablage::zielWaehlen(QWidget* eltern, const QString& titel, const QString& vorschlag,
                                 const QList<Dateityp>& typen)
{
    qtEinstellungenNichtSpeichern();
    if (m_ordner.isEmpty())
        m_ordner = startordner();
    QStringList filter;
    for (const Dateityp& typ : typen)
        filter << filterText(typ);
    QFileDialog dialog(eltern, titel, QDir(m_ordner).filePath(vorschlag), filter.join(QStringLiteral(";;")));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(typen.value(0).endung);
    // The type chosen decides the ending a bare name gets.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &typen, &filter](const QString& f) {
        dialog.setDefaultSuffix(typen.value(static_cast<int>(filter.indexOf(f))).endung);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString pfad = dialog.selectedFiles().constFirst();
    m_ordner = QFileInfo(pfad).absolutePath();
    return pfad;
}

bool Dateiablage::schreiben(QWidget* eltern, const QString& pfad, const QByteArray& inhalt)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        fehlerMelden(eltern, pfad, grund(pfad, inhalt.size(), QFileDevice::OpenError), datei.errorString());
        return false;
    }
    datei.write(inhalt);
    if (!datei.commit()) {
        fehlerMelden(eltern, pfad, grund(pfad, inhalt.size(), datei.error()), datei.errorString());
        return false;
    }
    return true;
}
