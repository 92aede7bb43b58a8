#include "widgets/accessibility.h"

#include "colorcode/speech.h"
#include "widgets/bandshape.h"
#include "widgets/leaderline.h"
#include "widgets/learnerpage.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kAnnouncerName = u"announcer";
// The property of a label that names the chip marking its text is about.
constexpr char kChipMarking[] = "chipMarking";
// The property of a group of options whose choice moves the focus on.
constexpr char kOptionsMoveFocus[] = "optionsMoveFocus";

// The text item of a kind of boundary at, before or after an offset, for
// the text interfaces below. Qt's own answer loops for good when asked for
// the word or the sentence at the end of a text (Qt 6.4), and a screen
// reader's reading commands ask exactly that; this one walks the text once.
// A single-line text is one line and one paragraph. At the end of the text
// the item at the offset is the last one, but for a character, of which
// there is none there. No item: empty text, offsets -1.
enum class Side { Before, At, After };

QString textItem(const QString &text, int offset, QAccessible::TextBoundaryType type, Side side,
                 int *startOffset, int *endOffset)
{
    *startOffset = *endOffset = -1;
    const int length = int(text.size());
    if (offset < 0 || offset > length)
        return {};
    QList<int> cuts{0};
    const auto finderKind = [type] {
        switch (type) {
        case QAccessible::CharBoundary:
            return std::optional(QTextBoundaryFinder::Grapheme);
        case QAccessible::WordBoundary:
            return std::optional(QTextBoundaryFinder::Word);
        case QAccessible::SentenceBoundary:
            return std::optional(QTextBoundaryFinder::Sentence);
        default:
            return std::optional<QTextBoundaryFinder::BoundaryType>();
        }
    }();
    if (finderKind && length > 0) {
        QTextBoundaryFinder finder(*finderKind, text);
        // Each step moves on or ends; the count only bounds a finder that
        // would not.
        for (int step = 0; step <= length; ++step) {
            const qsizetype at = finder.toNextBoundary();
            if (at <= cuts.last() || at > length)
                break;
            // Words as Qt's own interface has them: a word, or the blanks
            // and signs between two words.
            const auto reasons = finder.boundaryReasons();
            if (type != QAccessible::WordBoundary ||
                (reasons & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem)) ||
                at == length)
                cuts.append(int(at));
        }
    }
    if (cuts.last() != length)
        cuts.append(length);
    // Item i runs from cuts[i] to cuts[i + 1].
    const int items = int(cuts.size()) - 1;
    int item = items; // the end of the text, after every item
    for (int i = 0; i < items; ++i) {
        if (offset < cuts[i + 1]) {
            item = i;
            break;
        }
    }
    if (item == items && type != QAccessible::CharBoundary)
        item = items - 1;
    item += side == Side::Before ? -1 : side == Side::After ? 1 : 0;
    if (item < 0 || item >= items)
        return {};
    *startOffset = cuts[item];
    *endOffset = cuts[item + 1];
    return text.mid(*startOffset, *endOffset - *startOffset);
}

// The attributes of a text, which has none of its own: one run over the
// whole of it. A screen reader reads a field run by run, from each run's
// end on, so a run that holds no character, or stops short of the end,
// loses the rest of the text. The end of the text belongs to the last run;
// offsets outside the text have none.
QString wholeRun(int length, int offset, int *startOffset, int *endOffset)
{
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = length;
    return {};
}

// A field offered in spoken words has its caret at the end of the words
// when it is at the end of the text as shown, and at their start otherwise:
// the two texts have no other places in common.
int spokenCaret(int shownCaret, int shownLength, int spokenLength)
{
    return shownCaret >= shownLength ? spokenLength : 0;
}

