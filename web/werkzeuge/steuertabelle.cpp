// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window's control table as JSON for the page in the browser,
// so that both editions place the same controls from one table. Beside it
// go the window's own markup with its pictures and styles, and the texts
// of the window's frame (help texts, menu, the information), so that the
// page shows the desktop's own words and pictures.
#include "auswertungsseite.h"
#include "controltable.h"
#include "fensterseite.h"
#include "html.h"
#include "erlaeuterungstext.h"
#include "hilfezeilentexte.h"
#include "meldungstexte.h"
#include "menuebefehle.h"
#include "twips.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string jsonText(const char* text)
{
    std::string ergebnis = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '"' || *c == '\\')
            ergebnis += '\\';
        if (*c == '\n')
            ergebnis += "\\n";
        else
            ergebnis += *c;
    }
    return ergebnis + '"';
}

std::string zahl(double wert)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.17g", wert);
    return puffer;
}

std::string wahr(bool wert)
{
    return wert ? "true" : "false";
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) about
// "literal" + std::string at -O2.

// {"a":1,"b":2} from pairs of a key and its value, already written as JSON.
std::string objekt(const std::vector<std::pair<std::string, std::string>>& felder)
{
    std::string ergebnis = "{";
    for (const auto& [schluessel, wert] : felder) {
        if (ergebnis.size() > 1)
            ergebnis.append(",");
        ergebnis.append(jsonText(schluessel.c_str())).append(":").append(wert);
    }
    return ergebnis.append("}");
}

std::string liste(const std::vector<std::string>& werte, const char* trenner = ",")
{
    std::string ergebnis = "[";
    for (const std::string& wert : werte) {
        if (ergebnis.size() > 1)
            ergebnis.append(trenner);
        ergebnis.append(wert);
    }
    return ergebnis.append("]");
}

const char* schriftName(FontFace schrift)
{
    switch (schrift) {
    case FontFace::Sans: return "Sans";
    case FontFace::Serif: return "Serif";
    case FontFace::Symbol: return "Symbol";
    }
    return "";
}

// The control's rectangle in CSS pixels at zoom 1, relative to its parent,
// [left, top, width, height]; a line is a band 1 pixel thick.
std::string rechteck(const ControlSpec& s)
{
    const auto px = [](int twips) { return static_cast<double>(twips) / twipsProPixel; };
    if (s.kind != ControlKind::Line)
        return liste({zahl(px(s.left)), zahl(px(s.top)), zahl(px(s.width)), zahl(px(s.height))});
    return liste({zahl(px(std::min(s.left, s.left + s.width))), zahl(px(std::min(s.top, s.top + s.height))),
                  zahl(std::max(px(std::abs(s.width)), 1.0)), zahl(std::max(px(std::abs(s.height)), 1.0))});
}

std::string steuerelement(const ControlSpec& s)
{
    return objekt({
        {"rechteck", rechteck(s)},
        {"name", jsonText(s.name)}, {"kind", jsonText(artName(s.kind))}, {"parent", jsonText(s.parent)},
        {"left", zahl(s.left)}, {"top", zahl(s.top)}, {"width", zahl(s.width)}, {"height", zahl(s.height)},
        {"text", jsonText(s.text)}, {"backColour", zahl(s.backColour)}, {"textColour", zahl(s.textColour)},
        {"face", jsonText(schriftName(s.face))}, {"points", zahl(s.points)},
        {"visibleAtStart", wahr(s.visibleAtStart)}, {"readOnly", wahr(s.readOnly)},
        {"toolTip", jsonText(s.toolTip)}, {"minimum", zahl(s.minimum)}, {"maximum", zahl(s.maximum)},
        {"value", zahl(s.value)}, {"step", zahl(s.step)}, {"picture", jsonText(s.picture)},
        {"pictureWidth", zahl(s.pictureWidth)}, {"pictureHeight", zahl(s.pictureHeight)},
        {"accessibleName", jsonText(s.accessibleName)}, {"tabIndex", zahl(s.tabIndex)},
    });
}

std::string hilfetexte()
{
    std::vector<std::pair<std::string, std::string>> felder;
    for (const BenannterHilfetext& eintrag : festeHilfetexteNachName())
        felder.emplace_back(eintrag.name, jsonText(eintrag.text));
    return objekt(felder);
}

// The desktop's menu and, right of it, the page's own commands: the
// evaluation, as a browser keeps Ctrl+T for its own tabs (and Ctrl+N for
// windows), so the page opens it from the menu bar as well (Alt+A; the
// game from program start is the evaluation's button); and the pupil's
// result as a file for the teacher's class game (Alt+S).
const std::vector<Menuebefehl>& seitenmenue()
{
    static const std::vector<Menuebefehl> befehle = [] {
        std::vector<Menuebefehl> alle(menuebefehle.begin(), menuebefehle.end());
        alle.push_back({"cmdAuswertung", "&Auswertung", ""});
        alle.push_back({"cmdErgebnisSpeichern", "Ergebnis &speichern", ""});
        return alle;
    }();
    return befehle;
}

