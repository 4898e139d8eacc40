#pragma once
// Printing of the almanac window's plain text, one job, no dialog.
#include <QString>

class QFont;
class QPrinter;

namespace vadelon {

// The print job's name: the caption cut to at most 31 bytes of Shift-JIS,
// never inside a character.
QString PrintJobName(const QString& caption);

// Prints text (lines separated by '\n') in the given screen font on the
// printer's whole printable area: a new page while text remains, one blank
// page for the empty text. Lines wider than the page wrap. Returns the number
// of pages printed, or 0 when the printer could not start the job.
int PrintPlainText(QPrinter& printer, const QString& jobName, const QString& text, const QFont& screenFont);

}  // namespace vadelon
