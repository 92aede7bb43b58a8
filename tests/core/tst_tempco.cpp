// The temperature-coefficient band of a 6-band resistor: its list, its
// colours, its label and what it means for a value.

#include "colorcode/tempco.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Resistance)

class tst_Tempco : public QObject {
    Q_OBJECT

private slots:
    void table();
    void working_data();
    void working();
    void bands_data();
    void bands();
};

void tst_Tempco::table()
{
    QCOMPARE(tempcoItemTexts(), QStringList({u"250ppm 검정"_s, u"100ppm 갈색"_s, u"50ppm 적색"_s,
                                             u"15ppm 주황"_s, u"25ppm 노랑"_s, u"20ppm 초록"_s,
                                             u"10ppm 파랑"_s, u"5ppm 보라"_s, u"1ppm 회색"_s}));
    // Each text names its own band's colour and coefficient.
    for (const TempcoEntry &entry : kTempcos) {
        QVERIFY(entry.itemText.endsWith(
            u" "_s + kBandColors[std::size_t(entry.digit)].colourWord.toString()));
        QVERIFY(entry.itemText.startsWith(QString::number(entry.ppm) + u"ppm "_s));
        QCOMPARE(tempcoOf(entry.itemText), &entry);
    }
    QVERIFY(!tempcoOf(u"100ppm"));
    QVERIFY(!tempcoOf(u"100ppm 갈색 "));
    QCOMPARE(tempcoText(kTempcos[1]), u"100ppm/K"_s);
}

void tst_Tempco::working_data()
{
    QTest::addColumn<Resistance>("value");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("working");
    QTest::newRow("4.7 k\u2126, 100 ppm")
        << Resistance{470, 3, 1} << 1
        << u"4.7K\u2126 × 100ppm/K = 1\u2103 오를 때 최대 0.47\u2126"_s;
    QTest::newRow("1 \u2126, 1 ppm: a micro-ohm")
        << Resistance{100, 3, -2} << 8
        << u"1\u2126 × 1ppm/K = 1\u2103 오를 때 최대 0.000001\u2126"_s;
    QTest::newRow("999 M\u2126, 250 ppm: the change in kilo-ohms")
        << Resistance{999, 3, 6} << 0
        << u"999M\u2126 × 250ppm/K = 1\u2103 오를 때 최대 249.75K\u2126"_s;
    QTest::newRow("0 \u2126") << Resistance{0, 3, 0} << 3
                              << u"0\u2126 × 15ppm/K = 1\u2103 오를 때 최대 0\u2126"_s;
}

void tst_Tempco::working()
{
    QFETCH(Resistance, value);
    QFETCH(int, entry);
    QFETCH(QString, working);
    QCOMPARE(tempcoWorking(value, kTempcos[std::size_t(entry)], kListUnits), working);
}

void tst_Tempco::bands_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("label");
    QTest::newRow("brown, 100 ppm") << 0x004080u << true << u"온도계수: 갈색"_s << u"100ppm"_s;
    QTest::newRow("page 0 grey, 1 ppm") << 0x808080u << true << u"온도계수: 회색"_s << u"1ppm"_s;
    QTest::newRow("white has no coefficient")
        << 0xFFFFFFu << true << u"온도계수: 백색"_s << QString();
}

void tst_Tempco::bands()
{
    QFETCH(quint32, color);
    QFETCH(bool, filled);
    QFETCH(QString, description);
    QFETCH(QString, label);
    QCOMPARE(bandDescription(kTempcoRole, color, filled, Palette::Selector), description);
    QCOMPARE(bandLabel(kTempcoRole, color, filled, Palette::Selector), label);
}

QTEST_GUILESS_MAIN(tst_Tempco)
#include "tst_tempco.moc"
