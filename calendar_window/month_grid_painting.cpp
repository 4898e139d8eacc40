// How the month grid looks: a wall calendar's cells, each with its day,
// 六曜, holiday or 節気 or 雑節, 旧暦 day and moon; Sundays and holidays red,
// Saturdays blue, the neighbouring months faint, today framed. Sizes follow
// the cells, so that the grid reads the same at any window size and scale.
#include "calendar_window/month_grid.h"
#include "fonts/fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace vadelon {

namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kRed(0xcc, 0x10, 0x10);
const QColor kBlue(0x10, 0x40, 0xc0);
const QColor kSolarTermInk(0x1c, 0x70, 0x1c);
const QColor kZassetsuInk(0x80, 0x58, 0x10);
const QColor kSmallInk(0x5a, 0x5a, 0x5a);
const QColor kGridLine(0xc4, 0xc4, 0xc4);
const QColor kPaper(Qt::white);
const QColor kNeighbourPaper(0xf4, 0xf4, 0xf4);
const QColor kHeaderPaper(0xec, 0xec, 0xec);
const QColor kRangePaper(0xdc, 0xe9, 0xfb);
const QColor kSelectedPaper(0xa8, 0xca, 0xf5);
const QColor kFocusFrame(0x1a, 0x5f, 0xb4);
const QColor kTodayFrame(0xe0, 0x70, 0x00);
const QColor kNewMoon(0x30, 0x30, 0x38);
const QColor kFullMoon(0xf2, 0xc2, 0x30);
const QColor kFullMoonRim(0x9a, 0x72, 0x00);
constexpr int kFaintAlpha = 105;  // the neighbouring months' ink
constexpr int kSmallestLabel = 8;

