// Every input that ever made a fuzz target fail, kept as a test row. The
// fuzz targets and their seed corpora are in fuzz/.

#include "colorcode/numbertext.h"
#include "pages/led/ledadvice.h"

#include <QTest>

#include <cfloat>

using namespace Qt::StringLiterals;

class tst_FuzzFinds : public QObject {
    Q_OBJECT

private slots:
    void numberTextExtremes_data();
    void numberTextExtremes();
    void e24NeighboursEnds();
};

void tst_FuzzFinds::numberTextExtremes_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("readsBack");

    // fuzz_numbertext, crash-6defc05: the largest double rounds to 15 digits
    // past itself, so its text is a number too large to read back; it is
    // refused as such, not turned into infinity.
    QTest::newRow("-DBL_MAX") << -DBL_MAX << 310 << false;
    QTest::newRow("1e300") << 1e300 << 301 << true;
    QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << 340 << true;
}

void tst_FuzzFinds::numberTextExtremes()
{
    QFETCH(double, value);
    QFETCH(int, length);
    QFETCH(bool, readsBack);
    const QString text = colorcode::numberText(value);
    QCOMPARE(text.size(), length);
    QVERIFY(!text.contains(u'e'));
    const std::optional<double> back = colorcode::parseNumber(text);
    QCOMPARE(back.has_value(), readsBack);
    if (readsBack)
        QCOMPARE(*back, value);
}

void tst_FuzzFinds::e24NeighboursEnds()
{
    // Found while making the advice rule faster: far beyond any value the
    // page can show, the search for the next decade overflowed and never
    // ended. It must answer for every value.
    for (const std::uint64_t ohms : {std::uint64_t(1800000000000000000ULL), UINT64_MAX}) {
        const led::E24Neighbours n = led::e24Neighbours(ohms);
        QVERIFY(!n.below.isEmpty());
    }
}

QTEST_GUILESS_MAIN(tst_FuzzFinds)
#include "tst_fuzzfinds.moc"
