#include "period_window/period_window.h"

#include "fonts/fonts.h"
#include "period_window/period_sheet.h"
#include "platform/accessible_widgets.h"
#include "platform/beside_modal.h"
#include "platform/window_setup.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vadelon {

namespace {

constexpr int kGap = 8;  // between the calculator and the window beside it
constexpr int kBirth = 0, kDay = 3, kStart = 6;
constexpr const char* kFieldParts[3] = {"年", "月", "日"};
// The faded rows of the tables: the grey of disabled text.
const QColor kPassedColour(128, 128, 128);

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QLineEdit* NumberField(QWidget* parent, const QString& name, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setFixedWidth(width);
    edit->setMaxLength(24);  // room for a date written whole in the year field (元禄十五年十二月十四日)
    edit->setAlignment(Qt::AlignRight);
    TakeFallbacksWhenNeeded(edit);
    return edit;
}

QTableWidget* SheetTable(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void FillTable(QTableWidget* table, const std::vector<SheetRow>& rows)
{
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SheetRow& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
            auto* item = new QTableWidgetItem(Text(row.cells[static_cast<std::size_t>(c)]));
            if (row.passed)
                item->setForeground(kPassedColour);
            if (row.current) {
                QFont bold = table->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            // A screen reader hears a passed row as such.
            if (c == 0 && (row.passed || row.current))
                item->setData(Qt::AccessibleTextRole, item->text() + (row.passed ? "（済み）" : "（今年）"));
            table->setItem(r, c, item);
        }
    }
}

}  // namespace

PeriodWindow::PeriodWindow(PeriodWindowLink link, QWidget* parent)
    : QMainWindow(parent)
    , link_(std::move(link))
{
    InstallAccessibleWidgets();
    setObjectName(QStringLiteral("PeriodWindow"));
    setWindowTitle(QStringLiteral("年齢と期間"));
    setFont(OwnTextFont(kProportionalFamily, 12));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    central->setMinimumWidth(470);  // the notes and the period's options on one line each
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(6);
    layout->addWidget(BuildAgePart(), 1);
    layout->addWidget(BuildPeriodPart());

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("PeriodStatus"));
    bar->setSizeGripEnabled(false);
    status_ = new QLabel(bar);
    status_->setObjectName(QStringLiteral("PeriodMessage"));
    bar->addWidget(status_, 1);
    note_ = new SpokenNote(bar);

    for (QLineEdit* edit : fields_)
        connect(edit, &QLineEdit::textChanged, this, [this, edit] {
            const int i = static_cast<int>(std::find(std::begin(fields_), std::end(fields_), edit) - fields_);
            if (i < kStart)
                ShowAges();
            else
                ShowPeriod();
        });
    connect(count_, &QLineEdit::textChanged, this, &PeriodWindow::ShowPeriod);
    connect(unit_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            ShowPeriod();
    });
    connect(firstDay_, &QCheckBox::toggled, this, &PeriodWindow::ShowPeriod);
    connect(businessDay_, &QCheckBox::toggled, this, &PeriodWindow::ShowPeriod);
    connect(sex_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            ShowAges();
    });
    for (QLineEdit* edit : fields_)
        connect(edit, &QLineEdit::returnPressed, this, &PeriodWindow::Calculate);
    connect(count_, &QLineEdit::returnPressed, this, &PeriodWindow::Calculate);

    // F1, the key for help on every desktop, wherever the focus is.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
        if (link_.help)
            link_.help(this);
    });
    new BesideModal(this);
    SetToday();
    setFocusProxy(fields_[kBirth]);
}

