#include "calendar_window/calendar_window.h"

#include "calendar_window/month_grid.h"
#include "calendar_window/month_grid_accessible.h"
#include "fonts/fonts.h"
#include "platform/beside_modal.h"
#include "platform/window_setup.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vadelon {

namespace {

constexpr int kGap = 8;  // between the calculator and the calendar beside it
// The texts around the grid at the window's own size, in pixels.
constexpr int kMonthText = 16;
constexpr int kLineText = 13;
constexpr int kButtonText = 12;
constexpr int kArrowSize = 12;
constexpr int kButtonWidth = 30;
constexpr int kButtonHeight = 24;
// After a move has been painted (a frame), not before.
constexpr int kPrepareAfter = 20;

// The ◀ and ▶ of the month buttons, painted at whatever size the icon is
// asked for: the style's own arrows keep one size however large the button
// grows with the window.
class ArrowIcon final : public QIconEngine {
public:
    explicit ArrowIcon(bool left)
        : left_(left)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette::ColorGroup group = mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        const QRectF r =
            QRectF(rect).adjusted(rect.width() * 0.2, rect.height() * 0.15, -rect.width() * 0.2, -rect.height() * 0.15);
        QPainterPath triangle;
        triangle.moveTo(left_ ? r.right() : r.left(), r.top());
        triangle.lineTo(left_ ? r.left() : r.right(), r.center().y());
        triangle.lineTo(left_ ? r.right() : r.left(), r.bottom());
        triangle.closeSubpath();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillPath(triangle, QApplication::palette().color(group, QPalette::ButtonText));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new ArrowIcon(left_); }

private:
    bool left_;
};

QToolButton* HeaderButton(QWidget* parent, const char* name, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);  // the keys stay with the grid
    button->setFont(OwnTextFont(kProportionalFamily, kButtonText));
    button->setIconSize(QSize(kArrowSize, kArrowSize));
    button->setMinimumSize(kButtonWidth, kButtonHeight);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

}  // namespace

CalendarWindow::CalendarWindow(CalculatorLink link, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , link_(std::move(link))
{
    InstallGridAccessibility();
    setObjectName(QStringLiteral("CalendarWindow"));
    setFont(OwnTextFont(kProportionalFamily, 12));
    const Date today = link_.today();
    calendar_ = std::make_unique<MonthCalendar>(today, today);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    auto* header = new QWidget(this);
    BuildHeader(header);
    layout->addWidget(header);

    goToRow_ = new QWidget(this);
    auto* goToLayout = new QHBoxLayout(goToRow_);
    goToLayout->setContentsMargins(0, 0, 0, 0);
    auto* goToLabel = new QLabel(QStringLiteral("移動先(&G):"), goToRow_);
    goTo_ = new QLineEdit(goToRow_);
    goTo_->setObjectName(QStringLiteral("GoToField"));
    goTo_->setPlaceholderText(QStringLiteral("元禄15年12月14日、R8/5/6、2026-05-06"));
    goTo_->setAccessibleName(QStringLiteral("移動先の日付"));
    goToLabel->setBuddy(goTo_);
    goToLayout->addWidget(goToLabel);
    goToLayout->addWidget(goTo_, 1);
    goToRow_->hide();
    layout->addWidget(goToRow_);
    connect(goTo_, &QLineEdit::returnPressed, this, &CalendarWindow::GoTo);
    auto* goToKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    connect(goToKey, &QShortcut::activated, this, &CalendarWindow::OpenGoTo);

    grid_ = new MonthGrid(*calendar_, this);
    layout->addWidget(grid_, 1);

    line_ = new QLabel(this);
    line_->setObjectName(QStringLiteral("DayLine"));
    line_->setFont(OwnTextFont(kProportionalFamily, kLineText));
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
    // F1 asks for help here as in the other windows, at this window's page.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
        if (link_.help)
            link_.help();
    });
    new BesideModal(this);
    setFocusProxy(grid_);
    grid_->setFocus();
    ShowState();
    ownSize_ = sizeHint();
}

CalendarWindow::~CalendarWindow() = default;

