// Qt's own texts, the ones the program does not write itself, read Korean
// once the application is set up; without Qt's translation file they stay as
// they were, quietly.

#include "shell/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QApplication &app()
{
    return *qobject_cast<QApplication *>(QCoreApplication::instance());
}

bool koreanFileInstalled()
{
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                             u"/qtbase_ko.qm"_s);
}

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { shell::setUpApplication(app()); }

    void messageBoxOkButton()
    {
        if (!koreanFileInstalled())
            QSKIP("qtbase_ko.qm is not installed (qt6-translations-l10n)");
        QMessageBox box(QMessageBox::Warning, u"Pallado"_s, u"값을 입력하십시오."_s,
                        QMessageBox::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.button(QMessageBox::Ok)->text(), u"확인"_s);
    }

    void textFieldEditMenu()
    {
        if (!koreanFileInstalled())
            QSKIP("qtbase_ko.qm is not installed (qt6-translations-l10n)");
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                texts << action->text().section(u'\t', 0, 0); // without the shortcut
        }
        QCOMPARE(texts, (QStringList{u"실행 취소(&U)"_s, u"다시 실행(&R)"_s, u"잘라내기(&T)"_s,
                                     u"복사(&C)"_s, u"붙여넣기(&P)"_s, u"삭제"_s, u"모두 선택"_s}));
    }

    void folderWithoutTheFile()
    {
        const QTemporaryDir empty;
        QVERIFY(empty.isValid());
        const qsizetype translators = app().findChildren<QTranslator *>().size();
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        QVERIFY(!shell::installQtTranslations(app(), empty.path()));
        QCOMPARE(app().findChildren<QTranslator *>().size(), translators);
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
