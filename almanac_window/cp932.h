#pragma once
// Windows-31J (code page 932), the Shift-JIS of the Japanese desktop whose
// text files the almanac window reads and writes, NEC and IBM extensions
// included.
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace vadelon {

// Any bytes to text: every byte that is not part of a character of the code
// page becomes U+FFFD, and decoding goes on with the byte after it. Reads as
// the code page does: 0x8160 is U+FF5E, 0x815C U+2015.
QString DecodeCp932(QByteArrayView bytes);

// The bytes of text, or the index of the first character the code page
// cannot hold (bytes then empty). A character is written only when it reads
// back as itself, or it is one of the JIS forms that Linux input methods type
// where the code page has its own (U+301C WAVE DASH as 0x8160, U+2016,
// U+2212, U+2014, U+00A2, U+00A3, U+00AC): nothing is written that would read
// back as another character.
struct Cp932Bytes {
    QByteArray bytes;
    qsizetype unencodableAt = -1;
};
Cp932Bytes EncodeCp932(QStringView text);

}  // namespace vadelon
