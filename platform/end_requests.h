#pragma once
// Requests from outside the windows to end the program: SIGTERM (a kill, the
// system shutting down), SIGINT (Ctrl+C in the terminal that started it) and
// SIGHUP (that terminal gone). Each arrives as a Qt signal in the event loop
// instead of ending the process at once, so that the windows can close as
// their own Exit would, asking before a changed text is lost.
#include <QObject>

class QSocketNotifier;

namespace vadelon {

class EndRequests final : public QObject {
    Q_OBJECT
public:
    // One at a time; the signals' earlier handling comes back when it goes.
    explicit EndRequests(QObject* parent = nullptr);
    ~EndRequests() override;

signals:
    // Once for any number of signals that arrived since the loop last looked.
    void requested();

private:
    void Drain();

    int readEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vadelon
