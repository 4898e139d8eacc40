#include "calendar_window/calendar_window.h"

#include "calendar_window/month_grid.h"
#include "calendar_window/month_grid_accessible.h"
#include "fonts/fonts.h"
#include "platform/beside_modal.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vadelon {

namespace {

constexpr int kGap = 8;  // between the calculator and the calendar beside it
// After a move has been painted (a frame), not before.
constexpr int kPrepareAfter = 20;

Date DateOf(const QDate& date)
{
    return {date.year(), date.month(), date.day()};
}

QToolButton* HeaderButton(QWidget* parent, const char* name, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);  // the keys stay with the grid
    button->setIconSize(QSize(12, 12));   // the arrows' size
    button->setMinimumSize(30, 24);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

// Right of the other window where the screen has room, else left of it, at
// its height; frames included.
void PlaceBeside(QWidget* window, const QWidget* other)
{
    const QScreen* screen = other->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = other->frameGeometry();
    const QSize frame = window->size() + (beside.size() - other->size());
    int x = beside.right() + 1 + kGap;
    if (x + frame.width() > room.right() + 1)
        x = beside.left() - kGap - frame.width();
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - frame.width()));
    const int y = std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height()));
    window->move(x, y);
}

}  // namespace

CalendarWindow::CalendarWindow(CalculatorLink link, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , link_(std::move(link))
{
    InstallGridAccessibility();
    setObjectName(QStringLiteral("CalendarWindow"));
    setFont(OwnTextFont(kProportionalFamily, 12));
    const Date today = DateOf(link_.today());
    calendar_ = std::make_unique<MonthCalendar>(today, today);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    auto* header = new QWidget(this);
    BuildHeader(header);
    layout->addWidget(header);

    grid_ = new MonthGrid(*calendar_, this);
    layout->addWidget(grid_, 1);

    line_ = new QLabel(this);
    line_->setObjectName(QStringLiteral("DayLine"));
    line_->setFont(OwnTextFont(kProportionalFamily, 13));
    line_->setTextFormat(Qt::PlainText);
    line_->setWordWrap(true);
    // Two lines of room, so that a long day does not shift the grid.
    line_->setMinimumHeight(2 * line_->fontMetrics().lineSpacing() + 4);
    line_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(line_);

    // The years next to the one shown are worked out while the user looks,
    // one at a time, so that turning into them costs a frame's work at most.
    prepare_ = new QTimer(this);
    prepare_->setSingleShot(true);
    prepare_->setInterval(kPrepareAfter);
    connect(prepare_, &QTimer::timeout, this, [this] {
        if (calendar_->PrepareNearby())
            prepare_->start();
    });
    connect(grid_, &MonthGrid::Moved, this, &CalendarWindow::ShowState);
    connect(grid_, &MonthGrid::Chosen, this, &CalendarWindow::ChooseSelected);
    new BesideModal(this);
    setFocusProxy(grid_);
    grid_->setFocus();
    ShowState();
}

CalendarWindow::~CalendarWindow() = default;

void CalendarWindow::BuildHeader(QWidget* header)
{
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    QToolButton* previous = HeaderButton(header, "PreviousMonth", QStringLiteral("前の月（PageUp）"));
    previous->setArrowType(Qt::LeftArrow);
    QToolButton* next = HeaderButton(header, "NextMonth", QStringLiteral("次の月（PageDown）"));
    next->setArrowType(Qt::RightArrow);
    QToolButton* today = HeaderButton(header, "TodayButton", QStringLiteral("今日の月（Home）"));
    today->setText(QStringLiteral("今日"));
    month_ = new QLabel(header);
    month_->setObjectName(QStringLiteral("MonthLabel"));
    month_->setFont(OwnTextFont(kProportionalFamily, 16, true));
    month_->setAlignment(Qt::AlignCenter);
    row->addWidget(previous);
    row->addWidget(month_, 1);
    row->addWidget(next);
    row->addSpacing(8);
    row->addWidget(today);

    connect(previous, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(next, &QToolButton::clicked, this, [this] { Step(1); });
    connect(today, &QToolButton::clicked, this, [this] {
        calendar_->SetToday(DateOf(link_.today()));
        if (calendar_->GoToToday())
            grid_->Refresh();
    });
}

void CalendarWindow::OpenOn(const QDate& date)
{
    const Date today = DateOf(link_.today());
    calendar_->SetToday(today);
    if (!calendar_->Select(DateOf(date), false))
        calendar_->Select(today, false);
    grid_->Refresh();
}

QString CalendarWindow::LineText() const
{
    return line_->text();
}

void CalendarWindow::ShowState()
{
    if (!prepare_->isActive())
        prepare_->start();
    setWindowTitle(QString::fromStdString(calendar_->Title()));
    month_->setText(QString::fromStdString(calendar_->MonthText()));
    line_->setText(QString::fromStdString(calendar_->StatusLine()));
}

void CalendarWindow::Step(int months)
{
    if (calendar_->MoveMonths(months, false))
        grid_->Refresh();
}

void CalendarWindow::ChooseSelected()
{
    const Date day = calendar_->Selected();
    link_.enterUpperDate(QDate(day.year, day.month, day.day));
    // While a modal window runs the calculator takes no input: it is not
    // brought up over the window the user works in.
    if (link_.window && !QApplication::activeModalWidget()) {
        link_.window->raise();
        link_.window->activateWindow();
    }
}

void CalendarWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

CalendarWindowHolder::~CalendarWindowHolder()
{
    delete window_;
}

void CalendarWindowHolder::Present()
{
    const bool made = !window_;
    if (made) {
        window_ = new CalendarWindow(link_);
        window_->setAttribute(Qt::WA_QuitOnClose, false);  // closing the calculator still ends the program
        window_->resize(window_->sizeHint());
    }
    if (!window_->isVisible()) {
        const std::optional<QDate> upper = link_.upperDate ? link_.upperDate() : std::nullopt;
        window_->OpenOn(upper ? *upper : link_.today());
        // The user's own place for it is kept from then on.
        if (made && link_.window)
            PlaceBeside(window_, link_.window);
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace vadelon