void CalendarWindow::BuildHeader(QWidget* header)
{
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    QToolButton* previous = HeaderButton(header, "PreviousMonth", QStringLiteral("前の月（PageUp）"));
    previous->setIcon(QIcon(new ArrowIcon(true)));
    QToolButton* next = HeaderButton(header, "NextMonth", QStringLiteral("次の月（PageDown）"));
    next->setIcon(QIcon(new ArrowIcon(false)));
    QToolButton* today = HeaderButton(header, "TodayButton", QStringLiteral("今日の月（Home）"));
    today->setText(QStringLiteral("今日"));
    month_ = new QLabel(header);
    month_->setObjectName(QStringLiteral("MonthLabel"));
    month_->setFont(OwnTextFont(kProportionalFamily, kMonthText, true));
    month_->setAlignment(Qt::AlignCenter);
    buttons_ = {previous, next, today};
    row->addWidget(previous);
    row->addWidget(month_, 1);
    row->addWidget(next);
    row->addSpacing(8);
    row->addWidget(today);
    QToolButton* goTo = HeaderButton(header, "GoToButton", QStringLiteral("日付へ移動（Ctrl+G）"));
    goTo->setText(QStringLiteral("移動"));
    row->addWidget(goTo);
    buttons_.append(goTo);
    connect(goTo, &QToolButton::clicked, this, &CalendarWindow::OpenGoTo);

    connect(previous, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(next, &QToolButton::clicked, this, [this] { Step(1); });
    connect(today, &QToolButton::clicked, this, [this] {
        calendar_->SetToday(link_.today());
        if (calendar_->GoToToday())
            grid_->Refresh();
    });
}

void CalendarWindow::OpenOn(const Date& date)
{
    const Date today = link_.today();
    calendar_->SetToday(today);
    if (!calendar_->Select(date, false))
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

void CalendarWindow::OpenGoTo()
{
    goToRow_->show();
    goTo_->setFocus();
    goTo_->selectAll();
}

void CalendarWindow::GoTo()
{
    const std::string message = calendar_->GoToText(goTo_->text().toStdString());
    if (!message.empty()) {
        line_->setText(QString::fromStdString(message));
        goTo_->selectAll();
        return;
    }
    goToRow_->hide();
    grid_->setFocus();
    grid_->Refresh();
}

void CalendarWindow::Step(int months)
{
    if (calendar_->MoveMonths(months, false))
        grid_->Refresh();
}

void CalendarWindow::ChooseSelected()
{
    const Date day = calendar_->Selected();
    if (!link_.enterUpperDate(day)) {
        // Refused while the calculator asks which era to adopt: the line
        // says so until the next move.
        line_->setText(QStringLiteral("年号確認に答えてから選び直してください。上の日付は変わっていません。"));
        return;
    }
    // While a modal window runs the calculator takes no input: it is not
    // brought up over the window the user works in.
    if (link_.window && !QApplication::activeModalWidget()) {
        link_.window->raise();
        link_.window->activateWindow();
    }
}

void CalendarWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ScaleTexts();
}

void CalendarWindow::ScaleTexts()
{
    if (ownSize_.isEmpty())
        return;
    // From the window's size, which these texts do not change (the grid's
    // cells would shrink as they grew).
    const double scale = std::max(1.0, std::min(static_cast<double>(width()) / ownSize_.width(),
                                                static_cast<double>(height()) / ownSize_.height()));
    if (std::abs(scale - scale_) < 0.02)
        return;
    scale_ = scale;
    auto scaled = [scale](int size) { return static_cast<int>(std::lround(size * scale)); };
    month_->setFont(OwnTextFont(kProportionalFamily, scaled(kMonthText), true));
    line_->setFont(OwnTextFont(kProportionalFamily, scaled(kLineText)));
    line_->setMinimumHeight(2 * line_->fontMetrics().lineSpacing() + 4);
    for (QToolButton* button : buttons_) {
        button->setFont(OwnTextFont(kProportionalFamily, scaled(kButtonText)));
        button->setIconSize(QSize(scaled(kArrowSize), scaled(kArrowSize)));
        button->setMinimumSize(scaled(kButtonWidth), scaled(kButtonHeight));
    }
}

void CalendarWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (goToRow_->isVisible()) {
            goToRow_->hide();
            grid_->setFocus();
            ShowState();
            return;
        }
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
        const std::optional<Date> upper = link_.upperDate ? link_.upperDate() : std::nullopt;
        window_->OpenOn(upper ? *upper : link_.today());
        // The user's own place for it is kept from then on.
        if (made && link_.window)
            PlaceBeside(*window_, *link_.window, kGap);
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace vadelon
