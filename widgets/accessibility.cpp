#include "widgets/accessibility.h"

#include "widgets/leaderline.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kAnnouncerName = u"announcer";

// A list as a screen reader should hear it: named by its caption, with the
// chosen entry as its value and text. Qt's own interface for combo boxes
// names a list by its current text on Linux and ignores the accessible name
// and the buddy, so every colour list sounded alike ("0 검정 combo box").
// The shown text is offered read-only through the text interface, which is
// where the AT-SPI bridge and the screen reader look for a list's value.
class AccessibleList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleList(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The caption (accessible name, or the buddy label's text) is the name;
    // the shown text is the value.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view() && list()->view()->isVisible();
        state.editable = list()->isEditable();
        return state;
    }

    // The popup's list first, then the typing field of an editable list, as
    // Qt's own interface has them, so the screen reader finds the entries
    // and echoes typing as before.
    int childCount() const override { return list()->isEditable() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QLineEdit *field = list()->isEditable() ? list()->lineEdit() : nullptr;
        if (field && QRect(field->mapToGlobal(QPoint(0, 0)), field->size()).contains(x, y))
            return child(1);
        return nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // QAccessibleTextInterface, read-only: the shown text, no selection.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override
    {
        return list()->isEditable() ? list()->lineEdit()->cursorPosition() : 0;
    }
    void setCursorPosition(int position) override
    {
        if (list()->isEditable())
            list()->lineEdit()->setCursorPosition(position);
    }
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = shown();
        if (endOffset < 0 || endOffset > all.size())
            endOffset = int(all.size());
        if (startOffset < 0 || startOffset >= endOffset)
            return {};
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString shown() const
    {
        return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
    }
};

// A drawing, or a dialog drawn on, without its leader lines: they only join
// things on screen, and a screen reader would list every one of them as an
// unnamed object. The bands, captions and controls on it stay.
class WithoutLeaderLines : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> all = parts();
        if (index < 0 || index >= all.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(all.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(parts().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> parts() const
    {
        QList<QWidget *> all;
        for (QObject *child : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(child);
            if (w && !w->isWindow() && !qobject_cast<ui::LeaderLine *>(w))
                all.append(w);
        }
        return all;
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == "QComboBox"_L1)
        return new AccessibleList(static_cast<QComboBox *>(widget));
    if (className == "ui::SvgPicture"_L1)
        return new WithoutLeaderLines(widget);
    // A chip is a picture whose name is its marking.
    if (className == "ui::ChipPicture"_L1)
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // As Qt's own for a dialog, less the lines.
    if (className == "QDialog"_L1)
        return new WithoutLeaderLines(widget, QAccessible::Dialog);
    if (className == "QWidget"_L1 && widget->objectName() == kAnnouncerName)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

// Draws a plain frame round a label while it has the keyboard focus, in the
// label's own text colour.
class FocusFrame : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            auto *label = static_cast<QLabel *>(watched);
            label->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain
                                                                  : QFrame::NoFrame);
        }
        return false;
    }
};

// What the screen reader says for one result: a text box's name and text, a
// label's text after its description ("결과 4.7KΩ±5%"); nothing for an empty
// one.
QString spokenResult(QWidget *result)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(result);
    if (!iface)
        return {};
    const QString name = iface->text(QAccessible::Name);
    if (iface->role() == QAccessible::StaticText) {
        if (name.isEmpty())
            return {};
        const QString description = iface->text(QAccessible::Description);
        return description.isEmpty() ? name : description + u' ' + name;
    }
    const QString value = iface->text(QAccessible::Value);
    if (value.isEmpty())
        return {};
    return name.isEmpty() ? value : name + u' ' + value;
}

} // namespace

namespace ui {

void installAccessibility()
{
    // Factories installed later are asked first, so this one comes before
    // the widgets' own, which QApplication installed.
    QAccessible::installFactory(interfaceFor);
}

void makeTabReachable(QLabel *label)
{
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(new FocusFrame(label));
}

void announceResults(QWidget *from, std::initializer_list<QWidget *> results)
{
    QStringList phrases;
    for (QWidget *result : results) {
        const QString phrase = spokenResult(result);
        if (!phrase.isEmpty())
            phrases.append(phrase);
    }
    QWidget *window = from->window();
    auto *announcer =
        window->findChild<QWidget *>(kAnnouncerName.toString(), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        // Nothing to see or click: no size, no mouse.
        announcer = new QWidget(window);
        announcer->setObjectName(kAnnouncerName.toString());
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setGeometry(0, 0, 0, 0);
    }
    // A notification that appears is spoken whatever has the focus; so it
    // is hidden, given the new text and shown again.
    announcer->hide();
    announcer->setAccessibleName(phrases.join(u", "_s));
    announcer->show();
}

} // namespace ui
