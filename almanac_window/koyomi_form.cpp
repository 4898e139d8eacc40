#include "almanac_window/koyomi_form.h"

#include "almanac_window/file_replace.h"
#include "almanac_window/shown_name.h"
#include "almanac_window/text_file.h"
#include "almanac_window/toolbar_pictures.h"
#include "fonts/fonts.h"
#include "platform/accessible_widgets.h"
#include "platform/platform.h"
#include "platform/window_setup.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

#include <algorithm>

namespace vadelon {

TKoyomiForm::TKoyomiForm(Platform& platform, std::function<void(const QString&)> hintSink, QWidget* parent)
    : QMainWindow(parent)
    , platform_(platform)
    , hintSink_(std::move(hintSink))
{
    InstallAccessibleWidgets();
    setObjectName(QStringLiteral("KoyomiForm"));
    setWindowIcon(MoonIcon());
    // The tool bar's own "show/hide" menu would be a command nobody asked for.
    setContextMenuPolicy(Qt::NoContextMenu);
    resize(470, 431);

    // The editor lays out its empty text as soon as it exists and again at
    // each change of font: it gets its own font before the window's, so that
    // the window's font is not loaded for it in vain.
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(QStringLiteral("本文"));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont editorFont = PixelFont(kFixedFamily, 15);
    editorFont.setStyleHint(QFont::Monospace);
    // A file may hold any character: the editor keeps the fallback fonts.
    editorFont.setStyleStrategy(QFont::PreferDefault);
    RichEdit1->setFont(editorFont);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    setCentralWidget(RichEdit1);

    // Menus and hints are the window's own texts.
    setFont(OwnTextFont(kFixedFamily, 16));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(19);
    setStatusBar(StatusBar1);
    // Smaller than the window's font, so that a note fits the window's width.
    SolarTermNote = new QLabel(StatusBar1);
    SolarTermNote->setObjectName(QStringLiteral("SolarTermNote"));
    SolarTermNote->setFont(OwnTextFont(kFixedFamily, 12));
    // A note longer than the bar (in the far future) is cut off rather than
    // widening the window: the tooltip holds all of it.
    SolarTermNote->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusBar1->addWidget(SolarTermNote, 1);

    BuildMenus();
    BuildToolBar();

    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(pos)); });
    // RichEdit1Change and RichEdit1SelectionChange.
    connect(RichEdit1, &QPlainTextEdit::textChanged, this, &TKoyomiForm::UpdateEditCommands);
    connect(RichEdit1, &QPlainTextEdit::selectionChanged, this, &TKoyomiForm::UpdateEditCommands);
    connect(RichEdit1, &QPlainTextEdit::cursorPositionChanged, this, &TKoyomiForm::UpdateEditCommands);
    RichEdit1->setFocus();
}

TKoyomiForm::~TKoyomiForm() = default;

void TKoyomiForm::ClearText()
{
    RichEdit1->clear();
    RichEdit1->document()->setModified(false);
    appendedLines_ = 0;
    SetReportNote({}, {});
}

void TKoyomiForm::SetReportNote(const QString& note, const QString& detail)
{
    SetStatusText(SolarTermNote, note);
    // Read out as plain text, not as the tooltip's markup.
    SolarTermNote->setAccessibleDescription(detail);
    noteDetail_ = detail;
    UpdateNoteTooltip();
}

void TKoyomiForm::UpdateNoteTooltip()
{
    if (noteDetail_.isEmpty()) {
        SolarTermNote->setToolTip({});
        return;
    }
    // A plain tooltip keeps each line whole, some 700 pixels beside a window
    // of 470; rich text in a table of a set width wraps inside it. The tip's
    // frame adds a few pixels, so the table stays 30 inside the window.
    constexpr int kInset = 30;
    constexpr int kNarrowest = 200;
    QStringList lines = noteDetail_.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.toHtmlEscaped();
    SolarTermNote->setToolTip(
        QStringLiteral(R"(<table width="%1" cellspacing="0" cellpadding="0"><tr><td>%2</td></tr></table>)")
            .arg(std::max(kNarrowest, width() - kInset))
            .arg(lines.join(QStringLiteral("<br>"))));
}

void TKoyomiForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    UpdateNoteTooltip();
}

QString TKoyomiForm::ReportNote() const
{
    return SolarTermNote->text();
}

void TKoyomiForm::AppendLine(const QString& line)
{
    // Through a cursor of its own, so that the view and the caret stay put
    // (a caret at the very end would be carried along).
    QTextCursor caret = RichEdit1->textCursor();
    const int caretPosition = caret.position();
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::End);
    if (appendedLines_ > 0 || !RichEdit1->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
    ++appendedLines_;
    if (!caret.hasSelection() && RichEdit1->textCursor().position() != caretPosition) {
        caret.setPosition(caretPosition);
        RichEdit1->setTextCursor(caret);
    }
    RichEdit1->document()->setModified(true);
}