// A list as a screen reader should hear it: named by its caption, with the
// chosen entry as its value and text. Qt's own interface for combo boxes
// names a list by its current text on Linux and ignores the accessible name
// and the buddy, so every colour list sounded alike ("0 검정 combo box").
// The chosen entry is offered read-only through the text interface, which is
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
    // the chosen entry is the value.
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

    // QAccessibleTextInterface, read-only: the entry (see shown()), no
    // selection.
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
        if (!list()->isEditable())
            return 0;
        const QLineEdit *field = list()->lineEdit();
        return spokenCaret(field->cursorPosition(), int(field->text().size()), int(shown().size()));
    }
    void setCursorPosition(int position) override
    {
        if (list()->isEditable())
            list()->lineEdit()->setCursorPosition(
                position >= shown().size() ? int(list()->lineEdit()->text().size()) : 0);
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
        if (offset == -2)
            offset = cursorPosition();
        return wholeRun(characterCount(), offset, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                             int *endOffset) const override
    {
        return textItem(shown(), offset, type, Side::Before, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                         int *endOffset) const override
    {
        return textItem(shown(), offset, type, Side::At, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                            int *endOffset) const override
    {
        return textItem(shown(), offset, type, Side::After, startOffset, endOffset);
    }

private:
    // What the list offers a screen reader: the chosen entry, or the text
    // typed into an editable one, in its spoken words ("플러스마이너스
    // 5퍼센트", "킬로옴"). A list's entries are units and tolerances, whose
    // signs the voice would drop or read in English.
    QString shown() const
    {
        return colorcode::spokenText(list()->isEditable() ? list()->lineEdit()->text()
                                                          : list()->currentText());
    }
};

// A line edit as Qt's own interface offers it (its caption as name, its text
// as value and editable text, caret and selection), with text queries that
// always answer (see textItem). What the learner types is offered as typed,
// since the caret and the selection count in it; a result the program
// writes (a read-only box) and the typing field of a list are offered in
// their spoken words, with no selection, and cannot be edited through it.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return offered();
        const QString own = QAccessibleWidget::text(t);
        if (own.isEmpty() && t == QAccessible::Description)
            return colorcode::spokenText(edit()->placeholderText());
        return own;
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        if (!typedAsIs() || edit()->isReadOnly())
            return;
        QString entered = text;
        int position = 0;
        if (edit()->validator() &&
            edit()->validator()->validate(entered, position) != QValidator::Acceptable)
            return;
        edit()->setText(entered);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (edit()->isReadOnly())
            state.readOnly = true;
        else
            state.editable = true;
        state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    // QAccessibleTextInterface
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        if (offset == -2)
            offset = cursorPosition();
        return wholeRun(characterCount(), offset, startOffset, endOffset);
    }
    int cursorPosition() const override
    {
        if (typedAsIs())
            return edit()->cursorPosition();
        return spokenCaret(edit()->cursorPosition(), int(edit()->text().size()), characterCount());
    }
    QRect characterRect(int offset) const override
    {
        // The caret's place, moved by the width of the text between the caret
        // and the character.
        const QString ch = text(offset, offset + 1);
        if (ch.isEmpty() || !typedAsIs())
            return {};
        const QFontMetrics metrics(edit()->font());
        const QString all = edit()->displayText();
        const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.x() + metrics.horizontalAdvance(all.left(offset)) -
                      metrics.horizontalAdvance(all.left(edit()->cursorPosition()));
        const QRect r(x, caret.y(), metrics.horizontalAdvance(ch), metrics.height());
        return QRect(edit()->mapToGlobal(r.topLeft()), r.size());
    }
    int selectionCount() const override { return typedAsIs() && edit()->hasSelectedText() ? 1 : 0; }
    int offsetAtPoint(const QPoint &point) const override
    {
        return typedAsIs() ? edit()->cursorPositionAt(edit()->mapFromGlobal(point)) : -1;
    }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || selectionCount() == 0)
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + int(edit()->selectedText().size());
    }
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return {};
        return offered().mid(startOffset, endOffset - startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                             int *endOffset) const override
    {
        return item(offset, type, Side::Before, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                            int *endOffset) const override
    {
        return item(offset, type, Side::After, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset,
                         int *endOffset) const override
    {
        return item(offset, type, Side::At, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            edit()->deselect();
    }
    void setCursorPosition(int position) override
    {
        if (typedAsIs())
            edit()->setCursorPosition(position);
        else
            edit()->setCursorPosition(position >= characterCount() ? int(edit()->text().size())
                                                                   : 0);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0 && typedAsIs())
            edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(offered().size()); }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        if (!typedAsIs())
            return;
        edit()->setCursorPosition(endIndex);
        edit()->setCursorPosition(startIndex);
    }

    // QAccessibleEditableTextInterface: as typed, so never in a read-only box
    // or one offered in words.
    void deleteText(int startOffset, int endOffset) override
    {
        if (editable())
            edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        if (editable())
            edit()->setText(edit()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (editable())
            edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    // What the learner types, as typed; what the program writes, or a list
    // offers, in words.
    bool typedAsIs() const
    {
        return !edit()->isReadOnly() && !qobject_cast<QComboBox *>(edit()->parentWidget());
    }
    bool editable() const { return typedAsIs() && edit()->echoMode() == QLineEdit::Normal; }

    // The text a screen reader is given: nothing of a hidden text.
    QString offered() const
    {
        if (edit()->echoMode() != QLineEdit::Normal)
            return {};
        return typedAsIs() ? edit()->text() : colorcode::spokenText(edit()->text());
    }

    // -2 asks at the caret, as with Qt's own.
    QString item(int offset, QAccessible::TextBoundaryType type, Side side, int *startOffset,
                 int *endOffset) const
    {
        if (offset == -2)
            offset = cursorPosition();
        return textItem(offered(), offset, type, side, startOffset, endOffset);
    }
};

// A label as Qt's own interface offers it (its text as name, its buddy as
// the control it labels), in the spoken words: a result, a working, a tip or
// a message box's text is read as the voice needs it.
class SpokenLabel : public QAccessibleWidget {
public:
    explicit SpokenLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QLabel *label() const { return static_cast<QLabel *>(widget()); }

    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return t == QAccessible::Description ? colorcode::spokenText(QAccessibleWidget::text(t))
                                                 : QAccessibleWidget::text(t);
        QString shown = label()->accessibleName();
        if (shown.isEmpty()) {
            shown = label()->text();
            if (label()->textFormat() == Qt::RichText ||
                (label()->textFormat() == Qt::AutoText && Qt::mightBeRichText(shown))) {
                QTextDocument document;
                document.setHtml(shown);
                shown = document.toPlainText();
            }
            if (label()->buddy())
                shown = colorcode::withoutAccessKey(shown);
        }
        const QString spoken =
            colorcode::spokenText(shown, label()->property(kChipMarking).toString());
        // A result that Tab reaches says that it holds nothing yet, rather
        // than leave the screen reader with the role alone.
        if (spoken.isEmpty() && label()->focusPolicy() & Qt::TabFocus)
            return colorcode::kNoValueWord.toString();
        return spoken;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto all = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled) {
            if (QAccessibleInterface *buddy =
                    QAccessible::queryAccessibleInterface(label()->buddy()))
                all.append({buddy, QAccessible::Labelled});
        }
        return all;
    }
};

