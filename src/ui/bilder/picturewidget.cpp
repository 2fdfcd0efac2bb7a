// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturewidget.h"

#include <QPainter>
#include <QSvgRenderer>

PictureWidget::PictureWidget(QWidget* parent)
    : QWidget(parent)
    , m_renderer(new QSvgRenderer(this))
{
    setAutoFillBackground(true);
}

void PictureWidget::setPicture(const QString& resource)
{
    if (!resource.isEmpty())
        m_renderer->load(resource);
    update();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    if (!m_renderer->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = m_designSize.isEmpty() ? QSizeF(this->size()) : m_designSize * m_zoom;
    m_renderer->render(&painter, QRectF(QPointF(0, 0), size));
}

