#include "colorcode/speech.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_Speech : public QObject {
    Q_OBJECT

private slots:
    void spoken_data();
    void spoken();
    void spokenAboutChip_data();
    void spokenAboutChip();
    void spelled_data();
    void spelled();
    void accessKey_data();
    void accessKey();
};

void tst_Speech::spoken_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("kilo-ohm and its point") << u"4.7K\u2126"_s << u"4점7킬로옴"_s;
    QTest::newRow("ohm, mega-ohm, giga-ohm after a number")
        << u"470\u2126 1M\u2126 1.5G\u2126"_s << u"470옴 1메가옴 1점5기가옴"_s;
    QTest::newRow("units with no number, a Greek omega too")
        << u"단위는 \u2126, K\u2126, M\u03A9 가운데 하나"_s
        << u"단위는 옴, 킬로옴, 메가옴 가운데 하나"_s;
    QTest::newRow("tolerance straight after the value")
        << u"결과 4.7K\u2126±5%"_s << u"결과 4점7킬로옴 플러스마이너스 5퍼센트"_s;
    QTest::newRow("tolerance in brackets") << u"금색(±5%)"_s << u"금색(플러스마이너스 5퍼센트)"_s;
    QTest::newRow("decimals read one by one") << u"±0.05%"_s << u"플러스마이너스 0점0 5퍼센트"_s;
    QTest::newRow("raised power") << u"적색 ×10²"_s << u"적색 곱하기 10의 2제곱"_s;
    QTest::newRow("raised minus") << u"×10⁻¹"_s << u"곱하기 10의 마이너스 1제곱"_s;
    QTest::newRow("colour-to-value working")
        << u"노랑 4, 보라 7, 적색 ×10² → 47 × 10² = 4700\u2126 = 4.7K\u2126, 허용오차 ±5%"_s
        << u"노랑 4, 보라 7, 적색 곱하기 10의 2제곱, 47 곱하기 10의 2제곱은 4700옴은 4점7킬로옴, "
           u"허용오차 플러스마이너스 5퍼센트"_s;
    QTest::newRow("LED working, = after an open word")
        << u"(9V − 2.1V) ÷ 20mA = 345\u2126 → 유효숫자 두 자리: 350\u2126 → 주황"_s
        << u"(9볼트 빼기 2점1볼트) 나누기 20밀리암페어는 345옴, 유효숫자 두 자리: 350옴, 주황"_s;
    QTest::newRow("power and a fraction of a watt")
        << u"저항의 발열: 87mW → 1/4W 저항을 쓰세요"_s
        << u"저항의 발열: 87밀리와트, 4분의 1와트 저항을 쓰세요"_s;
    QTest::newRow("temperature coefficient") << u"100ppm/K"_s << u"100피피엠 퍼 켈빈"_s;
    QTest::newRow("one degree, not one kilo")
        << u"1\u2103 오를 때 최대 0.47\u2126"_s << u"1도 오를 때 최대 0점4 7옴"_s;
    QTest::newRow("guide's arrow and thousands")
        << u"2,700\u2126->2.7K\u2126"_s << u"2700옴, 2점7킬로옴"_s;
    QTest::newRow("page name") << u"저항값@컬러"_s << u"저항값에서 컬러"_s;
    QTest::newRow("a sign before a value") << u"− 5"_s << u"마이너스 5"_s;
    QTest::newRow("a score") << u"맞힌 문제 3 / 5"_s << u"맞힌 문제 5분의 3"_s;
    QTest::newRow("kilo-ohm in lower case with the Greek omega")
        << u"4.7k\u03A9"_s << u"4점7킬로옴"_s;
    QTest::newRow("an R marking in a working spelled")
        << u"4R7: R이 소수점 → 4.7\u2126"_s << u"4, 알, 7: R이 소수점, 4점7옴"_s;
    QTest::newRow("an EIA-96 marking spelled, a series name not")
        << u"01C: E96의 01번 값"_s << u"0, 1, 씨: E96의 01번 값"_s;
    QTest::newRow("a digit marking after its form's name")
        << u"10 × 10³ → 3자리 103, 4자리 1002, 3자리 472.5"_s
        << u"10 곱하기 10의 3제곱, 3자리 1, 0, 3, 4자리 1, 0, 0, 2, 3자리 472점5"_s;
    QTest::newRow("the guide's digit marking after its form's name and a colon")
        << u"3자리: 472 = 47 × 10² = 4.7K\u2126 (마지막 숫자는 0의 개수)"_s
        << u"3자리: 4, 7, 2는 47 곱하기 10의 2제곱은 4점7킬로옴 (마지막 숫자는 0의 개수)"_s;
    QTest::newRow("digit markings before their form's name in brackets, a number not")
        << u"472(3자리), 4701(4자리), 47(2자리)"_s
        << u"4, 7, 2(3자리), 4, 7, 0, 1(4자리), 47(2자리)"_s;
    QTest::newRow("the guide's jumper markings, each spelled, told apart")
        << u"0\u2126 점퍼: 0, 000, 0R"_s << u"0옴 점퍼: 0 또는 0, 0, 0 또는 0, 알"_s;
    QTest::newRow("a jumper's marking before its name")
        << u"000: 0\u2126 점퍼 — 저항이 아니라 두 곳을 잇는 연결선입니다."_s
        << u"0, 0, 0: 0옴 점퍼 — 저항이 아니라 두 곳을 잇는 연결선입니다."_s;
    QTest::newRow("markings of one form listed, forms parted")
        << u"3자리 100 · R 표기 10R0, 10R(EIA-96으로는 1.24\u2126) · EIA-96 01X, 01S"_s
        << u"3자리 1, 0, 0. R 표기 1, 0, 알, 0 또는 1, 0, 알(EIA-96으로는 1점2 4옴). EIA-96 0, "
           u"1, 엑스 또는 0, 1, 에스"_s;
    QTest::newRow("a number after a marking is no marking")
        << u"4R7, 47, 4700\u2126, 470 · 금색·은색"_s << u"4, 알, 7, 47, 4700옴, 470. 금색, 은색"_s;
    QTest::newRow("a letter marking inside a word is none") << u"AB01C 10RX"_s << u"AB01C 10RX"_s;
    QTest::newRow("letters and digits in words stay")
        << u"E24 제1색띠 LED전류 4색저항 5Vx"_s << u"E24 제1색띠 LED전류 4색저항 5Vx"_s;
    QTest::newRow("a sentence's full stop, a version")
        << u"47. 다음은 1.0.22"_s << u"47. 다음은 1점0점22"_s;
    QTest::newRow("a result not yet worked out") << u"?"_s << u"없음"_s;
    QTest::newRow("a share with no answers, a dash in a range")
        << u"푼 문제 0 · 정답률 \u2013 · 연속 0일, 10\u201320, 정말?"_s
        << u"푼 문제 0. 정답률 없음. 연속 0일, 10\u201320, 정말?"_s;
    QTest::newRow("empty") << QString() << QString();
}