// A drawing, or a dialog drawn on, without its leader lines: they only join
// things on screen, and a screen reader would list every one of them as an
// unnamed object. The bands, captions and controls on it stay.
class WithoutLeaderLines : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    // A drawing's description says what it paints ("10³", "2,700Ω->2.7KΩ")
    // in spoken words.
    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name || t == QAccessible::Description ? colorcode::spokenText(own)
                                                                       : own;
    }

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
    if (className == "QLineEdit"_L1)
        return new AccessibleLineEdit(static_cast<QLineEdit *>(widget));
    if (className == "QLabel"_L1)
        return new SpokenLabel(static_cast<QLabel *>(widget));
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
// label's text after its description ("결과 4.7KΩ±5%"), a band's role and
// colour ("제1색띠 노랑"); nothing for an empty one or a hidden band.
QString spokenResult(QWidget *result)
{
    if (qobject_cast<ui::BandShape *>(result)) {
        // A band left out of the drawing is not spoken; a dialog's bands can
        // be spoken before the dialog shows.
        if (!result->isVisibleTo(result->window()))
            return {};
        // The description is "role: colour"; in a sentence the role names
        // its colour without the colon.
        return result->accessibleName().replace(u": "_s, u" "_s);
    }
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

// The program's notification, which a screen reader speaks whatever has the
// focus as it appears. What is announced before the program is back in its
// event loop is gathered and spoken as one: two notifications in a row can
// replace each other before the screen reader has read the first. A
// notification also cuts short what the screen reader was saying of a
// control the focus has just reached ("다음 문제" moves on to an empty answer
// box), so when the focus moved along with the announcement, the control it
// reached is named at the end, with its text.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget *window) : QWidget(window)
    {
        setObjectName(kAnnouncerName.toString());
        // Nothing to see or click: no size, no mouse.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            // A control the mouse gave the focus to was the learner's own
            // choice, not news.
            if (QGuiApplication::mouseButtons() != Qt::NoButton)
                return;
            if (!m_pending.isEmpty()) {
                m_reached = now;
                return;
            }
            // Moved in this pass of the event loop, until it ends.
            m_movedTo = now;
            QMetaObject::invokeMethod(
                this, [this] { m_movedTo = nullptr; }, Qt::QueuedConnection);
        });
    }

    // One for the program, in its main window, also while a dialog has the
    // focus: a screen reader introduces a notification with the window it
    // is in, and would read a dialog's every label before it.
    static Announcer *of(QWidget *from)
    {
        QWidget *window = from->window();
        while (window->parentWidget())
            window = window->parentWidget()->window();
        auto *own = dynamic_cast<Announcer *>(
            window->findChild<QWidget *>(kAnnouncerName.toString(), Qt::FindDirectChildrenOnly));
        return own ? own : new Announcer(window);
    }

    void add(const QString &spoken)
    {
        if (spoken.isEmpty())
            return;
        if (m_pending.isEmpty()) {
            m_reached = m_movedTo;
            QMetaObject::invokeMethod(
                this, [this] { speak(); }, Qt::QueuedConnection);
        }
        m_pending.append(spoken);
    }