const QString kWeekdayNames[] = {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
                                 QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土")};

QColor DayInk(DayColour colour)
{
    switch (colour) {
    case DayColour::Red: return kRed;
    case DayColour::Blue: return kBlue;
    case DayColour::Plain: break;
    }
    return kInk;
}

QColor Faint(QColor colour, bool faint)
{
    if (faint)
        colour.setAlpha(kFaintAlpha);
    return colour;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

int Scaled(int cellHeight, double share, int least, int most)
{
    return std::clamp(static_cast<int>(std::lround(cellHeight * share)), least, most);
}

}  // namespace

void MonthGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kPaper);

    const int header = HeaderHeight();
    painter.fillRect(QRect(0, 0, width(), header), kHeaderPaper);
    painter.setFont(OwnTextFont(kProportionalFamily, std::clamp(header * 3 / 5, 11, 18), true));
    for (int weekday = 0; weekday < 7; ++weekday) {
        painter.setPen(DayInk(weekday == 0 ? DayColour::Red : weekday == 6 ? DayColour::Blue : DayColour::Plain));
        painter.drawText(WeekdayRect(weekday), Qt::AlignCenter, kWeekdayNames[weekday]);
    }

    for (int i = 0; i < kCellsShown; ++i)
        PaintCell(painter, cells_[static_cast<std::size_t>(i)], CellRect(i));

    // The lines between the cells, then the frames over them.
    painter.setPen(QPen(kGridLine, 1));
    for (int column = 0; column <= 7; ++column) {
        const int x = column < 7 ? CellRect(column).left() : CellRect(6).right();
        painter.drawLine(x, 0, x, height() - 1);
    }
    painter.drawLine(0, 0, width() - 1, 0);
    for (int row = 0; row <= 6; ++row) {
        const int y = row < 6 ? CellRect(row * 7).top() : CellRect(35).bottom();
        painter.drawLine(0, y, width() - 1, y);
    }
    for (int i = 0; i < kCellsShown; ++i) {
        const DayCell& cell = cells_[static_cast<std::size_t>(i)];
        const QRectF edge = QRectF(CellRect(i)).adjusted(0.5, 0.5, -0.5, -0.5);
        if (cell.today) {
            painter.setPen(QPen(kTodayFrame, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawRect(edge.adjusted(1.5, 1.5, -1.5, -1.5));
        }
        if (cell.selected && hasFocus()) {
            painter.setPen(QPen(kFocusFrame, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawRect(edge);
        }
    }
}

void MonthGrid::PaintCell(QPainter& painter, const DayCell& cell, const QRect& rect) const
{
    const QColor paper = cell.selected  ? kSelectedPaper
                         : cell.inRange ? kRangePaper
                         : cell.dimmed  ? kNeighbourPaper
                                        : kPaper;
    painter.fillRect(rect, paper);

    const CellParts parts = CellPartsOf(rect);
    const QFont numberFont = OwnTextFont(kProportionalFamily, parts.numberSize, true);
    const QFont smallFont = OwnTextFont(kProportionalFamily, parts.smallSize);
    const QFontMetrics smallMetrics(smallFont);

    // Top row: the day, and its 六曜 at the right.
    const QRect& top = parts.top;
    painter.setFont(numberFont);
    painter.setPen(Faint(DayInk(cell.colour), cell.dimmed));
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, Text(cell.number));
    if (!cell.rokuyo.empty()) {
        painter.setFont(smallFont);
        painter.setPen(Faint(kSmallInk, cell.dimmed));
        painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, Text(cell.rokuyo));
    }

    // Bottom row: the 旧暦 day and the moon.
    const QRect& bottom = parts.bottom;
    if (!cell.lunarDay.empty()) {
        QFont lunarFont = smallFont;
        lunarFont.setBold(cell.lunarDay.find('/') != std::string::npos);  // the first of a 旧暦 month
        painter.setFont(lunarFont);
        painter.setPen(Faint(kSmallInk, cell.dimmed));
        painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, Text(cell.lunarDay));
    }
    if (cell.moon != MoonMark::None) {
        const qreal diameter = smallMetrics.ascent() * 0.85;
        const QRectF disc(bottom.right() - diameter, bottom.center().y() - diameter / 2 + 0.5, diameter, diameter);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(cell.moon == MoonMark::New ? QPen(Faint(kNewMoon, cell.dimmed), 1)
                                                  : QPen(Faint(kFullMoonRim, cell.dimmed), 1));
        painter.setBrush(Faint(cell.moon == MoonMark::New ? kNewMoon : kFullMoon, cell.dimmed));
        painter.drawEllipse(disc);
        painter.restore();
    }

    // Between them: the holiday, 節気 or 雑節.
    if (!cell.label.empty())
        PaintLabel(painter, cell, parts.band, parts.smallSize);
}

CellParts CellPartsOf(const QRect& cell)
{
    const int cellHeight = cell.height();
    const int pad = Scaled(cellHeight, 0.06, 3, 8);
    const QRect inner = cell.adjusted(pad, pad / 2 + 1, -pad + 1, -pad / 2);
    CellParts parts;
    parts.numberSize = Scaled(cellHeight, 0.30, 12, 46);
    parts.smallSize = Scaled(cellHeight, 0.17, 9, 24);
    const int numberHeight = QFontMetrics(OwnTextFont(kProportionalFamily, parts.numberSize, true)).height();
    const int smallHeight = QFontMetrics(OwnTextFont(kProportionalFamily, parts.smallSize)).height();
    parts.top = QRect(inner.left(), inner.top(), inner.width(), numberHeight);
    parts.bottom = QRect(inner.left(), inner.bottom() - smallHeight + 1, inner.width(), smallHeight);
    parts.band = QRect(QPoint(inner.left(), parts.top.bottom() + 1), QPoint(inner.right(), parts.bottom.top() - 1));
    return parts;
}

