// Saves a PNG of each page of the main window and of every dialog, under the
// offscreen platform, so it needs no display, and a sample worksheet PDF:
//   pallado_shots <folder> [scale]     (scale 1, 1.5 or 2; default 1)
// With DARK=1 in the environment (make shots DARK=1) the window is shown in a
// dark scheme, as a dark desktop theme gives it, and the files are named
// page2-dark.png and so on.

#include "colorcode/numbertext.h"
#include "learner/record.h"
#include "pages/classview/classdialog.h"
#include "pages/join/joindialog.h"
#include "pages/join/jointexts.h"
#include "pages/practice/practicedialog.h"
#include "pages/progress/progressdialog.h"
#include "pages/smd/smdpage.h"
#include "pages/worksheet/worksheet.h"
#include "pages/worksheet/worksheetdialog.h"
#include "server/scratchserver.h"
#include "shell/aboutdialog.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/tipdialog.h"

#include "pages/color_to_value/colortovaluepage.h"
#include "pages/guide/guidepage.h"
#include "pages/led/ledpage.h"
#include "pages/value_to_color/valuetocolorpage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool save(QWidget &w, const QString &path)
{
    w.activateWindow();
    QTest::qWait(50);
    const QPixmap pixmap = w.grab();
    if (!pixmap.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Close to GNOME's and KDE's dark schemes, set before the window exists, as
// a platform theme sets it.
QPalette darkPalette()
{
    QPalette p(QColor(0x30, 0x30, 0x30), QColor(0x24, 0x24, 0x24));
    p.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    p.setColor(QPalette::AlternateBase, QColor(0x2A, 0x2A, 0x2A));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return p;
}

// Three weeks of a learner: a sitting of 20 on most days, read and picked
// questions in turn, fewer slips as the days go by; a slip takes a digit's
// neighbour colour. The same every run, so two runs compare.
void practise(practice::Record &record)
{
    using namespace practice;
    std::mt19937 random(7);
    Review review;
    std::vector<Answer> answers;
    constexpr int kDays = 21;
    for (int back = kDays - 1; back >= 0; --back) {
        if (back % 6 == 4)
            continue;
        const QDateTime evening(QDate::currentDate().addDays(-back), QTime(18, 0));
        for (int i = 0; i < 20; ++i) {
            const QDateTime when = evening.addSecs(30 * i);
            const Resistor q = pickNext(review, random);
            Resistor given = q;
            if (int(random() % 100) < 10 + 2 * back)
                given.value.significand += given.value.significand % 10 == 9 ? -1 : 1;
            if (i % 2 == 0) {
                const colorcode::Unit &unit = given.value.unit(colorcode::kListUnits);
                const QString number = colorcode::numberText(given.value.inUnit(unit));
                const Judgement j = *judgeReading(q, number, unit.suffix, q.tolerance->text);
                answers.push_back(
                    readingAnswer(q, number, unit.suffix, q.tolerance->text, j, 6.0, when));
            } else {
                answers.push_back(pickingAnswer(q, given, judgeWriting(q, given), 9.0, when));
            }
            remember(review, q, answers.back().judgement.right);
        }
    }
    record.add(answers);
    // Shown only once written: the record writes on a thread of its own.
    record.waitWritten(60000);
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray scale = argc > 2 ? QByteArray(argv[2]) : QByteArray("1");
    qputenv("QT_SCALE_FACTOR", scale);
    QApplication app(argc, argv);
    shell::setUpApplication(app);
    const bool dark = qEnvironmentVariableIntValue("DARK") != 0;
    if (dark)
        QApplication::setPalette(darkPalette());
    // Screenshots never touch the user's own settings, and show the tips
    // file that is built beside the program.
    QStandardPaths::setTestModeEnabled(true);
    frmTip::setTipsFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);
    const QString suffix =
        (dark ? QStringLiteral("-dark") : QString()) +
        (scale == "1" ? QString() : QStringLiteral("@") + QString::fromLatin1(scale));

    bool ok = true;
    Form1 window;
    window.show();
    for (int page = 0; page < window.SSTab1->count(); ++page) {
        window.SSTab1->setCurrentIndex(page);
        ok &= save(window, QStringLiteral("%1/page%2%3.png").arg(folder).arg(page).arg(suffix));
    }

    // Page 0 in 6-band mode, numbers on the bands, with a result.
    window.SSTab1->setCurrentIndex(0);
    ColorToValuePage *page0 = window.colorToValuePage();
    window.Menu_bandLabels->setChecked(true);
    page0->optSixBand->click();
    page0->Combo7->setCurrentIndex(4);
    page0->Combo7_Click();
    page0->Combo8->setCurrentIndex(7);
    page0->Combo8_Click();
    page0->Combo10->setCurrentIndex(1);
    page0->Combo10_Click();
    page0->Command18->click();
    ok &= save(window, QStringLiteral("%1/page0-six%2.png").arg(folder, suffix));
    page0->Option1->click();
    // Page 1 with the 5-band codes of 4.75 kΩ and of 1 Ω (silver).
    window.SSTab1->setCurrentIndex(1);
    ValueToColorPage *page1 = window.valueToColorPage();
    page1->optEncodeFive->click();
    page1->Text25->setText(QStringLiteral("4.75"));
    page1->Combo1->setCurrentIndex(1);
    page1->Command3->click();
    ok &= save(window, QStringLiteral("%1/page1-five%2.png").arg(folder, suffix));
    page1->Text25->setText(QStringLiteral("1"));
    page1->Combo1->setCurrentIndex(0);
    page1->Command3->click();
    ok &= save(window, QStringLiteral("%1/page1-five-silver%2.png").arg(folder, suffix));
    page1->optEncodeFour->click();
    window.Menu_bandLabels->setChecked(false);
    // The SMD page with its longest results: a value written in every form,
    // and a marking read both ways, whose working is the longest.
    SmdPage *smd = window.smdPage();
    window.SSTab1->setCurrentWidget(smd);
    smd->txtChipValue->setText(QStringLiteral("10"));
    smd->cmdMakeMarking->click();
    smd->txtMarking->setText(QStringLiteral("10R"));
    smd->cmdReadMarking->click();
    ok &= save(window, QStringLiteral("%1/page-smd-results%2.png").arg(folder, suffix));
    // Page 2 below 10 Ω: 3 Ω, its real code in the working and 3 W of heat.
    LedPage *page2 = window.ledPage();
    window.SSTab1->setCurrentWidget(page2);
    page2->Text26->setText(QStringLiteral("5"));
    page2->Text30->setText(QStringLiteral("2"));
    page2->Text31->setText(QStringLiteral("1000"));
    page2->Command5->click();
    ok &= save(window, QStringLiteral("%1/page2-small%2.png").arg(folder, suffix));
    page2->Command4->click();
    // The guide on the 6-band resistor.
    GuidePage *guide = window.guidePage();
    window.SSTab1->setCurrentWidget(guide);
    guide->optGuideSix->click();
    ok &= save(window, QStringLiteral("%1/page3-six%2.png").arg(folder, suffix));
    guide->Option3->click();

    frmTip tip(&window);
    if (tip.Form_Load()) {
        tip.show();
        ok &= save(tip, QStringLiteral("%1/tip%2.png").arg(folder, suffix));
    }
    fmAbout about(&window);
    about.show();
    ok &= save(about, QStringLiteral("%1/about%2.png").arg(folder, suffix));
    about.hide();

    practice::Session session;
    QTemporaryDir recordFolder;
    practice::Record record(recordFolder.filePath(QStringLiteral("record.sqlite")));
    frmPractice practice(&window, session, record);
    practice.show();
    ok &= save(practice, QStringLiteral("%1/practice%2.png").arg(folder, suffix));
    practice.optWrite->click();
    ok &= save(practice, QStringLiteral("%1/practice-write%2.png").arg(folder, suffix));
    // Each kind with its feedback: a wrong answer checked.
    const std::pair<QRadioButton *, QString> kinds[] = {
        {practice.optRead, QStringLiteral("read")},
        {practice.optWrite, QStringLiteral("write")},
        {practice.optSmd, QStringLiteral("smd")}};
    for (const auto &[option, name] : kinds) {
        option->click();
        practice.txtAnswer->setText(QStringLiteral("1"));
        practice.cmdCheck->click();
        ok &= save(practice,
                   QStringLiteral("%1/practice-%2-checked%3.png").arg(folder, name, suffix));
    }
    practice.hide();

    practise(record);
    frmProgress progress(&window, record);
    // Its own size: the offscreen screen is smaller than a desktop's, and
    // would have the table scroll.
    progress.resize(progress.sizeHint());
    progress.show();
    ok &= save(progress, QStringLiteral("%1/progress%2.png").arg(folder, suffix));
    progress.hide();

    // The teacher's view of a class of six, one not yet answering, on a
    // server of its own where PostgreSQL is installed.
    if (ScratchServer server; server.started() && !classdb::setUp(server.admin())) {
        const QString teacher = QStringLiteral("이 선생");
        const QStringList pupils{QStringLiteral("김민수"), QStringLiteral("이서연"),
                                 QStringLiteral("박지훈"), QStringLiteral("최유진"),
                                 QStringLiteral("정하늘"), QStringLiteral("O'Brien 한")};
        {
            auto opened = classdb::connect(server.admin(), QStringLiteral("admin"));
            QSqlDatabase &admin = std::get<QSqlDatabase>(opened);
            for (const QString &pupil : pupils)
                classdb::addPerson(admin, pupil, QStringLiteral("pw"), classdb::PersonKind::Pupil);
            classdb::addPerson(admin, teacher, QStringLiteral("pw"), classdb::PersonKind::Teacher);
            generateAnswers(admin, pupils.mid(0, 5), 3000, 21);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));
        frmClass view(&window, server.as(teacher, QStringLiteral("pw")));
        view.Form_Load();
        if (QTest::qWaitFor([&] { return view.cmdExportClass->isEnabled(); }, 10000)) {
            view.resize(view.sizeHint());
            view.show();
            ok &= save(view, QStringLiteral("%1/class%2.png").arg(folder, suffix));
            view.hide();
        }
    }

    frmWorksheet worksheet(&window);
    worksheet.show();
    ok &= save(worksheet, QStringLiteral("%1/worksheet%2.png").arg(folder, suffix));
    // The longest sheet of every kind, the same every time, so two runs
    // compare.
    practice::WorksheetRecipe recipe;
    recipe.seed = 1;
    recipe.count = practice::kWorksheetMost;
    recipe.kinds = {true, true, true};
    const std::vector<practice::WorksheetQuestion> sheet = practice::worksheetQuestions(recipe);
    const QString pdf = QStringLiteral("%1/worksheet.pdf").arg(folder);
    ok &= practice::writeWorksheetPdf(pdf, sheet, {practice::sheetCode(recipe), true, true, false});
    std::printf("%s\n", qPrintable(pdf));
    // And as it prints in black and white, without its key.
    const QString grey = QStringLiteral("%1/worksheet-grey.pdf").arg(folder);
    ok &=
        practice::writeWorksheetPdf(grey, sheet, {practice::sheetCode(recipe), true, false, true});
    std::printf("%s\n", qPrintable(grey));

    // The join dialog as a pupil fills it in, and while it tries a server
    // that takes the connection and never answers: a socket that listens
    // and never accepts.
    {
        const int silent = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(silent, reinterpret_cast<sockaddr *>(&address), length);
        ::listen(silent, 4);
        ::getsockname(silent, reinterpret_cast<sockaddr *>(&address), &length);
        frmJoin join(&window);
        join.txtServer->setText(QStringLiteral("lab3"));
        join.txtName->setText(QStringLiteral("김민수"));
        join.txtPassword->setText(QStringLiteral("password"));
        join.show();
        // The keyring's answer, which sets the remember box.
        QTest::qWait(300);
        ok &= save(join, QStringLiteral("%1/join%2.png").arg(folder, suffix));
        join.txtServer->setText(QStringLiteral("127.0.0.1:%1").arg(ntohs(address.sin_port)));
        join.cmdJoin_Click();
        ok &= save(join, QStringLiteral("%1/join-trying%2.png").arg(folder, suffix));
        ::close(silent);
    }
    // The status bar while a pupil practises, on a server of the tool's own
    // when PostgreSQL is here.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    ScratchServer server;
    if (server.started() && !classdb::setUp(server.admin())) {
        {
            auto opened = classdb::connect(server.admin(), QStringLiteral("admin"));
            if (auto *db = std::get_if<QSqlDatabase>(&opened))
                classdb::addPerson(*db, u"김민수", u"pw", classdb::PersonKind::Pupil);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));
        QSettings().setValue(join::kServerNameKey, QStringLiteral("3반 서버"));
        QTimer fill;
        QObject::connect(&fill, &QTimer::timeout, [&] {
            auto *join = qobject_cast<frmJoin *>(QApplication::activeModalWidget());
            if (!join)
                return;
            fill.stop();
            join->txtServer->setText(QStringLiteral("127.0.0.1:%1").arg(server.port()));
            join->txtName->setText(QStringLiteral("김민수"));
            join->txtPassword->setText(QStringLiteral("pw"));
            join->cmdJoin_Click();
        });
        fill.start(50);
        window.SSTab1->setCurrentIndex(0);
        window.Menu_join->trigger();
        ok &= save(window, QStringLiteral("%1/joined%2.png").arg(folder, suffix));
        window.Menu_leave->trigger();
    }
    return ok ? 0 : 1;
}
