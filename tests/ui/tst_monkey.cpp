// A random-input run of the whole window: thousands of random user actions
// (picks, clicks, typing, Enter, tab changes, menu commands, every message box
// and dialog answered), with the window's invariants checked after each one.
//
// PALLADO_MONKEY_SEED and PALLADO_MONKEY_ACTIONS choose the run (`make monkey
// SEED=n ACTIONS=n`); the seed is printed, so a failing run can be repeated.

#include "uitest.h"

#include "colorcode/colortables.h"
#include "colorcode/marking.h"
#include "colorcode/numbertext.h"
#include "colorcode/readingworking.h"
#include "pages/practice/practicedialog.h"
#include "widgets/bandshape.h"
#include "widgets/chippicture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <set>

using namespace Qt::StringLiterals;
using namespace colorcode;

namespace {

constexpr quint32 kDefaultSeed = 20261208;
constexpr int kDefaultActions = 20000;

quint32 envNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 v = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? v : fallback;
}

// Pieces a learner might type: digits, points, letters, blanks, Korean, both
// ohm signs, signs and exponents.
const QStringList kPieces = {
    u"0"_s,      u"1"_s,      u"2"_s, u"4"_s, u"5"_s,     u"7"_s,     u"9"_s, u"."_s, u"."_s,
    u"k"_s,      u"K"_s,      u"M"_s, u"e"_s, u"x"_s,     u" "_s,     u"-"_s, u"+"_s, u"저항"_s,
    u"\u2126"_s, u"\u03A9"_s, u"%"_s, u"±"_s, u"1e999"_s, u"\u0665"_s /* Arabic-Indic five */};

// The offscreen platform cannot grab the keyboard or raise a window; a popup
// or dialog asks for that thousands of times in a run, so those notes are
// dropped and everything else goes through.
QtMessageHandler g_defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"))
        return;
    g_defaultHandler(type, context, message);
}

bool isNumberWithUnit(const QString &text)
{
    for (QStringView unit : {kGigaOhm, kMegaOhm, kKiloOhm, kOhm}) {
        if (text.endsWith(unit)) {
            const QStringView number = QStringView(text).chopped(unit.size());
            // Exactly as the page writes numbers: parses back to its own text.
            const std::optional<double> v = parseNumber(number);
            return v && numberText(*v) == number;
        }
    }
    return false;
}

// The first band under `root` painted in a colour outside its page's
// palette, as "Shape9 painted 123456"; empty when there is none. Page 0 and
// the practice paint with the selector palette, the others with the encoder's.
QString wrongBandColour(const QWidget *root)
{
    static const std::set<quint32> selectorColours = [] {
        std::set<quint32> s;
        for (const BandColor &c : kBandColors)
            s.insert(c.selectorColor);
        for (const ToleranceEntry &t : kTolerances)
            s.insert(t.selectorColor);
        return s;
    }();
    static const std::set<quint32> encoderColours = [] {
        std::set<quint32> s;
        for (const BandColor &c : kBandColors)
            s.insert(c.encoderColor);
        for (const ToleranceEntry &t : kTolerances)
            s.insert(t.encoderColor);
        return s;
    }();
    for (const ui::BandShape *band : root->findChildren<ui::BandShape *>()) {
        if (!band->filled())
            continue;
        const QString picture = band->parentWidget()->objectName();
        const bool selector = picture == u"Picture5" || picture == u"picQuestion";
        if (!(selector ? selectorColours : encoderColours).count(band->fillColor()))
            return u"%1 painted %2"_s.arg(band->objectName()).arg(band->fillColor(), 0, 16);
    }
    return {};
}

} // namespace

class tst_Monkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomActions();

private:
    void act();
    void check(const QString &action);
    void answerModal();
    void practise(frmPractice *dialog);
    QList<QWidget *> visibleOnPage() const;

    std::unique_ptr<Form1> m_window;
    QRandomGenerator m_rng;
    QTemporaryDir m_settings;
    QString m_label3Before;
    QString m_label3Candidate;
    int m_boxesAnswered = 0;
    int m_dialogsAnswered = 0;
    int m_practiceActions = 0;
    bool m_practising = false; // the answerer runs again while a list's popup is open
    QString m_practiceProblem;
};

void tst_Monkey::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    uitest::setUp();
    g_defaultHandler = qInstallMessageHandler(quietHandler);
}

QList<QWidget *> tst_Monkey::visibleOnPage() const
{
    QList<QWidget *> out;
    const auto all = m_window->SSTab1->currentWidget()->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (w->isVisible() && w->isEnabled())
            out << w;
    }
    return out;
}