private:
    void speak()
    {
        // Sentences follow each other; the rest is a list.
        QString all;
        for (const QString &phrase : std::as_const(m_pending)) {
            if (!all.isEmpty())
                all += QStringView(u".!?").contains(all.back()) ? u" "_s : u". "_s;
            all += phrase;
        }
        m_pending.clear();
        if (m_reached && m_reached == QApplication::focusWidget())
            all += u". "_s + reachedControl(m_reached);
        m_reached = nullptr;
        // It appears again with the new text.
        hide();
        setAccessibleName(all);
        show();
    }

    // A control's name and text, as the screen reader would have said them:
    // "저항값", "저항값 47".
    static QString reachedControl(QWidget *control)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
        if (!iface)
            return {};
        const QString value = iface->text(QAccessible::Value);
        const QString name = iface->text(QAccessible::Name);
        return value.isEmpty() || value == name ? name : name + u' ' + value;
    }

    QStringList m_pending;
    // The control the focus moved to in this pass of the event loop, and
    // the one it reached while an announcement was being gathered.
    QPointer<QWidget> m_movedTo;
    QPointer<QWidget> m_reached;
};

// A frame's title or a tab's caption as a screen reader is to say it: "표시
// → 저항값" is "표시, 저항값", "컬러@저항값(&C)" "컬러에서 저항값".
QString spokenCaption(const QString &caption)
{
    return colorcode::spokenText(colorcode::withoutAccessKey(caption));
}

