// The preferred numbers of IEC 60063: the tables themselves, which series
// hold a value, and the nearest series value either side of one, at the
// edges of a decade.

#include "colorcode/series.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Resistance)

class tst_Series : public QObject {
    Q_OBJECT

private slots:
    void tables();
    void holding_data();
    void holding();
    void nearest_data();
    void nearest();
    void nothingNearZero();
};

void tst_Series::tables()
{
    // Each series doubles the one before; from E48 on, every second value of
    // a series is the value of the series before it.
    int count = 3;
    for (Series s : kAllSeries) {
        const std::span<const int> v = seriesValues(s);
        QCOMPARE(int(v.size()), count);
        QVERIFY(std::is_sorted(v.begin(), v.end()));
        count *= 2;
    }
    for (auto [coarse, fine] : {std::pair{Series::E48, Series::E96}, {Series::E96, Series::E192}})
        for (std::size_t i = 0; i < seriesValues(coarse).size(); ++i)
            QCOMPARE(seriesValues(coarse)[i], seriesValues(fine)[2 * i]);
    // E3 to E24 each take every second value of the next.
    for (auto [coarse, fine] :
         {std::pair{Series::E3, Series::E6}, {Series::E6, Series::E12}, {Series::E12, Series::E24}})
        for (std::size_t i = 0; i < seriesValues(coarse).size(); ++i)
            QCOMPARE(seriesValues(coarse)[i], seriesValues(fine)[2 * i]);
}

void tst_Series::holding_data()
{
    QTest::addColumn<Resistance>("value");
    QTest::addColumn<QString>("names");
    QTest::newRow("4.7 k\u2126") << Resistance{47, 2, 2} << u"E3 E6 E12 E24 E192"_s;
    QTest::newRow("4.75 k\u2126") << Resistance{475, 3, 1} << u"E96 E192"_s;
    QTest::newRow("150 \u2126") << Resistance{15, 2, 1} << u"E6 E12 E24 E96 E192"_s;
    QTest::newRow("150 \u2126 as three digits")
        << Resistance{150, 3, 0} << u"E6 E12 E24 E96 E192"_s;
    QTest::newRow("1 \u2126, every series")
        << Resistance{10, 2, -1} << u"E3 E6 E12 E24 E48 E96 E192"_s;
    // The older series keep values a rounded E192 value would not give.
    QTest::newRow("3.0 \u2126, E24 only") << Resistance{30, 2, -1} << u"E24"_s;
    QTest::newRow("9.1 M\u2126") << Resistance{91, 2, 5} << u"E24"_s;
    QTest::newRow("9.2 \u2126 in E192 only") << Resistance{920, 3, -2} << u"E192"_s;
    QTest::newRow("4.8 k\u2126, none") << Resistance{48, 2, 2} << QString();
    QTest::newRow("4.701 k\u2126, none") << Resistance{4701, 3, 0} << QString();
    QTest::newRow("zero") << Resistance{0, 2, 0} << QString();
}

void tst_Series::holding()
{
    QFETCH(Resistance, value);
    QFETCH(QString, names);
    QStringList got;
    for (Series s : seriesHolding(value))
        got << seriesName(s).toString();
    QCOMPARE(got.join(u' '), names);
}

void tst_Series::nearest_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<double>("ohms");
    QTest::addColumn<double>("above");
    QTest::addColumn<double>("below");
    const int e3 = int(Series::E3), e24 = int(Series::E24), e192 = int(Series::E192);
    QTest::newRow("E24 value itself") << e24 << 4700.0 << 4700.0 << 4700.0;
    QTest::newRow("E24 between") << e24 << 4800.0 << 5100.0 << 4700.0;
    QTest::newRow("E24 just over a value") << e24 << 470.0001 << 510.0 << 470.0;
    QTest::newRow("E24 over the top of a decade") << e24 << 95.0 << 100.0 << 91.0;
    QTest::newRow("E24 decade edge") << e24 << 100.0 << 100.0 << 100.0;
    QTest::newRow("E24 fraction") << e24 << 4.35 << 4.7 << 4.3;
    QTest::newRow("E3 below one") << e3 << 0.99 << 1.0 << 0.47;
    QTest::newRow("E192 over the top") << e192 << 9.9 << 10.0 << 9.88;
    QTest::newRow("E192 just under a decade") << e192 << 0.999 << 1.0 << 0.988;
}

void tst_Series::nearest()
{
    QFETCH(int, series);
    QFETCH(double, ohms);
    QFETCH(double, above);
    QFETCH(double, below);
    const auto up = seriesAtOrAbove(Series(series), ohms);
    const auto down = seriesAtOrBelow(Series(series), ohms);
    QVERIFY(up && down);
    QCOMPARE(up->ohms(), above);
    QCOMPARE(down->ohms(), below);
}

void tst_Series::nothingNearZero()
{
    for (double ohms : {0.0, -1.0, qInf(), qQNaN()}) {
        QVERIFY(!seriesAtOrAbove(Series::E24, ohms));
        QVERIFY(!seriesAtOrBelow(Series::E24, ohms));
    }
}

QTEST_GUILESS_MAIN(tst_Series)
#include "tst_series.moc"