// Each command with its caption, access key (lower case as in the caption) and shortcut.
std::string menue()
{
    std::vector<std::string> befehle;
    for (const Menuebefehl& befehl : seitenmenue()) {
        const Beschriftung b = beschriftung(befehl.text);
        befehle.push_back(objekt({{"name", jsonText(befehl.name)}, {"text", jsonText(b.text.c_str())},
                                  {"zeichen", jsonText(std::string(b.zeichen == '\0' ? 0 : 1, b.zeichen).c_str())},
                                  {"taste", jsonText(befehl.taste)}}));
    }
    return liste(befehle);
}

// The generator's document as the page puts it inline: without the XML
// prolog and the generator's title, sized in CSS pixels, passed by screen
// readers (its lines are there as text).
QString fuerDieSeite(QString svg, QSize groesse)
{
    svg.remove(QRegularExpression(QStringLiteral("^<\\?xml[^>]*>\\s*")));
    svg.remove(QRegularExpression(QStringLiteral("<title>.*</title>\\s*<desc>.*</desc>\\s*")));
    svg.replace(QRegularExpression(QStringLiteral("^<svg width=\"[^\"]*\" height=\"[^\"]*\"")),
                QStringLiteral("<svg aria-hidden=\"true\" width=\"%1\" height=\"%2\"").arg(groesse.width()).arg(groesse.height()));
    return svg;
}

// The generator leaves out a font's underline; the run gets it back as the
// SVG's text decoration. A run it cannot find stops the build.
void unterstreichen(QString& svg, const QString& text)
{
    const QRegularExpression element(QStringLiteral("(<text [^>]*)>") + QRegularExpression::escape(text)
                                     + QStringLiteral("</text>"));
    if (!element.match(svg).hasMatch()) {
        std::fprintf(stderr, "steuertabelle: unterstrichener Text fehlt im Bild: %s\n", qPrintable(text));
        std::exit(EXIT_FAILURE);
    }
    svg.replace(element, QStringLiteral("\\1 text-decoration=\"underline\">") + text + QStringLiteral("</text>"));
}

// The explanation panel's markup: its picture as SVG, painted by the
// desktop's own routine at zoom 1, where a unit of the picture is a CSS
// pixel: the page shows it as it is and its zoom scales it sharply. Its
// lines go beside it as text for screen readers.
std::string erlaeuterungsbild()
{
    const double hoehe = std::max(erlaeuterung::bildGroesse.height(), erlaeuterung::textUnterkante());
    const QSize groesse(static_cast<int>(std::ceil(erlaeuterung::bildGroesse.width() * erlaeuterung::pixelProEinheit)),
                        static_cast<int>(std::ceil(hoehe * erlaeuterung::pixelProEinheit)));
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setResolution(96);
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
        paintErlaeuterung(painter, erlaeuterung::pixelProEinheit);
    }
    QString bild = fuerDieSeite(QString::fromUtf8(puffer.data()), groesse);
    std::string vorlesen;
    for (const ErlaeuterungsZeile& zeile : erlaeuterung::zeilen()) {
        std::string text;
        for (const ErlaeuterungsLauf& lauf : zeile.laeufe) {
            text += lauf.text;
            if (lauf.unterstrichen)
                unterstreichen(bild, QString::fromUtf8(lauf.text));
        }
        vorlesen += html::verbunden({"<p>", html::maskiert(text), "</p>"});
    }
    return html::verbunden({bild.toStdString(), "<div class=\"nurVorlesen\">", vorlesen, "</div>"});
}

} // namespace

int main(int argc, char* argv[])
{
    // The picture's text is laid out by the font engine, which needs an
    // application, though no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    std::vector<std::string> steuerelemente;
    for (const ControlSpec& s : controlTable())
        steuerelemente.push_back(steuerelement(s));
    const std::string rahmen = objekt({{"hilfetexte", hilfetexte()}, {"menue", menue()},
                                       {"information", jsonText(informationstext().c_str())}});
    const Fensterseite fenster = fensterseite(controlTable(), seitenmenue(), clientWidthTwips / double(twipsProPixel),
                                              clientHeightTwips / double(twipsProPixel), erlaeuterungsbild());
    // The evaluation window comes beside the main window, hidden until opened.
    const std::string markup = fenster.html + auswertungsseite();
    std::printf("%s\n", objekt({{"fenster", objekt({{"html", jsonText(markup.c_str())},
                                                   {"stil", jsonText(fenster.stil.c_str())}})},
                                {"titel", jsonText(fenstertitel)}, {"clientWidth", zahl(clientWidthTwips)}, {"clientHeight", zahl(clientHeightTwips)},
                                {"clientPixel", liste({zahl(clientWidthTwips / double(twipsProPixel)),
                                                       zahl(clientHeightTwips / double(twipsProPixel))})},
                                {"controls", liste(steuerelemente, ",\n")}, {"rahmen", rahmen}})
                            .c_str());
    return 0;
}
