#pragma once
// The end of the program when it is asked for from outside: a termination
// signal, or the desktop session ending (logout, shutdown). A changed text in
// the almanac window is never lost without the user's answer.
#include <QObject>
#include <functional>

class QWidget;

namespace vadelon {

class EndRequests;
class TKoyomiForm;

class Ending final : public QObject {
public:
    // Ends the run on each of requests as the user would: the almanac window
    // closed as its Exit does (asking about a changed text), then the main
    // window. A window kept open by キャンセル keeps the program running.
    // Other dialogs open meanwhile are closed when no changed text is at
    // stake; over a changed text the request waits until they have closed.
    // The desktop session's commit-data request asks the same question.
    Ending(EndRequests& requests, QWidget& mainWindow, TKoyomiForm& almanac);
    // The same with an almanac window that is made when first needed: almanac
    // gives it, or null while it has not been made.
    Ending(EndRequests& requests, QWidget& mainWindow, std::function<TKoyomiForm*()> almanac);

    // Whether the desktop session may end. With a changed text shown, the
    // save question is asked when mayAsk (the session manager allows it);
    // otherwise, or when the user is answering another dialog, nothing is
    // saved and the session's end is refused.
    bool SessionMayEnd(bool mayAsk);
    // Whether SessionMayEnd has a question to ask.
    bool TextAtStake() const;

private:
    void OnRequest();

    QWidget& mainWindow_;
    std::function<TKoyomiForm*()> almanac_;
    bool waiting_ = false;  // a request waits for a dialog to close
    bool closing_ = false;  // a request is being carried out
};

}  // namespace vadelon