void MonthGrid::PaintLabel(QPainter& painter, const DayCell& cell, const QRect& band, int largest) const
{
    const QColor ink = cell.labelKind == LabelKind::Holiday     ? kRed
                       : cell.labelKind == LabelKind::SolarTerm ? kSolarTermInk
                                                                : kZassetsuInk;
    painter.setPen(Faint(ink, cell.dimmed));
    const LabelLayout layout = LayOutLabel(Text(cell.label), band.size(), largest);
    painter.setFont(OwnTextFont(kProportionalFamily, layout.size));
    painter.drawText(band, Qt::AlignCenter, layout.text);
}

namespace {

// Where the long names may go onto a new line: between their words (after
// a の, or between the parts of a compound), never inside a word. Japanese
// has no spaces to find them by; a name not listed is one word and shrinks
// to fit on one line.
const QStringList kBrokenNames = {
    QStringLiteral("勤労|感謝の日"),
    QStringLiteral("建国|記念の日"),
    QStringLiteral("憲法|記念日"),
    QStringLiteral("天皇|誕生日"),
    QStringLiteral("スポーツ|の日"),
    QStringLiteral("国民の|休日"),
    QStringLiteral("振替|休日"),
    QStringLiteral("天皇の|即位の日"),
    QStringLiteral("即位礼|正殿の儀"),
    QStringLiteral("昭和天皇の|大喪の礼"),
    QStringLiteral("皇太子|明仁|親王の|結婚の儀"),
    QStringLiteral("皇太子|徳仁|親王の|結婚の儀"),
    QStringLiteral("土用の|丑の日"),
};

QStringList WordsOf(const QString& label)
{
    for (const QString& broken : kBrokenNames) {
        QStringList words = broken.split(u'|');
        if (words.join(QString()) == label)
            return words;
    }
    return {label};
}

}  // namespace

LabelLayout LayOutLabel(const QString& label, const QSize& band, int largest)
{
    auto fits = [&](int size, const QString& text) {
        const QFontMetrics metrics(OwnTextFont(kProportionalFamily, size));
        const QStringList lines = text.split(u'\n');
        if (lines.size() * metrics.height() > band.height())
            return false;
        return std::all_of(lines.begin(), lines.end(),
                           [&](const QString& line) { return metrics.horizontalAdvance(line) <= band.width(); });
    };
    // Each way of putting words on lines: a line break after a word or not.
    auto arrange = [](const QStringList& words) {
        QStringList arrangements;
        const int breaks = static_cast<int>(words.size()) - 1;
        for (int mask = 1; mask < (1 << breaks); ++mask) {
            QString text = words.front();
            for (int i = 1; i <= breaks; ++i)
                text += ((mask >> (i - 1)) & 1 ? QStringLiteral("\n") : QString()) + words[i];
            arrangements << text;
        }
        return arrangements;
    };
    const QStringList words = WordsOf(label);
    const QStringList arrangements = arrange(words);
    // The label's own size first, or a little smaller, on one line; then
    // the largest size at which it fits on one line or between its words,
    // fewer lines first; past the smallest size it is cut short.
    const int slightlySmaller = std::max(kSmallestLabel, largest - 2);
    for (int size = largest; size >= slightlySmaller; --size) {
        if (fits(size, label))
            return {size, label, false};
    }
    for (int size = largest; size >= kSmallestLabel; --size) {
        if (size < slightlySmaller && fits(size, label))
            return {size, label, false};
        for (const QString& text : arrangements) {
            if (fits(size, text))
                return {size, text, false};
        }
    }
    // Cut short after the most words that fit, never inside one; the line
    // under the grid has the name whole.
    for (qsizetype kept = words.size() - 1; kept >= 1; --kept) {
        QStringList shortened = words.mid(0, kept);
        shortened.back() += QStringLiteral("…");
        for (const QString& text : QStringList{shortened.join(QString())} + arrange(shortened)) {
            if (fits(kSmallestLabel, text))
                return {kSmallestLabel, text, true};
        }
    }
    const QFontMetrics smallest(OwnTextFont(kProportionalFamily, kSmallestLabel));
    return {kSmallestLabel, smallest.elidedText(label, Qt::ElideRight, band.width()), true};
}

}  // namespace vadelon
