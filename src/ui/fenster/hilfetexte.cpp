// SPDX-License-Identifier: GPL-3.0-or-later
#include "hilfetexte.h"

#include "hilfezeilentexte.h"

#include <QWidget>

std::vector<FesterHilfetext> festeHilfetexte(const Steuerelemente& ui)
{
    // Every control lies in the window's client area, which holds the frame.
    const QWidget* client = ui.Picture1->parentWidget();
    std::vector<FesterHilfetext> ergebnis;
    for (const BenannterHilfetext& eintrag : festeHilfetexteNachName())
        ergebnis.push_back({client->findChild<QWidget*>(QString::fromLatin1(eintrag.name)), eintrag.text});
    return ergebnis;
}
