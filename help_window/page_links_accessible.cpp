#include "help_window/page_links_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace vadelon {

namespace {

// A link of the page: where its text lies and where it leads.
struct LinkSpan {
    int start = 0;
    int end = 0;
    QString text;
    QString href;
};

// The page's links in reading order; a link split over fragments (a word in
// bold inside it) is one.
std::vector<LinkSpan> LinksOf(const QTextDocument* document)
{
    std::vector<LinkSpan> links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isAnchor() || format.anchorHref().isEmpty())
                continue;
            const int start = fragment.position();
            const int end = start + fragment.length();
            if (!links.empty() && links.back().end == start && links.back().href == format.anchorHref()) {
                links.back().end = end;
                links.back().text += fragment.text();
            } else {
                links.push_back({start, end, fragment.text(), format.anchorHref()});
            }
        }
    }
    return links;
}

// One link of the page: it lives in the page's text, not as a widget, so it
// is described here, as the page's child at its place among the links.
class PageLink final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageLink(QTextBrowser* browser, LinkSpan span)
        : browser_(browser)
        , span_(std::move(span))
    { }

    bool isValid() const override { return browser_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return browser_ ? browser_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(browser_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return span_.text;
        if (t == QAccessible::Description)
            return span_.href;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!browser_)
            return {};
        QTextCursor at(browser_->document());
        at.setPosition(span_.start);
        const QRect first = browser_->cursorRect(at);
        at.setPosition(span_.end);
        const QRect last = browser_->cursorRect(at);
        const QRect area = first.top() == last.top() ? QRect(first.topLeft(), last.bottomRight()) : first.united(last);
        return QRect(browser_->viewport()->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.linked = true;
        if (browser_) {
            const QTextCursor selection = browser_->textCursor();
            s.focused = browser_->hasFocus() && selection.selectionStart() == span_.start &&
                        selection.selectionEnd() == span_.end;
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !browser_)
            return;
        const QUrl target = browser_->source().resolved(QUrl(span_.href));
        if (target.isLocalFile())
            browser_->setSource(target);
        else
            QDesktopServices::openUrl(target);
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }

    const LinkSpan& Span() const { return span_; }

private:
    QPointer<QTextBrowser> browser_;
    LinkSpan span_;
};

// The page: a document whose text is read at the caret, with its links as
// children.
class PageAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PageAccessible(QTextBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::Document)
    { }
    ~PageAccessible() override { Forget(); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return static_cast<int>(Links().size()); }
    QAccessibleInterface* child(int index) const override
    {
        Links();
        if (index < 0 || index >= static_cast<int>(spans_.size()))
            return nullptr;
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new PageLink(Browser(), spans_[static_cast<std::size_t>(index)]));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        Links();
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        const auto found = std::find(ids_.begin(), ids_.end(), id);
        return id != 0 && found != ids_.end() ? static_cast<int>(found - ids_.begin()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int offset = offsetAtPoint(QPoint(x, y));
        const std::vector<LinkSpan>& links = Links();
        for (std::size_t i = 0; i < links.size(); ++i) {
            if (offset >= links[i].start && offset < links[i].end)
                return child(static_cast<int>(i));
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const int index = FocusedLinkIndex();
        return index < 0 ? nullptr : child(index);
    }

    // The link the keyboard is on (Tab selects a link's text), or -1.
    int FocusedLinkIndex() const
    {
        const QTextCursor selection = Browser()->textCursor();
        if (!Browser()->hasFocus() || !selection.hasSelection())
            return -1;
        const std::vector<LinkSpan>& links = Links();
        for (std::size_t i = 0; i < links.size(); ++i) {
            if (links[i].start == selection.selectionStart() && links[i].end == selection.selectionEnd())
                return static_cast<int>(i);
        }
        return -1;
    }

    // The text interface.
    void selection(int index, int* start, int* end) const override
    {
        const QTextCursor cursor = Browser()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return Browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override
    {
        QTextCursor cursor = Browser()->textCursor();
        cursor.clearSelection();
        Browser()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = Browser()->textCursor();
        cursor.setPosition(Clamped(start));
        cursor.setPosition(Clamped(end), QTextCursor::KeepAnchor);
        Browser()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return Browser()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = Browser()->textCursor();
        cursor.setPosition(Clamped(position));
        Browser()->setTextCursor(cursor);
    }
    QString text(int start, int end) const override
    {
        const QString all = Plain();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Plain().size()); }
    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        QTextCursor at(Browser()->document());
        at.setPosition(offset);
        const QRect caret = Browser()->cursorRect(at);
        const int width = QFontMetrics(at.charFormat().font()).horizontalAdvance(text(offset, offset + 1));
        return QRect(Browser()->viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = Browser()->viewport()->mapFromGlobal(point);
        if (!Browser()->viewport()->rect().contains(local))
            return -1;
        return Browser()->cursorForPosition(local).position();
    }
    void scrollToSubstring(int start, int) override
    {
        QTextCursor at(Browser()->document());
        at.setPosition(Clamped(start));
        const QRect caret = Browser()->cursorRect(at);
        QScrollBar* bar = Browser()->verticalScrollBar();
        bar->setValue(bar->value() + caret.top());
    }
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

private:
    QTextBrowser* Browser() const { return static_cast<QTextBrowser*>(widget()); }
    // The text as the caret counts it: one character per position, each
    // block's end a line break.
    QString Plain() const
    {
        QString text;
        for (QTextBlock block = Browser()->document()->begin(); block.isValid(); block = block.next()) {
            if (block != Browser()->document()->begin())
                text += u'\n';
            text += block.text();
        }
        return text;
    }
    int Clamped(int position) const { return std::clamp(position, 0, characterCount()); }

    // The links of the page shown now; those of a page left are let go.
    const std::vector<LinkSpan>& Links() const
    {
        const int revision = Browser()->document()->revision();
        const QUrl source = Browser()->source();
        if (revision != revision_ || source != source_) {
            Forget();
            spans_ = LinksOf(Browser()->document());
            ids_.assign(spans_.size(), 0);
            revision_ = revision;
            source_ = source;
        }
        return spans_;
    }
    void Forget() const
    {
        for (const QAccessible::Id id : ids_) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
        ids_.clear();
        spans_.clear();
    }

    mutable std::vector<LinkSpan> spans_;
    mutable std::vector<QAccessible::Id> ids_;
    mutable int revision_ = -1;
    mutable QUrl source_;
};

QAccessibleInterface* PageOrWindow(const QString& className, QObject* object)
{
    if (className == QLatin1String("vadelon::HelpWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("vadelon::HelpPageView"))
        return new PageAccessible(static_cast<QTextBrowser*>(object));
    return nullptr;
}

}  // namespace

void DescribeHelpWindow()
{
    static const bool described = (QAccessible::installFactory(&PageOrWindow), true);
    Q_UNUSED(described);
}

bool TellFocusedLink(QTextBrowser* browser)
{
    if (!QAccessible::isActive())
        return false;
    auto* page = static_cast<PageAccessible*>(QAccessible::queryAccessibleInterface(browser));
    const int index = page ? page->FocusedLinkIndex() : -1;
    if (index < 0)
        return false;
    QAccessibleEvent event(browser, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
    return true;
}

void TellPageFocused(QTextBrowser* browser)
{
    if (!QAccessible::isActive() || !browser->hasFocus())
        return;
    QAccessibleEvent event(browser, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

}  // namespace vadelon
