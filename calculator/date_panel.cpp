#include "calculator/date_panel.h"

#include "calculator/up_down.h"
#include "calendar/day_arithmetic.h"
#include "fonts/fonts.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vadelon {

namespace {

const QColor kBlue(0, 0, 255);

template <typename W>
W* Make(QWidget* parent, const char* name, QRect rect)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QPoint at, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, QRect rect)
{
    auto* edit = Make<QLineEdit>(parent, name, rect);
    edit->setMaxLength(32767);  // no limit of its own beyond the toolkit's
    edit->setTextMargins(0, 0, 0, 0);
    TakeFallbacksWhenNeeded(edit);
    return edit;
}

}  // namespace

void KeepLookWhenDisabled(QWidget* panel)
{
    QPalette palette = panel->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Base,
                                     QPalette::Button, QPalette::Window})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    panel->setPalette(palette);
}

QString TodayButtonHint()
{
    return QStringLiteral("今日の日付または今年の西暦年や和暦年を入力します。");
}

DatePanel BuildDatePanel(QWidget* parent, int left, int top, const DatePanelNames& n)
{
    DatePanel p;
    p.frame = Make<QFrame>(parent, n.frame, QRect(left, top, 257, 113));
    p.frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p.frame->setLineWidth(1);
    KeepLookWhenDisabled(p.frame);
    QWidget* f = p.frame;

    p.title = MakeLabel(f, n.title, QPoint(10, 8), QString());
    QFont titleFont = p.title->font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    p.title->setFont(titleFont);
    QPalette titlePalette = p.title->palette();
    titlePalette.setColor(QPalette::WindowText, kBlue);
    p.title->setPalette(titlePalette);

    // Row 1: 西暦 [year][spin] 年  [era] [era year] 年
    constexpr int row1 = 40;
    p.yearCaption = MakeLabel(f, n.yearCaption, QPoint(10, row1 + 4), QStringLiteral("西暦"));
    p.year = MakeEdit(f, n.year, QRect(38, row1, 33, 21));
    p.yearSpin = Make<TUpDown>(f, n.yearSpin, QRect(71, row1, 15, 21));
    p.yearSpin->setCursor(Qt::PointingHandCursor);
    p.yearUnit = MakeLabel(f, n.yearUnit, QPoint(89, row1 + 4), QStringLiteral("年"));
    p.era = Make<QComboBox>(f, n.era, QRect(106, row1, 49, 21));
    p.era->setEditable(false);
    p.era->setCursor(Qt::PointingHandCursor);
    p.eraYear = MakeEdit(f, n.eraYear, QRect(158, row1, 25, 21));
    p.eraYearUnit = MakeLabel(f, n.eraYearUnit, QPoint(186, row1 + 4), QStringLiteral("年"));

    // Row 2: [month][spin] 月 [day][spin] 日 （　曜日）        [today]
    constexpr int row2 = 76;
    p.month = MakeEdit(f, n.month, QRect(38, row2, 25, 21));
    p.monthSpin = Make<TUpDown>(f, n.monthSpin, QRect(63, row2, 15, 21));
    p.monthUnit = MakeLabel(f, n.monthUnit, QPoint(81, row2 + 4), QStringLiteral("月"));
    p.day = MakeEdit(f, n.day, QRect(98, row2, 25, 21));
    p.daySpin = Make<TUpDown>(f, n.daySpin, QRect(123, row2, 15, 21));
    p.dayUnit = MakeLabel(f, n.dayUnit, QPoint(141, row2 + 4), QStringLiteral("日"));
    p.weekday = MakeLabel(f, n.weekday, QPoint(158, row2 + 4), QString::fromStdString(BlankWeekdayLabel()));

    p.today = Make<QPushButton>(f, n.today, QRect(206, 38, 41, 25));
    p.today->setCursor(Qt::PointingHandCursor);
    p.today->setAutoDefault(false);
    p.today->setStatusTip(TodayButtonHint());
    p.today->setToolTip(TodayButtonHint());

    return p;
}

void NameForScreenReaders(const DatePanel& p, const QString& panelName)
{
    const std::pair<QWidget*, const char*> names[] = {
        {p.year, "西暦年"},       {p.yearSpin, "西暦年の増減"}, {p.era, "年号"},
        {p.eraYear, "和暦年"},    {p.month, "月"},              {p.day, "日"},
        {p.monthSpin, "月の増減"}, {p.daySpin, "日の増減"},      {p.weekday, "曜日"},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(panelName + QLatin1Char(' ') + QString::fromUtf8(name));
    p.today->setAccessibleDescription(TodayButtonHint());
}

QList<QWidget*> FocusChain(const DatePanel& p)
{
    return {p.year, p.yearSpin, p.era, p.eraYear, p.month, p.day, p.monthSpin, p.daySpin, p.today};
}

}  // namespace vadelon
