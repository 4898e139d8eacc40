// vadelon-calc: the calendar core from the command line.
#include "tools/command_line.h"
#include "tools/command_table.h"

#include "calendar/rules/system_reasons.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

// Standard output written by write() from a buffer of its own, so that the
// error number of the first write that fails is kept: stdio's buffer loses
// it once the output has passed its size, on the flush that follows. After a
// failure nothing more is written.
class DescriptorOutput : public std::streambuf {
public:
    DescriptorOutput() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

    bool Failed() const { return failed_; }
    int Error() const { return error_; }

protected:
    int_type overflow(int_type c) override
    {
        if (!Drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain()
    {
        for (const char* at = pbase(); at < pptr() && !failed_;) {
            const ssize_t written = ::write(STDOUT_FILENO, at, static_cast<std::size_t>(pptr() - at));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                failed_ = true;
                error_ = written < 0 ? errno : EIO;
            } else {
                at += written;
            }
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return !failed_;
    }

    std::array<char, 8192> buffer_{};
    bool failed_ = false;
    int error_ = 0;
};

// A script reads the exit status, so output that did not arrive (a full disk,
// /dev/full, a closed standard output) must not end with the status of success.
// The buffer is flushed and the descriptor closed here, where an error can still
// be told; a broken pipe keeps the default of SIGPIPE and ends the process.
int CheckOutput(int code, const DescriptorOutput& output)
{
    std::cout.flush();
    bool lost = output.Failed();
    int error = output.Error();
    // Nothing was pending when the flush went through, so a descriptor closed
    // from the start (EBADF) lost nothing.
    if (!lost && close(STDOUT_FILENO) != 0 && errno != EBADF) {
        lost = true;
        error = errno;
    }
    if (!lost)
        return code;
    std::cerr << "標準出力に書き込めませんでした（" << vadelon::SystemReason(error) << "）。\n";
    return vadelon::tools::kOutputLost;
}

}  // namespace

int main(int argc, char** argv)
{
    // Past a file-size limit a write then fails with EFBIG, which is reported
    // as every lost output is, instead of the signal ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    DescriptorOutput output;
    std::cout.rdbuf(&output);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = CheckOutput(vadelon::tools::RunCalc(args, std::cout, std::cerr), output);
    // The stream's buffer ends before the stream.
    std::cout.rdbuf(nullptr);
    return code;
}
