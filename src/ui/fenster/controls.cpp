// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "bildflaeche.h"
#include "erlaeuterungsbild.h"
#include "picturewidget.h"
#include "schriften.h"
#include "svgicon.h"
#include "tophighscrollbar.h"
#include "twips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <vector>

namespace {

// Keeps the pointer's events on a label or picture: they neither trigger
// nor reach the control beneath, as a label on a panel, an axis label or
// the explanation panel on the chart has no behaviour of its own.
class MouseSink : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;
        default:
            return false;
        }
    }
};

QColor rgb(int value)
{
    return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

QFont fontFor(const ControlSpec& spec, double zoom)
{
    QFont font = spec.face == FontFace::Sans ? sansSchrift() : serifSchrift();
    // Design sizes are points at 96 dots per inch.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(spec.points * 96.0 / 72.0 * zoom))));
    return font;
}

// A button's face at its own size, but inside the button's frame: the
// small 21-pixel buttons show their 22x22 faces a little smaller.
QSize iconSize(const ControlSpec& spec, double zoom)
{
    constexpr int frame = 4;
    const QSize button = pixelRect(spec, 1.0).size() - QSize(frame, frame);
    return QSize(spec.pictureWidth, spec.pictureHeight).boundedTo(button) * zoom;
}

QScrollBar* createScrollBar(const ControlSpec& spec, QWidget* parent)
{
    if (spec.kind == ControlKind::VScrollBar) {
        auto* bar = new TopHighScrollBar(spec.minimum, spec.maximum, spec.value, parent);
        bar->setFocusPolicy(Qt::StrongFocus);
        return bar;
    }
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    // Reachable with Tab and worked with the arrow and Page keys.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setRange(spec.minimum, spec.maximum);
    bar->setSingleStep(spec.step);
    bar->setPageStep(spec.step);
    bar->setValue(spec.value);
    return bar;
}

QLineEdit* createTextBox(const ControlSpec& spec, QWidget* parent)
{
    auto* box = new QLineEdit(QString::fromUtf8(spec.text), parent);
    box->setReadOnly(spec.readOnly);
    box->setFrame(spec.kind != ControlKind::BorderlessTextBox);
    if (spec.kind == ControlKind::BorderlessTextBox) {
        // The chart's axis labels: text boxes in form only, never edited.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
    }
    box->setCursorPosition(0);
    return box;
}

QPushButton* createButton(const ControlSpec& spec, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(spec.text), parent);
    button->setFocusPolicy(Qt::StrongFocus);
    if (spec.kind == ControlKind::PictureButton) {
        button->setIcon(svgIcon(QString::fromLatin1(spec.picture)));
    }
    return button;
}

QLabel* createLabel(const ControlSpec& spec, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(spec.text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(spec.backColour >= 0);
    return label;
}

QWidget* createLine(QWidget* parent)
{
    auto* line = new QWidget(parent);
    line->setAutoFillBackground(true);
    // A decoration: the pointer passes through to the panel below.
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

PictureWidget* createPicture(const ControlSpec& spec, QWidget* parent)
{
    auto* picture = new PictureWidget(parent);
    picture->setPicture(QString::fromLatin1(spec.picture));
    picture->setDesignSize(QSizeF(spec.pictureWidth, spec.pictureHeight));
    return picture;
}

QWidget* createPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setAutoFillBackground(true);
    panel->setMouseTracking(true);
    return panel;
}

} // namespace

QRect pixelRect(const ControlSpec& spec, double zoom)
{
    if (spec.kind == ControlKind::Line) {
        const int x1 = twipsZuPixeln(spec.left, zoom), y1 = twipsZuPixeln(spec.top, zoom);
        const int x2 = twipsZuPixeln(spec.left + spec.width, zoom), y2 = twipsZuPixeln(spec.top + spec.height, zoom);
        const int thickness = std::max(1, static_cast<int>(std::lround(zoom)));
        return QRect(std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), thickness),
                     std::max(std::abs(y2 - y1), thickness));
    }
    const int left = twipsZuPixeln(spec.left, zoom);
    const int top = twipsZuPixeln(spec.top, zoom);
    return QRect(left, top, twipsZuPixeln(spec.left + spec.width, zoom) - left,
                 twipsZuPixeln(spec.top + spec.height, zoom) - top);
}

