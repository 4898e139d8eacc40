// The almanac window's document commands: Open, Save As and Print.
#include "almanac_window/koyomi_form.h"

#include "almanac_window/print_text.h"
#include "almanac_window/text_file.h"
#include "platform/platform.h"

#include <QPlainTextEdit>
#include <QPrinter>

namespace vadelon {

void TKoyomiForm::OpenTextFile()
{
    if (RichEdit1->document()->isModified() && !AskSaveChanges())
        return;
    const std::optional<QString> name =
        platform_.GetOpenFileName(this, lastOpenName_.value_or(QString()), kTextFileFilter);
    if (!name)
        return;
    lastOpenName_ = *name;
    const TextFileRead read = ReadTextFile(*name);
    if (read.fault) {
        // The caption keeps naming the text that is still shown.
        platform_.ShowError(this, OpenFailureMessage(*name, *read.fault));
        return;
    }
    SetCaption(*name);
    RichEdit1->setPlainText(read.text);
    RichEdit1->document()->setModified(false);
    RichEdit1->setReadOnly(false);
    // The note spoke of the report, which is gone.
    SetReportNote({}, {});
}

QString TKoyomiForm::OfferedFileName() const
{
    // After Open the caption is the file's own name, ".txt" often included.
    if (caption_.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        return caption_;
    return caption_ + QStringLiteral(".txt");
}

void TKoyomiForm::SaveAs1Click()
{
    const std::optional<QString> name = platform_.GetSaveFileName(this, OfferedFileName(), kTextFileFilter);
    if (!name || !WriteTextTo(*name))
        return;
    RichEdit1->document()->setModified(false);
}

void TKoyomiForm::Print1Click()
{
    const std::unique_ptr<QPrinter> printer = platform_.DefaultPrinter();
    if (!printer) {
        platform_.ShowError(this, QStringLiteral("デフォルト プリンタが存在しません"));
        return;
    }
    if (PrintPlainText(*printer, PrintJobName(caption_), Text(), RichEdit1->font()) == 0)
        platform_.ShowError(this, QStringLiteral("プリンタ %1 で印刷できません").arg(printer->printerName()));
}

}  // namespace vadelon
