#pragma once
// The almanac window's text file format: Shift-JIS as the Windows code page
// 932 has it (cp932.h), every line followed by CR LF, no byte-order mark.
// Reading is lenient (any bytes give some text); writing is strict (a
// character the code page cannot hold stops the save).
#include <QByteArray>
#include <QString>
#include <optional>

namespace vadelon {

// Files the editor cannot show at once are refused at Open. It keeps a block
// per line and lays out a whole line to draw any of it: measured here (two
// cores, bench/almanac_open_bench), 16 MiB on one line took 6 s and 600 MB to
// open and show its end, 16 MiB of empty lines 33 s and 3.5 GB. Within these
// limits the worst file found opens, scrolls to its end and shows in about
// half a second.
inline constexpr qint64 kMaxTextFileBytes = 4 * 1024 * 1024;
inline constexpr qsizetype kMaxTextLines = 100'000;
inline constexpr qsizetype kMaxTextLineChars = 8 * 1024;  // UTF-16 units

// Bytes to editor text, lines separated by '\n'. Bytes behind a UTF-16 BOM
// (LE or BE) are read as UTF-16, with U+FFFD for what does not decode. Valid
// UTF-8 with at least one multibyte sequence (a BOM is one) is read as UTF-8;
// anything else as CP932 with U+FFFD for every byte that is not part of a
// decodable character. CR LF, LF and a lone CR all end a line; a line break
// at the very end opens no further line.
QString DecodeTextFileBytes(const QByteArray& bytes);

// Why a file was not opened.
struct ReadFault {
    enum Kind {
        System,        // error: the error number of the step that failed (EISDIR for a folder)
        SpecialFile,   // a device, a FIFO or a socket
        TooLarge,      // more bytes than kMaxTextFileBytes
        TooManyLines,  // more lines than kMaxTextLines
        LineTooLong,   // line (1-based) is longer than kMaxTextLineChars
        OddUtf16       // a UTF-16 byte-order mark, and an odd number of bytes
    };
    Kind kind = System;
    int error = 0;
    qsizetype line = 0;
};

struct TextFileRead {
    QString text;
    std::optional<ReadFault> fault;  // set: nothing was read
};

// Reads a regular file within the limits above, where every character at
// which the editor starts a line (U+2028, U+2029, U+FDD0, U+FDD1 as well as
// the line breaks) ends a line. A UTF-16 file cut in the middle of a unit is
// refused rather than shown without its last byte.
TextFileRead ReadTextFile(const QString& path);

// "ファイル … は開けません。" and why: the limit passed, or the system's reason.
QString OpenFailureMessage(const QString& path, const ReadFault& fault);

struct UnencodableChar {
    int line = 0;       // 1-based line of the editor text
    QString character;  // the character (both halves of a surrogate pair)
};

struct EncodedText {
    QByteArray bytes;
    std::optional<UnencodableChar> unencodable;  // set: bytes is empty
};

// Editor text (lines separated by '\n') to the file's bytes: each line in
// CP932 followed by CR LF; the empty text gives an empty file.
EncodedText EncodeTextFileBytes(const QString& text);

// "ファイル … を保存できません…" naming the character, its code and its line;
// for ¥, which CP932 has only as the full-width ￥, that one is offered.
QString UnencodableMessage(const QString& path, const UnencodableChar& where);

}  // namespace vadelon
