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
