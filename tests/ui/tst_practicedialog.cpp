#include "uitest.h"

#include "colorcode/marking.h"
#include "colorcode/numbertext.h"
#include "colorcode/readingworking.h"
#include "learner/record.h"
#include "learner/skills.h"
#include "pages/practice/practicedialog.h"
#include "widgets/bandshape.h"
#include "widgets/chippicture.h"
#include "widgets/resistordrawing.h"
#include "widgets/swatchdelegate.h"
#include "widgets/twips.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

bool fiveBand(const frmPractice &d)
{
    return d.question().bands() == colorcode::BandCount::Five;
}

// Moves on until the question has the wanted number of bands.
void nextUntil(frmPractice &d, bool five)
{
    for (int i = 0; i < 100 && fiveBand(d) != five; ++i)
        d.cmdNext->click();
}

// The drawing shows the question (read) or the picks (write) band by band.
void verifyBands(const frmPractice &d, const practice::Resistor &shown)
{
    const auto drawn = practice::drawnBands(shown);
    const ui::BandShape *bands[] = {d.Band1, d.Band2, d.Band3, d.Band4, d.Band5};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        QCOMPARE(!bands[i]->isHidden(), drawn[i].shown);
        QCOMPARE(bands[i]->filled(), drawn[i].filled);
        QCOMPARE(bands[i]->fillColor(), drawn[i].color);
        QCOMPARE(bands[i]->accessibleName(),
                 colorcode::bandDescription(drawn[i].role, drawn[i].color, drawn[i].filled,
                                            colorcode::Palette::Selector));
        // Numbers on the bands would give the answer away.
        QVERIFY(bands[i]->property("label").toString().isEmpty());
    }
}

// Every visible control lies inside the dialog, shows its text whole and has
// a name for a screen reader.
void verifyLayout(QWidget *dialog)
{
    for (QWidget *child : dialog->findChildren<QWidget *>()) {
        if (!child->isVisibleTo(dialog) || child->objectName().isEmpty())
            continue;
        const QString name = child->objectName();
        QVERIFY2(dialog->rect().contains(QRect(child->mapTo(dialog, QPoint()), child->size())),
                 qPrintable(name));
        if (child->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(name));
        if (auto *label = qobject_cast<QLabel *>(child)) {
            QVERIFY2(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                       : label->sizeHint().width() <= label->width(),
                     qPrintable(name));
        }
        if (auto *button = qobject_cast<QAbstractButton *>(child))
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(name));
        if (auto *list = qobject_cast<QComboBox *>(child))
            QVERIFY2(list->sizeHint().width() <= list->width(), qPrintable(name));
    }
}

// Types the value of `ohms` in ohms.
void answerOhms(frmPractice &d, double ohms)
{
    d.txtAnswer->clear();
    uitest::type(d.txtAnswer, colorcode::numberText(ohms));
    QVERIFY(uitest::pickFromList(d.cboUnit, u"\u2126"_s));
}

// Picks the bands of `r` in the band lists.
void pickBands(frmPractice &d, const practice::Resistor &r)
{
    const auto item = [](int digit) {
        return colorcode::kBandColors[std::size_t(digit)].itemText.toString();
    };
    QComboBox *digits[] = {d.cboDigit1, d.cboDigit2, d.cboDigit3};
    for (int i = 0; i < r.value.digitCount; ++i)
        QVERIFY(uitest::pickFromList(digits[i], item(r.value.digit(i))));
    QVERIFY(uitest::pickFromList(d.cboMultiplier, item(r.value.exponent)));
    QVERIFY(uitest::pickFromList(d.cboToleranceBand, r.tolerance->colourWord.toString()));
}

// The record's rows, oldest first: kind key, verdict and slip key.
QStringList recordRows(const QString &path)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"rows"_s);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(u"SELECT kind, correct, slip FROM answer ORDER BY id"_s, db);
            while (q.next())
                rows << u"%1 %2 %3"_s
                            .arg(q.value(0).toString(),
                                 q.value(1).toBool() ? u"right"_s : u"wrong"_s,
                                 q.value(2).toString())
                            .trimmed();
        }
    }
    QSqlDatabase::removeDatabase(u"rows"_s);
    return rows;
}

