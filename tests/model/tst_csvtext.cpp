// SPDX-License-Identifier: GPL-3.0-or-later
// The table as a CSV file for a German spreadsheet: byte-order mark,
// semicolons, CR LF, and quotation marks only where a field needs them.
#include "csvtext.h"

#include <QTest>

using Zeilen = std::vector<std::vector<std::string>>;
Q_DECLARE_METATYPE(Zeilen)

class TestCsvText : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
};

void TestCsvText::text_data()
{
    QTest::addColumn<Zeilen>("zeilen");
    QTest::addColumn<std::string>("erwartet");
    const std::string bom = "\xEF\xBB\xBF";
    QTest::newRow("no rows: the mark alone") << Zeilen{} << bom;
    QTest::newRow("header and numbers with decimal comma")
        << Zeilen{{"n", "A(n)", "Verhulst, t = 1,5"}, {"0", "10", "10,0"}, {"1", "14", "14,8"}}
        << bom + "n;A(n);Verhulst, t = 1,5\r\n0;10;10,0\r\n1;14;14,8\r\n";
    QTest::newRow("umlaut and delta stay UTF-8")
        << Zeilen{{"ΔA", "Größe"}} << bom + "ΔA;Größe\r\n";
    QTest::newRow("empty fields keep their place") << Zeilen{{"1", "", ""}} << bom + "1;;\r\n";
    QTest::newRow("semicolon is quoted") << Zeilen{{"a;b", "c"}} << bom + "\"a;b\";c\r\n";
    QTest::newRow("quotation mark is doubled") << Zeilen{{"sagt \"ja\""}} << bom + "\"sagt \"\"ja\"\"\"\r\n";
    QTest::newRow("line break is quoted") << Zeilen{{"zwei\nZeilen", "x"}} << bom + "\"zwei\nZeilen\";x\r\n";
}

void TestCsvText::text()
{
    QFETCH(Zeilen, zeilen);
    QFETCH(std::string, erwartet);
    QCOMPARE(csvText(zeilen), erwartet);
}

QTEST_APPLESS_MAIN(TestCsvText)
#include "tst_csvtext.moc"
