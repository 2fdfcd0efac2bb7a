// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

// The context help line: every pointer move over a control with a help text
// writes that control's text into the line, replacing what was there. The
// line is never cleared; controls without a text leave it as it is.
class HelpLine : public QObject
{
    Q_OBJECT

public:
    explicit HelpLine(QLineEdit& line, QObject* parent = nullptr);

    // A text composed anew at every move (for example from a control's value).
    void watch(QWidget* control, std::function<QString()> text);
    void watch(QWidget* control, const QString& text);

    void show(const QString& text);
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& m_line;
    QHash<QObject*, std::function<QString()>> m_texts;
};
