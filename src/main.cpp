#include "deutsch.h"
#include "form1.h"
#include "svgicon.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // One style everywhere, so the design colours of buttons and boxes show.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    qtAufDeutsch(app);
    QApplication::setWindowIcon(svgIcon(QStringLiteral(":/pictures/kettenbrief.svg")));
    Form1 fenster;
    fenster.show();
    return app.exec();
}
