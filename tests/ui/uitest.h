#pragma once

// Helpers for driving the windows as a user would, shared by the widget tests.

#include "shell/application.h"
#include "shell/form1.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace uitest {

inline void setUp()
{
    // Settings and the learner's record go to the test folders of a home of
    // this test's own: never the user's, and never those of another test
    // running at the same time.
    static QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    shell::setUpApplication(*qobject_cast<QApplication *>(QCoreApplication::instance()));
}

// A shown, active main window in its starting state.
inline std::unique_ptr<Form1> openWindow()
{
    auto window = std::make_unique<Form1>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window did not become active");
    // The pages behind the first one are built just after the first frame.
    if (!QTest::qWaitFor([&] { return window->hiddenPagesBuilt(); }))
        qWarning("the hidden pages were not built after the first frame");
    return window;
}

template <typename T> T *find(QObject *root, const QString &name)
{
    T *child = root->findChild<T *>(name);
    if (!child)
        qWarning("no control named %s", qPrintable(name));
    return child;
}

// Types text into a widget key by key, as a keyboard would; characters with
// no key of their own (Korean, the ohm sign) arrive as key events carrying
// only their text, as an input method delivers them.
inline void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

// Opens the list's popup and clicks the entry with the given text, as a user
// picks it; returns false when the list has no such entry.
inline bool pickFromList(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly);
    if (index < 0)
        return false;
    list->showPopup();
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitFor([&] { return view->isVisible(); }))
        return false;
    const QModelIndex item =
        view->model()->index(index, list->modelColumn(), list->rootModelIndex());
    view->scrollTo(item);
    const QPoint centre = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    return QTest::qWaitFor([&] { return !view->isVisible(); });
}

// What a modal message box showed before it was answered.
struct SeenBox {
    bool seen = false;
    QString text;
    QString informativeText;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Answers the next modal message box from a timer, pressing its only button
// (or `press` of a box that asks, such as QMessageBox::Yes), and records
// what it showed. Arm it before the action that opens the box; assert on
// seen() after the action returns.
class BoxAnswerer {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton press = QMessageBox::NoButton)
        : m_seen(std::make_shared<SeenBox>())
    {
        auto seen = m_seen;
        m_timer = std::make_unique<QTimer>();
        m_timer->setInterval(10);
        QObject::connect(m_timer.get(), &QTimer::timeout, [seen, press, timer = m_timer.get()] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen->seen = true;
            seen->text = box->text();
            seen->informativeText = box->informativeText();
            seen->title = box->windowTitle();
            seen->icon = box->icon();
            seen->buttons = int(box->buttons().size());
            timer->stop();
            if (QAbstractButton *button =
                    press != QMessageBox::NoButton ? box->button(press) : box->buttons().value(0))
                button->click();
            else
                box->reject();
        });
        m_timer->start();
    }
    const SeenBox &seen() const { return *m_seen; }

private:
    std::shared_ptr<SeenBox> m_seen;
    std::unique_ptr<QTimer> m_timer;
};

// Runs `answer` on the next modal dialog of the given object name once it is
// on screen (for the tip and About dialogs); `*watch` tells whether it ran.
// The watch ends when it goes out of scope or after `timeoutMs`, so one whose
// dialog never came cannot take the dialog of a later test.
class DialogWatch {
public:
    DialogWatch(const QString &name, std::function<void(QWidget *)> answer, int timeoutMs)
        : m_ran(std::make_shared<bool>(false)), m_timer(std::make_unique<QTimer>())
    {
        m_timer->setInterval(10);
        QTimer *timer = m_timer.get();
        QObject::connect(timer, &QTimer::timeout,
                         [ran = m_ran, timer, name, answer, deadline = QDeadlineTimer(timeoutMs)] {
                             if (deadline.hasExpired()) {
                                 timer->stop();
                                 return;
                             }
                             QWidget *modal = QApplication::activeModalWidget();
                             if (!modal || modal->objectName() != name)
                                 return;
                             timer->stop();
                             *ran = true;
                             answer(modal);
                         });
        m_timer->start();
    }
    bool operator*() const { return *m_ran; }

private:
    std::shared_ptr<bool> m_ran;
    std::unique_ptr<QTimer> m_timer;
};

// What a screen reader is told as a notification appears, for as long as it
// lives.
class Announcements : public QObject {
public:
    Announcements() { qApp->installEventFilter(this); }
    QStringList spoken;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QAccessibleInterface *shown = event->type() == QEvent::Show
                                          ? QAccessible::queryAccessibleInterface(watched)
                                          : nullptr;
        if (shown && shown->role() == QAccessible::Notification)
            spoken.append(shown->text(QAccessible::Name));
        return false;
    }
};

inline DialogWatch onNextDialog(const QString &name, std::function<void(QWidget *)> answer,
                                int timeoutMs = 5000)
{
    return DialogWatch(name, std::move(answer), timeoutMs);
}

} // namespace uitest
