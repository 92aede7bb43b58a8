// Surface-mount markings: every form read, every refusal named, the EIA-96
// codes against the published table, and every marking written for a value
// read back to that value.

#include "colorcode/marking.h"

#include <QTest>

using namespace Qt::StringLiterals;
using smd::Form;
using smd::Refusal;
using smd::ValueRefusal;

Q_DECLARE_METATYPE(smd::Form)
Q_DECLARE_METATYPE(smd::Refusal)
Q_DECLARE_METATYPE(smd::ValueRefusal)

namespace {

const QString kOhm = u"\u2126"_s;
const QString kKiloOhm = u"K\u2126"_s;
const QString kMegaOhm = u"M\u2126"_s;
const QString kJumper = u"0\u2126 점퍼"_s;

} // namespace

class tst_Marking : public QObject {
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void eia96Table_data();
    void eia96Table();
    void readBothWays_data();
    void readBothWays();
    void refusals_data();
    void refusals();
    void working_data();
    void working();
    void markings_data();
    void markings();
    void markingsWorking();
    void valueRefusals_data();
    void valueRefusals();
    void guide();
};

void tst_Marking::read_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("value");
    QTest::newRow("three digits") << u"472"_s << u"472"_s << Form::ThreeDigit << u"4.7K\u2126"_s;
    QTest::newRow("three digits, no zeros")
        << u"470"_s << u"470"_s << Form::ThreeDigit << u"47\u2126"_s;
    QTest::newRow("three digits, leading zero")
        << u"010"_s << u"010"_s << Form::ThreeDigit << u"1\u2126"_s;
    // The last digit counts zeros even where it could be nothing else.
    QTest::newRow("9 zeros: gigaohms")
        << u"479"_s << u"479"_s << Form::ThreeDigit << u"47G\u2126"_s;
    QTest::newRow("four digits") << u"4701"_s << u"4701"_s << Form::FourDigit << u"4.7K\u2126"_s;
    QTest::newRow("four digits, the largest")
        << u"9999"_s << u"9999"_s << Form::FourDigit << u"999G\u2126"_s;
    QTest::newRow("R inside") << u"4R7"_s << u"4R7"_s << Form::RPoint << u"4.7\u2126"_s;
    QTest::newRow("R first") << u"R47"_s << u"R47"_s << Form::RPoint << u"0.47\u2126"_s;
    QTest::newRow("R form of four characters")
        << u"1R00"_s << u"1R00"_s << Form::RPoint << u"1\u2126"_s;
    QTest::newRow("R last after 97: no EIA-96 code")
        << u"97R"_s << u"97R"_s << Form::RPoint << u"97\u2126"_s;
    QTest::newRow("R last after three digits")
        << u"470R"_s << u"470R"_s << Form::RPoint << u"470\u2126"_s;
    QTest::newRow("lower case and blanks")
        << u"  4r7 "_s << u"4R7"_s << Form::RPoint << u"4.7\u2126"_s;
    QTest::newRow("EIA-96, lower case") << u"01c"_s << u"01C"_s << Form::Eia96 << u"10K\u2126"_s;
    for (const char *jumper : {"0", "0R", "001"})
        QTest::addRow("jumper %s", jumper)
            << QString::fromLatin1(jumper) << QString::fromLatin1(jumper) << Form::Jumper
            << kJumper;
}

void tst_Marking::read()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(Form, form);
    QFETCH(QString, value);
    const auto result = smd::readMarking(entry);
    QVERIFY(std::holds_alternative<smd::Marking>(result));
    const smd::Marking &m = std::get<smd::Marking>(result);
    QCOMPARE(m.text, text);
    QCOMPARE(m.reading.form, form);
    QVERIFY(!m.eia96);
    QCOMPARE(smd::markingValueText(m), value);
}

void tst_Marking::eia96Table_data()
{
    // The published table's rows, each with another of the multiplier
    // letters (R, read both ways, is in readBothWays).
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("value");
    QTest::newRow("01 = 100, Z ×0.001") << u"01Z"_s << u"0.1\u2126"_s;
    QTest::newRow("24 = 174, Y ×0.01") << u"24Y"_s << u"1.74\u2126"_s;
    QTest::newRow("48 = 309, X ×0.1") << u"48X"_s << u"30.9\u2126"_s;
    QTest::newRow("96 = 976, S ×0.1") << u"96S"_s << u"97.6\u2126"_s;
    QTest::newRow("68 = 499, A ×1") << u"68A"_s << u"499\u2126"_s;
    QTest::newRow("96 = 976, B ×10") << u"96B"_s << u"9.76K\u2126"_s;
    QTest::newRow("24 = 174, H ×10") << u"24H"_s << u"1.74K\u2126"_s;
    QTest::newRow("01 = 100, C ×100") << u"01C"_s << u"10K\u2126"_s;
    QTest::newRow("24 = 174, D ×1000") << u"24D"_s << u"174K\u2126"_s;
    QTest::newRow("48 = 309, E ×10⁴") << u"48E"_s << u"3.09M\u2126"_s;
    QTest::newRow("68 = 499, F ×10⁵") << u"68F"_s << u"49.9M\u2126"_s;
}

