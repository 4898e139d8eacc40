#pragma once
// A calculator window on the scripted platform, with the few moves the
// tests make on it: typing (key presses and releases), text committed by an
// input method, pasting (a change with no key release), spin presses and clicks.
#include "calculator/up_down.h"
#include "calculator/vadelon_form.h"
#include "fonts/fonts.h"
#include "tests/support/scripted_platform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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

    // The window's controls, found by their names; a name not found stops the test.
    template <typename T>
    T* Find(const char* name) const
    {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        return control ? control : (qFatal("no control named %s", name), nullptr);
    }
#define VADELON_FIND(T, name) T* const name = Find<T>(#name)
    VADELON_FIND(QFrame, Panel1);
    VADELON_FIND(QFrame, Panel2);
    VADELON_FIND(QFrame, Panel3);
    VADELON_FIND(QFrame, Panel4);
    VADELON_FIND(QLabel, Label1);
    VADELON_FIND(QLabel, Label2);
    VADELON_FIND(QLabel, Label6);
    VADELON_FIND(QLabel, Label7);
    VADELON_FIND(QLabel, Label8);
    VADELON_FIND(QLabel, Label9);
    VADELON_FIND(QLabel, Label13);
    VADELON_FIND(QLabel, Label14);
    VADELON_FIND(QLabel, Label15);
    VADELON_FIND(QLabel, Label16);
    VADELON_FIND(QLabel, Label17);
    VADELON_FIND(QLabel, Label18);
    VADELON_FIND(QLabel, Image1);
    VADELON_FIND(QLabel, Image2);
    VADELON_FIND(QLabel, Image3);
    VADELON_FIND(QToolButton, SpeedButton1);
    VADELON_FIND(QToolButton, SpeedButton2);
    VADELON_FIND(QToolButton, SpeedButton3);
    VADELON_FIND(QToolButton, SpeedButton4);
    VADELON_FIND(QToolButton, SpeedButton5);
    VADELON_FIND(QToolButton, SpeedButton6);
    VADELON_FIND(QLineEdit, Edit1);
    VADELON_FIND(QLineEdit, Edit2);
    VADELON_FIND(QLineEdit, Edit3);
    VADELON_FIND(QLineEdit, Edit4);
    VADELON_FIND(QLineEdit, Edit5);
    VADELON_FIND(QLineEdit, Edit6);
    VADELON_FIND(QLineEdit, Edit7);
    VADELON_FIND(QLineEdit, Edit8);
    VADELON_FIND(QLineEdit, Edit9);
    VADELON_FIND(TUpDown, UpDown1);
    VADELON_FIND(TUpDown, UpDown2);
    VADELON_FIND(TUpDown, UpDown3);
    VADELON_FIND(TUpDown, UpDown4);
    VADELON_FIND(TUpDown, UpDown5);
    VADELON_FIND(TUpDown, UpDown6);
    VADELON_FIND(QComboBox, ComboBox1);
    VADELON_FIND(QComboBox, ComboBox2);
    VADELON_FIND(QPushButton, Button1);
    VADELON_FIND(QPushButton, Button2);
    VADELON_FIND(QPushButton, BitBtn1);
    VADELON_FIND(QPushButton, BitBtn2);
    VADELON_FIND(QStatusBar, StatusBar1);
    VADELON_FIND(QMenuBar, MainMenu1);
    VADELON_FIND(QMenu, N2);
    VADELON_FIND(QMenu, Help1);
    VADELON_FIND(QAction, N3);
    VADELON_FIND(QAction, D1);
    VADELON_FIND(QAction, A1);
    VADELON_FIND(QAction, B1);
    VADELON_FIND(QAction, W1);
    VADELON_FIND(QAction, N4);
    VADELON_FIND(QAction, R1);
    VADELON_FIND(QAction, Clear1);
    VADELON_FIND(QAction, N6);
    VADELON_FIND(QAction, Exit1);
    VADELON_FIND(QAction, SearchforHelpOn1);
    VADELON_FIND(QAction, N5);
    VADELON_FIND(QAction, About1);
#undef VADELON_FIND

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

    // Replaces the text as an input method does: select all, then commit
    // the text, with no key press or release.
    static void Commit(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit, &commit);
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
