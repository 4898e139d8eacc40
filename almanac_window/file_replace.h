#pragma once
// Writing a file in place of another, atomically: the new contents are
// written in full, flushed to the disk, and only then take the name over, so
// that every failure leaves the old file as it was.
#include <QByteArray>
#include <QString>
#include <optional>

namespace vadelon {

// What a device, a FIFO or a socket is called where a message refuses one.
inline constexpr char16_t kSpecialFileReason[] = u"装置などの特殊ファイル";

// Why a file could not be written.
struct WriteFault {
    enum Kind {
        System,       // error: the error number of the step that failed
        SpecialFile,  // the name is a device, a FIFO or a socket
        DanglingLink  // the name is a symbolic link to nothing
    };
    Kind kind = System;
    int error = 0;
};

// Writes bytes as a new file of that name, or in place of the regular file
// of that name (through a symbolic link, the file it names, whose permissions
// the new contents keep). Only a regular file or a new name is written: a
// folder, a device, a FIFO are never replaced. While the contents are written
// they have no name (O_TMPFILE); where the file system cannot do that they
// have a short one in the same folder, ".vadelon-" and six letters, which a
// program killed during the write leaves behind. A file this user may not
// write is refused. The new file keeps the old one's owner, group and mode;
// a file with several names (hard links), whose owner or group this user
// cannot keep, or in a folder this user may not write, is written in place
// once room for the new contents is taken, so that its names and owner stay.
std::optional<WriteFault> ReplaceFile(const QString& path, const QByteArray& bytes);

// "ファイル … を作成できません（reason）" with the reason in Japanese.
QString CreateFailureMessage(const QString& path, const WriteFault& fault);

// A write past the file-size limit (RLIMIT_FSIZE) then fails with EFBIG and
// is reported, instead of SIGXFSZ ending the program with the text unsaved.
void IgnoreFileSizeSignal();

}  // namespace vadelon
