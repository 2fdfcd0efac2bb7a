// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpline.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>


HelpLine::HelpLine(QLineEdit& line, QObject* parent)
    : QObject(parent)
    , m_line(line)
{
}

void HelpLine::watch(QWidget* control, std::function<QString()> text)
{
    control->setMouseTracking(true);
    control->installEventFilter(this);
    m_texts.insert(control, std::move(text));
}

void HelpLine::watch(QWidget* control, const QString& text)
{
    watch(control, [text] { return text; });
}

void HelpLine::show(const QString& text)
{
    m_line.setText(text);
    m_line.setCursorPosition(0);
}

QString HelpLine::text() const
{
    return m_line.text();
}

bool HelpLine::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    auto* control = static_cast<QWidget*>(watched);
    // A move handed on from a child (a label on a panel) is the child's: only
    // the control's own free area shows its text.
    const auto* move = static_cast<QMouseEvent*>(event);
    if (control->childAt(move->position().toPoint()))
        return false;
    const auto found = m_texts.constFind(watched);
    if (found != m_texts.constEnd())
        show((*found)());
    return false;
}
