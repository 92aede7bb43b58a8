#pragma once

// The learner's dialogs and the class: the practice, the progress view
// (Qt Charts), the worksheet (Print Support), the record (Sql), joining the
// class (the desktop's keyring) and the teacher's class view. None of them is
// needed for the first frame, so the program itself does not link them: they
// live in a module of their own, opened the first time one of them is asked
// for (loadLearnerDialogs). The tests and tools link them in instead.

#include "pages/join/jointexts.h"

#include <QString>

#include <optional>
#include <variant>

class QAction;
class QLabel;
class QMainWindow;
class QWidget;

namespace practice {
class Record;
}

namespace shell {

// The parts of the main window the dialogs use and write back to.
struct WindowParts {
    QMainWindow *window = nullptr;
    QWidget *pages = nullptr;      // disabled while a dialog is open
    QLabel *lblClass = nullptr;    // who is practising, and where
    QAction *Menu_leave = nullptr; // enabled while joined
    QAction *Menu_class = nullptr; // enabled while a teacher is joined
};

class LearnerDialogs {
public:
    virtual ~LearnerDialogs() = default;

    // The menu items' work.
    virtual void practice() = 0;
    virtual void progress() = 0;
    virtual void worksheet() = 0;
    virtual void classView() = 0;
    virtual void join() = 0;
    virtual void leave() = 0;
    // After the first frame: a login whose password the keyring keeps joins
    // again; nothing opens by itself.
    virtual void rejoinRemembered() = 0;

    // See Form1's functions of the same names.
    virtual void setTeacher(std::optional<classdb::Server> teacher) = 0;
    virtual practice::Record &record() = 0;
    virtual const std::optional<join::Joined> &joined() const = 0;
    virtual classdb::ClassSync *classSync() const = 0;
};

// The module's one entry point, named kMakerSymbol.
using LearnerDialogsMaker = LearnerDialogs *(*)(const WindowParts &parts);
inline constexpr char kMakerSymbol[] = "pallado_make_learner_dialogs";

// A program that links the dialogs in says so before its first window; then
// no module is opened.
void setLinkedLearnerDialogs(LearnerDialogsMaker maker);

// The maker: the linked one, else the module's, opened from modules/ in the
// program's folder (the build folder, or the program's own when installed).
// Why it could not be opened, in words, otherwise.
std::variant<LearnerDialogsMaker, QString> loadLearnerDialogs();

} // namespace shell