QWidget* PeriodWindow::DateRow(const QString& name, int first, const char* todayName)
{
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(3);
    auto* caption = new QLabel(name, row);
    caption->setFixedWidth(76);
    h->addWidget(caption);
    for (int part = 0; part < 3; ++part) {
        QLineEdit* edit = NumberField(row, name + u' ' + QString::fromUtf8(kFieldParts[part]), part == 0 ? 56 : 32);
        edit->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(todayName)).arg(part));
        fields_[first + part] = edit;
        h->addWidget(edit);
        h->addWidget(new QLabel(QString::fromUtf8(kFieldParts[part]), row));
    }
    if (first == kBirth)
        caption->setBuddy(fields_[first]);
    if (first != kBirth) {
        auto* today = new QPushButton(QStringLiteral("今日"), row);
        today->setObjectName(QString::fromLatin1(todayName) + QStringLiteral("Today"));
        today->setAccessibleName(name + QStringLiteral(" 今日"));
        today->setAutoDefault(false);
        connect(today, &QPushButton::clicked, this, [this, first] {
            const QDate date = link_.today();
            fields_[first]->setText(QString::number(date.year()));
            fields_[first + 1]->setText(QString::number(date.month()));
            fields_[first + 2]->setText(QString::number(date.day()));
        });
        h->addSpacing(6);
        h->addWidget(today);
    }
    h->addStretch(1);
    return row;
}

QWidget* PeriodWindow::BuildAgePart()
{
    auto* box = new QGroupBox(QStringLiteral("年齢"), this);
    box->setObjectName(QStringLiteral("AgePart"));
    auto* v = new QVBoxLayout(box);
    v->setSpacing(4);
    v->addWidget(DateRow(QStringLiteral("生年月日"), kBirth, "Birth"));
    v->addWidget(DateRow(QStringLiteral("基準日"), kDay, "Day"));

    auto* sexRow = new QWidget(box);
    auto* h = new QHBoxLayout(sexRow);
    h->setContentsMargins(0, 0, 0, 0);
    auto* sexCaption = new QLabel(QStringLiteral("厄年の性別"), sexRow);
    sexCaption->setFixedWidth(76);
    h->addWidget(sexCaption);
    sex_ = new QButtonGroup(this);
    auto* male = new QRadioButton(QStringLiteral("男性(&M)"), sexRow);
    auto* female = new QRadioButton(QStringLiteral("女性(&F)"), sexRow);
    male->setObjectName(QStringLiteral("Male"));
    female->setObjectName(QStringLiteral("Female"));
    male->setChecked(true);
    sex_->addButton(male, static_cast<int>(Sex::Male));
    sex_->addButton(female, static_cast<int>(Sex::Female));
    h->addWidget(male);
    h->addWidget(female);
    h->addStretch(1);
    auto* run = new QPushButton(QStringLiteral("計算(&R)"), sexRow);
    run->setObjectName(QStringLiteral("Calculate"));
    run->setAutoDefault(false);
    connect(run, &QPushButton::clicked, this, &PeriodWindow::Calculate);
    h->addWidget(run);
    v->addWidget(sexRow);

    auto* results = new QWidget(box);
    auto* grid = new QGridLayout(results);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    int row = 0;
    auto result = [&](const QString& name, const char* objectName) {
        auto* caption = new QLabel(name, results);
        auto* value = new ValueLabel(name, results);
        value->setObjectName(QString::fromLatin1(objectName));
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, 0, Qt::AlignTop);
        grid->addWidget(value, row, 1);
        ++row;
        return value;
    };
    fullAge_ = result(QStringLiteral("満年齢"), "FullAge");
    countedAge_ = result(QStringLiteral("数え年"), "CountedAge");
    lived_ = result(QStringLiteral("経過"), "Lived");
    nextBirthday_ = result(QStringLiteral("次の誕生日"), "NextBirthday");
    signs_ = result(QStringLiteral("生まれ年"), "BirthYearSigns");
    grid->setColumnStretch(1, 1);
    v->addWidget(results);

    tables_ = new QTabWidget(box);
    tables_->setObjectName(QStringLiteral("AgeTables"));
    const QString tableNames[3] = {QStringLiteral("学歴"), QStringLiteral("長寿祝い"), QStringLiteral("厄年")};
    QTableWidget* school =
        SheetTable(tables_, "SchoolTable", {QStringLiteral("学校"), QStringLiteral("西暦"), QStringLiteral("和暦")});
    QTableWidget* longevity = SheetTable(
        tables_, "LongevityTable",
        {QStringLiteral("祝い"), QStringLiteral("年齢"), QStringLiteral("満年齢で"), QStringLiteral("数え年で")});
    QTableWidget* unlucky =
        SheetTable(tables_, "UnluckyTable", {QStringLiteral("年"), QStringLiteral("数え年"), QStringLiteral("厄")});
    QTableWidget* tables[3] = {school, longevity, unlucky};
    for (int i = 0; i < 3; ++i) {
        tables[i]->setAccessibleName(tableNames[i]);
        tables_->addTab(tables[i], tableNames[i]);
    }
    // The longest table, 長寿祝い, whole: eleven rows and the header.
    tables_->setMinimumHeight(13 * school->verticalHeader()->defaultSectionSize() + 12);
    v->addWidget(tables_, 1);
    auto* note = new QLabel(QStringLiteral("灰色は過ぎた年、太字は基準日の年です。\n"
                                           "厄年は数え年で1月1日から数えます（立春から数える寺社もあります）。"),
                            box);
    note->setObjectName(QStringLiteral("AgeNote"));
    v->addWidget(note);
    return box;
}