void tst_Marking::eia96Table()
{
    QFETCH(QString, marking);
    QFETCH(QString, value);
    const auto result = smd::readMarking(marking);
    QVERIFY(std::holds_alternative<smd::Marking>(result));
    const smd::Marking &m = std::get<smd::Marking>(result);
    QCOMPARE(m.reading.form, Form::Eia96);
    QCOMPARE(smd::markingValueText(m), value);
}

void tst_Marking::readBothWays_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("rForm");
    QTest::addColumn<QString>("eia96");
    QTest::addColumn<QString>("shown");
    QTest::newRow("10R") << u"10R"_s << u"10\u2126"_s << u"1.24\u2126"_s
                         << u"10\u2126 또는 1.24\u2126"_s;
    QTest::newRow("47R") << u"47R"_s << u"47\u2126"_s << u"3.01\u2126"_s
                         << u"47\u2126 또는 3.01\u2126"_s;
    QTest::newRow("01R: one value either way")
        << u"01R"_s << u"1\u2126"_s << u"1\u2126"_s << u"1\u2126"_s;
}

void tst_Marking::readBothWays()
{
    QFETCH(QString, marking);
    QFETCH(QString, rForm);
    QFETCH(QString, eia96);
    QFETCH(QString, shown);
    const auto result = smd::readMarking(marking);
    QVERIFY(std::holds_alternative<smd::Marking>(result));
    const smd::Marking &m = std::get<smd::Marking>(result);
    QCOMPARE(m.reading.form, Form::RPoint);
    QCOMPARE(m.reading.value.text(), rForm);
    QVERIFY(m.eia96);
    QCOMPARE(m.eia96->form, Form::Eia96);
    QCOMPARE(m.eia96->value.text(), eia96);
    QCOMPARE(smd::markingValueText(m), shown);
}

void tst_Marking::refusals_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<QString>("workingHas"); // a part of the working that names the fault
    QTest::newRow("empty") << QString() << Refusal::Empty << u"예: 472"_s;
    QTest::newRow("blanks only") << u"   "_s << Refusal::Empty << u"예: 472"_s;
    QTest::newRow("five digits") << u"47000"_s << Refusal::TooLong << u"3자리 473"_s;
    QTest::newRow("a value with its unit") << u"4.7K\u2126"_s << Refusal::TooLong << u"5글자"_s;
    QTest::newRow("a point") << u"4.7"_s << Refusal::ForeignCharacter << u"'.'"_s;
    QTest::newRow("full-width digits")
        << u"\uFF14\uFF17\uFF12"_s << Refusal::ForeignCharacter << u"'\uFF14'"_s;
    QTest::newRow("a blank inside") << u"4 7"_s << Refusal::ForeignCharacter << u"' '"_s;
    QTest::newRow("one digit") << u"5"_s << Refusal::TooFewDigits << u"R 표기 5R0"_s;
    QTest::newRow("two digits") << u"47"_s << Refusal::TooFewDigits << u"3자리 470"_s;
    QTest::newRow("K for kilo") << u"4K7"_s << Refusal::UnknownLetter << u"'K'"_s;
    QTest::newRow("a letter no code has") << u"47q"_s << Refusal::UnknownLetter << u"'Q'"_s;
    QTest::newRow("RR") << u"RR"_s << Refusal::MoreThanOneR << u"R이 2개"_s;
    QTest::newRow("4R7R") << u"4R7R"_s << Refusal::MoreThanOneR << u"R이 2개"_s;
    QTest::newRow("R alone") << u"r"_s << Refusal::RWithoutDigits << u"R47 = 0.47"_s;
    QTest::newRow("letter first") << u"C01"_s << Refusal::MisplacedLetter << u"C01"_s;
    QTest::newRow("letter between digits") << u"4C7"_s << Refusal::MisplacedLetter << u"4C7"_s;
    QTest::newRow("EIA-96 with a digit after")
        << u"01C2"_s << Refusal::MisplacedLetter << u"01C2"_s;
    QTest::newRow("code 97") << u"97C"_s << Refusal::NoEia96Code << u"97번은 없습니다"_s;
    QTest::newRow("code 00") << u"00A"_s << Refusal::NoEia96Code << u"00번은 없습니다"_s;
}

