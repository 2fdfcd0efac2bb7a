// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1.h"

#include <QObject>
#include <QTest>

#include <memory>

// A test of the window in which every test function gets a window of its
// own, shown and exposed, as the program starts it.
class FensterTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_form = std::make_unique<Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void cleanup() { m_form.reset(); }

protected:
    std::unique_ptr<Form1> m_form;
};