void tst_Monkey::answerModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        ++m_boxesAnswered;
        if (QAbstractButton *b = box->buttons().value(0))
            b->click();
        else
            box->reject();
        return;
    }
    if (auto *practice = qobject_cast<frmPractice *>(modal)) {
        if (m_practising)
            return;
        ++m_dialogsAnswered;
        m_practising = true;
        practise(practice);
        m_practising = false;
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        ++m_dialogsAnswered;
        // Sometimes step through a few tips first; then close it one way or another.
        if (auto *next = dialog->findChild<QAbstractButton *>(u"cmdNextTip"_s)) {
            for (int i = int(m_rng.bounded(4)); i > 0; --i)
                next->click();
        }
        switch (m_rng.bounded(3)) {
        case 0:
            if (auto *ok = dialog->findChild<QAbstractButton *>(
                    dialog->objectName() == u"frmTip" ? u"cmdOK"_s : u"Cmd_ok"_s)) {
                ok->click();
                break;
            }
            [[fallthrough]];
        case 1:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        default:
            dialog->close();
        }
    }
}

// A few random actions in the practice dialog, its feedback checked after
// each, then it is closed one way or another.
void tst_Monkey::practise(frmPractice *dialog)
{
    for (int i = int(m_rng.bounded(12)); i > 0 && m_practiceProblem.isEmpty(); --i) {
        ++m_practiceActions;
        QList<QWidget *> controls;
        for (QWidget *w : dialog->findChildren<QWidget *>()) {
            // The progress view it opens is reached from the menu instead: the
            // answerer cannot answer a dialog opened while it acts.
            if (w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus &&
                w != dialog->cmdClose && w != dialog->cmdProgress)
                controls << w;
        }
        QWidget *control = controls[int(m_rng.bounded(controls.size()))];
        if (auto *list = qobject_cast<QComboBox *>(control)) {
            uitest::pickFromList(list, list->itemText(int(m_rng.bounded(list->count()))));
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            edit->setFocus();
            uitest::type(edit, kPieces[int(m_rng.bounded(kPieces.size()))]);
            if (m_rng.bounded(2))
                QTest::keyClick(edit, Qt::Key_Return);
        } else {
            QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        }
        const QString feedback = dialog->lblFeedback->text();
        const practice::Resistor &q = dialog->question();
        // A marking's working comes from the chip's marking.
        const QString marking = dialog->picQuestionChip->property("marking").toString();
        const QString working = dialog->optSmd->isChecked()
                                    ? smd::markingWorking(marking, smd::readMarking(marking))
                                    : colorcode::readingWorking(q.value, q.tolerance->text);
        const bool judged = (feedback.startsWith(u"정답") || feedback.startsWith(u"오답")) &&
                            feedback.endsWith(u'\n' + working);
        if (!feedback.isEmpty() && !judged &&
            feedback != practice::feedback(q, practice::Kind::Read, std::nullopt))
            m_practiceProblem = u"feedback \"%1\""_s.arg(feedback);
        else if (const QString bad = wrongBandColour(dialog); !bad.isEmpty())
            m_practiceProblem = bad;
    }
    switch (m_rng.bounded(3)) {
    case 0:
        dialog->cmdClose->click();
        break;
    case 1:
        QTest::keyClick(dialog, Qt::Key_Escape);
        break;
    default:
        dialog->close();
    }
}

