// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window's control table as JSON for the page in the browser,
// so that both editions place the same controls from one table.
#include "controltable.h"

#include <cstdio>
#include <string>

namespace {

std::string jsonText(const char* text)
{
    std::string ergebnis = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '"' || *c == '\\')
            ergebnis += '\\';
        ergebnis += *c;
    }
    return ergebnis + '"';
}

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

const char* schriftName(FontFace schrift)
{
    switch (schrift) {
    case FontFace::Sans: return "Sans";
    case FontFace::Serif: return "Serif";
    case FontFace::Symbol: return "Symbol";
    }
    return "";
}

} // namespace

int main()
{
    std::printf("{\"clientWidth\":%d,\"clientHeight\":%d,\"controls\":[\n", clientWidthTwips, clientHeightTwips);
    bool erstes = true;
    for (const ControlSpec& s : controlTable()) {
        std::printf("%s{\"name\":%s,\"kind\":\"%s\",\"parent\":%s,\"left\":%d,\"top\":%d,\"width\":%d,\"height\":%d,"
                    "\"text\":%s,\"backColour\":%d,\"textColour\":%d,\"face\":\"%s\",\"points\":%.17g,"
                    "\"visibleAtStart\":%s,\"readOnly\":%s,\"toolTip\":%s,\"minimum\":%d,\"maximum\":%d,"
                    "\"value\":%d,\"step\":%d,\"picture\":%s,\"pictureWidth\":%d,\"pictureHeight\":%d,"
                    "\"accessibleName\":%s,\"tabIndex\":%d}",
                    erstes ? "" : ",\n", jsonText(s.name).c_str(), artName(s.kind), jsonText(s.parent).c_str(),
                    s.left, s.top, s.width, s.height, jsonText(s.text).c_str(), s.backColour, s.textColour,
                    schriftName(s.face), s.points, s.visibleAtStart ? "true" : "false",
                    s.readOnly ? "true" : "false", jsonText(s.toolTip).c_str(), s.minimum, s.maximum, s.value,
                    s.step, jsonText(s.picture).c_str(), s.pictureWidth, s.pictureHeight,
                    jsonText(s.accessibleName).c_str(), s.tabIndex);
        erstes = false;
    }
    std::printf("\n]}\n");
    return 0;
}
