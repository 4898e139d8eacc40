#include "platform/accessible_widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

namespace vadelon {

namespace {

const QString kStatusBarName = QStringLiteral("ステータスバー");

// A caption without its access-key marks: "計算(&C)" reads "計算(C)".
QString WithoutAccessMarks(QString caption)
{
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&')
            caption.remove(i, 1);  // "&&" leaves one "&", skipped by ++i
    }
    return caption;
}

// Text that is shown and read, never edited: no caret to speak of, no selection.
class ReadOnlyText : public QAccessibleTextInterface {
public:
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int start, int end) const override
    {
        const QString all = ShownText();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(ShownText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

protected:
    virtual QString ShownText() const = 0;
};

// A checkable button of an exclusive group: one of a set of choices.
class ExclusiveToggle final : public QAccessibleWidget {
public:
    explicit ExclusiveToggle(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return WithoutAccessMarks(Button()->text());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Button()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && Button()->isEnabled())
            Button()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

// The texts of a status bar's labels, on the bar itself.
QString StatusBarText(const QWidget* bar)
{
    QStringList texts;
    for (const QLabel* label : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    return texts.join(u' ');
}

// A status bar named by its text, as a screen reader reads it aloud; its
// only children are the spoken notes that stand in it.
class TextStatusBar final : public QAccessibleWidget, public ReadOnlyText {
public:
    explicit TextStatusBar(QStatusBar* bar)
        : QAccessibleWidget(bar, QAccessible::StatusBar)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            // What its labels say at length (a note's detail), read after the text.
            QStringList details;
            for (const QLabel* label : widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
                if (!label->accessibleDescription().isEmpty())
                    details << label->accessibleDescription();
            }
            return details.isEmpty() ? QAccessibleWidget::text(t) : details.join(u'\n');
        }
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (const QString shown = ShownText(); !shown.isEmpty())
            return shown;
        // With nothing shown, the last thing said there (a result) can be
        // heard again from the bar.
        for (const SpokenNote* note : Notes()) {
            if (!note->Text().isEmpty())
                return note->Text();
        }
        return kStatusBarName;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return static_cast<int>(Notes().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const auto notes = Notes();
        return index >= 0 && index < notes.size() ? QAccessible::queryAccessibleInterface(notes[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(Notes().indexOf(static_cast<SpokenNote*>(child->object()))) : -1;
    }

protected:
    QString ShownText() const override { return StatusBarText(widget()); }

private:
    QList<SpokenNote*> Notes() const { return widget()->findChildren<SpokenNote*>(Qt::FindDirectChildrenOnly); }
};

// A label whose text is a value: named by what it is and the value, and
// the value as its text.
class ValueLabelAccessible final : public QAccessibleWidget, public ReadOnlyText {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return static_cast<ValueLabel*>(widget())->SpokenName() + u' ' + ShownText();
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

protected:
    QString ShownText() const override { return static_cast<QLabel*>(widget())->text(); }
};

class SpokenNoteAccessible final : public QAccessibleWidget {
public:
    explicit SpokenNoteAccessible(SpokenNote* note)
        : QAccessibleWidget(note, QAccessible::Notification)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<SpokenNote*>(widget())->Text();
        return QAccessibleWidget::text(t);
    }
};

// A line edit's text, caret and selection as Qt describes them, except that
// the text is one run of attributes: Qt's own answers an empty run at every
// offset, and a screen reader that builds what it speaks from the runs
// drops the last character of every field ("365" read as "36").
class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Shown();
        QString text = QAccessibleWidget::text(t);
        if (text.isEmpty() && t == QAccessible::Description)
            text = Edit()->placeholderText();
        return text;
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        if (!Edit()->isReadOnly())
            Edit()->setText(text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = Edit()->isReadOnly();
        s.editable = !s.readOnly;
        s.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text interface.
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && Edit()->hasSelectedText()) {
            *start = Edit()->selectionStart();
            *end = *start + Edit()->selectionLength();
        }
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            Edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            Edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        const QString all = Shown();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        // The caret's place before the character: the first point at which
        // the edit puts the caret there, whatever the alignment and scroll.
        int x = 0;
        while (x < Edit()->width() && Edit()->cursorPositionAt(QPoint(x, Edit()->height() / 2)) < offset)
            ++x;
        const QFontMetrics metrics(Edit()->font());
        const int top = (Edit()->height() - metrics.height()) / 2;
        return QRect(Edit()->mapToGlobal(QPoint(x, top)),
                     QSize(metrics.horizontalAdvance(character), metrics.height()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = Edit()->mapFromGlobal(point);
        return Edit()->rect().contains(local) ? Edit()->cursorPositionAt(local) : -1;
    }
    void scrollToSubstring(int start, int) override { Edit()->setCursorPosition(start); }
    QString attributes(int offset, int* start, int* end) const override
    {
        // One run without attributes of its own over the whole text.
        const int count = characterCount();
        if (offset < 0 || offset > count) {
            *start = *end = -1;
            return {};
        }
        *start = 0;
        *end = count;
        return {};
    }

    // The editable text interface.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (Edit()->isReadOnly())
            return;
        QString all = Edit()->text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = std::clamp(end, start, static_cast<int>(all.size()));
        Edit()->setText(all.replace(start, end - start, text));
    }

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
    // What is shown: a password's characters are not read out.
    QString Shown() const
    {
        switch (Edit()->echoMode()) {
        case QLineEdit::Normal: return Edit()->text();
        case QLineEdit::NoEcho: return {};
        default: return QString(Edit()->text().size(), QChar(0x25CF));
        }
    }
};

QAccessibleInterface* Describe(const QString& className, QObject* object)
{
    if (className == QLatin1String("vadelon::SpokenNote"))
        return new SpokenNoteAccessible(static_cast<SpokenNote*>(object));
    if (className == QLatin1String("QStatusBar"))
        return new TextStatusBar(static_cast<QStatusBar*>(object));
    if (className == QLatin1String("vadelon::ValueLabel"))
        return new ValueLabelAccessible(static_cast<ValueLabel*>(object));
    if (className == QLatin1String("vadelon::ChoiceButton"))
        return new ExclusiveToggle(static_cast<ChoiceButton*>(object));
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit*>(object));
    // A plain frame groups controls (a date panel): Qt calls it a frame,
    // which a screen reader takes for a window.
    if (className == QLatin1String("QFrame") && object->metaObject() == &QFrame::staticMetaObject)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
    return nullptr;
}

}  // namespace

namespace {

class EnterPressesButtons final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled())
            return false;
        if (const auto* push = qobject_cast<QPushButton*>(button)) {
            if (push->autoDefault() || push->isDefault())
                return false;  // Qt presses it itself
        } else if (!qobject_cast<QToolButton*>(button)) {
            return false;  // a check box or radio button is not pressed by Enter
        }
        button->click();
        return true;
    }
};

}  // namespace

