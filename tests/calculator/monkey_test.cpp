// A long run of random user actions on the calculator window, with the era
// dialog and the almanac window attached: no crash, the stale-result rule
// after every action, and the era fields in step with their Western year
// after every refresh. The seed is printed; VADELON_MONKEY_SEED replays a
// run and VADELON_MONKEY_ACTIONS sets its length.
#include "tests/calculator/form_fixture.h"

#include "almanac_window/koyomi_form.h"
#include "calendar/rules/calculation_rules.h"
#include "dialogs/nengo_form.h"

#include <QAction>
#include <QElapsedTimer>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <random>

using vadelon::CalcMode;
using vadelon::EraChoice;
using vadelon::testing::FormFixture;

namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

class Monkey {
public:
    explicit Monkey(std::uint64_t seed)
        : random_(seed)
    {
        f_->AttachEraDialog(&eraDialog_);
        f_->AttachAlmanacWindow(std::bind_front(&vadelon::TKoyomiForm::ShowReport, &almanac_));
        // Each modal window is answered at once: the era dialog with a random
        // press (or none) and OK, the almanac window by hiding it.
        f_.platform.defaultModalHandler = [this](QWidget* window) {
            if (window == &eraDialog_) {
                const int press = Pick(3);
                if (press == 1)
                    QTest::mouseClick(eraDialog_.SpeedButton1, Qt::LeftButton);
                else if (press == 2)
                    QTest::mouseClick(eraDialog_.SpeedButton2, Qt::LeftButton);
                QTest::mouseClick(eraDialog_.Button1, Qt::LeftButton);
            }
            window->hide();
        };
    }

    // One random action; returns a short description for failure messages.
    QString Act()
    {
        QLineEdit* const edits[] = {f_.Edit1, f_.Edit2, f_.Edit3, f_.Edit4, f_.Edit5,
                                    f_.Edit6, f_.Edit7, f_.Edit8, f_.Edit9};
        vadelon::TUpDown* const spins[] = {f_.UpDown1, f_.UpDown2, f_.UpDown3, f_.UpDown4, f_.UpDown5, f_.UpDown6};
        QAction* const modeItems[] = {f_.N3, f_.D1, f_.A1, f_.B1, f_.W1};
        QToolButton* const modeButtons[] = {f_.SpeedButton1, f_.SpeedButton2, f_.SpeedButton3, f_.SpeedButton4,
                                            f_.SpeedButton5};
        refreshed_ = {false, false};
        switch (Pick(20)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 7: {
            QLineEdit* edit = edits[Pick(9)];
            if (!edit->isVisible() || !edit->isEnabled())
                return QStringLiteral("nothing");
            const QString text = RandomText();
            FormFixture::Type(edit, text);
            // A field that shows a result takes keys but changes nothing.
            if (!edit->isReadOnly())
                NoteTyping(edit);
            return QStringLiteral("type '%1' into %2").arg(text, edit->objectName());
        }
        case 8:
        case 9:
        case 10: {
            vadelon::TUpDown* spin = spins[Pick(6)];
            if (!spin->isVisible() || !spin->isEnabled())
                return QStringLiteral("nothing");
            const int direction = Pick(2) ? 1 : -1;
            const int presses = Pick(4) == 0 ? 1 + Pick(40) : 1;  // now and then an arrow held down
            for (int i = 0; i < presses; ++i)
                FormFixture::Spin(spin, direction);
            const int side = spin == spins[0] || spin == spins[1] || spin == spins[2] ? 0 : 1;
            refreshed_[side] = true;
            eraLed_[side] = false;
            return QStringLiteral("%1 x%2 on %3").arg(direction).arg(presses).arg(spin->objectName());
        }
        case 11: {
            QPushButton* today = Pick(2) ? f_.Button1 : f_.Button2;
            if (!today->isVisible() || !today->isEnabled())
                return QStringLiteral("nothing");
            f_.platform.today = QDate(1 + Pick(3000), 1 + Pick(12), 1 + Pick(28));
            QTest::mouseClick(today, Qt::LeftButton);
            refreshed_[today == f_.Button1 ? 0 : 1] = true;
            eraLed_[today == f_.Button1 ? 0 : 1] = false;
            return QStringLiteral("today %1 on %2").arg(f_.platform.today.toString(Qt::ISODate), today->objectName());
        }
        case 12: {
            QComboBox* era = Pick(2) ? f_.ComboBox1 : f_.ComboBox2;
            if (!era->isVisible() || !era->isEnabled())
                return QStringLiteral("nothing");
            const QString name = era->itemText(Pick(era->count()));
            FormFixture::PickEra(era, name);
            eraLed_[era == f_.ComboBox1 ? 0 : 1] = true;
            return QStringLiteral("pick %1 in %2").arg(name, era->objectName());
        }
        case 13:
        case 14: {
            const int mode = Pick(5);
            if (Pick(2))
                modeItems[mode]->trigger();
            else
                QTest::mouseClick(modeButtons[mode], Qt::LeftButton);
            return QStringLiteral("mode %1").arg(mode);
        }
        case 15:
            if (!f_.SpeedButton6->isVisible())
                return QStringLiteral("nothing");
            QTest::mouseClick(f_.SpeedButton6, Qt::LeftButton);
            return QStringLiteral("toggle");
        case 16:
            if (Pick(2))
                QTest::mouseClick(f_.BitBtn2, Qt::LeftButton);
            else
                f_.Clear1->trigger();
            refreshed_ = {true, true};
            eraLed_ = {false, false};
            return QStringLiteral("clear all");
        default:
            if (Pick(2))
                QTest::mouseClick(f_.BitBtn1, Qt::LeftButton);
            else
                f_.R1->trigger();
            return QStringLiteral("run");
        }
    }