void tst_Monkey::act()
{
    // What page 1's result label may read after this action: unchanged, "?",
    // or the entry, unit and tolerance as they stand now.
    const auto text = [this](const char *name) {
        if (auto *e = m_window->findChild<QLineEdit *>(QString::fromLatin1(name)))
            return e->text();
        if (auto *c = m_window->findChild<QComboBox *>(QString::fromLatin1(name)))
            return c->currentText();
        return QString();
    };
    m_label3Before = m_window->findChild<QLabel *>(u"Label3"_s)->text();
    m_label3Candidate = text("Text25") + text("Combo1") + text("Combo2");

    const QList<QWidget *> controls = visibleOnPage();
    QList<QComboBox *> lists;
    QList<QAbstractButton *> buttons;
    QList<QLineEdit *> edits;
    for (QWidget *w : controls) {
        if (auto *c = qobject_cast<QComboBox *>(w))
            lists << c;
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            buttons << b;
        else if (auto *e = qobject_cast<QLineEdit *>(w); e && !e->isReadOnly())
            edits << e;
    }

    const quint32 roll = m_rng.bounded(100);
    if (roll < 25 && !lists.isEmpty()) {
        QComboBox *list = lists[int(m_rng.bounded(lists.size()))];
        if (list->count() > 0)
            uitest::pickFromList(list, list->itemText(int(m_rng.bounded(list->count()))));
    } else if (roll < 55 && !buttons.isEmpty()) {
        QTest::mouseClick(buttons[int(m_rng.bounded(buttons.size()))], Qt::LeftButton);
    } else if (roll < 80 && !edits.isEmpty()) {
        QLineEdit *edit = edits[int(m_rng.bounded(edits.size()))];
        edit->setFocus();
        if (m_rng.bounded(3) == 0) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        if (m_rng.bounded(200) == 0) {
            // A very long paste.
            QGuiApplication::clipboard()->setText(QString(int(2000 + m_rng.bounded(8000)), u'9'));
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            QString typed;
            for (int i = int(1 + m_rng.bounded(4)); i > 0; --i)
                typed += kPieces[int(m_rng.bounded(kPieces.size()))];
            uitest::type(edit, typed);
        }
    } else if (roll < 90) {
        if (QWidget *focus = QApplication::focusWidget())
            QTest::keyClick(focus, Qt::Key_Return);
    } else if (roll < 97) {
        QTabBar *bar = m_window->SSTab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->tabRect(int(m_rng.bounded(bar->count()))).center());
    } else {
        QAction *const menus[] = {m_window->Menu_r, m_window->Menu_about, m_window->Menu_practice,
                                  m_window->Menu_progress, m_window->Menu_worksheet};
        menus[m_rng.bounded(quint32(std::size(menus)))]->trigger();
    }
    QCoreApplication::processEvents();
}

void tst_Monkey::check(const QString &action)
{
    QVERIFY2(m_window->isVisible(), qPrintable(action));
    QVERIFY2(!QApplication::activeModalWidget(), qPrintable(action));
    QVERIFY2(m_window->SSTab1->isEnabled(), qPrintable(action));
    QVERIFY2(m_practiceProblem.isEmpty(), qPrintable(m_practiceProblem + u" in "_s + action));

    // Page 0's tolerance list holds exactly the entries of its mode.
    auto *combo11 = m_window->findChild<QComboBox *>(u"Combo11"_s);
    auto *option1 = m_window->findChild<QRadioButton *>(u"Option1"_s);
    QStringList items;
    for (int i = 0; i < combo11->count(); ++i)
        items << combo11->itemText(i);
    QCOMPARE(items, option1->isChecked() ? itemTexts(kFourBandTolerances)
                                         : itemTexts(kFiveBandTolerances));

    // Every painted band is a colour of its page's palette.
    const QString badBand = wrongBandColour(m_window.get());
    QVERIFY2(badBand.isEmpty(), qPrintable(badBand + u" after "_s + action));

    // The readouts are empty, "0" or a number with its unit.
    for (const char *name : {"Text17", "Text32"}) {
        const QString shown = m_window->findChild<QLineEdit *>(QString::fromLatin1(name))->text();
        QVERIFY2(shown.isEmpty() || shown == u"0" || isNumberWithUnit(shown),
                 qPrintable(
                     u"%1 shows \"%2\" after %3"_s.arg(QString::fromLatin1(name), shown, action)));
    }

    // Page 1's result label is "?" or the entry with unit and tolerance.
    const QString label3 = m_window->findChild<QLabel *>(u"Label3"_s)->text();
    QVERIFY2(label3 == m_label3Before || label3 == u"?" || label3 == m_label3Candidate,
             qPrintable(u"Label3 shows \"%1\" after %2"_s.arg(label3, action)));
}

void tst_Monkey::randomActions()
{
    const quint32 seed = envNumber("PALLADO_MONKEY_SEED", kDefaultSeed);
    const int actions = int(envNumber("PALLADO_MONKEY_ACTIONS", kDefaultActions));
    qInfo("monkey: seed %u, %d actions", seed, actions);
    m_rng.seed(seed);
    m_window = uitest::openWindow();

    QTimer answerer;
    answerer.setInterval(2);
    connect(&answerer, &QTimer::timeout, this, &tst_Monkey::answerModal);
    answerer.start();

    for (int i = 0; i < actions; ++i) {
        act();
        check(u"action %1 of seed %2"_s.arg(i).arg(seed));
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("monkey: %d actions done, %d message boxes and %d dialogs answered, %d actions in the "
          "practice",
          actions, m_boxesAnswered, m_dialogsAnswered, m_practiceActions);
    // The run acted in the practice dialog, so its checks were made.
    if (actions >= kDefaultActions)
        QVERIFY(m_practiceActions > 0);
}

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
