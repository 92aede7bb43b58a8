// The learner's dialogs kept out of the program's start: the program links
// none of their libraries, the module it opens instead is there and answers,
// and a missing module is told, not fatal.

#include "uitest.h"

#include "learner/record.h"

#include <QAction>
#include <QLibrary>
#include <QProcess>
#include <QTabWidget>

using namespace Qt::StringLiterals;

class tst_LearnerDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void programLinksNone_data();
    void programLinksNone();
    void moduleAnswers();
    void missingModuleIsTold();
};

void tst_LearnerDialogs::initTestCase()
{
    uitest::setUp();
}

void tst_LearnerDialogs::programLinksNone_data()
{
    QTest::addColumn<QString>("library");
    QTest::newRow("Qt Charts, the progress view's") << u"libQt6Charts"_s;
    QTest::newRow("Print Support, the worksheet's") << u"libQt6PrintSupport"_s;
    QTest::newRow("Sql, the record's") << u"libQt6Sql"_s;
    QTest::newRow("the keyring, joining's") << u"libqt6keychain"_s;
}

// What the program itself loads before its first frame: the libraries it
// names in its dynamic section.
void tst_LearnerDialogs::programLinksNone()
{
    QFETCH(QString, library);
    QProcess readelf;
    readelf.start(u"readelf"_s, {u"--dynamic"_s, QStringLiteral(PALLADO_PROGRAM)});
    QVERIFY(readelf.waitForFinished());
    const QString dynamic = QString::fromLocal8Bit(readelf.readAllStandardOutput());
    QVERIFY2(dynamic.contains(u"libQt6Widgets"_s), qPrintable(dynamic));
    QVERIFY2(!dynamic.contains(library), qPrintable(dynamic));
}

void tst_LearnerDialogs::moduleAnswers()
{
    QLibrary module(QStringLiteral(PALLADO_DIALOGS_MODULE));
    QVERIFY2(module.resolve(shell::kMakerSymbol), qPrintable(module.errorString()));
}

// An install without the module (here: the test's own folder, which has
// none): the menu item says so, and the window goes on working.
void tst_LearnerDialogs::missingModuleIsTold()
{
    const auto w = uitest::openWindow();
    const auto linked = std::get<shell::LearnerDialogsMaker>(shell::loadLearnerDialogs());
    shell::setLinkedLearnerDialogs(nullptr);
    const uitest::BoxAnswerer answer;
    uitest::find<QAction>(w.get(), u"Menu_progress"_s)->trigger();
    shell::setLinkedLearnerDialogs(linked);
    QVERIFY(answer.seen().seen);
    QVERIFY2(answer.seen().text.startsWith(u"학습 기록과 반 기능을 열지 못했습니다."_s),
             qPrintable(answer.seen().text));
    QVERIFY2(answer.seen().text.contains(QStringLiteral(PALLADO_DIALOGS_FILE_NAME)),
             qPrintable(answer.seen().text));
    QCOMPARE(answer.seen().icon, QMessageBox::Warning);
    // Nothing else was opened, the pages stay usable and the dialogs open
    // once the module is there.
    QVERIFY(w->SSTab1->isEnabled());
    QVERIFY(!w->joined());
    QCOMPARE(w->record().path(), practice::Record::defaultPath());
}

QTEST_MAIN(tst_LearnerDialogs)
#include "tst_learnerdialogs.moc"
