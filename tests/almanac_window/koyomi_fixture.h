#pragma once
// Shared set-up of the almanac window tests: the window on a scripted
// platform and lookups by name.
#include "almanac_window/koyomi_form.h"
#include "fonts/fonts.h"
#include "tests/support/scripted_platform.h"

#include <QAction>
#include <QFile>
#include <QFont>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace vadelon::testing {

struct KoyomiFixture {
    ScriptedPlatform platform;
    QStringList hints;
    std::unique_ptr<TKoyomiForm> form =
        std::make_unique<TKoyomiForm>(platform, [this](const QString& hint) { hints << hint; });

    QPlainTextEdit* editor() const { return form->Editor(); }
    QAction* action(const char* name) const { return form->findChild<QAction*>(QLatin1String(name)); }
    QToolButton* button(const char* name) const { return form->findChild<QToolButton*>(QLatin1String(name)); }

    // Any control by name: a menu or popup item is triggered, a tool button clicked.
    void press(const QString& name) const
    {
        if (QAction* a = form->findChild<QAction*>(name))
            a->trigger();
        else if (QToolButton* b = form->findChild<QToolButton*>(name))
            b->click();
        else
            QFAIL(qPrintable(QStringLiteral("no control ") + name));
    }
    bool enabled(const QString& name) const
    {
        if (QAction* a = form->findChild<QAction*>(name))
            return a->isEnabled();
        return form->findChild<QWidget*>(name)->isEnabled();
    }

    // The report hand-over with the given lines and title; the window is
    // closed by handler while shown (or at once, when handler is empty).
    void Report(const QStringList& lines, const QString& title, std::function<void(QWidget*)> handler = {})
    {
        platform.modalHandlers.push_back(handler ? std::move(handler) : [](QWidget*) {});
        form->ShowReport(lines, title);
    }

    bool modified() const { return editor()->document()->isModified(); }

    void select(int from, int to) const
    {
        QTextCursor cursor = editor()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor()->setTextCursor(cursor);
    }
};

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// glibc's iconv run on input with arguments; its standard output.
inline QByteArray Iconv(const QStringList& arguments, const QByteArray& input)
{
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), arguments);
    iconv.write(input);
    iconv.closeWriteChannel();
    return iconv.waitForFinished(60000) ? iconv.readAllStandardOutput() : QByteArray("<iconv failed>");
}

}  // namespace vadelon::testing
