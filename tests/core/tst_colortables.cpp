#include "colorcode/colortables.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace colorcode;

class tst_ColorTables : public QObject {
    Q_OBJECT

private slots:
    void digitLookup_data();
    void digitLookup();
    void palettes_data();
    void palettes();
    void tolerances_data();
    void tolerances();
    void toleranceOnlyWhereOffered();
    void listContents();
    void ohmSign();
    void descriptions_data();
    void descriptions();
};

void tst_ColorTables::digitLookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("digit"); // -1: no digit

    QTest::newRow("0 black") << u"0 검정"_s << 10 << 0;
    QTest::newRow("4 yellow") << u"4 노랑"_s << 10 << 4;
    QTest::newRow("9 white") << u"9 백색"_s << 10 << 9;
    QTest::newRow("trailing blank") << u"4 노랑 "_s << 10 << -1;
    QTest::newRow("leading blank") << u" 4 노랑"_s << 10 << -1;
    QTest::newRow("missing blank") << u"4노랑"_s << 10 << -1;
    QTest::newRow("digit alone") << u"4"_s << 10 << -1;
    QTest::newRow("wrong word for the digit") << u"4 검정"_s << 10 << -1;
    QTest::newRow("empty") << QString() << 10 << -1;
    QTest::newRow("multiplier list: 6 blue") << u"6 파랑"_s << kMultiplierEntries << 6;
    QTest::newRow("multiplier list: no 7") << u"7 보라"_s << kMultiplierEntries << -1;
    QTest::newRow("multiplier list: no 8") << u"8 회색"_s << kMultiplierEntries << -1;
    QTest::newRow("multiplier list: no 9") << u"9 백색"_s << kMultiplierEntries << -1;
}

void tst_ColorTables::digitLookup()
{
    QFETCH(QString, text);
    QFETCH(int, entries);
    QFETCH(int, digit);
    const std::optional<int> found = digitOfItemText(text, entries);
    QCOMPARE(found.value_or(-1), digit);
}

void tst_ColorTables::palettes_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<quint32>("selector");
    QTest::addColumn<quint32>("encoder");

    const quint32 expected[10][2] = {
        {0x000000, 0x000000}, {0x004080, 0x004080},   {0x0000FF, 0x0000FF}, {0x0080FF, 0x0080FF},
        {0x00FFFF, 0x00FFFF}, {0x00C000, 0x00C000},   {0xC00000, 0xC00000}, {0x800080, 0x800080},
        {0x808080, 0xC0C0C0}, {0xFFFFFF, 0x80000005},
    };
    for (int d = 0; d < 10; ++d)
        QTest::addRow("digit %d", d) << d << expected[d][0] << expected[d][1];
}

void tst_ColorTables::palettes()
{
    QFETCH(int, digit);
    QFETCH(quint32, selector);
    QFETCH(quint32, encoder);
    QCOMPARE(kBandColors[digit].digit, digit);
    QCOMPARE(kBandColors[digit].selectorColor, selector);
    QCOMPARE(kBandColors[digit].encoderColor, encoder);
    QCOMPARE(kBandColors[digit].itemText,
             QString::number(digit) + u' ' + kBandColors[digit].colourWord.toString());
}

void tst_ColorTables::tolerances_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<quint32>("selector");
    QTest::addColumn<quint32>("encoder");
    QTest::addColumn<double>("factor");

    QTest::newRow("±5% gold") << u"±5%"_s << true << 0x00C0C0u << 0x00C0C0u << 0.05;
    QTest::newRow("±10% silver differs per page")
        << u"±10%"_s << true << 0xC0C0C0u << 0xE0E0E0u << 0.1;
    QTest::newRow("±20% no band") << u"±20%"_s << false << 0u << 0u << 0.2;
    QTest::newRow("±1% brown") << u"±1%"_s << true << 0x004080u << 0x004080u << 0.01;
    QTest::newRow("±2% red") << u"±2%"_s << true << 0x0000FFu << 0x0000FFu << 0.02;
    QTest::newRow("±0.05% orange") << u"±0.05%"_s << true << 0x0080FFu << 0x0080FFu << 0.0005;
    QTest::newRow("±0.5% green") << u"±0.5%"_s << true << 0x00C000u << 0x00C000u << 0.005;
    QTest::newRow("±0.25% blue") << u"±0.25%"_s << true << 0xC00000u << 0xC00000u << 0.0025;
    QTest::newRow("±0.1% violet") << u"±0.1%"_s << true << 0x800080u << 0x800080u << 0.001;
}

