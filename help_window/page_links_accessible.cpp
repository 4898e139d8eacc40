#include "help_window/page_links_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <optional>

namespace vadelon {

namespace {

QAccessibleInterface* DescribeWindow(const QString& className, QObject* object)
{
    if (className == QLatin1String("vadelon::HelpWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// One link of the page, as long as it has the focus: it lives in the page's
// text, not as a widget, so it is described here.
class PageLink final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageLink(QTextBrowser* browser, const QTextCursor& link)
        : browser_(browser)
        , text_(link.selectedText())
        , href_(link.charFormat().anchorHref())
        , area_(browser->cursorRect(link))
    { }

    bool isValid() const override { return browser_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return browser_ ? browser_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(browser_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return text_;
        if (t == QAccessible::Description)
            return href_;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!browser_)
            return {};
        return QRect(browser_->viewport()->mapToGlobal(area_.topLeft()), area_.size());
    }
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = browser_ && browser_->hasFocus();
        s.linked = true;
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
        const QUrl target = browser_->source().resolved(QUrl(href_));
        if (target.isLocalFile())
            browser_->setSource(target);
        else
            QDesktopServices::openUrl(target);
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }

private:
    QPointer<QTextBrowser> browser_;
    QString text_;
    QString href_;
    QRect area_;
};

// The link the keyboard is on, if any: Tab selects a link's text.
std::optional<QTextCursor> FocusedLink(const QTextBrowser* browser)
{
    const QTextCursor selection = browser->textCursor();
    if (!browser->hasFocus() || !selection.hasSelection())
        return std::nullopt;
    QTextCursor inside(browser->document());
    inside.setPosition(selection.selectionStart() + 1);
    if (!inside.charFormat().isAnchor())
        return std::nullopt;
    return selection;
}

}  // namespace

void DescribeHelpWindow()
{
    static const bool described = (QAccessible::installFactory(&DescribeWindow), true);
    Q_UNUSED(described);
}

void ForgetToldLink(QAccessible::Id& told)
{
    if (told != 0)
        QAccessible::deleteAccessibleInterface(told);
    told = 0;
}

void TellFocusedLink(QTextBrowser* browser, QAccessible::Id& told)
{
    if (!QAccessible::isActive())
        return;
    if (const auto link = FocusedLink(browser)) {
        auto* focused = new PageLink(browser, *link);
        const QAccessible::Id id = QAccessible::registerAccessibleInterface(focused);
        QAccessibleEvent event(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
        ForgetToldLink(told);
        told = id;
    }
}

}  // namespace vadelon
