// The real desktop's message boxes: the save question's buttons stand in
// their fixed order whatever the desktop's custom for button order, and
// each way of answering gives its answer.
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>

using vadelon::QtPlatform;
using vadelon::SaveAnswer;

Q_DECLARE_METATYPE(SaveAnswer)

namespace {

// The application's style, but with the button order of a given desktop.
class ButtonOrderStyle final : public QProxyStyle {
public:
    explicit ButtonOrderStyle(QDialogButtonBox::ButtonLayout layout) : layout_(layout) {}
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
            {"はい(&Y)", SaveAnswer::Yes},      {"いいえ(&N)", SaveAnswer::No},
            {"キャンセル", SaveAnswer::Cancel}, {"Return", SaveAnswer::Yes},
            {"Escape", SaveAnswer::Cancel},     {"close", SaveAnswer::Cancel},
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
        QCOMPARE(order, (QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"), QStringLiteral("キャンセル")}));
        QCOMPARE(defaultButton, QStringLiteral("はい(&Y)"));
        QCOMPARE(answer, expected);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