void tst_Marking::refusals()
{
    QFETCH(QString, entry);
    QFETCH(Refusal, refusal);
    QFETCH(QString, workingHas);
    const auto result = smd::readMarking(entry);
    QVERIFY(std::holds_alternative<Refusal>(result));
    QCOMPARE(std::get<Refusal>(result), refusal);
    // Every message says what a marking looks like.
    QVERIFY(smd::refusalMessage(refusal).contains(u"472(3자리), 4701(4자리), 4R7"_s));
    const QString working = smd::markingWorking(entry, result);
    QVERIFY2(working.contains(workingHas), qPrintable(working));
}

void tst_Marking::working_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("working");
    QTest::newRow("three digits") << u"472"_s << u"4, 7, 2 → 47 × 10² = 4700\u2126 = 4.7K\u2126"_s;
    QTest::newRow("three digits, ohms only") << u"470"_s << u"4, 7, 0 → 47 × 10⁰ = 47\u2126"_s;
    QTest::newRow("four digits") << u"4701"_s
                                 << u"4, 7, 0, 1 → 470 × 10¹ = 4700\u2126 = 4.7K\u2126"_s;
    QTest::newRow("R form") << u"4R7"_s << u"4R7: R이 소수점 → 4.7\u2126"_s;
    QTest::newRow("R form with trailing zeros")
        << u"1R00"_s << u"1R00: R이 소수점 → 1.00\u2126 = 1\u2126"_s;
    QTest::newRow("R first") << u"R47"_s << u"R47: R이 소수점 → 0.47\u2126"_s;
    QTest::newRow("EIA-96") << u"01C"_s
                            << u"01C: 01 → E96의 1번째 값 100, C → × 10², 100 × 10² = "
                               "10000\u2126 = 10K\u2126"_s;
    QTest::newRow("EIA-96 below one ohm")
        << u"01Z"_s << u"01Z: 01 → E96의 1번째 값 100, Z → × 10⁻³, 100 × 10⁻³ = 0.1\u2126"_s;
    QTest::newRow("jumper") << u"000"_s
                            << u"000: 0\u2126 점퍼 — 저항이 아니라 두 곳을 잇는 연결선입니다."_s;
    QTest::newRow("both ways")
        << u"10R"_s
        << u"10R: R이 소수점이면 10\u2126, EIA-96 코드면 E96의 10번째 값 124 × 10⁻² = "
           "1.24\u2126. 어느 쪽인지는 부품의 데이터시트로 확인하세요."_s;
    QTest::newRow("both ways, one value")
        << u"01R"_s
        << u"01R: R이 소수점이면 1\u2126, EIA-96 코드면 E96의 1번째 값 100 × 10⁻² = 1\u2126. "
           "어느 쪽으로 읽어도 값이 같습니다."_s;
}

void tst_Marking::working()
{
    QFETCH(QString, marking);
    QFETCH(QString, working);
    QCOMPARE(smd::markingWorking(marking, smd::readMarking(marking)), working);
}

void tst_Marking::markings_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("markings");
    QTest::newRow("10 kilo-ohm, every digit form and EIA-96")
        << u"10"_s << kKiloOhm << u"3자리 103 · 4자리 1002 · EIA-96 01C"_s;
    QTest::newRow("4.7 kilo-ohm, no E96 value")
        << u"4.7"_s << kKiloOhm << u"3자리 472 · 4자리 4701"_s;
    QTest::newRow("4.7 ohm, R forms only") << u"4.7"_s << kOhm << u"R 표기 4R7, 4R70"_s;
    // A marking that reads two ways says so, after the one that reads one way.
    QTest::newRow("47 ohm, 47R also an EIA-96 code")
        << u"47"_s << kOhm << u"3자리 470 · R 표기 47R0, 47R(EIA-96으로는 3.01\u2126)"_s;
    QTest::newRow("10 ohm, both letters of ×0.1")
        << u"10"_s << kOhm
        << u"3자리 100 · R 표기 10R0, 10R(EIA-96으로는 1.24\u2126) · EIA-96 01X, 01S"_s;
    QTest::newRow("4.99 ohm, 68R also an R form")
        << u"4.99"_s << kOhm << u"R 표기 4R99 · EIA-96 68Y, 68R(R 표기로는 68\u2126)"_s;
    QTest::newRow("1.24 ohm, Y before R")
        << u"1.24"_s << kOhm << u"R 표기 1R24 · EIA-96 10Y, 10R(R 표기로는 10\u2126)"_s;
    QTest::newRow("0.047 ohm, four characters only") << u"0.047"_s << kOhm << u"R 표기 R047"_s;
    QTest::newRow("97.6 megaohm, the largest E96 code")
        << u"97.6"_s << kMegaOhm << u"4자리 9765 · EIA-96 96F"_s;
    QTest::newRow("47 gigaohm from megaohms")
        << u"47000"_s << kMegaOhm << u"3자리 479 · 4자리 4708"_s;
    QTest::newRow("zero") << u"0"_s << kOhm << u"0\u2126 점퍼 0, 00, 000, 0000, 0R, 0R0"_s;
    QTest::newRow("blanks around the number")
        << u" 1 "_s << kMegaOhm << u"3자리 105 · 4자리 1004 · EIA-96 01E"_s;
}

