// The about box: its content, its keys, where it appears, and the product
// picture it shows.
#include "dialogs/product_picture.h"
#include "dialogs/ver_form.h"
#include "fonts/fonts.h"
#include "tests/support/scripted_platform.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <map>
#include <memory>

using vadelon::TVerForm;
using vadelon::testing::ScriptedPlatform;

class VerFormTest : public QObject {
    Q_OBJECT

    ScriptedPlatform platform_;
    // The calculator window stands off-centre, so that centring on the
    // screen and centring on the parent differ.
    std::unique_ptr<QWidget> parent_;
    TVerForm* form_ = nullptr;

    // Shows the box the way the about command does and returns whether it
    // closed itself after act.
    bool ShowAndAct(const std::function<void(TVerForm&)>& act)
    {
        bool closedItself = false;
        platform_.modalHandlers.push_back([&](QWidget* window) {
            auto* form = qobject_cast<TVerForm*>(window);
            QVERIFY(form);
            QVERIFY(form->isVisible());
            act(*form);
            closedItself = !form->isVisible();
        });
        platform_.RunModal(form_);
        return closedItself;
    }

private slots:
    void initTestCase() { vadelon::InstallFontSubstitutions(); }
    void init()
    {
        platform_.modalHandlers.clear();
        parent_ = std::make_unique<QWidget>();
        parent_->setGeometry(10, 10, 392, 371);
        parent_->show();
        form_ = new TVerForm(parent_.get());
    }
    void cleanup() { parent_.reset(); }

