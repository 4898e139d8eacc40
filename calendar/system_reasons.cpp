#include "calendar/system_reasons.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace vadelon {

namespace {

// The reasons a user can act on; the rest are rare enough for the system's
// words (which may be English).
constexpr std::array kReasons{
    std::pair{ENOSPC, "容量不足"},
    std::pair{EDQUOT, "容量不足"},
    std::pair{EFBIG, "ファイルサイズの上限"},
    std::pair{EROFS, "書き込み禁止"},
    std::pair{EACCES, "書き込み禁止"},
    std::pair{EPERM, "書き込み禁止"},
    std::pair{EIO, "入出力エラー"},
    std::pair{ENOENT, "存在しないフォルダ"},
    std::pair{ENOTDIR, "フォルダでない途中の名前"},
    std::pair{EISDIR, "フォルダ"},
    std::pair{ENAMETOOLONG, "長すぎる名前"},
    std::pair{ELOOP, "循環するリンク"},
    std::pair{EMFILE, "開いているファイルが多すぎる"},
    std::pair{ENFILE, "開いているファイルが多すぎる"},
    std::pair{EBADF, "閉じた出力先"},
    std::pair{EPIPE, "閉じた出力先"},
    std::pair{EBUSY, "使用中"},
    std::pair{ETXTBSY, "使用中"},
};

}  // namespace

std::string SystemReason(int errnum)
{
    for (const auto& [number, reason] : kReasons) {
        if (number == errnum)
            return reason;
    }
    return std::strerror(errnum);
}

}  // namespace vadelon
