// The particle after a word follows how the word is read aloud: digits,
// units, Latin letters and Hangul each close on a vowel, on ㄹ or on another
// consonant.

#include "colorcode/korean.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace colorcode;

Q_DECLARE_METATYPE(colorcode::Particle)

class tst_Korean : public QObject {
    Q_OBJECT

private slots:
    void withParticle_data();
    void withParticle();
};

void tst_Korean::withParticle_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<Particle>("particle");
    QTest::addColumn<QString>("expected");

    QTest::newRow("472, read 사백칠십이") << u"472"_s << Particle::Topic << u"472는"_s;
    QTest::newRow("470 ends in 십") << u"470"_s << Particle::Topic << u"470은"_s;
    QTest::newRow("a lone 0 is 영") << u"0"_s << Particle::Subject << u"0이"_s;
    QTest::newRow("4.7 kilo-ohm ends in 옴")
        << u"4.7K\u2126"_s << Particle::Topic << u"4.7K\u2126은"_s;
    QTest::newRow("1 kilo-ohm, direction")
        << u"1K\u2126"_s << Particle::Direction << u"1K\u2126으로"_s;
    QTest::newRow("4R7 ends in 칠: 로 after ㄹ") << u"4R7"_s << Particle::Direction << u"4R7로"_s;
    QTest::newRow("4.5 ends in 오") << u"4.5"_s << Particle::Direction << u"4.5로"_s;
    QTest::newRow("the letter R is 알") << u"'R'"_s << Particle::Topic << u"'R'은"_s;
    QTest::newRow("the letter Y is 와이") << u"10Y"_s << Particle::Topic << u"10Y는"_s;
    QTest::newRow("5 percent") << u"±5%"_s << Particle::With << u"±5%와"_s;
    QTest::newRow("갈색 closes") << u"갈색"_s << Particle::Subject << u"갈색이"_s;
    QTest::newRow("보라 is open") << u"보라"_s << Particle::Object << u"보라를"_s;
    QTest::newRow("파일 ends in ㄹ") << u"파일"_s << Particle::Direction << u"파일로"_s;
    QTest::newRow("empty word takes the open form") << QString() << Particle::Topic << u"는"_s;
}

void tst_Korean::withParticle()
{
    QFETCH(QString, word);
    QFETCH(Particle, particle);
    QTEST(colorcode::withParticle(word, particle), "expected");
}

QTEST_GUILESS_MAIN(tst_Korean)
#include "tst_korean.moc"
