#include "platform/end_requests.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vadelon {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// Where the handler writes; the only thing it may touch.
volatile sig_atomic_t writeEnd = -1;
std::array<struct sigaction, kSignals.size()> earlier{};

extern "C" void OnEndSignal(int)
{
    // Only async-signal-safe calls: one byte down the pipe, errno kept.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

EndRequests::EndRequests(QObject* parent)
    : QObject(parent)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends) != 0)
        return;  // the signals then end the program as they always did
    readEnd_ = ends[0];
    writeEnd = ends[1];
    notifier_ = new QSocketNotifier(qintptr(readEnd_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndRequests::Drain);
    struct sigaction action { };
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &earlier[i]);
}

EndRequests::~EndRequests()
{
    if (readEnd_ < 0)
        return;
    delete notifier_;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &earlier[i], nullptr);
    ::close(writeEnd);
    writeEnd = -1;
    ::close(readEnd_);
}

void EndRequests::Drain()
{
    char bytes[64];
    while (::read(readEnd_, bytes, sizeof bytes) > 0) { }
    emit requested();
}

}  // namespace vadelon
