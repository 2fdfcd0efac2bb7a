#pragma once

#include "controltable.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <stdexcept>

// Creates the window's controls from the control table and finds them by name.
class Controls
{
public:
    // Creates every control of the table below `client`, at zoom 1.
    explicit Controls(QWidget* client);

    template <typename T = QWidget>
    T* get(const char* name) const
    {
        T* widget = qobject_cast<T*>(m_widgets.value(QString::fromLatin1(name)));
        if (!widget)
            throw std::logic_error(std::string("no control of that kind named ") + name);
        return widget;
    }

    // Places and sizes every control for a zoom factor; fonts scale with it.
    void applyZoom(double zoom);

private:
    void setTabOrder();
    QWidget* create(const ControlSpec& spec, QWidget* parent);
    void applyLook(const ControlSpec& spec, QWidget* widget, double zoom);

    QWidget* m_client;
    QObject* m_mouseSink;
    QHash<QString, QWidget*> m_widgets;
};

// A rectangle of twips as logical pixels: edges are rounded, so neighbouring
// controls stay flush. A line becomes a band one pixel thick.
QRect pixelRect(const ControlSpec& spec, double zoom);
