// SPDX-License-Identifier: GPL-3.0-or-later
#include "tophighscrollbar.h"

#include <QAccessibleWidget>

namespace {

// Screen readers hear the value the user sees, not the negated one inside.
class AccessibleTopHighScrollBar : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleTopHighScrollBar(TopHighScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(bar()->angezeigterWert());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->angezeigterWert(); }
    void setCurrentValue(const QVariant& value) override { bar()->setAngezeigterWert(value.toInt()); }
    QVariant maximumValue() const override { return bar()->groesster(); }
    QVariant minimumValue() const override { return bar()->kleinster(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    TopHighScrollBar* bar() const { return static_cast<TopHighScrollBar*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TopHighScrollBar") && object->isWidgetType())
        return new AccessibleTopHighScrollBar(static_cast<TopHighScrollBar*>(object));
    return nullptr;
}

} // namespace

TopHighScrollBar::TopHighScrollBar(int kleinster, int groesster, int wert, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
{
    static const bool fabrikInstalliert = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)fabrikInstalliert;
    setRange(-groesster, -kleinster);
    setSingleStep(1);
    setPageStep(1);
    setValue(-wert);
    connect(this, &QScrollBar::valueChanged, this, [this](int intern) { emit angezeigterWertGeaendert(-intern); });
}
