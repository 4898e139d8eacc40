#include "almanac_window/ending.h"

#include "almanac_window/koyomi_form.h"
#include "platform/end_requests.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QTimer>

namespace vadelon {

namespace {
constexpr int kDialogPollMs = 200;
constexpr int kMostDialogs = 16;  // one opened on another, each put away
}  // namespace

Ending::Ending(EndRequests& requests, QWidget& mainWindow, TKoyomiForm& almanac)
    : Ending(requests, mainWindow, [&almanac] { return &almanac; })
{ }

Ending::Ending(EndRequests& requests, QWidget& mainWindow, std::function<TKoyomiForm*()> almanac)
    : QObject(nullptr)
    , mainWindow_(mainWindow)
    , almanac_(std::move(almanac))
{
    connect(&requests, &EndRequests::requested, this, &Ending::OnRequest);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!TextAtStake())
            return;
        const bool mayAsk = manager.allowsInteraction();
        const bool mayEnd = SessionMayEnd(mayAsk);
        if (mayAsk)
            manager.release();
        if (!mayEnd)
            manager.cancel();
    });
#endif
}

bool Ending::TextAtStake() const
{
    // A hidden window's text was kept unsaved by the user's own answer.
    const TKoyomiForm* almanac = almanac_();
    return almanac && almanac->isVisible() && almanac->Editor()->document()->isModified();
}

bool Ending::SessionMayEnd(bool mayAsk)
{
    if (!TextAtStake())
        return true;
    TKoyomiForm* almanac = almanac_();
    const QWidget* modal = QApplication::activeModalWidget();
    if (!mayAsk || (modal != nullptr && modal != almanac))
        return false;
    return almanac->AskSaveChanges();
}

void Ending::OnRequest()
{
    if (closing_)
        return;
    TKoyomiForm* almanac = almanac_();
    QWidget* modal = QApplication::activeModalWidget();
    // With no changed text, nothing the dialogs hold is at stake: the about
    // box, a message, the era question or a file dialog over an unchanged
    // text are put away, and the program ends at once.
    for (int dialogs = 0; modal != nullptr && modal != almanac && !TextAtStake() && dialogs < kMostDialogs; ++dialogs) {
        modal->hide();  // ends the dialog's own loop as a rejection would
        modal = QApplication::activeModalWidget();
    }
    // A dialog over a changed text is part of the user's work on it (the
    // save question itself, its save dialog, a failed save's message): the
    // request waits for it and then asks.
    if (modal != nullptr && modal != almanac) {
        if (!waiting_) {
            waiting_ = true;
            QTimer::singleShot(kDialogPollMs, this, [this] {
                waiting_ = false;
                OnRequest();
            });
        }
        return;
    }
    closing_ = true;
    const bool almanacClosed = !almanac || !almanac->isVisible() || almanac->close();
    closing_ = false;
    if (almanacClosed)
        mainWindow_.close();
}

}  // namespace vadelon
