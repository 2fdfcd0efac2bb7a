// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoomwahl.h"

#include "zoomstufen.h"

#include <algorithm>
#include <cmath>

std::string zuKleinHinweis(double stufe)
{
    std::string text = "Der Bildschirm ist für die nächste Stufe (";
    text += std::to_string(std::lround(stufe * 100));
    text += " %) zu klein. F11 füllt ihn mit der größten Stufe, die passt.";
    return text;
}

double Zoomwahl::passendFuer(double verhaeltnis)
{
    // The thousandth below, with room for the rounding of the ratio itself.
    const double tausendstel = std::floor(verhaeltnis * 1000 + 1e-6) / 1000;
    return std::min(zoomstufen::groesste, std::max(kleinsterZoom, tausendstel));
}

bool Zoomwahl::verkleinert() const
{
    return m_zoom < zoomstufen::kleinsteAnpassung;
}

double Zoomwahl::zeigen(double zoom)
{
    m_zuGross.reset();
    m_zoom = zoom;
    return m_zoom;
}

double Zoomwahl::setzen(double gewuenscht, double passend)
{
    m_vorDemFuellen.reset();
    m_gewuenscht = std::clamp(gewuenscht, zoomstufen::kleinsteAnpassung, zoomstufen::groesste);
    return zeigen(std::min(m_gewuenscht, passend));
}

double Zoomwahl::vergroessern(double passend)
{
    const double naechste = zoomstufen::groesser(m_zoom);
    if (naechste == m_zoom)
        return zeigen(m_zoom);
    if (naechste <= passend)
        return setzen(naechste, passend);
    if (passend > m_zoom)
        return setzen(passend, passend);
    zeigen(m_zoom);
    m_zuGross = naechste;
    return m_zoom;
}

double Zoomwahl::verkleinern(double passend)
{
    return setzen(zoomstufen::kleiner(m_zoom), passend);
}

double Zoomwahl::zuruecksetzen(double passend)
{
    return setzen(zoomstufen::kleinste, passend);
}

double Zoomwahl::fuellen(double passend)
{
    m_vorDemFuellen = m_gewuenscht;
    return zeigen(passend);
}

double Zoomwahl::fuellenUmschalten(double passend)
{
    if (m_vorDemFuellen)
        return setzen(*m_vorDemFuellen, passend);
    const double vorher = m_gewuenscht;
    setzen(passend, passend);
    m_vorDemFuellen = vorher;
    return m_zoom;
}

double Zoomwahl::anpassen(double passend)
{
    return zeigen(m_vorDemFuellen ? passend : std::min(m_gewuenscht, passend));
}