// Tab stops at the checked option of a group of options, as in every
// desktop's convention; the arrow keys go from option to option, and
// choose as they go. A group with none checked has every option a stop.
void fitTabStops(const QRadioButton *any)
{
    QList<QRadioButton *> group;
    for (QObject *sibling : any->parent()->children()) {
        auto *option = qobject_cast<QRadioButton *>(sibling);
        if (option && option->autoExclusive())
            group.append(option);
    }
    const bool anyChecked = std::any_of(group.begin(), group.end(),
                                        [](const QRadioButton *o) { return o->isChecked(); });
    for (QRadioButton *option : std::as_const(group))
        option->setFocusPolicy(!anyChecked || option->isChecked() ? Qt::StrongFocus
                                                                  : Qt::ClickFocus);
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the tab control that holds
// `from`, from any control on a page: a list would otherwise take them as
// typed keys. Tabs that are switched off are passed over.
bool turnPage(QWidget *from, bool back)
{
    for (QWidget *w = from; w && !w->isWindow(); w = w->parentWidget()) {
        auto *tabs = qobject_cast<QTabWidget *>(w->parentWidget());
        if (!tabs)
            continue;
        const int count = tabs->count();
        for (int step = 1; step < count; ++step) {
            const int index = (tabs->currentIndex() + (back ? count - step : step)) % count;
            if (tabs->isTabEnabled(index)) {
                tabs->setCurrentIndex(index);
                return true;
            }
        }
        return false;
    }
    return false;
}

// What the keyboard does that a screen reader does not hear by itself.
// A control's tool tip is what a screen reader reads as its description:
// in spoken words ("10Ω부터 1MΩ까지" is "10옴부터 1메가옴까지"), unless the
// control was given a description of its own.
constexpr char kSpokenTip[] = "spokenTip";

void describeByTip(QWidget *control)
{
    const QString own = control->accessibleDescription();
    if (!own.isEmpty() && own != control->property(kSpokenTip).toString())
        return;
    const QString spoken = colorcode::spokenText(control->toolTip());
    control->setProperty(kSpokenTip, spoken);
    control->setAccessibleDescription(spoken);
}

class KeyboardSpeech : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
                key->modifiers() & Qt::ControlModifier && watched->isWidgetType() &&
                turnPage(static_cast<QWidget *>(watched), key->key() == Qt::Key_Backtab))
                return true;
            if (auto *list = qobject_cast<QComboBox *>(watched))
                speakNewEntry(list);
        } else if (event->type() == QEvent::FocusIn) {
            if (focusThenSelect(watched, static_cast<QFocusEvent *>(event)))
                return true;
        } else if (event->type() == QEvent::ToolTipChange && watched->isWidgetType()) {
            describeByTip(static_cast<QWidget *>(watched));
        } else if (event->type() == QEvent::Shortcut) {
            auto *option = qobject_cast<QRadioButton *>(watched);
            if (option && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
                selectThenFocus(option);
                return true;
            }
        } else if (event->type() == QEvent::Polish) {
            if (auto *option = qobject_cast<QRadioButton *>(watched)) {
                connect(option, &QRadioButton::toggled, this, &KeyboardSpeech::optionToggled,
                        Qt::UniqueConnection);
                fitTabStops(option);
            } else if (auto *frame = qobject_cast<QGroupBox *>(watched)) {
                if (frame->accessibleName().isEmpty())
                    frame->setAccessibleName(spokenCaption(frame->title()));
            } else if (auto *bar = qobject_cast<QTabBar *>(watched)) {
                for (int i = 0; i < bar->count(); ++i) {
                    if (bar->accessibleTabName(i).isEmpty())
                        bar->setAccessibleTabName(i, spokenCaption(bar->tabText(i)));
                }
            }
        }
        return false;
    }

