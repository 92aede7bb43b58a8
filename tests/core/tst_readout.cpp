#include "pages/color_to_value/readout.h"

#include <QTest>

using namespace Qt::StringLiterals;
using colorcode::BandCount;
using colortovalue::resistanceReadout;

Q_DECLARE_METATYPE(BandCount)

class tst_Readout : public QObject {
    Q_OBJECT

private slots:
    void readout_data();
    void readout();
    void everyCombination_data();
    void everyCombination();
    void unreadableHolders_data();
    void unreadableHolders();
};

void tst_Readout::readout_data()
{
    QTest::addColumn<BandCount>("bands");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::addColumn<QString>("exponent");
    QTest::addColumn<QString>("text");

    const auto four = BandCount::Four;
    const auto five = BandCount::Five;
    QTest::newRow("4-band 4 7 x100")
        << four << u"4"_s << u"7"_s << u"0"_s << u"2"_s << u"4.7K\u2126"_s;
    QTest::newRow("4-band 4 7 x10")
        << four << u"4"_s << u"7"_s << u"0"_s << u"1"_s << u"470\u2126"_s;
    QTest::newRow("4-band 1 0 x10^6")
        << four << u"1"_s << u"0"_s << u"0"_s << u"6"_s << u"10M\u2126"_s;
    QTest::newRow("4-band 0 5 x1") << four << u"0"_s << u"5"_s << u"0"_s << u"0"_s << u"5\u2126"_s;
    QTest::newRow("4-band 0 0 x1000")
        << four << u"0"_s << u"0"_s << u"0"_s << u"3"_s << u"0\u2126"_s;
    QTest::newRow("4-band 4 7 x1000")
        << four << u"4"_s << u"7"_s << u"0"_s << u"3"_s << u"47K\u2126"_s;
    QTest::newRow("4-band 4 7 x10^4")
        << four << u"4"_s << u"7"_s << u"0"_s << u"4"_s << u"470K\u2126"_s;
    QTest::newRow("4-band 4 7 x10^5")
        << four << u"4"_s << u"7"_s << u"0"_s << u"5"_s << u"4.7M\u2126"_s;
    QTest::newRow("4-band 9 9 x10^6")
        << four << u"9"_s << u"9"_s << u"0"_s << u"6"_s << u"99M\u2126"_s;
    QTest::newRow("4-band all black")
        << four << u"0"_s << u"0"_s << u"0"_s << u"0"_s << u"0\u2126"_s;
    QTest::newRow("4-band third digit ignored")
        << four << u"4"_s << u"7"_s << u"5"_s << u"2"_s << u"4.7K\u2126"_s;
    QTest::newRow("5-band 4 7 5 x10")
        << five << u"4"_s << u"7"_s << u"5"_s << u"1"_s << u"4.75K\u2126"_s;
    QTest::newRow("5-band 1 0 5 x10")
        << five << u"1"_s << u"0"_s << u"5"_s << u"1"_s << u"1.05K\u2126"_s;
    QTest::newRow("5-band 9 9 9 x10^6")
        << five << u"9"_s << u"9"_s << u"9"_s << u"6"_s << u"999M\u2126"_s;
    QTest::newRow("5-band 0 4 7 x1000")
        << five << u"0"_s << u"4"_s << u"7"_s << u"3"_s << u"47K\u2126"_s;
    QTest::newRow("5-band 2 7 2 x1000")
        << five << u"2"_s << u"7"_s << u"2"_s << u"3"_s << u"272K\u2126"_s;
    QTest::newRow("5-band 1 0 0 x1")
        << five << u"1"_s << u"0"_s << u"0"_s << u"0"_s << u"100\u2126"_s;
    QTest::newRow("5-band 1 0 0 x10")
        << five << u"1"_s << u"0"_s << u"0"_s << u"1"_s << u"1K\u2126"_s;
    QTest::newRow("5-band 9 9 9 x10^5")
        << five << u"9"_s << u"9"_s << u"9"_s << u"5"_s << u"99.9M\u2126"_s;
    QTest::newRow("5-band 0 9 9 x10^2")
        << five << u"0"_s << u"9"_s << u"9"_s << u"2"_s << u"9.9K\u2126"_s;
}

void tst_Readout::readout()
{
    QFETCH(BandCount, bands);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, third);
    QFETCH(QString, exponent);
    QFETCH(QString, text);
    QCOMPARE(resistanceReadout(bands, first, second, third, exponent).value_or(u"(none)"_s), text);
}

namespace {

// The readout a value must give, worked out in whole numbers: the largest unit
// not above the value, then the quotient with no trailing zeros.
QString expectedReadout(qint64 value)
{
    qint64 factor = 1;
    QString unit = u"\u2126"_s;
    if (value >= 1'000'000) {
        factor = 1'000'000;
        unit = u"M\u2126"_s;
    } else if (value >= 1000) {
        factor = 1000;
        unit = u"K\u2126"_s;
    }
    QString text = QString::number(value / factor);
    if (const qint64 rest = value % factor) {
        QString fraction =
            QString::number(rest).rightJustified(QString::number(factor).size() - 1, u'0');
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += u'.' + fraction;
    }
    return text + unit;
}

} // namespace

// Every combination the lists allow, in both modes: a wrong unit row or a lost
// decimal shows as a value that differs from what the bands stand for.
void tst_Readout::everyCombination_data()
{
    QTest::addColumn<BandCount>("bands");
    QTest::newRow("4-band") << BandCount::Four;
    QTest::newRow("5-band") << BandCount::Five;
}

void tst_Readout::everyCombination()
{
    QFETCH(BandCount, bands);
    const int thirdDigits = bands == BandCount::Five ? 10 : 1;
    int checked = 0;
    for (int a = 0; a < 10; ++a) {
        for (int b = 0; b < 10; ++b) {
            for (int c = 0; c < thirdDigits; ++c) {
                for (int m = 0; m <= 6; ++m) {
                    qint64 value = bands == BandCount::Five ? a * 100 + b * 10 + c : a * 10 + b;
                    for (int i = 0; i < m; ++i)
                        value *= 10;
                    // In 4-band mode the third holder holds a leftover digit.
                    const QString third = QString::number(bands == BandCount::Five ? c : 7);
                    const std::optional<QString> shown = resistanceReadout(
                        bands, QString::number(a), QString::number(b), third, QString::number(m));
                    const QString where = u"%1 %2 %3 x10^%4"_s.arg(a).arg(b).arg(third).arg(m);
                    QVERIFY2(shown, qPrintable(where));
                    QVERIFY2(*shown == expectedReadout(value),
                             qPrintable(where + u": "_s + *shown + u" instead of "_s +
                                        expectedReadout(value)));
                    ++checked;
                }
            }
        }
    }
    QCOMPARE(checked, bands == BandCount::Five ? 7000 : 700);
}

void tst_Readout::unreadableHolders_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<QString>("exponent");
    QTest::newRow("empty digit holders") << QString() << u"2"_s;
    QTest::newRow("letter in the digit holders") << u"x"_s << u"2"_s;
    QTest::newRow("empty multiplier holder") << u"4"_s << QString();
    QTest::newRow("value too long for any unit") << u"9"_s << u"9"_s;
}

// The lists cannot produce these; the rule reports them rather than showing
// a text no unit row was made for.
void tst_Readout::unreadableHolders()
{
    QFETCH(QString, digit);
    QFETCH(QString, exponent);
    QVERIFY(!resistanceReadout(BandCount::Five, digit, digit, digit, exponent));
}

QTEST_GUILESS_MAIN(tst_Readout)
#include "tst_readout.moc"
