#include "tophighscrollbar.h"

TopHighScrollBar::TopHighScrollBar(int kleinster, int groesster, int wert, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(-groesster, -kleinster);
    setSingleStep(1);
    setPageStep(1);
    setValue(-wert);
    connect(this, &QScrollBar::valueChanged, this, [this](int intern) { emit wertGeaendert(-intern); });
}
