#pragma once
// The window 年齢と期間: a person's ages on a day (満年齢, 数え年, time lived,
// the next birthday, the birth year's 干支 and 九星) with the school years,
// 長寿祝い and 厄年 of the birth, and the last day of a period as the civil
// law counts it. The program keeps one, modeless, beside the calculator
// (PeriodWindowHolder).
#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTabWidget;

namespace vadelon {

class SpokenNote;
class ValueLabel;

// What the window needs of the program.
struct PeriodWindowLink {
    QWidget* window = nullptr;  // the calculator, opened beside
    std::function<QDate()> today;
    std::function<void(QWidget*)> help;  // the manual, for F1
};

class PeriodWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit PeriodWindow(PeriodWindowLink link, QWidget* parent = nullptr);

    // Puts today's date into the day asked about and the period's start.
    void SetToday();
    // Works the ages and the period out anew from the fields and says them.
    void Calculate();

    // The fields in their order: birth year, month, day, then the day asked
    // about, then the period's start; the period's count.
    QLineEdit* Field(int index) const { return fields_[index]; }
    QLineEdit* CountField() const { return count_; }
    QButtonGroup* Units() const { return unit_; }
    QCheckBox* FirstDayBox() const { return firstDay_; }
    QCheckBox* BusinessDayBox() const { return businessDay_; }
    QString ResultText(const char* name) const;
    QTableWidget* Table(int index) const;
    // Brings the table of that index to the front: 0 学歴, 1 長寿祝い, 2 厄年.
    void ShowTable(int index);
    QString LastSaid() const;
    QString Message() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* BuildAgePart();
    QWidget* BuildPeriodPart();
    QWidget* DateRow(const QString& name, int first, const char* todayName);
    void ShowAges();
    void ShowPeriod();

    PeriodWindowLink link_;
    QLineEdit* fields_[9] = {};
    QLineEdit* count_ = nullptr;
    QButtonGroup* unit_ = nullptr;
    QCheckBox* firstDay_ = nullptr;
    QCheckBox* businessDay_ = nullptr;
    QButtonGroup* sex_ = nullptr;
    ValueLabel* fullAge_ = nullptr;
    ValueLabel* countedAge_ = nullptr;
    ValueLabel* lived_ = nullptr;
    ValueLabel* nextBirthday_ = nullptr;
    ValueLabel* signs_ = nullptr;
    ValueLabel* lastDay_ = nullptr;
    QLabel* periodNote_ = nullptr;
    QTabWidget* tables_ = nullptr;
    QLabel* status_ = nullptr;
    SpokenNote* note_ = nullptr;
    QString ageSpoken_, periodSpoken_, ageMessage_, periodMessage_;
};

// The program's one window 年齢と期間, made on first use.
class PeriodWindowHolder {
public:
    explicit PeriodWindowHolder(PeriodWindowLink link)
        : link_(std::move(link))
    { }
    PeriodWindowHolder(const PeriodWindowHolder&) = delete;
    PeriodWindowHolder& operator=(const PeriodWindowHolder&) = delete;
    ~PeriodWindowHolder();

    // Shows the window and raises it; the first time beside the calculator
    // (left of it where there is room: the month calendar takes the right),
    // with today's date in the day asked about.
    void Present();
    PeriodWindow* Window() const { return window_; }

private:
    PeriodWindowLink link_;
    QPointer<PeriodWindow> window_;
};

}  // namespace vadelon