    void isAFixedBoxWithoutTitleBarButtons()
    {
        QCOMPARE(form_->objectName(), QStringLiteral("VerForm"));
        QCOMPARE(form_->windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(form_->minimumSize(), QSize(248, 335));
        QCOMPARE(form_->maximumSize(), QSize(248, 335));
        const Qt::WindowFlags flags = form_->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");  // empty: a text of our own
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");  // invalid: the window text colour
        QTest::newRow("Label1") << "Label1"
                                << "Version 1.0" << QRect(72, 192, 104, 19) << 19 << true << QColor(0, 0, 128);
        QTest::newRow("Label2") << "Label2"
                                << "" << QRect(8, 224, 225, 16) << 16 << false << QColor();
        QTest::newRow("Label3") << "Label3"
                                << "for Windows 95/98/NT" << QRect(56, 256, 152, 16) << 16 << false << QColor();
    }
    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, rect);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        auto* label = form_->findChild<QLabel*>(name);
        QVERIFY(label);
        if (text.isEmpty()) {
            QVERIFY(!label->text().isEmpty());
            QVERIFY(!label->text().contains('\n'));
        } else {
            QCOMPARE(label->text(), text);
        }
        QCOMPARE(label->font().pixelSize(), pixelSize);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
        const QColor expected = colour.isValid() ? colour : form_->palette().color(QPalette::WindowText);
        QCOMPARE(label->palette().color(QPalette::WindowText), expected);
        // On screen: at its place, never smaller than its box, and large
        // enough for its text in the font it really gets.
        ShowAndAct([&](TVerForm& form) {
            QVERIFY(label->isVisible());
            QVERIFY((label->geometry().center() - rect.center()).manhattanLength() <= 1);
            QVERIFY(label->width() >= rect.width() && label->height() >= rect.height());
            const QFontMetrics metrics(label->font());
            QVERIFY(label->width() >= metrics.horizontalAdvance(label->text()));
            QVERIFY(label->height() >= metrics.height());
            QVERIFY(QRect(QPoint(), form.size()).contains(label->geometry()));
            form.Button1->click();
        });
    }

    void pictureAndButton()
    {
        QCOMPARE(form_->Image1->geometry(), QRect(32, 16, 184, 160));
        // Painted by the time the box is on screen, and the product picture.
        ShowAndAct([](TVerForm& form) {
            QCOMPARE(form.Image1->pixmap().size(), QSize(184, 160));
            QCOMPARE(form.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     vadelon::ProductPicture().convertToFormat(QImage::Format_RGB32));
            QVERIFY(form.Image1->isVisible());
            form.Button1->click();
        });
        QCOMPARE(form_->Button1->text(), QStringLiteral("OK"));
        QCOMPARE(form_->Button1->geometry(), QRect(96, 288, 49, 25));
        QVERIFY(form_->Button1->isDefault());
        QCOMPARE(form_->Button1->cursor().shape(), Qt::PointingHandCursor);
    }

    void okHasTheFocusWhenShown()
    {
        ShowAndAct([](TVerForm& form) {
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QCOMPARE(QApplication::focusWidget(), form.Button1);
            form.Button1->click();
        });
    }

    void keysAndButton_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc on the box") << "Esc box" << false;
        QTest::newRow("Esc on OK") << "Esc OK" << false;
        QTest::newRow("Return on the box") << "Return box" << true;
        QTest::newRow("Enter on the box") << "Enter box" << true;
        QTest::newRow("Return on OK") << "Return OK" << true;
        QTest::newRow("OK clicked") << "click" << true;
    }
    void keysAndButton()
    {
        QFETCH(QString, action);
        QFETCH(bool, closes);
        const bool closed = ShowAndAct([&](TVerForm& form) {
            QWidget* target = action.endsWith("OK") ? static_cast<QWidget*>(form.Button1) : &form;
            if (action.startsWith("Esc"))
                QTest::keyClick(target, Qt::Key_Escape);
            else if (action.startsWith("Return"))
                QTest::keyClick(target, Qt::Key_Return);
            else if (action.startsWith("Enter"))
                QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
            else
                QTest::mouseClick(form.Button1, Qt::LeftButton);
        });
        QCOMPARE(closed, closes);
    }

    void firstShowingCentredLaterOnesKeepTheirPlace()
    {
        const QPoint screenCentre = form_->screen()->availableGeometry().center();
        const QPoint moved(37, 45);
        ShowAndAct([&](TVerForm& form) {
            QVERIFY((form.geometry().center() - screenCentre).manhattanLength() <= 2);
            // As the user dragging the title bar: the window system moves the
            // window, the widget is told afterwards.
            form.windowHandle()->setPosition(moved);
            QTRY_COMPARE(form.geometry().topLeft(), moved);
            form.Button1->click();
        });
        for (int showing = 2; showing <= 3; ++showing) {
            ShowAndAct([&](TVerForm& form) {
                QCOMPARE(form.geometry().topLeft(), moved);
                QCOMPARE(form.Label1->text(), QStringLiteral("Version 1.0"));
                form.Button1->click();
            });
        }
    }

    void productPictureIsFiveColoursOfANightSky()
    {
        const QImage picture = vadelon::ProductPicture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(184, 160));
        std::map<QRgb, int> counts;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ++counts[picture.pixel(x, y)];
        QCOMPARE(counts.size(), std::size_t(5));

        // The ground: the commonest colour, a dark navy that fills the border.
        const QRgb ground =
            std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
        QVERIFY(qBlue(ground) > 0 && qBlue(ground) <= 128 && qRed(ground) < 32 && qGreen(ground) < 32);
        for (int x = 0; x < picture.width(); ++x) {
            QCOMPARE(picture.pixel(x, 0), ground);
            QCOMPARE(picture.pixel(x, picture.height() - 1), ground);
        }
        for (int y = 0; y < picture.height(); ++y) {
            QCOMPARE(picture.pixel(0, y), ground);
            QCOMPARE(picture.pixel(picture.width() - 1, y), ground);
        }

        // A yellow full moon in the upper left, a white crescent beside it,
        // and below them the name in large white characters.
        const QRgb yellow = qRgb(255, 255, 0);
        const QRgb white = qRgb(255, 255, 255);
        QVERIFY(counts.count(yellow) && counts.count(white));
        auto countIn = [&](const QRect& area, QRgb colour) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    n += picture.pixel(x, y) == colour;
            return n;
        };
        const QRect upperLeft(0, 0, 92, 80), upperRight(92, 0, 92, 80), lowerHalf(0, 80, 184, 80);
        QVERIFY2(countIn(upperLeft, yellow) > 1200, "no full moon in the upper left");
        QCOMPARE(countIn(upperLeft, yellow), counts[yellow]);
        QVERIFY2(countIn(upperRight, white) > 150, "no crescent beside the moon");
        QVERIFY2(countIn(upperRight, white) < 1000, "a full disc, not a crescent");
        QVERIFY2(countIn(lowerHalf, white) > 1500, "no large name below");
        int left = picture.width(), right = -1;
        for (int y = 96; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) == white) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY2(right - left > picture.width() * 3 / 4, "the name is not large");
    }
};

QTEST_MAIN(VerFormTest)
#include "ver_form_test.moc"
