// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(const QString& resource) : m_resource(resource), m_renderer(resource) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        m_renderer.render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap bild(size * scale);
        bild.fill(Qt::transparent);
        {
            QPainter painter(&bild);
            paint(&painter, QRect(QPoint(0, 0), bild.size()), mode, state);
        }
        bild.setDevicePixelRatio(scale);
        return bild;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new SvgIconEngine(m_resource); }
    QString key() const override { return QStringLiteral("KettenbriefSvg"); }
    bool isNull() override { return !m_renderer.isValid(); }

private:
    QString m_resource;
    QSvgRenderer m_renderer;
};

} // namespace

QIcon svgIcon(const QString& resource)
{
    return QIcon(new SvgIconEngine(resource));
}