void TKoyomiForm::SetCaption(const QString& caption)
{
    caption_ = caption;
    // "[*]" is the title's modified marker; doubled it shows as itself.
    setWindowTitle(QString(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void TKoyomiForm::ShowReport(const QStringList& lines, const QString& title, const QString& note, const QString& detail)
{
    ClearText();
    for (const QString& line : lines)
        AppendLine(line);
    // A new report is where the undo history starts, as a file just opened
    // is: undo takes back what the user typed, never a line of the report.
    RichEdit1->document()->clearUndoRedoStacks();
    SetCaption(title);
    SetReportNote(note, detail);
    ShowModal();
}

void TKoyomiForm::ShowModal()
{
    if (!shownBefore_) {
        shownBefore_ = true;
        CentreOnScreen(*this);
    }
    platform_.RunModal(this);
}

QString TKoyomiForm::Text() const
{
    // Block by block: the document's plain-text export would turn a
    // no-break space into a space.
    QStringList lines;
    for (QTextBlock block = RichEdit1->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines.join(QLatin1Char('\n'));
}

bool TKoyomiForm::event(QEvent* event)
{
    // Hints belong to the application's hint line, not to our status bar.
    if (event->type() == QEvent::StatusTip) {
        if (hintSink_)
            hintSink_(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TKoyomiForm::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TKoyomiForm::FormCloseQuery()
{
    if (!RichEdit1->document()->isModified())
        return true;
    return AskSaveChanges();
}

void TKoyomiForm::UpdateEditCommands()
{
    // The clipboard is asked afresh for each control it enables; the
    // selection is read once, after the clipboard's controls are set.
    std::optional<bool> selection;
    const auto enabled = [this, &selection](EditEnabling rule) {
        if (rule == EditEnabling::ClipboardHasText) {
            const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
            return mime != nullptr && mime->hasText();
        }
        if (!selection)
            selection = RichEdit1->textCursor().hasSelection();
        return *selection;
    };
    for (const EditEnabling rule : {EditEnabling::ClipboardHasText, EditEnabling::Selection}) {
        for (const EditCommandControls& command : editCommands_) {
            if (command.rule != rule)
                continue;
            command.menuItem->setEnabled(enabled(rule));
            command.popupItem->setEnabled(enabled(rule));
            command.toolButton->setEnabled(enabled(rule));
        }
    }
}

bool TKoyomiForm::AskSaveChanges()
{
    platform_.Beep(BeepType::Exclamation);
    const QString text = QStringLiteral("ﾌｧｲﾙ") + ShownFileName(caption_) +
                         QStringLiteral("の内容が変更されています。\n変更を保存しますか？");
    switch (platform_.AskSaveChanges(this, text)) {
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::No: return true;
    case SaveAnswer::Yes: break;
    }
    const std::optional<QString> name = platform_.GetSaveFileName(this, OfferedFileName(), kTextFileFilter);
    // A cancelled dialog or a failed write saved nothing: the command that
    // asked must not go on and discard the text.
    if (!name || !WriteTextTo(*name))
        return false;
    RichEdit1->document()->setModified(false);
    return true;
}

bool TKoyomiForm::WriteTextTo(const QString& path)
{
    const EncodedText encoded = EncodeTextFileBytes(Text());
    if (encoded.unencodable) {
        platform_.ShowError(this, UnencodableMessage(path, *encoded.unencodable));
        return false;
    }
    if (const std::optional<WriteFault> fault = ReplaceFile(path, encoded.bytes)) {
        platform_.ShowError(this, CreateFailureMessage(path, *fault));
        return false;
    }
    return true;
}

void TKoyomiForm::Cut1Click()
{
    RichEdit1->cut();
    UpdateEditCommands();
}

void TKoyomiForm::Copy1Click()
{
    RichEdit1->copy();
    UpdateEditCommands();
}

void TKoyomiForm::Paste1Click()
{
    RichEdit1->paste();
}

void TKoyomiForm::Delete1Click()
{
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.removeSelectedText();
    RichEdit1->setTextCursor(cursor);
}

void TKoyomiForm::SelectAll1Click()
{
    RichEdit1->selectAll();
}

void TKoyomiForm::SearchforHelpOn1Click()
{
    platform_.ShowHelpFinder(this, kHelpFile);
}

void TKoyomiForm::Exit1Click()
{
    close();
}

}  // namespace vadelon
