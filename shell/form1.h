#pragma once

// Form1, the main window: a menu bar and the five-page tab control SSTab1.
//
// How a user action flows: a control's signal (a pick from a list is
// QComboBox::activated, a button's clicked, a typed Enter) calls the handler
// named after control and event (Combo7_Click, Command3_Click,
// Text25_KeyPress) on the page that holds the control. The handler reads its
// page's controls, calls one rule of the core library (colorcode/ and the
// rule files of each page folder) and writes the result back into the same
// page's controls. Each page keeps its whole state in its own controls and
// sets up its own starting state; no value passes between pages. The
// dialogs are opened modally from the menu handlers here; the learner's
// dialogs and the class (shell/learnerdialogs.h) from a module opened the
// first time one of them is asked for.

#include "shell/learnerdialogs.h"

#include <QMainWindow>

#include <memory>

class ColorToValuePage;
class GuidePage;
class LedPage;
class QAction;
class QDialog;
class QLabel;
class QMenu;
class QTabWidget;
class SmdPage;

namespace ui {
class LearnerPage;
}
class ValueToColorPage;

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    QTabWidget *SSTab1 = nullptr;       // the five pages
    QMenu *Menu_file = nullptr;         // "&File"
    QAction *Menu_r = nullptr;          // "저항에 관한 상식", Ctrl+R: the tip dialog
    QAction *Menu_practice = nullptr;   // "색띠 연습(&P)": the practice dialog
    QAction *Menu_progress = nullptr;   // "학습 기록(&S)": the progress view
    QAction *Menu_exit = nullptr;       // "E&xit", Ctrl+X: ends the program
    QAction *Menu_worksheet = nullptr;  // "연습지 만들기(&K)...", after the practice's items
    QAction *Menu_join = nullptr;       // "반에 들어가기(&J)...": the join dialog
    QAction *Menu_leave = nullptr;      // "반에서 나가기": enabled while joined
    QAction *Menu_class = nullptr;      // "반 현황(&T)": enabled while a teacher is joined
    QMenu *Menu_view = nullptr;         // "보기(&W)"
    QAction *Menu_bandLabels = nullptr; // "색띠에 숫자 표시(&N)", checkable, remembered
    QMenu *Menu_help = nullptr;         // "&Help"
    QAction *Menu_about = nullptr;      // "&About": the About box
    QLabel *lblWorking = nullptr;       // status bar: the working of the shown page's last result
    QLabel *lblClass = nullptr; // status bar, right: "3반 서버 · 김민수" while joined, else hidden

    // The pages other than the first are built just after the window's first
    // frame, or as soon as one is shown or asked for here, whichever comes
    // first; until then their tabs hold empty stand-ins.
    ColorToValuePage *colorToValuePage() const { return m_colorToValue; }
    ValueToColorPage *valueToColorPage();
    LedPage *ledPage();
    GuidePage *guidePage();
    SmdPage *smdPage();
    bool hiddenPagesBuilt() const { return m_smd != nullptr; }

    void Form_Load();
    void SSTab1_Click();
    void Menu_r_Click();
    void Menu_practice_Click();
    void Menu_progress_Click();
    void Menu_exit_Click();
    void Menu_worksheet_Click();
    void Menu_about_Click();
    void Menu_bandLabels_Click();
    void Menu_class_Click();
    void Menu_join_Click();
    void Menu_leave_Click();

    // The teacher's login while a teacher is joined, nullopt otherwise: the
    // class view opens its own connections with it.
    void setTeacher(std::optional<classdb::Server> teacher);

    // The record the practice, the progress view and the worksheet read and
    // write: a joined pupil's own (classdb::pupilRecordPath), else this
    // computer's home record. Made when first needed, with the learner's
    // dialogs, which must be there (the tests link them in).
    practice::Record &record();

    // The login joined, pupil or teacher; nullopt while nobody is.
    const std::optional<join::Joined> &joined() const;
    // The joined pupil's sync with the server; null for a teacher or nobody.
    classdb::ClassSync *classSync() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHiddenPages();
    void placePage(int index, QWidget *page);
    QList<ui::LearnerPage *> learnerPages() const;
    void showAllTabs(QWidget *client);
    void showWorking();
    void rejoinRemembered();
    // Null, after telling the learner why, when the module cannot be opened.
    shell::LearnerDialogs *learnerDialogs();

    ColorToValuePage *m_colorToValue = nullptr;
    ValueToColorPage *m_valueToColor = nullptr;
    LedPage *m_led = nullptr;
    GuidePage *m_guide = nullptr;
    SmdPage *m_smd = nullptr;
    // Made the first time a learner's dialog is asked for.
    std::unique_ptr<shell::LearnerDialogs> m_learnerDialogs;
    // The hidden pages' building is timed from the first frame.
    bool m_buildArmed = false;
};
