// SPDX-License-Identifier: GPL-3.0-or-later
// The page's projector zoom: the keys, the fit to the browser's window and
// the touch screen's fill, as the game layer chooses the zoom (Zoomwahl).
// The page only measures the browser's window and lays the zoom out.
#include "bruecke.h"
#include "json.h"

#include <emscripten/emscripten.h>

#include <string_view>

namespace {

double waehlen(Zoomwahl& wahl, std::string_view handlung, double passend)
{
    if (handlung == "vergroessern")
        return wahl.vergroessern(passend);
    if (handlung == "verkleinern")
        return wahl.verkleinern(passend);
    if (handlung == "zuruecksetzen")
        return wahl.zuruecksetzen(passend);
    if (handlung == "fuellen")
        return wahl.fuellen(passend);
    if (handlung == "umschalten")
        return wahl.fuellenUmschalten(passend);
    return wahl.anpassen(passend);
}

} // namespace

extern "C" {

// `handlung` with the browser's window `verhaeltnis` times as large as the
// window's own size: the zoom to show, whether it fills the browser's
// window, whether it is shown smaller than on a screen of its own, and the
// help line's words when the next step does not fit (else "").
EMSCRIPTEN_KEEPALIVE const char* kb_zoom(const char* handlung, double verhaeltnis)
{
    Zoomwahl& wahl = spiel().zoom;
    const double zoom = waehlen(wahl, handlung, Zoomwahl::passendFuer(verhaeltnis));
    Json json;
    json.auf('{').schluessel("zoom").zahl(zoom).schluessel("fuellt").wahr(wahl.fuellt());
    json.schluessel("verkleinert").wahr(wahl.verkleinert());
    json.schluessel("zuGross").text(wahl.zuGross() ? zuKleinHinweis(*wahl.zuGross()) : std::string());
    json.schluessel("drehhinweis").text(drehhinweis).zu('}');
    return textAusgeben(json.fertig());
}

} // extern "C"
