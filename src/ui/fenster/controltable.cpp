// SPDX-License-Identifier: GPL-3.0-or-later
#include "controltable.h"

#include "drawingsurface.h"
#include "erlaeuterungsbild.h"
#include "histoansicht.h"
#include "picturewidget.h"
#include "tophighscrollbar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <array>

namespace {

constexpr int white = 0xFFFFFF;
constexpr int grey = 0xC0C0C0;

using K = ControlKind;
using F = FontFace;

// Picture1's children are listed bottom to top: the decorative picture lies
// beneath everything, the two drawing surfaces above the help line and the
// chart's scroll bar (whose edge rows they share), the field view on top. The Tab order runs through
// the panel as a pupil reads it, then to the chart's buttons.
const std::array<ControlSpec, 46> table{{
    {.name = "Picture1", .binden = binden<&Steuerelemente::Picture1>, .kind = K::Panel, .parent = "", .left = 120, .top = 60, .width = 13275, .height = 9195,
     .backColour = grey,
     .accessibleName = "Programmfenster"},
    {.name = "Picture3", .binden = binden<&Steuerelemente::Picture3>, .kind = K::Picture, .parent = "Picture1", .left = 7140, .top = 2880, .width = 5415,
     .height = 4515, .backColour = grey, .visibleAtStart = false, .picture = ":/pictures/picture3.svg",
     .pictureWidth = 341,
     .pictureHeight = 309,
     .accessibleName = "Bild zum Kettenbrief"},
    {.name = "Command4", .binden = binden<&Steuerelemente::Command4>, .kind = K::Button, .parent = "Picture1", .left = 6420, .top = 3060, .width = 990,
     .height = 690, .text = "clear",
     .accessibleName = "Löschen"},
    {.name = "txtHilfe", .binden = binden<&Steuerelemente::txtHilfe>, .kind = K::TextBox, .parent = "Picture1", .left = -60, .top = 8760, .width = 13575,
     .height = 435, .backColour = 0xE0E0E0, .textColour = 0x800000, .face = F::Serif, .points = 14.4,
     .accessibleName = "Hilfezeile", .tabIndex = 21},
    {.name = "Picture2", .binden = binden<&Steuerelemente::Picture2>, .kind = K::Panel, .parent = "Picture1", .left = -60, .top = -120, .width = 13575,
     .height = 2355, .backColour = grey,
     .accessibleName = "Einstellungen"},
    {.name = "Command3", .binden = binden<&Steuerelemente::Command3>, .kind = K::Button, .parent = "Picture2", .left = 11160, .top = 1620, .width = 1905,
     .height = 450, .text = "Exponent t initialisieren", .backColour = white, .tabIndex = 16},
    {.name = "Text4", .binden = binden<&Steuerelemente::Text4>, .kind = K::TextBox, .parent = "Picture2", .left = 10320, .top = 1620, .width = 795,
     .height = 465, .text = "1", .face = F::Serif, .points = 14.4,
     .accessibleName = "Exponent t", .tabIndex = 15},
    {.name = "Command2", .binden = binden<&Steuerelemente::Command2>, .kind = K::PictureButton, .parent = "Picture2", .left = 5580, .top = 1320,
     .width = 765, .height = 825, .toolTip = "Schnelldurchlauf 10 Iterationen",
     .picture = ":/pictures/command2.svg",
     .pictureWidth = 43,
     .pictureHeight = 45,
     .accessibleName = "Schnelldurchlauf 10 Iterationen", .tabIndex = 11},
    {.name = "Command1", .binden = binden<&Steuerelemente::Command1>, .kind = K::PictureButton, .parent = "Picture2", .left = 7020, .top = 1320,
     .width = 765, .height = 810, .toolTip = "Vergleich mit Verhulst", .picture = ":/pictures/command1.svg",
     .pictureWidth = 43,
     .pictureHeight = 45,
     .accessibleName = "Vergleich mit Verhulst", .tabIndex = 12},
    {.name = "Text1", .binden = binden<&Steuerelemente::Text1>, .kind = K::TextBox, .parent = "Picture2", .left = 3060, .top = 780, .width = 810,
     .height = 405, .backColour = white, .textColour = 0x000000, .face = F::Serif, .points = 14.4,
     .readOnly = true,
     .accessibleName = "Aktuelle Anzahl A(n)", .tabIndex = 5},
    {.name = "cmdStart", .binden = binden<&Steuerelemente::cmdStart>, .kind = K::Button, .parent = "Picture2", .left = 4320, .top = 780, .width = 2040,
     .height = 345, .text = "Monte-Carlo initialisieren", .backColour = white, .tabIndex = 8},
    {.name = "vscStart", .binden = binden<&Steuerelemente::vscStart>, .kind = K::VScrollBar, .parent = "Picture2", .left = 1800, .top = 720, .width = 315,
     .height = 465, .minimum = 1, .maximum = 50, .value = 10,
     .accessibleName = "Startwert A(0) einstellen", .tabIndex = 1},
    {.name = "txtStart", .binden = binden<&Steuerelemente::txtStart>, .kind = K::TextBox, .parent = "Picture2", .left = 960, .top = 780, .width = 840,
     .height = 405, .text = "10", .face = F::Serif, .points = 15.6, .readOnly = true,
     .accessibleName = "Startwert A(0)", .tabIndex = 0},
    {.name = "vscFaktor", .binden = binden<&Steuerelemente::vscFaktor>, .kind = K::VScrollBar, .parent = "Picture2", .left = 1800, .top = 1260, .width = 315,
     .height = 465, .minimum = 1, .maximum = 15, .value = 5,
     .accessibleName = "Wachstumsrate p einstellen", .tabIndex = 3},
    {.name = "Text2", .binden = binden<&Steuerelemente::Text2>, .kind = K::TextBox, .parent = "Picture2", .left = 960, .top = 1650, .width = 855,
     .height = 405, .text = "10", .backColour = white, .face = F::Serif, .points = 15.6, .readOnly = true,
     .accessibleName = "Textfeld ohne Funktion", .tabIndex = 4},
    {.name = "cmdErgebnis", .binden = binden<&Steuerelemente::cmdErgebnis>, .kind = K::Button, .parent = "Picture2", .left = 4320, .top = 1800, .width = 900,
     .height = 345, .text = "Ergebnis", .backColour = white, .tabIndex = 10},
    {.name = "cmdZielsuche", .binden = binden<&Steuerelemente::cmdZielsuche>, .kind = K::Button, .parent = "Picture2", .left = 4320, .top = 1320, .width = 900,
     .height = 345, .text = "Zielsuche", .backColour = white, .tabIndex = 9},
    // The empty box lies beneath the exponent display, which must show whole.
    {.name = "Text5", .binden = binden<&Steuerelemente::Text5>, .kind = K::TextBox, .parent = "Picture2", .left = 8760, .top = 1440, .width = 1155,
     .height = 375, .readOnly = true,
     .accessibleName = "Leeres Textfeld", .tabIndex = 13},
    {.name = "txtExponent", .binden = binden<&Steuerelemente::txtExponent>, .kind = K::TextBox, .parent = "Picture2", .left = 8760, .top = 1740, .width = 1155,
     .height = 315, .text = "t = 1", .points = 10.8, .readOnly = true,
     .accessibleName = "Exponent t in Gebrauch", .tabIndex = 14},
    {.name = "txtdelta", .binden = binden<&Steuerelemente::txtdelta>, .kind = K::TextBox, .parent = "Picture2", .left = 3060, .top = 1260, .width = 810,
     .height = 405, .backColour = white, .textColour = 0x0000C0, .face = F::Serif, .points = 14.4,
     .readOnly = true,
     .accessibleName = "Neu geworbene ΔA", .tabIndex = 6},
    {.name = "txtNeuSum", .binden = binden<&Steuerelemente::txtNeuSum>, .kind = K::TextBox, .parent = "Picture2", .left = 3060, .top = 1740, .width = 810,
     .height = 405, .backColour = white, .textColour = 0x0000C0, .face = F::Serif, .points = 14.4,
     .readOnly = true,
     .accessibleName = "A(n+1)", .tabIndex = 7},
    {.name = "txtFaktor", .binden = binden<&Steuerelemente::txtFaktor>, .kind = K::TextBox, .parent = "Picture2", .left = 960, .top = 1260, .width = 840,
     .height = 405, .text = "5", .face = F::Serif, .points = 15.6, .readOnly = true,
     .accessibleName = "Wachstumsrate p", .tabIndex = 2},
    {.name = "Line1", .binden = binden<&Steuerelemente::Line1>, .kind = K::Line, .parent = "Picture2", .left = 360, .top = 600, .width = 12660,
     .height = 0, .backColour = white},
    {.name = "Label1", .binden = binden<&Steuerelemente::Label1>, .kind = K::Label, .parent = "Picture2", .left = 360, .top = 780, .width = 570,
     .height = 405, .text = "A(0)", .face = F::Serif, .points = 14.4},
    {.name = "lblFaktor", .binden = binden<&Steuerelemente::lblFaktor>, .kind = K::Label, .parent = "Picture2", .left = 660, .top = 1260, .width = 300,
     .height = 465, .text = "p", .face = F::Serif, .points = 15.6},
    {.name = "Label3", .binden = binden<&Steuerelemente::Label3>, .kind = K::Label, .parent = "Picture2", .left = 2520, .top = 840, .width = 690,
     .height = 405, .text = "A(n)", .face = F::Serif, .points = 14.4},
    {.name = "Label4", .binden = binden<&Steuerelemente::Label4>, .kind = K::Label, .parent = "Picture2", .left = 360, .top = 180, .width = 5175,
     .height = 435, .text = "Stochastisches Modell, Monte-Carlo-Methode", .textColour = white,
     .points = 10.8},
    {.name = "Label5", .binden = binden<&Steuerelemente::Label5>, .kind = K::Label, .parent = "Picture2", .left = 6720, .top = 180, .width = 3915,
     .height = 375, .text = "Logistisches Modell nach Verhulst", .textColour = white, .points = 10.8},
    {.name = "Line2", .binden = binden<&Steuerelemente::Line2>, .kind = K::Line, .parent = "Picture2", .left = 6660, .top = 2160, .width = 0,
     .height = -1380, .backColour = white},
    {.name = "Image1", .binden = binden<&Steuerelemente::Image1>, .kind = K::Picture, .parent = "Picture2", .left = 8760, .top = 780, .width = 3396,
     .height = 540, .picture = ":/pictures/image1.svg",
     .accessibleName = "Formel der verallgemeinerten Verhulst-Iteration"},
    // The symbol font's "D" is a capital delta.
    {.name = "Label6", .binden = binden<&Steuerelemente::Label6>, .kind = K::Label, .parent = "Picture2", .left = 2700, .top = 1260, .width = 390,
     .height = 405, .text = "Δ", .textColour = 0x0000FF, .face = F::Symbol, .points = 14.4,
     .accessibleName = "Delta"},
    {.name = "Label7", .binden = binden<&Steuerelemente::Label7>, .kind = K::Label, .parent = "Picture2", .left = 2220, .top = 1800, .width = 810,
     .height = 405, .text = "A(n+1)", .textColour = 0x0000C0, .face = F::Serif, .points = 14.4},
    {.name = "HScroll2", .binden = binden<&Steuerelemente::HScroll2>, .kind = K::HScrollBar, .parent = "Picture1", .left = 0, .top = 2220, .width = 13275,
     .height = 195, .minimum = 0, .maximum = 24600, .value = 0,
     .accessibleName = "Diagramm verschieben", .tabIndex = 17},
    {.name = "picHisto", .binden = binden<&Steuerelemente::picHisto>, .kind = K::Surface, .parent = "Picture1", .left = 6600, .top = 2400, .width = 25000,
     .height = 6375, .backColour = white,
     .accessibleName = "Balkendiagramm"},
    {.name = "txtskala2", .binden = binden<&Steuerelemente::txtskala2>, .kind = K::BorderlessTextBox, .parent = "picHisto", .left = 2100, .top = 6120,
     .width = 495, .height = 225, .text = "10", .face = F::Serif, .points = 8.4,
     .accessibleName = "Achsenbeschriftung Zyklus 10"},
    {.name = "Text3", .binden = binden<&Steuerelemente::Text3>, .kind = K::BorderlessTextBox, .parent = "picHisto", .left = 10425, .top = 6120,
     .width = 315, .height = 285, .text = "50", .face = F::Serif, .points = 8.4,
     .accessibleName = "Achsenbeschriftung Zyklus 50"},
    {.name = "Label8", .binden = binden<&Steuerelemente::Label8>, .kind = K::Label, .parent = "picHisto", .left = 240, .top = 1020, .width = 390,
     .height = 195, .text = "2000", .backColour = white, .face = F::Serif, .points = 8.4},
    {.name = "Label2", .binden = binden<&Steuerelemente::Label2>, .kind = K::Label, .parent = "picHisto", .left = 240, .top = 3600, .width = 390,
     .height = 195, .text = "1000", .backColour = white, .face = F::Serif, .points = 8.4},
    // The explanation panel lies above the chart's axis labels.
    {.name = "image2", .binden = binden<&Steuerelemente::image2>, .kind = K::Explanation, .parent = "picHisto", .left = 0, .top = -60, .width = 6615,
     .height = 5595, .backColour = white, .visibleAtStart = false,
     .accessibleName = "Erläuterung"},
    {.name = "Command8", .binden = binden<&Steuerelemente::Command8>, .kind = K::Button, .parent = "image2", .left = 6120, .top = 120, .width = 375,
     .height = 315, .text = "X", .backColour = white, .visibleAtStart = false,
     .accessibleName = "Erläuterung schließen", .tabIndex = 22},
    {.name = "picAusgabe", .binden = binden<&Steuerelemente::picAusgabe>, .kind = K::Surface, .parent = "Picture1", .left = 0, .top = 2400, .width = 6630,
     .height = 6375, .backColour = 0x000000,
     .accessibleName = "Spielfeld"},
    {.name = "Command7", .binden = binden<&Steuerelemente::Command7>, .kind = K::PictureButton, .parent = "", .left = 13380, .top = 3120, .width = 315,
     .height = 315, .toolTip = "Histogramm in den Hintergrund", .picture = ":/pictures/command7.svg",
     .pictureWidth = 22,
     .pictureHeight = 22,
     .accessibleName = "Spielfeld in den Vordergrund", .tabIndex = 20},
    {.name = "Command6", .binden = binden<&Steuerelemente::Command6>, .kind = K::PictureButton, .parent = "", .left = 13380, .top = 2820, .width = 315,
     .height = 315, .toolTip = "Histogramm in den Vordergrund", .picture = ":/pictures/command6.svg",
     .pictureWidth = 22,
     .pictureHeight = 22,
     .accessibleName = "Histogramm in den Vordergrund", .tabIndex = 19},
    {.name = "Command5", .binden = binden<&Steuerelemente::Command5>, .kind = K::Button, .parent = "", .left = 13380, .top = 2520, .width = 315,
     .height = 315, .text = "X",
     .accessibleName = "Diagramm löschen", .tabIndex = 18},
    {.name = "txtSkala", .binden = binden<&Steuerelemente::txtSkala>, .kind = K::TextBox, .parent = "", .left = 4800, .top = 60, .width = 495, .height = 225,
     .text = "30",
     .accessibleName = "Skala"},
    {.name = "HScroll1", .binden = binden<&Steuerelemente::HScroll1>, .kind = K::HScrollBar, .parent = "", .left = 4320, .top = 60, .width = 495,
     .height = 255, .minimum = 30, .maximum = Histoansicht::zyklenImBild, .value = Histoansicht::zyklenImBild, .step = 10,
     .accessibleName = "Skala einstellen"},
}};

} // namespace

std::span<const ControlSpec> controlTable()
{
    return table;
}
