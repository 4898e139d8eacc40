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
}

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
    const QWidget* modal = QApplication::activeModalWidget();
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