    FormFixture& Fixture() { return f_; }
    vadelon::TNengoForm& EraDialog() { return eraDialog_; }
    std::array<bool, 2> refreshed_{false, false};  // panels whose era fields the action refreshed
    std::array<bool, 2> eraLed_{false, false};     // panels whose era side the user set last

private:
    int Pick(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

    QString RandomText()
    {
        static const QStringList odd{QString(),
                                     QStringLiteral(" "),
                                     QStringLiteral("abc"),
                                     QStringLiteral("２０００"),
                                     QStringLiteral("$7D0"),
                                     QStringLiteral("0x7fffffff"),
                                     QStringLiteral("$FFFFFFFF"),
                                     QStringLiteral("-2147483648"),
                                     QStringLiteral("2147483647"),
                                     QStringLiteral("99999999999"),
                                     QStringLiteral("+12"),
                                     QStringLiteral(" 5"),
                                     QStringLiteral("5 "),
                                     QStringLiteral("--"),
                                     QStringLiteral("1e3")};
        static const int changeYears[] = {1394, 1428, 1868, 1912, 1926, 1989, 2019};
        switch (Pick(6)) {
        case 0: return odd[Pick(static_cast<int>(odd.size()))];
        case 1: return QString::number(changeYears[Pick(7)]);
        case 2: return QString::number(Pick(14));  // months, and one past
        case 3: return QString::number(Pick(33));  // days
        case 4: return QString::number(static_cast<qint64>(Pick(4000)) - 100);
        default: return QString::number(static_cast<std::int32_t>(random_()));
        }
    }

    void NoteTyping(QLineEdit* edit)
    {
        if (edit == f_.Edit1 || edit == f_.Edit3 || edit == f_.Edit4)
            refreshed_[0] = true, eraLed_[0] = false;
        else if (edit == f_.Edit5 || edit == f_.Edit7 || edit == f_.Edit8)
            refreshed_[1] = true, eraLed_[1] = false;
        else if (edit == f_.Edit2)
            eraLed_[0] = true;
        else if (edit == f_.Edit6)
            eraLed_[1] = true;
    }

    FormFixture f_;
    vadelon::TNengoForm eraDialog_{f_.platform};
    vadelon::TKoyomiForm almanac_{f_.platform, [](const QString&) {}};
    std::mt19937_64 random_;
};

using Fields = std::map<QString, QString>;

Fields Read(FormFixture& f)
{
    Fields fields;
    for (QLineEdit* edit : {f.Edit1, f.Edit3, f.Edit4, f.Edit5, f.Edit7, f.Edit8, f.Edit9})
        fields[edit->objectName()] = edit->text();
    return fields;
}

// Inputs and results of each mode, by field name.
struct ModeFields {
    QStringList inputs;
    QStringList results;
};
ModeFields FieldsOf(CalcMode mode)
{
    switch (mode) {
    case CalcMode::DayCount: return {{"Edit1", "Edit3", "Edit4", "Edit5", "Edit7", "Edit8"}, {"Edit9"}};
    case CalcMode::DateShift: return {{"Edit1", "Edit3", "Edit4", "Edit9"}, {"Edit5", "Edit7", "Edit8"}};
    case CalcMode::AgeCalc: return {{"Edit1", "Edit5"}, {"Edit9"}};
    case CalcMode::BirthYearCalc: return {{"Edit1", "Edit9"}, {"Edit5", "Edit7", "Edit8"}};
    case CalcMode::Almanac: break;
    }
    return {};
}

// The era fields as a refresh from the Western year would set them now,
// with the dialog's toggles answering a question as they stand.
QString EraMismatch(FormFixture& f, vadelon::TNengoForm& dialog, int side)
{
    QLineEdit* year = side == 0 ? f.Edit1 : f.Edit5;
    QLineEdit* month = side == 0 ? f.Edit3 : f.Edit7;
    QLineEdit* day = side == 0 ? f.Edit4 : f.Edit8;
    QComboBox* era = side == 0 ? f.ComboBox1 : f.ComboBox2;
    QLineEdit* eraYear = side == 0 ? f.Edit2 : f.Edit6;
    const EraChoice answer = dialog.SpeedButton1->isChecked()   ? EraChoice::Earlier
                             : dialog.SpeedButton2->isChecked() ? EraChoice::Later
                                                                : EraChoice::None;
    const auto text =
        vadelon::PanelEraTexts({year->text().toStdString(), month->text().toStdString(), day->text().toStdString()},
                               [answer](const auto&) { return answer; });
    const QString expectedName = QString::fromStdString(text.name);
    const QString expectedYear = QString::fromStdString(text.year);
    const QString shownName = era->currentIndex() >= 0 ? era->currentText() : QString();
    const bool nameListed = era->findText(expectedName) >= 0;
    if ((nameListed ? shownName != expectedName : era->currentIndex() != -1) || eraYear->text() != expectedYear)
        return QStringLiteral("panel %1 shows '%2' '%3' for %4/%5/%6, expected '%7' '%8'")
            .arg(side)
            .arg(shownName, eraYear->text(), year->text(), month->text(), day->text(), expectedName, expectedYear);
    return {};
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void randomActions();
};

void MonkeyTest::randomActions()
{
    const std::uint64_t seed = EnvNumber("VADELON_MONKEY_SEED", std::random_device{}());
    const std::uint64_t actions = EnvNumber("VADELON_MONKEY_ACTIONS", 100000);
    qInfo("monkey: seed %llu, %llu actions (replay with VADELON_MONKEY_SEED=%llu)",
          static_cast<unsigned long long>(seed), static_cast<unsigned long long>(actions),
          static_cast<unsigned long long>(seed));

    Monkey monkey(seed);
    FormFixture& f = monkey.Fixture();
    f.form->show();

    QElapsedTimer clock;
    qint64 slowestNs = 0;
    QString slowestAction;
    std::uint64_t over50ms = 0;
    std::uint64_t eraChecks = 0;
    for (std::uint64_t i = 0; i < actions; ++i) {
        const CalcMode modeBefore = f->CurrentMode();
        const Fields before = Read(f);
        clock.start();
        const QString action = monkey.Act();
        const qint64 ns = clock.nsecsElapsed();
        if (ns > slowestNs)
            slowestNs = ns, slowestAction = action;
        over50ms += ns > 50'000'000 ? 1 : 0;
        const QString where = QStringLiteral("action %1 (%2), seed %3").arg(i).arg(action).arg(seed);

        // The stale-result rule, while the mode stays the same: a changed
        // input leaves the results empty, and a run changes no input.
        const Fields after = Read(f);
        const ModeFields mode = FieldsOf(f->CurrentMode());
        if (f->CurrentMode() == modeBefore) {
            const bool inputChanged = std::any_of(mode.inputs.begin(), mode.inputs.end(),
                                                  [&](const QString& n) { return before.at(n) != after.at(n); });
            if (action == QLatin1String("run")) {
                QVERIFY2(!inputChanged, qPrintable(where + ": the run changed an input"));
            } else if (inputChanged) {
                for (const QString& result : mode.results)
                    QVERIFY2(after.at(result).isEmpty(),
                             qPrintable(where + ": stale " + result + " '" + after.at(result) + "'"));
            }
        }
        // A mode change and the toggle empty and refresh the lower panel; a
        // run that writes a date or year into it refreshes it afterwards.
        if (action.startsWith(QLatin1String("mode")) || action == QLatin1String("toggle"))
            monkey.refreshed_[1] = true, monkey.eraLed_[1] = false;
        if (action == QLatin1String("run"))
            monkey.refreshed_[1] = before.at("Edit5") != after.at("Edit5") || before.at("Edit7") != after.at("Edit7") ||
                                   before.at("Edit8") != after.at("Edit8");

        for (int side = 0; side < 2; ++side) {
            if (!monkey.refreshed_[side] || monkey.eraLed_[side])
                continue;
            ++eraChecks;
            const QString mismatch = EraMismatch(f, monkey.EraDialog(), side);
            QVERIFY2(mismatch.isEmpty(), qPrintable(where + ": " + mismatch));
        }
    }
    qInfo("monkey: %llu era checks; slowest action %.2f ms (%s); %llu actions over 50 ms",
          static_cast<unsigned long long>(eraChecks), static_cast<double>(slowestNs) / 1e6, qPrintable(slowestAction),
          static_cast<unsigned long long>(over50ms));
    QVERIFY(eraChecks > actions / 10);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
