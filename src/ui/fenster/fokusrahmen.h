// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

// A frame around the control that has the keyboard focus, drawn above
// everything else in the window: 2 pixels of black inside 2 of yellow (each
// growing with the zoom), so it stands out at least 3 : 1 from grey panels,
// white boxes and the black field alike. It shows only when the focus came
// from the keyboard (Tab, Shift+Tab, a shortcut): a click leaves the window
// as designed, and so does a window in which no control has the focus.
class Fokusrahmen : public QWidget
{
    Q_OBJECT

public:
    explicit Fokusrahmen(QWidget& client);

    // Watches a control that can take the focus.
    void beobachten(QWidget& steuerelement);
    void setZoom(double zoom);

protected:
    bool eventFilter(QObject* beobachtet, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int ringBreite() const;
    void umlegen();

    QPointer<QWidget> m_fokus; // the control with the focus, if framed
    bool m_tastatur = false;   // the focus last moved by the keyboard
    double m_zoom = 1.0;
};