void LetEnterPressButtons()
{
    static EnterPressesButtons* const filter = [] {
        auto* f = new EnterPressesButtons;
        f->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(f);
        return f;
    }();
    Q_UNUSED(filter);
}

void InstallAccessibleWidgets()
{
    static const bool installed = (QAccessible::installFactory(&Describe), true);
    Q_UNUSED(installed);
}

ChoiceButton::ChoiceButton(QWidget* parent)
    : QToolButton(parent)
{
    InstallAccessibleWidgets();
    setCheckable(true);
}

ValueLabel::ValueLabel(const QString& name, QWidget* parent)
    : QLabel(parent)
    , name_(name)
{
    InstallAccessibleWidgets();
}

void SetStatusText(QLabel* label, const QString& text)
{
    const QString before = label->text();
    if (before == text)
        return;
    label->setText(text);
    if (!QAccessible::isActive())
        return;
    if (auto* bar = qobject_cast<QStatusBar*>(label->parentWidget())) {
        QAccessibleTextUpdateEvent changed(bar, 0, before, text);
        QAccessible::updateAccessibility(&changed);
        QAccessibleEvent renamed(bar, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

SpokenNote::SpokenNote(QWidget* statusBar)
    : QWidget(statusBar)
{
    setObjectName(QStringLiteral("SpokenNote"));
    InstallAccessibleWidgets();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void SpokenNote::Say(const QString& text)
{
    text_ = text;
    if (text.isEmpty())
        return;
    // A screen reader speaks a notification as it comes to be shown: shown
    // anew for each text, even one that is already showing.
    hide();
    show();
}

}  // namespace vadelon