void tst_Marking::markings()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(QString, markings);
    const auto result = smd::markingsOf(entry, unit);
    QVERIFY(std::holds_alternative<smd::Markings>(result));
    const smd::Markings &m = std::get<smd::Markings>(result);
    QCOMPARE(smd::markingsText(m), markings);
    // Each marking reads back to the value, one way or the other.
    for (const smd::FormMarkings &f : m.byForm) {
        for (const QString &text : f.texts) {
            const auto read = smd::readMarking(text);
            QVERIFY2(std::holds_alternative<smd::Marking>(read), qPrintable(text));
            const smd::Marking &back = std::get<smd::Marking>(read);
            const smd::Reading &reading =
                f.form == Form::Eia96 && back.eia96 ? *back.eia96 : back.reading;
            QCOMPARE(reading.form, f.form);
            QCOMPARE(reading.value.ohms(), m.value.ohms());
        }
    }
}

void tst_Marking::markingsWorking()
{
    const auto result = smd::markingsOf(u"10", kKiloOhm);
    QCOMPARE(smd::markingsWorking(u"10", kKiloOhm, result),
             u"10K\u2126 = 10000\u2126: 10 × 10³ → 3자리 103, 100 × 10² → 4자리 1002, E96의 "
             "1번째 값 100 × 10² → EIA-96 01C"_s);
}

void tst_Marking::valueRefusals_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<ValueRefusal>("refusal");
    QTest::addColumn<QString>("workingHas");
    QTest::newRow("empty") << u" "_s << kOhm << ValueRefusal::Empty << u"입력하세요"_s;
    QTest::newRow("not a number") << u"4k7"_s << kOhm << ValueRefusal::NotANumber << u"4.7처럼"_s;
    QTest::newRow("below zero") << u"-4.7"_s << kOhm << ValueRefusal::BelowZero << u"0 이상"_s;
    QTest::newRow("unit in lower case")
        << u"4.7"_s << u"k\u2126"_s << ValueRefusal::NoUnit << u"가운데 하나"_s;
    QTest::newRow("four significant digits") << u"4.753"_s << kKiloOhm << ValueRefusal::NoMarking
                                             << u"가까운 E96 값: 4.75K\u2126, 4.87K\u2126"_s;
    QTest::newRow("too small") << u"0.0047"_s << kOhm << ValueRefusal::NoMarking << u"R001"_s;
    QTest::newRow("too large") << u"1000000"_s << kMegaOhm << ValueRefusal::NoMarking
                               << u"9999 = 999G\u2126"_s;
}

void tst_Marking::valueRefusals()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(ValueRefusal, refusal);
    QFETCH(QString, workingHas);
    const auto result = smd::markingsOf(entry, unit);
    QVERIFY(std::holds_alternative<ValueRefusal>(result));
    QCOMPARE(std::get<ValueRefusal>(result), refusal);
    QVERIFY(!smd::valueRefusalMessage(refusal).isEmpty());
    const QString working = smd::markingsWorking(entry, unit, result);
    QVERIFY2(working.contains(workingHas), qPrintable(working));
}

void tst_Marking::guide()
{
    const QStringList lines = smd::readingGuide().split(u'\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith(u"3자리: 472 = 47 × 10² = 4.7K\u2126"_s));
    QVERIFY(lines[1].startsWith(u"4자리: 4701 = 470 × 10¹ = 4.7K\u2126"_s));
    QVERIFY(lines[2].startsWith(u"R 표기: 4R7 = 4.7\u2126"_s));
    QVERIFY(lines[3].startsWith(u"EIA-96: 01C = 100 × 10² = 10K\u2126"_s));
    QCOMPARE(lines[4], u"0\u2126 점퍼: 0, 000, 0R"_s);
}

QTEST_GUILESS_MAIN(tst_Marking)
#include "tst_marking.moc"
