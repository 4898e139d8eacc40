#include "almanac_window/print_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringEncoder>
#include <QTextLayout>
#include <QTextOption>

namespace vadelon {

namespace {

constexpr qsizetype kMaxJobNameBytes = 31;
// The editor's sizes are screen pixels at the desktop's 96 dots per inch.
constexpr qreal kScreenDpi = 96.0;

qsizetype ShiftJisLength(QStringView character)
{
    QStringEncoder encoder("Shift_JIS", QStringConverter::Flag::Stateless);
    return QByteArray(encoder(character)).size();
}

}  // namespace

QString PrintJobName(const QString& caption)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < caption.size();) {
        const qsizetype length =
            (caption[i].isHighSurrogate() && i + 1 < caption.size() && caption[i + 1].isLowSurrogate()) ? 2 : 1;
        bytes += ShiftJisLength(QStringView(caption).mid(i, length));
        if (bytes > kMaxJobNameBytes)
            return caption.left(i);
        i += length;
    }
    return caption;
}

int PrintPlainText(QPrinter& printer, const QString& jobName, const QString& text, const QFont& screenFont)
{
    printer.setDocName(jobName);
    // The whole printable area: no margins beyond what the printer cannot reach.
    printer.setFullPage(false);
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());

    QFont font = screenFont;
    if (screenFont.pixelSize() > 0)
        font.setPointSizeF(screenFont.pixelSize() * 72.0 / kScreenDpi);

    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    painter.setFont(font);
    const QFont deviceFont = painter.font();
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const QFontMetricsF metrics(deviceFont, &printer);
    const qreal lineHeight = metrics.lineSpacing();

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(metrics.horizontalAdvance(QLatin1Char(' ')) * 8);

    int pages = 1;
    qreal y = 0;
    const QStringList lines = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        QTextLayout layout(line, deviceFont, &printer);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine())
            row.setLineWidth(page.width());
        layout.endLayout();
        // An empty line still takes one row.
        const int rows = std::max(1, layout.lineCount());
        for (int r = 0; r < rows; ++r) {
            if (y + lineHeight > page.height() && y > 0) {
                printer.newPage();
                ++pages;
                y = 0;
            }
            if (r < layout.lineCount()) {
                const QTextLine row = layout.lineAt(r);
                row.draw(&painter, QPointF(0, y - row.y()));
            }
            y += lineHeight;
        }
    }
    painter.end();
    return pages;
}

}  // namespace vadelon
