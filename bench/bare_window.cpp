// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the window benchmarks: a bare Qt Widgets window with one
// label. It is started the way main.cpp starts kettenbrief (QApplication,
// the Fusion style, one window shown) and is as large as kettenbrief's
// window, so that both map and paint the same number of pixels; all that is
// missing is the program itself.

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    // kettenbrief's client area of 916 x 629 px plus its menu bar of 19 px.
    fenster.setFixedSize(916, 648);
    auto* layout = new QVBoxLayout(&fenster);
    layout->addWidget(new QLabel(QStringLiteral("Ein leeres Fenster")));
    fenster.show();
    return app.exec();
}
