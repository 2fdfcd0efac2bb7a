// SPDX-License-Identifier: GPL-3.0-or-later
#include "fokusrahmen.h"

#include <QFocusEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor innen(0, 0, 0);
const QColor aussen(255, 255, 0);

} // namespace

Fokusrahmen::Fokusrahmen(QWidget& client)
    : QWidget(&client)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Fokusrahmen::beobachten(QWidget& steuerelement)
{
    steuerelement.installEventFilter(this);
}

void Fokusrahmen::setZoom(double zoom)
{
    m_zoom = zoom;
    umlegen();
}

int Fokusrahmen::ringBreite() const
{
    return std::max(2, static_cast<int>(std::lround(2 * m_zoom)));
}

bool Fokusrahmen::eventFilter(QObject* beobachtet, QEvent* event)
{
    auto* steuerelement = static_cast<QWidget*>(beobachtet);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Like Qt's own focus marks: the keyboard turns the frame on, the
        // mouse off; a window activated again keeps what it had.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(event)->reason();
        if (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason || grund == Qt::ShortcutFocusReason)
            m_tastatur = true;
        else if (grund == Qt::MouseFocusReason)
            m_tastatur = false;
        m_fokus = steuerelement;
        umlegen();
        break;
    }
    case QEvent::MouseButtonPress:
        // A click on the focused control: the pointer is in use again.
        m_tastatur = false;
        umlegen();
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (m_fokus == steuerelement) {
            m_fokus = nullptr;
            umlegen();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_fokus == steuerelement)
            umlegen();
        break;
    default:
        break;
    }
    return false;
}

void Fokusrahmen::umlegen()
{
    if (!m_fokus || !m_tastatur || !m_fokus->isVisible()) {
        hide();
        return;
    }
    const int rand = 2 * ringBreite();
    const QRect lage(m_fokus->mapTo(parentWidget(), QPoint(0, 0)), m_fokus->size());
    setGeometry(lage.adjusted(-rand, -rand, rand, rand));
    // The control itself shows through: only the frame is painted.
    const QRegion rahmen = QRegion(rect()) - QRegion(rect().adjusted(rand, rand, -rand, -rand));
    setMask(rahmen);
    raise();
    show();
    update();
}

void Fokusrahmen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int breite = ringBreite();
    painter.fillRect(rect(), aussen);
    painter.fillRect(rect().adjusted(breite, breite, -breite, -breite), innen);
}
