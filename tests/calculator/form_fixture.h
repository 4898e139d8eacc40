#pragma once
// A calculator window on the scripted platform, with the few moves the
// tests make on it: typing (key presses and releases), pasting (a change with
// no key release), spin presses and clicks.
#include "calculator/up_down.h"
#include "calculator/vadelon_form.h"
#include "fonts/fonts.h"
#include "tests/support/scripted_platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace vadelon::testing {

struct FormFixture {
    ScriptedPlatform platform;
    std::unique_ptr<TVadelonForm> form = std::make_unique<TVadelonForm>(platform);

    TVadelonForm* operator->() { return form.get(); }

    // Replaces the text as a user would: select all, then type.
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                // Characters beyond ASCII arrive as text with no key code.
                QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
    }

    // Sets texts without running any change handling, to set up a state.
    static void Preset(std::initializer_list<std::pair<QLineEdit*, const char*>> fields)
    {
        for (const auto& [edit, text] : fields) {
            const QSignalBlocker blocker(edit);
            edit->setText(QString::fromUtf8(text));
        }
    }

    // A press on the upper (+1) or lower (-1) arrow, mouse down and up.
    static void Spin(TUpDown* spin, int direction)
    {
        const QPoint at(spin->width() / 2, direction > 0 ? 3 : spin->height() - 3);
        QTest::mousePress(spin, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(spin, Qt::LeftButton, Qt::NoModifier, at);
    }

    // A pick in an era drop-down, by name, as the user makes it.
    static void PickEra(QComboBox* combo, const QString& name)
    {
        const int index = combo->findText(name);
        QVERIFY2(index >= 0, qPrintable(name));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

}  // namespace vadelon::testing
