// The sentences several pages say, and the code of a real resistor below
// 10 Ω, which pages 1 and 2 add to their working.

#include "colorcode/sentences.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_Sentences : public QObject {
    Q_OBJECT

private slots:
    void realCodeBelowTen_data();
    void realCodeBelowTen();
    void particles();
};

void tst_Sentences::realCodeBelowTen_data()
{
    QTest::addColumn<double>("ohms");
    QTest::addColumn<QString>("code"); // empty: none
    QTest::newRow("3 \u2126, gold") << 3.0 << u"실제 저항에는 주황, 검정, 금색"_s;
    QTest::newRow("0.47 \u2126, silver") << 0.47 << u"실제 저항에는 노랑, 보라, 은색"_s;
    QTest::newRow("0.1 \u2126, the smallest") << 0.1 << u"실제 저항에는 갈색, 검정, 은색"_s;
    QTest::newRow("0.047 \u2126: below any multiplier") << 0.047 << QString();
    QTest::newRow("10 \u2126: black multiplier, a code of its own") << 10.0 << QString();
    QTest::newRow("0 \u2126") << 0.0 << QString();
    QTest::newRow("4.75 \u2126: three digits") << 4.75 << QString();
}

void tst_Sentences::realCodeBelowTen()
{
    QFETCH(double, ohms);
    QFETCH(QString, code);
    QCOMPARE(colorcode::realCodeBelowTen(ohms).value_or(QString()), code);
}

void tst_Sentences::particles()
{
    // The particle follows how the word is read: 옴 ends in a consonant, a
    // word ending in a vowel takes the other form.
    QVERIFY(colorcode::tooManyDigitsSentence(u"4.753K\u2126").startsWith(u"4.753K\u2126은 "_s));
    QVERIFY(colorcode::saveFailedSentence(u"연습지", u"/tmp/a.pdf").startsWith(u"연습지를 "_s));
    QVERIFY(
        colorcode::saveFailedSentence(u"학습 기록", u"/tmp/a.csv").startsWith(u"학습 기록을 "_s));
}

QTEST_GUILESS_MAIN(tst_Sentences)
#include "tst_sentences.moc"
