// SPDX-License-Identifier: GPL-3.0-or-later
#include "deutsch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool qtAufDeutsch(QCoreApplication& anwendung)
{
    auto* uebersetzer = new QTranslator(&anwendung);
    if (!uebersetzer->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}