QWidget* PeriodWindow::BuildPeriodPart()
{
    auto* box = new QGroupBox(QStringLiteral("期間の満了日"), this);
    box->setObjectName(QStringLiteral("PeriodPart"));
    auto* v = new QVBoxLayout(box);
    v->setSpacing(4);
    v->addWidget(DateRow(QStringLiteral("起算の日"), kStart, "Start"));

    auto* row = new QWidget(box);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(3);
    auto* caption = new QLabel(QStringLiteral("期間"), row);
    caption->setFixedWidth(76);
    h->addWidget(caption);
    count_ = NumberField(row, QStringLiteral("期間の長さ"), 56);
    count_->setObjectName(QStringLiteral("PeriodCount"));
    h->addWidget(count_);
    h->addSpacing(6);
    // The units as a set of choices: a screen reader hears each by name, the
    // arrow keys move between them.
    unit_ = new QButtonGroup(this);
    for (PeriodUnit unit : {PeriodUnit::Days, PeriodUnit::Weeks, PeriodUnit::Months, PeriodUnit::Years}) {
        const QString text = Text(std::string(PeriodUnitText(unit)));
        auto* choice = new QRadioButton(text, row);
        choice->setObjectName(QStringLiteral("Unit%1").arg(static_cast<int>(unit)));
        choice->setAccessibleName(QStringLiteral("期間の単位 ") + text);
        choice->setChecked(unit == PeriodUnit::Months);
        unit_->addButton(choice, static_cast<int>(unit));
        h->addWidget(choice);
    }
    h->addStretch(1);
    v->addWidget(row);

    auto* options = new QWidget(box);
    h = new QHBoxLayout(options);
    h->setContentsMargins(0, 0, 0, 0);
    h->addSpacing(79);
    firstDay_ = new QCheckBox(QStringLiteral("初日を含める(&I)"), options);
    firstDay_->setObjectName(QStringLiteral("FirstDay"));
    businessDay_ = new QCheckBox(QStringLiteral("休日なら翌営業日(&H)"), options);
    businessDay_->setObjectName(QStringLiteral("NextBusinessDay"));
    h->addWidget(firstDay_);
    h->addSpacing(8);
    h->addWidget(businessDay_);
    h->addStretch(1);
    v->addWidget(options);

    auto* results = new QWidget(box);
    auto* grid = new QGridLayout(results);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->setHorizontalSpacing(8);
    grid->addWidget(new QLabel(QStringLiteral("満了日"), results), 0, 0);
    lastDay_ = new ValueLabel(QStringLiteral("満了日"), results);
    lastDay_->setObjectName(QStringLiteral("LastDay"));
    lastDay_->setTextFormat(Qt::PlainText);
    lastDay_->setFont(OwnTextFont(kProportionalFamily, 13, true));
    grid->addWidget(lastDay_, 0, 1);
    periodNote_ = new QLabel(results);
    periodNote_->setObjectName(QStringLiteral("PeriodNote"));
    periodNote_->setTextFormat(Qt::PlainText);
    grid->addWidget(periodNote_, 1, 1);
    grid->setColumnStretch(1, 1);
    v->addWidget(results);
    return box;
}