void tst_Speech::spoken()
{
    QFETCH(QString, shown);
    QFETCH(QString, spoken);
    QCOMPARE(colorcode::spokenText(shown), spoken);
    // A label's spoken name goes into announcements, which are made spoken
    // again: words stay words.
    QCOMPARE(colorcode::spokenText(spoken), spoken);
}

void tst_Speech::spokenAboutChip_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("a practice's feedback on a three-digit chip")
        << u"472"_s
        << u"오답입니다. 마지막 숫자(2)는 값의 숫자가 아니라 붙일 0의 개수입니다: 472 → 47에 0을 "
           "2개 붙여 4700\u2126.\n4, 7, 2 → 47 × 10² = 4700\u2126 = 4.7K\u2126"_s
        << u"오답입니다. 마지막 숫자(2)는 값의 숫자가 아니라 붙일 0의 개수입니다: 4, 7, 2, 47에 "
           "0을 2개 붙여 4700옴.\n4, 7, 2, 47 곱하기 10의 2제곱은 4700옴은 4점7킬로옴"_s;
    QTest::newRow("the question, its marking last")
        << u"1002"_s << u"칩의 표시를 읽고 저항값을 답하십시오. 표시 1002"_s
        << u"칩의 표시를 읽고 저항값을 답하십시오. 표시 1, 0, 0, 2"_s;
    QTest::newRow("its digits inside a number or before a unit stay a number")
        << u"470"_s << u"2,470 470.5 1.470 470\u2126 470K\u2126 4700"_s
        << u"2470 470점5 1점4 7 0 470옴 470킬로옴 4700"_s;
    QTest::newRow("no marking, no digits spelled") << QString() << u"472 → 47"_s << u"472, 47"_s;
}

void tst_Speech::spokenAboutChip()
{
    QFETCH(QString, marking);
    QFETCH(QString, shown);
    QFETCH(QString, spoken);
    QCOMPARE(colorcode::spokenText(shown, marking), spoken);
    QCOMPARE(colorcode::spokenText(spoken), spoken);
}

void tst_Speech::spelled_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("three digits, not a number") << u"223"_s << u"2, 2, 3"_s;
    QTest::newRow("R for the point, first") << u"R47"_s << u"알, 4, 7"_s;
    QTest::newRow("E, whose name alone is the digit 2") << u"68E"_s << u"6, 8, 영문자 이"_s;
}

void tst_Speech::spelled()
{
    QFETCH(QString, marking);
    QFETCH(QString, spoken);
    QCOMPARE(colorcode::spelledMarking(marking), spoken);
}

void tst_Speech::accessKey_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("key after the words") << u"저항값@컬러(&R)"_s << u"저항값@컬러"_s;
    QTest::newRow("key in the words") << u"&5색저항"_s << u"5색저항"_s;
    QTest::newRow("a real ampersand") << u"R&&D"_s << u"R&D"_s;
}

void tst_Speech::accessKey()
{
    QFETCH(QString, caption);
    QFETCH(QString, spoken);
    QCOMPARE(colorcode::withoutAccessKey(caption), spoken);
}

QTEST_GUILESS_MAIN(tst_Speech)
#include "tst_speech.moc"
