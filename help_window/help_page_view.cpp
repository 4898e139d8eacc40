#include "help_window/help_page_view.h"

#include "help_window/manual_files.h"
#include "help_window/page_links_accessible.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>

namespace vadelon {

QVariant HelpPageView::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    // An empty answer would make the document read the file itself, unbounded.
    if (!url.isLocalFile())
        return type == QTextDocument::ImageResource ? QVariant(QImage()) : QVariant(QString());
    const QString path = url.toLocalFile();
    if (type == QTextDocument::ImageResource) {
        const std::optional<QByteArray> bytes = ReadManualFile(path, kMaxManualImageBytes);
        if (!bytes)
            return QImage();
        QBuffer buffer;
        buffer.setData(*bytes);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (!size.isValid() || size.width() > kMaxManualImageSide || size.height() > kMaxManualImageSide)
            return QImage();
        return reader.read();
    }
    if (type == QTextDocument::HtmlResource) {
        const std::optional<QString> html = ReadManualPage(path);
        return html ? *html : BrokenPageHtml(url.fileName());
    }
    // Style sheets and the like: the manual has none.
    return QString();
}

HelpPageView::HelpPageView(QWidget* parent)
    : QTextBrowser(parent)
{
    DescribeHelpWindow();
    // A caret that the arrows move, so that a screen reader reads the page
    // line by line where it moves.
    setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (onLink_ && !textCursor().hasSelection()) {
            onLink_ = false;
            TellPageFocused(this);
        }
    });
}

HelpPageView::~HelpPageView() = default;

bool HelpPageView::focusNextPrevChild(bool next)
{
    const bool onALink = QTextBrowser::focusNextPrevChild(next);
    if (onALink)
        onLink_ = TellFocusedLink(this);
    return onALink;
}

}  // namespace vadelon
