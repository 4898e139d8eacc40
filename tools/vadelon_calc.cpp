// vadelon-calc: the calendar core from the command line.
#include "tools/command_line.h"
#include "tools/command_table.h"

#include "calendar/system_reasons.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A script reads the exit status, so output that did not arrive (a full disk,
// /dev/full, a closed standard output) must not end with the status of success.
// The buffer is flushed and the descriptor closed here, where an error can still
// be told; a broken pipe keeps the default of SIGPIPE and ends the process.
int CheckOutput(int code)
{
    errno = 0;
    bool lost = std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout;
    int error = lost ? errno : 0;
    // Nothing was pending when the flush went through, so a descriptor closed
    // from the start (EBADF) lost nothing.
    if (!lost && close(STDOUT_FILENO) != 0 && errno != EBADF) {
        lost = true;
        error = errno;
    }
    if (!lost)
        return code;
    std::cerr << "標準出力に書き込めませんでした";
    if (error != 0)
        std::cerr << "（" << vadelon::SystemReason(error) << "）";
    std::cerr << "。\n";
    return vadelon::tools::kOutputLost;
}

}  // namespace

int main(int argc, char** argv)
{
    // Past a file-size limit a write then fails with EFBIG, which is reported
    // as every lost output is, instead of the signal ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return CheckOutput(vadelon::tools::RunCalc(args, std::cout, std::cerr));
}
