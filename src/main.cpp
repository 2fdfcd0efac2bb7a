#include "form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // One style everywhere, so the design colours of buttons and boxes show.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Form1 fenster;
    fenster.show();
    return app.exec();
}