// A kind made here, as a later kind would be: one row of rules, no line of
// the dialog changed. Its question is 10Ω, stated in words.
class TenOhms : public practice::QuestionKind {
public:
    QStringView key() const override { return u"ten"; }
    QString optionName() const override { return u"optTen"_s; }
    QString optionText() const override { return u"십 옴(&O)"_s; }
    QString spokenName() const override { return u"십 옴"_s; }
    practice::AnswerControls controls() const override { return practice::AnswerControls::Value; }
    QString instruction() const override { return u"이 값을 옴으로 답하십시오:"_s; }
    practice::Question next(practice::Review &, const practice::SkillStates &, QDate,
                            std::mt19937 &) const override
    {
        return {{{10, 2, 0}, &colorcode::kTolerances[0]}, {}, 0};
    }
    QString stated(const practice::Question &) const override { return u"10\u2126"_s; }
    QString spoken(const practice::Question &) const override { return u"십 옴"_s; }
    practice::Checked check(const practice::Question &, const practice::Given &given, double,
                            const QDateTime &) const override
    {
        practice::Checked c;
        c.judgement = practice::Judgement{};
        c.judgement->right = given.number == u"10" && given.unit == u"\u2126";
        c.feedback = c.judgement->right ? u"정답입니다."_s : u"오답입니다."_s;
        return c;
    }
};

} // namespace

class tst_PracticeDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    practice::Record m_record{m_folder.filePath(u"record.sqlite"_s)};

private slots:
    void initTestCase() { uitest::setUp(); }
    void recordKept();
    void recordNotKept();
    void markingQuestions();
    void progressFromPractice();
    void everyKindInTurn();
    void kindPlugsIn();
    void contract_data();
    void contract();
    void controls();
    void readByKeyboard_data();
    void readByKeyboard();
    void writeByMouse();
    void accessKeys_data();
    void accessKeys();
};

void tst_PracticeDialog::contract_data()
{
    QTest::addColumn<QString>("closeBy");
    for (const QString &closeBy : {u"button"_s, u"escape"_s, u"close box"_s})
        QTest::newRow(qPrintable(closeBy)) << closeBy;
}

