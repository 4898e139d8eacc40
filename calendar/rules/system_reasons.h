#pragma once
// Why a file or an output could not be written, in the words of the
// interface: the window's messages and vadelon-calc's both take them from
// here. Plain C++, no toolkit.
#include <string>

namespace vadelon {

// A short Japanese reason for the error number errnum (容量不足 for ENOSPC,
// …), for every number the C library defines; "エラー番号 N" for any other.
std::string SystemReason(int errnum);

}  // namespace vadelon
