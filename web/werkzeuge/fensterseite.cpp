// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterseite.h"

#include "html.h"
#include "twips.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string_view>

namespace {

using html::attribut;
using html::maskiert;
using html::px;
using html::verbunden;

std::string farbe(int rgb)
{
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "#%06x", rgb & 0xffffff);
    return puffer;
}


bool istTextfeld(const ControlSpec& s)
{
    return s.kind == ControlKind::TextBox || s.kind == ControlKind::BorderlessTextBox;
}

bool istKnopf(const ControlSpec& s)
{
    return s.kind == ControlKind::Button || s.kind == ControlKind::PictureButton;
}

struct Rechteck
{
    double links, oben, breite, hoehe;
};

// In CSS pixels at zoom 1, relative to the parent; a line is a band 1 pixel thick.
Rechteck rechteck(const ControlSpec& s)
{
    const auto p = [](int twips) { return static_cast<double>(twips) / twipsProPixel; };
    if (s.kind != ControlKind::Line)
        return {p(s.left), p(s.top), p(s.width), p(s.height)};
    return {p(std::min(s.left, s.left + s.width)), p(std::min(s.top, s.top + s.height)),
            std::max(p(std::abs(s.width)), 1.0), std::max(p(std::abs(s.height)), 1.0)};
}

// The picture inline, as a part of the page: a picture in an image element
// would be a document of its own, which the browser builds for each one.
// Decoration only, so screen readers pass it by.
std::string bild(const char* pfad)
{
    QFile datei(QString::fromUtf8(pfad));
    if (!datei.open(QIODevice::ReadOnly))
        throw std::runtime_error(verbunden({"Bild fehlt: ", pfad}));
    const std::string svg = datei.readAll().toStdString();
    const std::size_t anfang = svg.find("<svg ");
    if (anfang == std::string::npos)
        throw std::runtime_error(verbunden({"kein SVG: ", pfad}));
    // Without the blanks between its tags: they would be text of the button.
    std::string ohneLuecken;
    bool zwischenTags = false;
    for (const char c : std::string_view(svg).substr(anfang + 5)) {
        if (c == '<' || c == '>')
            zwischenTags = c == '>';
        else if (zwischenTags && std::isspace(static_cast<unsigned char>(c)))
            continue;
        ohneLuecken += c;
    }
    return verbunden({"<svg aria-hidden=\"true\" ", ohneLuecken});
}

class Schreiber
{
public:
    Schreiber(std::span<const ControlSpec> tabelle, std::string_view erlaeuterung)
        : m_tabelle(tabelle), m_erlaeuterung(erlaeuterung)
    {
    }

    // The controls inside `eltern`, in the table's order, each with its own.
    std::string kinder(std::string_view eltern)
    {
        std::string html;
        for (const ControlSpec& s : m_tabelle)
            if (eltern == s.parent)
                html += element(s);
        return html;
    }

    std::string stil;

private:
    std::string element(const ControlSpec& s)
    {
        regeln(s);
        const char* tag = istKnopf(s) ? "button" : istTextfeld(s) ? "input" : "div";
        std::string html = "<";
        html += tag;
        html += verbunden({attribut("id", s.name), attribut("class", klassen(s)), eigenschaften(s), zugang(s)});
        if (!s.visibleAtStart)
            html += " hidden";
        html += '>';
        if (istTextfeld(s))
            return html;
        return verbunden({html, inhalt(s), kinder(s.name), "</", tag, ">"});
    }

    static std::string klassen(const ControlSpec& s)
    {
        std::string text = "steuer ";
        text += artName(s.kind);
        if (s.backColour >= 0)
            text += " eigeneFarbe";
        return text;
    }

    static std::string eigenschaften(const ControlSpec& s)
    {
        if (istKnopf(s))
            return attribut("type", "button");
        if (!istTextfeld(s))
            return {};
        std::string text = attribut("type", "text") + attribut("value", s.text);
        // The chart's axis labels are text boxes in form only, never edited.
        if (s.readOnly || s.kind == ControlKind::BorderlessTextBox)
            text += " readonly";
        return text + attribut("spellcheck", "false") + attribut("autocomplete", "off");
    }

    static std::string zugang(const ControlSpec& s)
    {
        std::string text;
        // A label is read as its text; one with a name of its own ("Δ" is "Delta") as a sign with that name.
        const bool bild = s.kind == ControlKind::Surface || s.kind == ControlKind::Explanation ||
                          s.kind == ControlKind::Picture || (s.kind == ControlKind::Label && *s.accessibleName != '\0');
        if (bild)
            text += attribut("role", "img");
        if (s.kind == ControlKind::Panel)
            text += attribut("role", "group");
        const std::string_view name = s.kind == ControlKind::Label ? s.accessibleName
                                      : *s.accessibleName != '\0'  ? s.accessibleName
                                                                   : s.text;
        if (!name.empty())
            text += attribut("aria-label", name);
        if (s.kind == ControlKind::Line)
            text += attribut("aria-hidden", "true");
        if (*s.toolTip != '\0')
            text += attribut("title", s.toolTip);
        // The table's Tab order comes before anything else of the page; a
        // button or box outside it is not reached by Tab at all.
        if (s.tabIndex >= 0)
            text += attribut("tabindex", std::to_string(s.tabIndex + 1));
        else if (istKnopf(s) || istTextfeld(s))
            text += attribut("tabindex", "-1");
        return text;
    }