Controls::Controls(QWidget* client)
    : m_mouseSink(new MouseSink(client))
{
    std::map<std::string_view, QWidget*> nachName;
    for (const ControlSpec& spec : controlTable()) {
        QWidget* parent = *spec.parent ? nachName.at(spec.parent) : client;
        QWidget* widget = create(spec, parent);
        widget->setObjectName(QString::fromLatin1(spec.name));
        if (spec.kind == ControlKind::Label || spec.kind == ControlKind::Picture
            || spec.kind == ControlKind::Explanation)
            widget->installEventFilter(m_mouseSink);
        if (*spec.toolTip)
            widget->setToolTip(QString::fromUtf8(spec.toolTip));
        if (*spec.accessibleName)
            widget->setAccessibleName(QString::fromUtf8(spec.accessibleName));
        widget->setVisible(spec.visibleAtStart);
        spec.binden(m_steuerelemente, widget);
        nachName.emplace(spec.name, widget);
        m_controls.emplace_back(&spec, widget);
    }
    setTabOrder();
    applyZoom(1.0);
}

void Controls::setTabOrder()
{
    std::vector<std::pair<const ControlSpec*, QWidget*>> reihe;
    for (const auto& eintrag : m_controls)
        if (eintrag.first->tabIndex >= 0)
            reihe.push_back(eintrag);
    std::sort(reihe.begin(), reihe.end(),
              [](const auto& a, const auto& b) { return a.first->tabIndex < b.first->tabIndex; });
    for (std::size_t i = 1; i < reihe.size(); ++i)
        QWidget::setTabOrder(reihe[i - 1].second, reihe[i].second);
}

QWidget* Controls::create(const ControlSpec& spec, QWidget* parent)
{
    switch (spec.kind) {
    case ControlKind::Panel:
        return createPanel(parent);
    case ControlKind::Surface:
        return new Bildflaeche(parent);
    case ControlKind::Button:
    case ControlKind::PictureButton:
        return createButton(spec, parent);
    case ControlKind::TextBox:
    case ControlKind::BorderlessTextBox:
        return createTextBox(spec, parent);
    case ControlKind::Label:
        return createLabel(spec, parent);
    case ControlKind::VScrollBar:
    case ControlKind::HScrollBar:
        return createScrollBar(spec, parent);
    case ControlKind::Line:
        return createLine(parent);
    case ControlKind::Picture:
        return createPicture(spec, parent);
    case ControlKind::Explanation:
        return new Erlaeuterungsbild(parent);
    }
    return new QWidget(parent);
}

void Controls::applyZoom(double zoom)
{
    for (const auto& [spec, widget] : m_controls) {
        widget->setGeometry(pixelRect(*spec, zoom));
        applyLook(*spec, widget, zoom);
        // The design size stays exactly as designed.
        if (spec->kind == ControlKind::Label && zoom < 1.0)
            keepTextInView(*static_cast<QLabel*>(widget));
    }
}

void Controls::keepTextInView(QLabel& label)
{
    // Below the design size the rounded font shrinks less than the rounded
    // box: the text would run into the control on its right ("A(n+1)" into
    // its number box at 0.869). The label then reaches further left instead.
    const int zuBreit = QFontMetrics(label.font()).horizontalAdvance(label.text()) - label.width();
    if (zuBreit <= 0 || label.wordWrap())
        return;
    const int links = std::max(0, label.x() - zuBreit);
    label.setGeometry(links, label.y(), label.geometry().right() + 1 - links, label.height());
}

void Controls::applyLook(const ControlSpec& spec, QWidget* widget, double zoom)
{
    QPalette palette = widget->palette();
    // Text boxes are white unless the design says otherwise, read-only or not.
    const bool textBox = spec.kind == ControlKind::TextBox || spec.kind == ControlKind::BorderlessTextBox;
    const int back = spec.backColour >= 0 ? spec.backColour : (textBox ? 0xFFFFFF : -1);
    if (back >= 0) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, rgb(back));
    }
    const QColor text = spec.textColour >= 0 ? rgb(spec.textColour) : QColor(Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
    widget->setFont(fontFor(spec, zoom));
    if (auto* surface = qobject_cast<Bildflaeche*>(widget)) {
        surface->flaeche().hintergrundSetzen(rgb(back).rgb());
        surface->flaeche().zoomSetzen(zoom);
    }
    if (auto* picture = qobject_cast<PictureWidget*>(widget))
        picture->setZoom(zoom);
    if (spec.kind == ControlKind::PictureButton)
        static_cast<QPushButton*>(widget)->setIconSize(iconSize(spec, zoom));
    if (auto* erlaeuterung = qobject_cast<Erlaeuterungsbild*>(widget))
        erlaeuterung->setZoom(zoom);
}
