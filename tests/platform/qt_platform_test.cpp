// The real desktop's message boxes: the save question's buttons stand in
// their fixed order whatever the desktop's custom for button order, and
// each way of answering gives its answer. The sound each beep asks for, and
// the modal run that outlasts a minimised window.
#include "platform/qt_platform.h"
#include "platform/window_setup.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

using vadelon::BeepType;
using vadelon::QtPlatform;
using vadelon::SaveAnswer;

Q_DECLARE_METATYPE(SaveAnswer)
Q_DECLARE_METATYPE(BeepType)

namespace {

// The application's style, but with the button order of a given desktop.
class ButtonOrderStyle final : public QProxyStyle {
public:
    explicit ButtonOrderStyle(QDialogButtonBox::ButtonLayout layout)
        : layout_(layout)
    { }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_DialogButtonLayout)
            return layout_;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QDialogButtonBox::ButtonLayout layout_;
};

// Runs ask while a timer acts on the message box it shows, once the box is up.
void WithBox(const std::function<void()>& ask, const std::function<void(QMessageBox&)>& act)
{
    bool acted = false;
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || acted)
            return;
        acted = true;
        act(*box);
    });
    driver.start();
    ask();
    QVERIFY(acted);
}

// Notes each sound asked for; the theme plays its sounds or, like a desktop
// without a sound server, fails to.
class RecordedSound final : public vadelon::SoundPlayer {
public:
    explicit RecordedSound(bool themePlays)
        : themePlays_(themePlays)
    { }
    bool PlayThemeSound(const char* eventId) override
    {
        asked << QString::fromUtf8(eventId);
        return themePlays_;
    }
    void RingBell() override { asked << QStringLiteral("bell"); }

    QStringList asked;

private:
    bool themePlays_;
};

