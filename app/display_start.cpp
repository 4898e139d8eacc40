#include "app/display_start.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace vadelon {

namespace {

// A message held back, with copies of what its context points to.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QByteArray file;
    QByteArray function;
    int line;
    QString text;
};

QtMessageHandler g_passOn = nullptr;
QList<HeldMessage>* g_held = nullptr;

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // The only fatal message of the platform's start: no platform could
        // be started, which on this desktop means no display to connect to.
        std::fputs(kNoDisplayMessage, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_held->append({type, context.category, context.file, context.function, context.line, text});
}

}  // namespace

DisplayStart::DisplayStart()
{
    g_held = new QList<HeldMessage>;
    g_passOn = qInstallMessageHandler(&Hold);
}

DisplayStart::~DisplayStart()
{
    qInstallMessageHandler(g_passOn);
    for (const HeldMessage& m : *g_held) {
        const QMessageLogContext context(m.file.isNull() ? nullptr : m.file.constData(), m.line,
                                         m.function.isNull() ? nullptr : m.function.constData(),
                                         m.category.isNull() ? nullptr : m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    delete g_held;
    g_held = nullptr;
}

}  // namespace vadelon