    std::string inhalt(const ControlSpec& s)
    {
        if (s.kind == ControlKind::Surface)
            return "<canvas></canvas>";
        if (s.kind == ControlKind::Explanation)
            return std::string(m_erlaeuterung);
        if (s.kind == ControlKind::Label || (istKnopf(s) && *s.picture == '\0'))
            return maskiert(s.text);
        if (*s.picture == '\0' || (s.kind != ControlKind::Picture && !istKnopf(s)))
            return {};
        // A button's face at its own size, but inside the button's 2-pixel frame.
        const Rechteck r = rechteck(s);
        const double breite = istKnopf(s) ? std::min<double>(s.pictureWidth, r.breite - 4) : s.pictureWidth;
        const double hoehe = istKnopf(s) ? std::min<double>(s.pictureHeight, r.hoehe - 4) : s.pictureHeight;
        // 0 x 0: the picture fills its control (style sheet).
        if (breite > 0 && hoehe > 0)
            stil += verbunden({"#", s.name, " > svg { width: ", px(breite), "; height: ", px(hoehe), "; }\n"});
        return bild(s.picture);
    }

    void regeln(const ControlSpec& s)
    {
        const Rechteck r = rechteck(s);
        std::string regel = verbunden({"#", s.name, " { left: ", px(r.links), "; top: ", px(r.oben), "; width: ",
                                       px(r.breite), "; height: ", px(r.hoehe), "; "});
        const bool serif = s.face == FontFace::Serif || s.face == FontFace::Symbol;
        regel += serif ? "font-family: \"Liberation Serif\", serif; " : "font-family: \"Liberation Sans\", sans-serif; ";
        // Design sizes are points at 96 dots per inch, in whole pixels.
        regel += verbunden({"font-size: ", px(std::max(1.0, std::round(s.points * 96 / 72))), "; "});
        // Text boxes are white unless the design says otherwise; text is black.
        const int grund = s.backColour >= 0 ? s.backColour : istTextfeld(s) ? 0xffffff : -1;
        if (grund >= 0)
            regel += verbunden({"background-color: ", farbe(grund), "; "});
        regel += verbunden({"color: ", farbe(s.textColour >= 0 ? s.textColour : 0), "; }\n"});
        stil += regel;
    }

    std::span<const ControlSpec> m_tabelle;
    std::string_view m_erlaeuterung;
};

// A command of the menu bar, reached by the keyboard only through the bar itself.
std::string menueeintrag(const Menuebefehl& befehl)
{
    const Beschriftung b = beschriftung(befehl.text);
    std::string html = verbunden({"<button", attribut("type", "button"), attribut("id", befehl.name),
                                  attribut("role", "menuitem"), attribut("tabindex", "-1")});
    if (b.zeichen == '\0')
        return verbunden({html, ">", maskiert(b.text), "</button>"});
    const std::size_t stelle = std::string_view(befehl.text).find('&');
    std::string tasten = verbunden({"Alt+", std::string(1, static_cast<char>(std::toupper(b.zeichen)))});
    if (*befehl.taste != '\0')
        tasten += verbunden({" ", befehl.taste});
    return verbunden({html, attribut("aria-keyshortcuts", tasten), ">", maskiert(b.text.substr(0, stelle)), "<u>",
                      maskiert(std::string(1, b.zeichen)), "</u>", maskiert(b.text.substr(stelle + 1)), "</button>"});
}

} // namespace

Beschriftung beschriftung(const char* text)
{
    const std::string_view ganz(text);
    const std::size_t stelle = ganz.find('&');
    if (stelle == std::string_view::npos || stelle + 1 >= ganz.size())
        return {std::string(ganz), '\0'};
    return {verbunden({ganz.substr(0, stelle), ganz.substr(stelle + 1)}), ganz[stelle + 1]};
}

// The name of each kind of control, as the page's classes and the table's JSON have it.
const char* artName(ControlKind art)
{
    switch (art) {
    case ControlKind::Panel: return "Panel";
    case ControlKind::Surface: return "Surface";
    case ControlKind::Button: return "Button";
    case ControlKind::PictureButton: return "PictureButton";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::BorderlessTextBox: return "BorderlessTextBox";
    case ControlKind::Label: return "Label";
    case ControlKind::VScrollBar: return "VScrollBar";
    case ControlKind::HScrollBar: return "HScrollBar";
    case ControlKind::Line: return "Line";
    case ControlKind::Picture: return "Picture";
    case ControlKind::Explanation: return "Explanation";
    }
    return "";
}

Fensterseite fensterseite(std::span<const ControlSpec> tabelle, std::span<const Menuebefehl> menue,
                          double clientBreite, double clientHoehe, std::string_view erlaeuterung)
{
    Schreiber schreiber(tabelle, erlaeuterung);
    Fensterseite seite;
    seite.stil = verbunden({"#Form1 { width: ", px(clientBreite), "; height: ", px(clientHoehe), "; }\n"});
    std::string leiste;
    for (const Menuebefehl& befehl : menue)
        leiste += menueeintrag(befehl);
    // #seite places the window with its menu bar (#fensterrahmen), which the zoom scales.
    seite.html = verbunden({"<div id=\"seite\" hidden><div id=\"fensterrahmen\">",
                            "<nav id=\"menueleiste\" role=\"menubar\" aria-label=\"Menüleiste\">", leiste, "</nav>",
                            "<main id=\"Form1\" aria-label=\"Kettenbrief\">", schreiber.kinder(""), "</main></div></div>"});
    seite.stil += schreiber.stil;
    return seite;
}
