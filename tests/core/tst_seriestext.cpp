// The end of every working line: the series a result's value belongs to, or
// the E24 values either side of one that belongs to none.

#include "colorcode/seriestext.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Resistance)

class tst_SeriesText : public QObject {
    Q_OBJECT

private slots:
    void ending_data();
    void ending();
    void joined();
};

void tst_SeriesText::ending_data()
{
    QTest::addColumn<Resistance>("value");
    QTest::addColumn<bool>("gigaohms"); // written as the LED page writes values
    QTest::addColumn<QString>("ending");
    QTest::newRow("4.7 k\u2126") << Resistance{47, 2, 2} << false
                                 << u"E3, E6, E12, E24, E192 표준값"_s;
    QTest::newRow("4.75 k\u2126") << Resistance{475, 3, 1} << false << u"E96, E192 표준값"_s;
    QTest::newRow("150 \u2126") << Resistance{15, 2, 1} << false
                                << u"E6, E12, E24, E96, E192 표준값"_s;
    QTest::newRow("4.8 k\u2126, none")
        << Resistance{48, 2, 2} << false
        << u"표준값이 아닙니다: 가까운 E24 값 4.7K\u2126, 5.1K\u2126"_s;
    // Past 999 MΩ the page without gigaohms writes megaohms on.
    QTest::newRow("950 M\u2126, none, no gigaohms")
        << Resistance{95, 2, 7} << false
        << u"표준값이 아닙니다: 가까운 E24 값 910M\u2126, 1000M\u2126"_s;
    QTest::newRow("950 M\u2126, none, gigaohms")
        << Resistance{95, 2, 7} << true
        << u"표준값이 아닙니다: 가까운 E24 값 910M\u2126, 1G\u2126"_s;
    QTest::newRow("0.5 \u2126, none, fractions")
        << Resistance{50, 2, -2} << false
        << u"표준값이 아닙니다: 가까운 E24 값 0.47\u2126, 0.51\u2126"_s;
    QTest::newRow("0 \u2126, nothing") << Resistance{0, 2, 0} << false << QString();
}

void tst_SeriesText::ending()
{
    QFETCH(Resistance, value);
    QFETCH(bool, gigaohms);
    QFETCH(QString, ending);
    QCOMPARE(seriesEnding(value, gigaohms ? std::span<const Unit>(kUnits) : kListUnits), ending);
}

void tst_SeriesText::joined()
{
    const Resistance value{47, 2, 2};
    QCOMPARE(withSeriesEnding(u"a"_s, value), u"a, E3, E6, E12, E24, E192 표준값"_s);
    // A refusal's working and 0 Ω stay as they are.
    QCOMPARE(withSeriesEnding(u"a"_s, std::nullopt), u"a"_s);
    QCOMPARE(withSeriesEnding(u"a"_s, Resistance{0, 2, 0}), u"a"_s);
}

QTEST_GUILESS_MAIN(tst_SeriesText)
#include "tst_seriestext.moc"