namespace {

DateTexts Texts(QLineEdit* const* fields)
{
    return DateTexts{fields[0]->text().toStdString(), fields[1]->text().toStdString(), fields[2]->text().toStdString()};
}

}  // namespace

void PeriodWindow::SetToday()
{
    const QDate date = link_.today();
    for (int first : {kDay, kStart}) {
        fields_[first]->setText(QString::number(date.year()));
        fields_[first + 1]->setText(QString::number(date.month()));
        fields_[first + 2]->setText(QString::number(date.day()));
    }
}

void PeriodWindow::ShowAges()
{
    if (!status_)
        return;  // still being built
    const AgeSheet sheet =
        ComposeAgeSheet(Texts(fields_ + kBirth), Texts(fields_ + kDay), static_cast<Sex>(sex_->checkedId()));
    fullAge_->setText(Text(sheet.fullAge));
    countedAge_->setText(Text(sheet.countedAge));
    lived_->setText(Text(sheet.lived));
    nextBirthday_->setText(Text(sheet.nextBirthday));
    signs_->setText(Text(sheet.birthYearSigns));
    FillTable(qobject_cast<QTableWidget*>(tables_->widget(0)), sheet.school);
    FillTable(qobject_cast<QTableWidget*>(tables_->widget(1)), sheet.longevity);
    FillTable(qobject_cast<QTableWidget*>(tables_->widget(2)), sheet.unlucky);
    ageSpoken_ = Text(sheet.ok ? sheet.spoken : sheet.message);
    ageMessage_ = Text(sheet.message);
    SetStatusText(status_, ageMessage_.isEmpty() ? periodMessage_ : ageMessage_);
}

void PeriodWindow::ShowPeriod()
{
    if (!status_)
        return;  // still being built
    const DeadlineSheet sheet =
        ComposeDeadline(Texts(fields_ + kStart), count_->text().toStdString(),
                        static_cast<PeriodUnit>(unit_->checkedId()), firstDay_->isChecked(), businessDay_->isChecked());
    lastDay_->setText(Text(sheet.lastDay));
    periodNote_->setText(Text(sheet.note));
    periodSpoken_ = Text(sheet.ok ? sheet.spoken : sheet.message);
    periodMessage_ = Text(sheet.message);
    SetStatusText(status_, ageMessage_.isEmpty() ? periodMessage_ : ageMessage_);
}

void PeriodWindow::Calculate()
{
    ShowAges();
    ShowPeriod();
    // The part the focus is in is said first.
    const bool inPeriod =
        std::find(fields_ + kStart, fields_ + 9, focusWidget()) != fields_ + 9 || focusWidget() == count_;
    QStringList said;
    for (const QString& text :
         inPeriod ? QStringList{periodSpoken_, ageSpoken_} : QStringList{ageSpoken_, periodSpoken_})
        if (!text.isEmpty())
            said << text;
    note_->Say(said.join(QStringLiteral("。")));
}

QString PeriodWindow::ResultText(const char* name) const
{
    const auto* label = findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

QTableWidget* PeriodWindow::Table(int index) const
{
    return qobject_cast<QTableWidget*>(tables_->widget(index));
}

void PeriodWindow::ShowTable(int index)
{
    tables_->setCurrentIndex(index);
}

QString PeriodWindow::LastSaid() const
{
    return note_->Text();
}

QString PeriodWindow::Message() const
{
    return status_->text();
}

void PeriodWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

PeriodWindowHolder::~PeriodWindowHolder()
{
    delete window_;
}

void PeriodWindowHolder::Present()
{
    const bool made = !window_;
    if (made) {
        window_ = new PeriodWindow(link_);
        window_->setAttribute(Qt::WA_QuitOnClose, false);  // closing the calculator still ends the program
        window_->resize(window_->sizeHint());
        if (link_.window)
            PlaceBeside(*window_, *link_.window, kGap, Side::Left);  // the month calendar opens on the right
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    window_->Field(0)->setFocus();
}

}  // namespace vadelon