private:
    // A line edit given the focus by Tab selects its text, which moves its
    // caret, before Qt tells the screen reader of the focus. Orca takes a
    // caret moving in a focused field as the focus having moved there,
    // silently, and passes over the focus event that follows as old news:
    // the password field ("password text") was silent on Tab, its name and
    // role unsaid. (In a field of plain text the caret's event did not reach
    // Orca first; only the hidden kind is handled here, so that nothing
    // changes for the others.) It takes the focus as from a click, which
    // selects nothing, and its text is selected once the focus is told.
    static bool focusThenSelect(QObject *watched, const QFocusEvent *event)
    {
        auto *edit = qobject_cast<QLineEdit *>(watched);
        const Qt::FocusReason reason = event->reason();
        if (!edit || edit->echoMode() == QLineEdit::Normal ||
            (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
             reason != Qt::ShortcutFocusReason))
            return false;
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(edit, &plain);
        QMetaObject::invokeMethod(
            edit,
            [edit] {
                if (edit->hasFocus())
                    edit->selectAll();
            },
            Qt::QueuedConnection);
        return true;
    }

    void optionToggled()
    {
        if (auto *option = qobject_cast<QRadioButton *>(sender()))
            fitTabStops(option);
    }

    // A closed list whose entry the arrow keys (or a typed letter) change is
    // silent to the screen reader; it hears the new entry ("4 노랑"). An open
    // popup speaks its own rows, and the entry chosen there is read with the
    // list as the focus comes back to it.
    static void speakNewEntry(QComboBox *list)
    {
        if (list->view()->isVisible())
            return;
        const int before = list->currentIndex();
        QMetaObject::invokeMethod(
            list,
            [list, before] {
                if (list->currentIndex() != before && list->currentIndex() >= 0 &&
                    list->hasFocus() && !list->view()->isVisible())
                    ui::announce(list, list->currentText());
            },
            Qt::QueuedConnection);
    }

    // An access key gives an option button the focus first and selects it a
    // moment later, so a screen reader announces it as not selected. Here
    // it is selected first, and takes the focus only if its handler left the
    // focus where it was; where the handler moved the focus on, the choice
    // is announced ("5색저항 선택함"). A handler that gives the focus to the
    // control that had it looks as if it left it there, so a group whose
    // choice moves the focus says so (letOptionsMoveFocus): else the option
    // took the focus from the answer box, and the next key typed was lost.
    static void selectThenFocus(QRadioButton *option)
    {
        const QWidget *focus = QApplication::focusWidget();
        const QWidget *group = option->parentWidget();
        const bool movesFocus = group && group->property(kOptionsMoveFocus).toBool();
        option->click();
        if (!movesFocus && QApplication::focusWidget() == focus &&
            (option->focusPolicy() & Qt::ClickFocus))
            option->setFocus(Qt::ShortcutFocusReason);
        else if (QApplication::focusWidget() != option)
            ui::announce(option, colorcode::withoutAccessKey(option->text()) + u" 선택함"_s);
    }
};

} // namespace

namespace ui {

void installAccessibility()
{
    // Factories installed later are asked first, so this one comes before
    // the widgets' own, which QApplication installed.
    QAccessible::installFactory(interfaceFor);
    qApp->installEventFilter(new KeyboardSpeech(qApp));
}

void letOptionsMoveFocus(QWidget *group)
{
    group->setProperty(kOptionsMoveFocus, true);
}

void makeTabReachable(QLabel *label)
{
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(new FocusFrame(label));
}

void announce(QWidget *from, const QString &shownText, const QString &marking)
{
    Announcer::of(from)->add(colorcode::spokenText(shownText, marking));
}

void announceResults(QWidget *from, std::initializer_list<QWidget *> results)
{
    QStringList phrases;
    for (QWidget *result : results) {
        const QString phrase = spokenResult(result);
        if (!phrase.isEmpty())
            phrases.append(phrase);
    }
    announce(from, phrases.join(u", "_s));
    for (QWidget *w = from; w; w = w->parentWidget()) {
        if (const auto *page = qobject_cast<const LearnerPage *>(w)) {
            announce(from, page->working());
            break;
        }
    }
}

void setChipMarking(QLabel *label, const QString &marking)
{
    label->setProperty(kChipMarking, marking);
}

} // namespace ui