void tst_PracticeDialog::contract()
{
    QFETCH(QString, closeBy);
    auto w = uitest::openWindow();
    QCOMPARE(w->Menu_file->actions().indexOf(w->Menu_practice),
             w->Menu_file->actions().indexOf(w->Menu_r) + 1);
    QCOMPARE(w->Menu_practice->text(), u"색띠 연습(&P)"_s);
    // Opened twice: placed over the main window, the pages disabled while it
    // is open, and the score kept from one opening to the next.
    for (int round = 0; round < 2; ++round) {
        QPoint placed;
        bool pagesDisabled = false;
        QString title, score;
        auto ran = uitest::onNextDialog(u"frmPractice"_s, [&](QWidget *d) {
            placed = d->frameGeometry().topLeft() - w->frameGeometry().topLeft();
            pagesDisabled = !w->SSTab1->isEnabled() && d->parentWidget() == w.get();
            title = d->windowTitle();
            if (round == 0)
                QTest::mouseClick(d->findChild<QWidget *>(u"cmdNext"_s), Qt::LeftButton);
            score = d->findChild<QLabel *>(u"lblScore"_s)->text();
            if (closeBy == u"button")
                QTest::mouseClick(d->findChild<QWidget *>(u"cmdClose"_s), Qt::LeftButton);
            else if (closeBy == u"escape")
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->close();
        });
        w->Menu_practice->trigger();
        QVERIFY(*ran);
        QCOMPARE(title, u"색띠 연습"_s);
        QCOMPARE(placed, ui::twipsPoint(240, 300));
        QVERIFY(pagesDisabled);
        // The question moved past unanswered is skipped, not counted.
        QCOMPARE(score, u"맞힌 문제 0 / 0 · 연속 정답 0"_s);
        QVERIFY(w->SSTab1->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void tst_PracticeDialog::controls()
{
    auto w = uitest::openWindow();
    practice::Session session;
    frmPractice d(w.get(), session, m_record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QVERIFY(d.optRead->isChecked());
    // The kinds' options stand side by side inside their frame, below its
    // title, none covering another.
    const QRect options[] = {d.optRead->geometry(), d.optWrite->geometry(), d.optSmd->geometry()};
    for (std::size_t i = 0; i < std::size(options); ++i) {
        QVERIFY(d.fraKind->rect().contains(options[i]));
        QVERIFY(options[i].top() >= d.fraKind->fontMetrics().height());
        if (i > 0)
            QVERIFY(options[i].left() > options[i - 1].right());
    }
    QCOMPARE(entries(d.cboUnit), (QStringList{u"\u2126"_s, u"K\u2126"_s, u"M\u2126"_s}));
    QCOMPARE(entries(d.cboTolerance),
             (QStringList{u"±5%"_s, u"±10%"_s, u"±20%"_s, u"±1%"_s, u"±2%"_s, u"±0.05%"_s,
                          u"±0.5%"_s, u"±0.25%"_s, u"±0.1%"_s}));
    QCOMPARE(entries(d.cboToleranceBand),
             (QStringList{u"금색"_s, u"은색"_s, u"없음"_s, u"갈색"_s, u"적색"_s, u"주황"_s,
                          u"초록"_s, u"파랑"_s, u"보라"_s}));
    QCOMPARE(entries(d.cboMultiplier), colorcode::digitItemTexts(7));
    QCOMPARE(d.cboToleranceBand->itemData(0, ui::kSwatchRole).toLongLong(), 0x00C0C0);
    QCOMPARE(d.cboToleranceBand->itemData(2, ui::kSwatchRole).toLongLong(), ui::kNoBandSwatch);

    // The resistor is page 0's, twice as large: each band where page 0 has
    // it, counted from the corner of the part shown.
    const QWidget *page0 = w->findChild<QWidget *>(u"Picture5"_s);
    const QPoint part = ui::kResistorPart.topLeft();
    const ui::BandShape *pageBands[] = {page0->findChild<ui::BandShape *>(u"Shape9"_s),
                                        page0->findChild<ui::BandShape *>(u"Shape14"_s),
                                        page0->findChild<ui::BandShape *>(u"Shape15"_s),
                                        page0->findChild<ui::BandShape *>(u"Shape16"_s),
                                        page0->findChild<ui::BandShape *>(u"Shape17"_s)};
    const ui::BandShape *practiceBands[] = {d.Band1, d.Band2, d.Band3, d.Band4, d.Band5};
    for (std::size_t i = 0; i < std::size(pageBands); ++i) {
        const QRect g = pageBands[i]->geometry();
        QCOMPARE(practiceBands[i]->geometry(), QRect((g.topLeft() - part) * 2, g.size() * 2));
    }

    // Keyboard alone: the answer first, then the buttons.
    QTRY_COMPARE(QApplication::focusWidget(), d.txtAnswer);
    QStringList chain;
    for (QWidget *at = d.txtAnswer; chain.size() < 5;) {
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        chain << at->objectName();
    }
    QCOMPARE(chain, (QStringList{u"cboUnit"_s, u"cboTolerance"_s, u"cmdCheck"_s, u"cmdNext"_s,
                                 u"cmdProgress"_s}));

    // The longest feedback: the longest slip, the tolerance wrong too, and
    // the longest working.
    practice::Judgement slip;
    slip.mistake = practice::Mistake::Reversed;
    slip.toleranceRight = false;
    const QString longestFeedback = practice::feedback(
        {{976, 3, 6}, colorcode::toleranceOf(u"±0.05%")}, practice::Kind::Write, slip);
    for (bool write : {false, true}) {
        if (write)
            QTest::mouseClick(d.optWrite, Qt::LeftButton);
        for (bool five : {false, true}) {
            nextUntil(d, five);
            QCOMPARE(d.cboDigit3->isVisible(), write && five);
            QCOMPARE(d.lblQuestion->text(),
                     write ? practice::statedValue(d.question()) : QString());
            // A write question starts with every list at its first entry.
            verifyBands(d, write
                               ? *practice::pickedResistor(d.question().bands(), u"0 검정",
                                                           u"0 검정", u"0 검정", u"0 검정", u"금색")
                               : d.question());
            d.lblFeedback->setText(longestFeedback);
            verifyLayout(&d);
        }
    }
}

void tst_PracticeDialog::readByKeyboard_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("answer"); // right, wrong or text
    QTest::newRow("kilo-ohms") << u"K\u2126"_s << u"right"_s;
    QTest::newRow("megaohms") << u"M\u2126"_s << u"right"_s;
    QTest::newRow("wrong") << u"K\u2126"_s << u"wrong"_s;
    QTest::newRow("not a number") << u"K\u2126"_s << u"text"_s;
}

void tst_PracticeDialog::readByKeyboard()
{
    QFETCH(QString, unit);
    QFETCH(QString, answer);
    auto w = uitest::openWindow();
    practice::Session session;
    frmPractice d(w.get(), session, m_record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const practice::Resistor q = d.question();
    verifyBands(d, q);

    QString typed = u"0.5"_s; // never right: every question is 10 Ω or more
    if (answer == u"right")
        typed =
            u" "_s +
            colorcode::numberText(q.value.inUnit(*colorcode::unitOf(unit, colorcode::kListUnits))) +
            u" "_s;
    else if (answer == u"text")
        typed = u"4.7K"_s;
    QTRY_COMPARE(QApplication::focusWidget(), d.txtAnswer);
    uitest::type(d.txtAnswer, typed);
    QVERIFY(uitest::pickFromList(d.cboUnit, unit));
    QVERIFY(uitest::pickFromList(d.cboTolerance, q.tolerance->text.toString()));
    d.txtAnswer->setFocus();
    QTest::keyClick(d.txtAnswer, Qt::Key_Return);

    const QString feedback = d.lblFeedback->text();
    if (answer == u"text") {
        QCOMPARE(d.lblScore->text(), u"맞힌 문제 0 / 0 · 연속 정답 0"_s);
        QCOMPARE(d.question(), q);
        return;
    }
    QVERIFY2(feedback.startsWith(answer == u"right" ? u"정답" : u"오답"), qPrintable(feedback));
    QVERIFY(feedback.endsWith(colorcode::readingWorking(q.value, q.tolerance->text)));
    QCOMPARE(d.lblScore->text(), answer == u"right" ? u"맞힌 문제 1 / 1 · 연속 정답 1"_s
                                                    : u"맞힌 문제 0 / 1 · 연속 정답 0"_s);
    // Enter again moves on.
    QCOMPARE(QApplication::focusWidget(), d.cmdNext);
    QTest::keyClick(d.cmdNext, Qt::Key_Return);
    QVERIFY(d.lblFeedback->text().isEmpty());
    QVERIFY(d.txtAnswer->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), d.txtAnswer);
}

void tst_PracticeDialog::writeByMouse()
{
    auto w = uitest::openWindow();
    practice::Session session;
    frmPractice d(w.get(), session, m_record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::mouseClick(d.optWrite, Qt::LeftButton);
    const practice::Resistor missed = d.question();
    QComboBox *digits[] = {d.cboDigit1, d.cboDigit2, d.cboDigit3};
    const auto item = [](int digit) {
        return colorcode::kBandColors[std::size_t(digit)].itemText.toString();
    };

    // A wrong first band is painted at once, judged wrong, and the question
    // comes back within five.
    QVERIFY(uitest::pickFromList(d.cboDigit1, item((missed.value.digit(0) + 5) % 10)));
    QCOMPARE(d.Band1->fillColor(),
             colorcode::digitColor((missed.value.digit(0) + 5) % 10, colorcode::Palette::Selector));
    QTest::mouseClick(d.cmdCheck, Qt::LeftButton);
    QVERIFY(d.lblFeedback->text().startsWith(u"오답"));
    for (int i = 0; i < practice::kComesBackWithin && (i == 0 || d.question() != missed); ++i)
        QTest::mouseClick(d.cmdNext, Qt::LeftButton);
    QCOMPARE(d.question(), missed);

    for (int i = 0; i < missed.value.digitCount; ++i)
        QVERIFY(uitest::pickFromList(digits[i], item(missed.value.digit(i))));
    QVERIFY(uitest::pickFromList(d.cboMultiplier, item(missed.value.exponent)));
    QVERIFY(uitest::pickFromList(d.cboToleranceBand, missed.tolerance->colourWord.toString()));
    verifyBands(d, missed);
    QTest::mouseClick(d.cmdCheck, Qt::LeftButton);
    QVERIFY2(d.lblFeedback->text().startsWith(u"정답"), qPrintable(d.lblFeedback->text()));
    QVERIFY(d.lblScore->text().startsWith(u"맞힌 문제 1 / "));
}

void tst_PracticeDialog::accessKeys_data()
{
    QTest::addColumn<QString>("from"); // the kind the dialog opens on
    QTest::addColumn<int>("key");      // pressed with Alt
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("focus"); // the control a typed 4 reaches
    QTest::addColumn<QString>("shows"); // what it shows then
    // The answer box had the focus before and has it again: the typed digit
    // was once lost to the option.
    QTest::newRow("read to marking, the answer box kept")
        << u"read"_s << int(Qt::Key_D) << u"optSmd"_s << u"txtAnswer"_s << u"4"_s;
    QTest::newRow("marking chosen again")
        << u"marking"_s << int(Qt::Key_D) << u"optSmd"_s << u"txtAnswer"_s << u"4"_s;
    QTest::newRow("read to pick") << u"read"_s << int(Qt::Key_W) << u"optWrite"_s << u"cboDigit1"_s
                                  << u"4 노랑"_s;
}

// An access key chooses the kind and the focus lands on its first answer,
// where the next key typed goes, as real key events reach it.
void tst_PracticeDialog::accessKeys()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, chosen);
    QFETCH(QString, focus);
    QFETCH(QString, shows);
    auto w = uitest::openWindow();
    practice::Session session;
    session.kind = from;
    frmPractice d(w.get(), session, m_record);
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTRY_VERIFY(QApplication::focusWidget() == d.txtAnswer ||
                QApplication::focusWidget() == d.cboDigit1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(d.findChild<QRadioButton *>(chosen)->isChecked());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
    // Longer than an access key's click takes.
    QTest::qWait(200);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_4);
    const QWidget *now = QApplication::focusWidget();
    QCOMPARE(now->objectName(), focus);
    if (auto *list = qobject_cast<const QComboBox *>(now))
        QCOMPARE(list->currentText(), shows);
    else
        QCOMPARE(qobject_cast<const QLineEdit *>(now)->text(), shows);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!d.isVisible());
}

// Each judged answer is in the record before its feedback shows, and a
// fresh dialog reads the skills it left; text that is not a number is not
// judged and not kept.
void tst_PracticeDialog::recordKept()
{
    auto w = uitest::openWindow();
    QTemporaryDir folder;
    practice::Record record(folder.filePath(u"record.sqlite"_s));
    practice::Session session;
    frmPractice d(w.get(), session, record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    uitest::type(d.txtAnswer, u"4.7K"_s);
    d.cmdCheck->click();
    QCOMPARE(record.totals(QDate::currentDate()).answers, 0);
    d.txtAnswer->clear();
    uitest::type(d.txtAnswer, u"0.5"_s);
    d.cmdCheck->click();
    QCOMPARE(record.totals(QDate::currentDate()).answers, 1);
    QCOMPARE(record.totals(QDate::currentDate()).right, 0);
}

// A folder that takes nothing: the practice goes on, and says once that
// progress is not kept.
void tst_PracticeDialog::recordNotKept()
{
    auto w = uitest::openWindow();
    QTemporaryDir folder;
    QFile blocker(folder.filePath(u"blocked"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    practice::Record record(folder.filePath(u"blocked/record.sqlite"_s));
    practice::Session session;
    const QString notice = record.statusText();
    QVERIFY(notice.contains(u"쓸 수 없어"));
    {
        frmPractice d(w.get(), session, record);
        QVERIFY(d.lblFeedback->text().contains(notice));
        uitest::type(d.txtAnswer, u"0.5"_s);
        d.cmdCheck->click();
        QVERIFY(d.lblFeedback->text().startsWith(u"오답"));
        QCOMPARE(d.lblScore->text(), u"맞힌 문제 0 / 1 · 연속 정답 0"_s);
    }
    frmPractice again(w.get(), session, record);
    QVERIFY(!again.lblFeedback->text().contains(notice));
}

// A chip's marking read into its value: no tolerance asked, the slip of the
// last digit named, the answer kept under its marking and form.
void tst_PracticeDialog::markingQuestions()
{
    auto w = uitest::openWindow();
    QTemporaryDir folder;
    practice::Record record(folder.filePath(u"record.sqlite"_s));
    practice::Session session;
    frmPractice d(w.get(), session, record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::mouseClick(d.optSmd, Qt::LeftButton);
    // Until a three-digit marking, whose slip is the classic one.
    for (int i = 0; i < 200 && !QRegularExpression(u"^[1-9][0-9][1-9]$"_s)
                                    .match(d.picQuestionChip->property("marking").toString())
                                    .hasMatch();
         ++i)
        d.cmdNext->click();
    const QString marking = d.picQuestionChip->property("marking").toString();
    QVERIFY(d.picQuestionChip->isVisible() && !d.picQuestion->isVisible());
    // Spelled, never read whole as a number.
    const QString chipName = d.picQuestionChip->accessibleName();
    QVERIFY2(chipName.startsWith(u"표시 "_s) && !chipName.contains(marking), qPrintable(chipName));
    QVERIFY(!d.cboTolerance->isVisible() && d.txtAnswer->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), d.txtAnswer);
    uitest::type(d.txtAnswer, marking);
    QVERIFY(uitest::pickFromList(d.cboUnit, u"\u2126"_s));
    // The questions moved past unanswered are not counted.
    const int asked = session.score.asked;
    QCOMPARE(asked, 0);
    d.cmdCheck->click();
    QVERIFY2(d.lblFeedback->text().startsWith(u"오답"), qPrintable(d.lblFeedback->text()));
    QCOMPARE(d.lblScore->text(), u"맞힌 문제 0 / %1 · 연속 정답 0"_s.arg(asked + 1));
    QCOMPARE(record.totals(QDate::currentDate()).answers, 1);
    const practice::SkillStates skills = record.skills();
    const practice::SkillState &threeDigit =
        skills[std::size_t(*practice::markingSkill(int(smd::Form::ThreeDigit)))];
    QCOMPARE(threeDigit.asked, 1);
    QCOMPARE(threeDigit.right, 0);

    bool progressAsked = false;
    connect(&d, &frmPractice::progressRequested, this, [&] { progressAsked = true; });
    d.cmdProgress->click();
    QVERIFY(progressAsked);
}

// "기록 보기" opens the progress view over the practice; the pages stay
// disabled until the practice closes too.
void tst_PracticeDialog::progressFromPractice()
{
    auto w = uitest::openWindow();
    bool progressOpened = false, pagesStillDisabled = false;
    auto practiceWatch = uitest::onNextDialog(u"frmPractice"_s, [&](QWidget *d) {
        auto progressWatch = uitest::onNextDialog(u"frmProgress"_s, [&](QWidget *p) {
            progressOpened = !w->SSTab1->isEnabled();
            QTest::keyClick(p, Qt::Key_Escape);
        });
        QTest::mouseClick(d->findChild<QWidget *>(u"cmdProgress"_s), Qt::LeftButton);
        pagesStillDisabled = !w->SSTab1->isEnabled();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    w->Menu_practice->trigger();
    QVERIFY(*practiceWatch);
    QVERIFY(progressOpened);
    QVERIFY(pagesStillDisabled);
    QVERIFY(w->SSTab1->isEnabled());
}

// A learner walks the kinds in turn: read, marking, pick, marking, read, with
// right and wrong answers, a skipped question and a refused one. The score
// after each step, the feedback, and the record's rows are as the learner
// expects; the practice opens again on the kind it was left on.
void tst_PracticeDialog::everyKindInTurn()
{
    auto w = uitest::openWindow();
    QTemporaryDir folder;
    const QString path = folder.filePath(u"record.sqlite"_s);
    practice::Record record(path);
    practice::Session session;
    frmPractice d(w.get(), session, record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const auto check = [&](const QString &verdict, const QString &score) {
        d.cmdCheck->click();
        QVERIFY2(d.lblFeedback->text().startsWith(verdict), qPrintable(d.lblFeedback->text()));
        QCOMPARE(d.lblScore->text(), score);
        // Judged once: checking again changes nothing.
        d.cmdCheck_Click();
        QCOMPARE(d.lblScore->text(), score);
    };

    // Read, right.
    QVERIFY(d.optRead->isChecked());
    const practice::Resistor read = d.question();
    answerOhms(d, read.value.ohms());
    QVERIFY(uitest::pickFromList(d.cboTolerance, read.tolerance->text.toString()));
    check(u"정답"_s, u"맞힌 문제 1 / 1 · 연속 정답 1"_s);

    // A marking, wrong in no named way; then one left unanswered.
    QTest::mouseClick(d.optSmd, Qt::LeftButton);
    QVERIFY(d.picQuestionChip->isVisible() && !d.cboTolerance->isVisible());
    // A tenth of the value: ten times is the last-digit slip for a marking
    // that ends in 0, which has a name of its own.
    answerOhms(d, d.question().value.ohms() / 10);
    check(u"오답입니다. 저항값이 틀렸습니다."_s, u"맞힌 문제 1 / 2 · 연속 정답 0"_s);
    d.cmdNext->click();
    QCOMPARE(d.lblScore->text(), u"맞힌 문제 1 / 2 · 연속 정답 0"_s);

    // Pick, right: the marking left before 채점 is not counted.
    QTest::mouseClick(d.optWrite, Qt::LeftButton);
    QCOMPARE(d.lblScore->text(), u"맞힌 문제 1 / 2 · 연속 정답 0"_s);
    pickBands(d, d.question());
    check(u"정답"_s, u"맞힌 문제 2 / 3 · 연속 정답 1"_s);

    // A marking: a negative value refused as letters are, then right.
    QTest::mouseClick(d.optSmd, Qt::LeftButton);
    uitest::type(d.txtAnswer, u"-47"_s);
    d.cmdCheck->click();
    QCOMPARE(d.lblFeedback->text(), practice::kNumberRequest.toString());
    QCOMPARE(d.lblScore->text(), u"맞힌 문제 2 / 3 · 연속 정답 1"_s);
    answerOhms(d, d.question().value.ohms());
    check(u"정답"_s, u"맞힌 문제 3 / 4 · 연속 정답 2"_s);

    // Read, the value right and the tolerance wrong.
    QTest::mouseClick(d.optRead, Qt::LeftButton);
    const practice::Resistor last = d.question();
    answerOhms(d, last.value.ohms());
    QVERIFY(uitest::pickFromList(
        d.cboTolerance, last.tolerance == &colorcode::kTolerances[0] ? u"±10%"_s : u"±5%"_s));
    check(u"오답입니다. 저항값은 맞지만 허용오차가 틀렸습니다."_s,
          u"맞힌 문제 3 / 5 · 연속 정답 0"_s);

    QCOMPARE(recordRows(path), (QStringList{u"read right"_s, u"marking wrong"_s, u"write right"_s,
                                            u"marking right"_s, u"read wrong tolerance-only"_s}));

    // Left on the markings, the practice opens on them again.
    QTest::mouseClick(d.optSmd, Qt::LeftButton);
    const practice::Question left = d.current();
    d.close();
    frmPractice again(w.get(), session, record);
    QVERIFY(again.optSmd->isChecked() && !again.optRead->isChecked());
    QCOMPARE(again.current(), left);
    QCOMPARE(again.lblScore->text(), u"맞힌 문제 3 / 5 · 연속 정답 0"_s);
}

// A kind made in the test gets its option, its answer controls and the one
// flow of check, score and next.
void tst_PracticeDialog::kindPlugsIn()
{
    auto w = uitest::openWindow();
    const TenOhms ten;
    const std::array<const practice::QuestionKind *, 2> kinds{&practice::bandReading(), &ten};
    practice::Session session;
    frmPractice d(w.get(), session, m_record, kinds);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QVERIFY(!d.optWrite && !d.optSmd);
    auto *option = d.findChild<QRadioButton *>(u"optTen"_s);
    QVERIFY(option);
    QCOMPARE(option->accessibleName(), u"십 옴"_s);
    QTest::mouseClick(option, Qt::LeftButton);
    QCOMPARE(d.lblInstruction->text(), ten.instruction());
    QCOMPARE(d.lblQuestion->text(), u"10\u2126"_s);
    QVERIFY(d.txtAnswer->isVisible() && !d.cboTolerance->isVisible() && !d.cboDigit1->isVisible());
    answerOhms(d, 10);
    d.cmdCheck->click();
    QCOMPARE(d.lblFeedback->text(), u"정답입니다."_s);
    QCOMPARE(d.lblScore->text(), u"맞힌 문제 1 / 1 · 연속 정답 1"_s);
    verifyLayout(&d);
}

QTEST_MAIN(tst_PracticeDialog)
#include "tst_practicedialog.moc"