QStringList ButtonsLeftToRight(const QMessageBox& box)
{
    QList<QAbstractButton*> buttons = box.buttons();
    std::sort(buttons.begin(), buttons.end(), [&box](QAbstractButton* a, QAbstractButton* b) {
        return a->mapTo(&box, QPoint()).x() < b->mapTo(&box, QPoint()).x();
    });
    QStringList texts;
    for (QAbstractButton* button : buttons)
        texts << button->text();
    return texts;
}

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void saveQuestion_data()
    {
        QTest::addColumn<QDialogButtonBox::ButtonLayout>("layout");
        QTest::addColumn<QString>("how");
        QTest::addColumn<SaveAnswer>("expected");
        const std::pair<const char*, QDialogButtonBox::ButtonLayout> layouts[] = {
            {"Windows", QDialogButtonBox::WinLayout},
            {"KDE", QDialogButtonBox::KdeLayout},
            {"GNOME", QDialogButtonBox::GnomeLayout},
            {"macOS", QDialogButtonBox::MacLayout},
        };
        const std::pair<const char*, SaveAnswer> answers[] = {
            {"はい(&Y)", SaveAnswer::Yes}, {"いいえ(&N)", SaveAnswer::No}, {"キャンセル", SaveAnswer::Cancel},
            {"Return", SaveAnswer::Yes},   {"Escape", SaveAnswer::Cancel}, {"close", SaveAnswer::Cancel},
        };
        for (const auto& [desktop, layout] : layouts)
            for (const auto& [how, answer] : answers)
                QTest::addRow("%s, %s", desktop, how) << layout << QString::fromUtf8(how) << answer;
    }
    void saveQuestion()
    {
        QFETCH(QDialogButtonBox::ButtonLayout, layout);
        QFETCH(QString, how);
        QFETCH(SaveAnswer, expected);
        QApplication::setStyle(new ButtonOrderStyle(layout));
        QtPlatform platform;
        SaveAnswer answer = SaveAnswer::No;
        QString title, defaultButton;
        QStringList order;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        // Looked at first and compared afterwards, so that the box is always
        // answered and the question always returns.
        WithBox([&] { answer = platform.AskSaveChanges(nullptr, QStringLiteral("変更を保存しますか？")); },
                [&](QMessageBox& box) {
                    title = box.windowTitle();
                    icon = box.icon();
                    order = ButtonsLeftToRight(box);
                    defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
                    if (how == "Return")
                        QTest::keyClick(&box, Qt::Key_Return);
                    else if (how == "Escape")
                        QTest::keyClick(&box, Qt::Key_Escape);
                    else if (how == "close")
                        box.close();  // the box's own close button
                    else
                        for (QAbstractButton* button : box.buttons())
                            if (button->text() == how)
                                button->click();
                });
        QCOMPARE(title, QStringLiteral("警告"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(order,
                 (QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"), QStringLiteral("キャンセル")}));
        QCOMPARE(defaultButton, QStringLiteral("はい(&Y)"));
        QCOMPARE(answer, expected);
    }

    void beepSound_data()
    {
        QTest::addColumn<BeepType>("type");
        QTest::addColumn<bool>("themePlays");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("default") << BeepType::Default << true << QStringList{"bell"};
        QTest::newRow("default, no sound theme") << BeepType::Default << false << QStringList{"bell"};
        QTest::newRow("exclamation") << BeepType::Exclamation << true << QStringList{"dialog-warning"};
        QTest::newRow("exclamation, no sound theme or device")
            << BeepType::Exclamation << false << QStringList{"dialog-warning", "bell"};
    }
    void beepSound()
    {
        QFETCH(BeepType, type);
        QFETCH(bool, themePlays);
        QFETCH(QStringList, asked);
        auto sound = std::make_unique<RecordedSound>(themePlays);
        RecordedSound& recorded = *sound;
        QtPlatform platform({}, std::move(sound));
        platform.Beep(type);
        QCOMPARE(recorded.asked, asked);
    }

    // The bell stands in only if the desktop's player owns up to a sound it
    // could not play.
    void desktopSoundReportsFailure()
    {
        QVERIFY(!vadelon::MakeDesktopSound()->PlayThemeSound("vadelon-no-such-sound"));
    }

    void modalRunOutlastsMinimising()
    {
        QtPlatform platform;
        QWidget window;
        std::vector<std::pair<QString, std::function<void()>>> steps = {
            {"minimise", [&] { window.showMinimized(); }},
            {"restore", [&] { window.showNormal(); }},
            {"minimise", [&] { window.setWindowState(Qt::WindowMinimized); }},
            {"close", [&] { window.close(); }},
        };
        QStringList taken;
        QTimer driver;
        driver.setInterval(20);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (taken.size() < qsizetype(steps.size())) {
                taken << steps[size_t(taken.size())].first;
                steps[size_t(taken.size()) - 1].second();
            }
        });
        driver.start();
        platform.RunModal(&window);
        QCOMPARE(taken.join(", "), QStringLiteral("minimise, restore, minimise, close"));
    }

    // A window placed beside another (the calendar and the help beside the
    // calculator): right, else left, else covering the least of it. Places
    // are from the screen's left and right edges (negative: from the right).
    void placeBeside_data()
    {
        QTest::addColumn<int>("otherLeft");
        QTest::addColumn<int>("otherWidth");
        QTest::addColumn<int>("width");  // negative: the screen's width less this
        QTest::addColumn<int>("left");
        QTest::newRow("room on the right") << 10 << 200 << 300 << 218;
        QTest::newRow("room on the left only") << -210 << 200 << 300 << -518;
        QTest::newRow("no room, less covered on the right") << 100 << 200 << -100 << 100;
        QTest::newRow("no room, less covered on the left") << -300 << 200 << -100 << 0;
    }
    void placeBeside()
    {
        QFETCH(int, otherLeft);
        QFETCH(int, otherWidth);
        QFETCH(int, width);
        QFETCH(int, left);
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        auto fromEdge = [&room](int x) { return x < 0 ? room.right() + 1 + x : room.left() + x; };
        QWidget other;
        other.setGeometry(fromEdge(otherLeft), room.top() + 50, otherWidth, 200);
        QWidget window;
        window.resize(width < 0 ? room.width() + width : width, 300);
        vadelon::PlaceBeside(window, other, 8);
        QCOMPARE(window.pos(), QPoint(fromEdge(left), room.top() + 50));
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
