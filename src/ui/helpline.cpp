#include "helpline.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <vector>

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

const std::vector<FixedHelpText>& fixedHelpTexts()
{
    static const std::vector<FixedHelpText> texts{
        {"cmdStart", "Initialisierung der Programmparameter"},
        {"cmdZielsuche", "blau = Neu geworbene Mitspieler, gelb = Zielperson spielt bereits mit, "
                         "weiß = Doppelwerbung"},
        {"cmdErgebnis", "Übergang von A(n) auf A(n+1)"},
        {"Command2", "10 Iterationszyklen durchführen"},
        {"Command1", "Vergleich mit dem Verlauf nach dem Modell von Verhulst"},
        {"Command3", "Änderung von t muss hier initialisiert werden"},
        {"Text4", "Der Exponent t kann hier verändert werden, für Dezimalzahlen Punkt verwenden"},
        {"Image1", "Verhulst Iteration in verallgemeinerter Form (durch den Exponenten t)"},
        {"Command5", "Diagramme löschen"},
        {"Command6", "Histogramm über die ganze Bildschirmbreite zeigen"},
        {"Command7", "2500-Feld links im Vordergrund"},
        {"Text1", "Aktuelle Anzahl der Mitspieler"},
        {"txtdelta", "neu geworbene Mitspieler"},
        {"txtNeuSum", "Aktuelle Anzahl + Neuwerbungen"},
        {"Picture2", "Einstellungen vornehmen, Iterationen starten"},
        {"Picture3", "Herr Egon Dorozur aus Wiesenhausen"},
    };
    return texts;
}