void tst_ColorTables::tolerances()
{
    QFETCH(QString, text);
    QFETCH(bool, filled);
    QFETCH(quint32, selector);
    QFETCH(quint32, encoder);
    QFETCH(double, factor);
    std::array<QStringView, 1> offered{text};
    const ToleranceEntry *entry = toleranceOf(text, offered);
    QVERIFY(entry);
    QCOMPARE(entry->filled, filled);
    if (filled) {
        QCOMPARE(entry->selectorColor, selector);
        QCOMPARE(entry->encoderColor, encoder);
    }
    QCOMPARE(entry->factor, factor);
}

void tst_ColorTables::toleranceOnlyWhereOffered()
{
    QVERIFY(toleranceOf(u"±5%", kFourBandTolerances));
    QVERIFY(!toleranceOf(u"±5%", kFiveBandTolerances));
    QVERIFY(!toleranceOf(u"±1%", kFourBandTolerances));
    QVERIFY(toleranceOf(u"±1%", kEncoderTolerances));
    QVERIFY(!toleranceOf(u"±0.5%", kEncoderTolerances));
    QVERIFY(!toleranceOf(u"±5% ", kEncoderTolerances));
    QVERIFY(!toleranceOf(u"5%", kEncoderTolerances));
}

void tst_ColorTables::listContents()
{
    QCOMPARE(digitItemTexts(),
             QStringList({u"0 검정"_s, u"1 갈색"_s, u"2 적색"_s, u"3 주황"_s, u"4 노랑"_s,
                          u"5 초록"_s, u"6 파랑"_s, u"7 보라"_s, u"8 회색"_s, u"9 백색"_s}));
    QCOMPARE(digitItemTexts(kMultiplierEntries).size(), 7);
    QCOMPARE(digitItemTexts(kMultiplierEntries).last(), u"6 파랑"_s);
    QCOMPARE(itemTexts(kFourBandTolerances), QStringList({u"±5%"_s, u"±10%"_s, u"±20%"_s}));
    QCOMPARE(itemTexts(kFiveBandTolerances),
             QStringList({u"±1%"_s, u"±2%"_s, u"±0.05%"_s, u"±0.5%"_s, u"±0.25%"_s, u"±0.1%"_s}));
    QCOMPARE(itemTexts(kEncoderTolerances),
             QStringList({u"±1%"_s, u"±2%"_s, u"±5%"_s, u"±10%"_s, u"±20%"_s}));
}

void tst_ColorTables::ohmSign()
{
    for (QStringView unit : {kOhm, kKiloOhm, kMegaOhm, kGigaOhm}) {
        QCOMPARE(unit.back().unicode(), char16_t(0x2126));
        QVERIFY(!unit.contains(QChar(0x03A9)));
    }
    QCOMPARE(itemTexts(kUnitList), QStringList({u"\u2126"_s, u"K\u2126"_s, u"M\u2126"_s}));
}

void tst_ColorTables::descriptions_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<bool>("selector");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("text");

    QTest::newRow("yellow") << 0x00FFFFu << true << true << u"제1색띠: 노랑"_s;
    QTest::newRow("page 0 grey is 0x808080") << 0x808080u << true << true << u"제1색띠: 회색"_s;
    QTest::newRow("page 0 silver is 0xC0C0C0") << 0xC0C0C0u << true << true << u"제1색띠: 은색"_s;
    QTest::newRow("encoder grey is 0xC0C0C0") << 0xC0C0C0u << false << true << u"제1색띠: 회색"_s;
    QTest::newRow("encoder silver is 0xE0E0E0") << 0xE0E0E0u << false << true << u"제1색띠: 은색"_s;
    QTest::newRow("encoder white is the window colour")
        << 0x80000005u << false << true << u"제1색띠: 백색"_s;
    QTest::newRow("gold") << 0x00C0C0u << false << true << u"제1색띠: 금색"_s;
    QTest::newRow("not drawn") << 0x00FFFFu << true << false << u"제1색띠: 없음"_s;
}

void tst_ColorTables::descriptions()
{
    QFETCH(quint32, color);
    QFETCH(bool, selector);
    QFETCH(bool, filled);
    QFETCH(QString, text);
    QCOMPARE(bandDescription(kFirstDigitRole, color, filled,
                             selector ? Palette::Selector : Palette::Encoder),
             text);
}

QTEST_GUILESS_MAIN(tst_ColorTables)
#include "tst_colortables.moc"
