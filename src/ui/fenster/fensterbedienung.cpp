// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterbedienung.h"

#include "bildflaeche.h"
#include "erlaeuterungsbild.h"
#include "helpline.h"
#include "meldungen.h"
#include "steuerelemente.h"
#include "tophighscrollbar.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>

#include <stdexcept>

Fensterbedienung::Fensterbedienung(const Steuerelemente& ui, HelpLine& hilfe, QWidget& fenster, Rueckrufe rueckrufe)
    : m_ui(ui), m_hilfe(hilfe), m_fenster(fenster), m_rueckrufe(std::move(rueckrufe))
{
}

QWidget* Fensterbedienung::widget(Steuerelement element) const
{
    switch (element) {
    case Steuerelement::HScroll1:
    case Steuerelement::HScroll2:
        return leiste(element);
    case Steuerelement::Command4: return m_ui.Command4;
    case Steuerelement::Command8: return m_ui.Command8;
    case Steuerelement::image2: return m_ui.image2;
    case Steuerelement::picAusgabe: return m_ui.picAusgabe;
    case Steuerelement::picHisto: return m_ui.picHisto;
    default: return kasten(element);
    }
}

QLineEdit* Fensterbedienung::kasten(Steuerelement element) const
{
    switch (element) {
    case Steuerelement::txtStart: return m_ui.txtStart;
    case Steuerelement::txtFaktor: return m_ui.txtFaktor;
    case Steuerelement::Text1: return m_ui.Text1;
    case Steuerelement::Text4: return m_ui.Text4;
    case Steuerelement::txtdelta: return m_ui.txtdelta;
    case Steuerelement::txtNeuSum: return m_ui.txtNeuSum;
    case Steuerelement::txtExponent: return m_ui.txtExponent;
    case Steuerelement::txtSkala: return m_ui.txtSkala;
    default: throw std::logic_error("not a box");
    }
}

QScrollBar* Fensterbedienung::leiste(Steuerelement element) const
{
    if (element == Steuerelement::HScroll1)
        return m_ui.HScroll1;
    if (element == Steuerelement::HScroll2)
        return m_ui.HScroll2;
    throw std::logic_error("not a scroll bar");
}

std::string Fensterbedienung::text(Steuerelement element) const
{
    return kasten(element)->text().toStdString();
}

void Fensterbedienung::textSetzen(Steuerelement element, const std::string& text)
{
    kasten(element)->setText(QString::fromStdString(text));
}

void Fensterbedienung::anfangZeigen(Steuerelement element)
{
    kasten(element)->setCursorPosition(0);
}

int Fensterbedienung::wert(Steuerelement element) const
{
    return leiste(element)->value();
}

int Fensterbedienung::minimum(Steuerelement element) const
{
    return leiste(element)->minimum();
}

void Fensterbedienung::wertSetzen(Steuerelement element, int wert)
{
    leiste(element)->setValue(wert);
}

bool Fensterbedienung::sichtbar(Steuerelement element) const
{
    return widget(element)->isVisible();
}

void Fensterbedienung::sichtbarSetzen(Steuerelement element, bool sichtbar)
{
    widget(element)->setVisible(sichtbar);
}

void Fensterbedienung::nachVorn(Steuerelement bild)
{
    widget(bild)->raise();
}

void Fensterbedienung::beschreibungSetzen(Steuerelement bild, const std::string& text)
{
    widget(bild)->setAccessibleDescription(QString::fromStdString(text));
}

void Fensterbedienung::hilfeZeigen(const std::string& text)
{
    m_hilfe.show(QString::fromStdString(text));
}

void Fensterbedienung::meldungZeigen(const std::string& titel, const std::string& text, std::function<void()> danach)
{
    hinweisZeigen(&m_fenster, QString::fromStdString(titel), QString::fromStdString(text), m_rueckrufe.zoom());
    danach();
}

void Fensterbedienung::spielGeaendert()
{
    m_rueckrufe.spielGeaendert();
}

void Fensterbedienung::titelSetzen(const std::string& titel)
{
    m_fenster.setWindowTitle(QString::fromStdString(titel));
}

char Fensterbedienung::dezimaltrenner() const
{
    const QString trenner = QLocale().decimalPoint();
    return trenner.size() == 1 && trenner.at(0).unicode() < 128 ? trenner.at(0).toLatin1() : '.';
}
