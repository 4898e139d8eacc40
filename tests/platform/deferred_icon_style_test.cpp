// The application's style: the same look as the default style, without the
// image format plug-ins loaded while the windows are built.
#include "almanac_window/koyomi_form.h"
#include "platform/deferred_icon_style.h"
#include "tests/calculator/form_fixture.h"

#include <QFile>
#include <QPainter>
#include <QStyleFactory>
#include <QtTest>

using vadelon::DeferredIconStyle;
using vadelon::testing::FormFixture;
using vadelon::testing::ScriptedPlatform;

namespace {

bool ImagePluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    return maps.readAll().contains("/imageformats/");
}

QImage Shot(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    return window.grab().toImage();
}

}  // namespace

class DeferredIconStyleTest : public QObject {
    Q_OBJECT

    QString defaultStyle_;

private slots:
    void initTestCase()
    {
        vadelon::InstallFontSubstitutions();
        defaultStyle_ = QApplication::style()->name();
    }

    // First, before anything here draws an icon: the plug-ins are loaded
    // once per process.
    void buildingTheWindowsLoadsNoImagePlugin()
    {
        QVERIFY(!ImagePluginsLoaded());
        vadelon::InstallDeferredIconStyle();
        FormFixture calculator;
        ScriptedPlatform platform;
        vadelon::TKoyomiForm almanac(platform, [](const QString&) {});
        QVERIFY(!ImagePluginsLoaded());
    }

    void overflowButtonsShowTheDefaultPictures_data()
    {
        QTest::addColumn<QStyle::StandardPixmap>("which");
        QTest::newRow("horizontal") << QStyle::SP_ToolBarHorizontalExtensionButton;
        QTest::newRow("vertical") << QStyle::SP_ToolBarVerticalExtensionButton;
        QTest::newRow("untouched: warning") << QStyle::SP_MessageBoxWarning;
        QTest::newRow("untouched: folder") << QStyle::SP_DirIcon;
    }
    void overflowButtonsShowTheDefaultPictures()
    {
        QFETCH(QStyle::StandardPixmap, which);
        const std::unique_ptr<QStyle> base(QStyleFactory::create(defaultStyle_));
        const DeferredIconStyle style;
        const QIcon expected = base->standardIcon(which);
        const QIcon icon = style.standardIcon(which);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), expected.availableSizes());
        for (const int side : {8, 16, 32}) {
            const QSize size(side, side);
            QCOMPARE(icon.actualSize(size), expected.actualSize(size));
            QCOMPARE(icon.pixmap(size).toImage(), expected.pixmap(size).toImage());
            QCOMPARE(icon.pixmap(size, QIcon::Disabled).toImage(), expected.pixmap(size, QIcon::Disabled).toImage());
        }
        // Drawn by a painter, as a tool button draws it.
        QImage drawn(20, 20, QImage::Format_ARGB32_Premultiplied);
        QImage drawnExpected = drawn;
        drawn.fill(Qt::transparent);
        drawnExpected.fill(Qt::transparent);
        {
            QPainter painter(&drawn);
            icon.paint(&painter, QRect(2, 2, 16, 16));
            QPainter painterExpected(&drawnExpected);
            expected.paint(&painterExpected, QRect(2, 2, 16, 16));
        }
        QCOMPARE(drawn, drawnExpected);
    }

    void aStandInOutlivingItsStyleAsksTheApplicationsStyle()
    {
        auto style = std::make_unique<DeferredIconStyle>();
        const QIcon icon = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        style.reset();
        const QIcon expected = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QCOMPARE(icon.pixmap(16, 16).toImage(), expected.pixmap(16, 16).toImage());
    }

    void windowsLookAsInTheDefaultStyle()
    {
        QApplication::setStyle(QStyleFactory::create(defaultStyle_));
        FormFixture before;
        ScriptedPlatform platform;
        vadelon::TKoyomiForm almanacBefore(platform, [](const QString&) {});
        almanacBefore.resize(120, 200);  // narrow enough for the tool bar's overflow button
        const QImage calculatorBefore = Shot(*before.form);
        const QImage almanacShotBefore = Shot(almanacBefore);

        vadelon::InstallDeferredIconStyle();
        FormFixture after;
        vadelon::TKoyomiForm almanacAfter(platform, [](const QString&) {});
        almanacAfter.resize(120, 200);
        QCOMPARE(Shot(*after.form), calculatorBefore);
        QCOMPARE(Shot(almanacAfter), almanacShotBefore);
    }
};

QTEST_MAIN(DeferredIconStyleTest)
#include "deferred_icon_style_test.moc"
