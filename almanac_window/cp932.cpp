#include "almanac_window/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <utility>
#include <vector>

namespace vadelon {

namespace {

// Qt's Shift_JIS converter is ICU's IBM-943 table, which reads and writes
// every double-byte character as the Windows code page does. It differs in
// two things only, both put right here: it rotates the control codes 1A, 1C
// and 7F among themselves, and it writes none of the JIS forms below.
constexpr auto kShiftJis = "Shift_JIS";
constexpr char16_t kReplacement = u'\uFFFD';

// The JIS X 0208 forms that input methods and other systems type, and the
// code page's own character at the same code, which the encoder writes.
constexpr std::array<std::pair<char16_t, char16_t>, 7> kJisForms{{
    {u'\u301C', u'\uFF5E'},  // WAVE DASH, 0x8160
    {u'\u2016', u'\u2225'},  // DOUBLE VERTICAL LINE, 0x8161
    {u'\u2212', u'\uFF0D'},  // MINUS SIGN, 0x817C
    {u'\u2014', u'\u2015'},  // EM DASH, 0x815C
    {u'\u00A2', u'\uFFE0'},  // CENT SIGN, 0x8191
    {u'\u00A3', u'\uFFE1'},  // POUND SIGN, 0x8192
    {u'\u00AC', u'\uFFE2'},  // NOT SIGN, 0x81CA
}};

// icuChar[b] is what ICU reads byte b below 0x80 as (and what it writes as
// b); byteOf is the way back.
struct AsciiHalf {
    std::array<char16_t, 0x80> icuChar{};
    std::array<char16_t, 0x80> byteOf{};
    bool straight = true;
};

const AsciiHalf& IcuAsciiHalf()
{
    static const AsciiHalf half = [] {
        AsciiHalf h;
        for (char16_t b = 0; b < 0x80; ++b)
            h.icuChar[b] = h.byteOf[b] = b;
        for (char16_t b = 0; b < 0x80; ++b) {
            const char byte = char(b);
            QStringDecoder decoder(kShiftJis, QStringConverter::Flag::Stateless);
            const QString read = decoder(QByteArrayView(&byte, 1));
            if (decoder.hasError() || read.size() != 1 || read.front().unicode() >= 0x80)
                continue;
            h.icuChar[b] = read.front().unicode();
        }
        for (char16_t b = 0; b < 0x80; ++b) {
            h.byteOf[h.icuChar[b]] = b;
            h.straight = h.straight && h.icuChar[b] == b;
        }
        return h;
    }();
    return half;
}

// After decoding: a double-byte character never lies below 0x80, so every
// such character came from its own single byte.
void StraightenDecodedAscii(QString& text)
{
    const AsciiHalf& half = IcuAsciiHalf();
    if (half.straight)
        return;
    for (QChar& c : text) {
        if (c.unicode() < 0x80)
            c = QChar(half.byteOf[c.unicode()]);
    }
}

// The code page's own character for a JIS form; any other character as it is.
char16_t Cp932Form(char16_t c)
{
    for (const auto& [jis, own] : kJisForms) {
        if (c == jis)
            return own;
    }
    return c;
}

// Before encoding: the code page's forms, and for the ASCII half the
// character that ICU writes as the wanted byte.
QString ForIcuEncoder(QStringView text)
{
    QString out = text.toString();
    const AsciiHalf& half = IcuAsciiHalf();
    for (QChar& c : out)
        c = c.unicode() < 0x80 ? QChar(half.icuChar[c.unicode()]) : QChar(Cp932Form(c.unicode()));
    return out;
}

bool IsLeadByte(uchar b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsTrailByte(uchar b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// The character of one single byte or one lead/trail pair, or -1 when the
// code page has none. Looked up through the decoder once per distinct key:
// this path only runs for bytes that did not decode cleanly as a whole.
int DecodeUnit(const char* unit, int length)
{
    static std::vector<int> cache(0x10000, -2);
    const int key = length == 1 ? uchar(unit[0]) : (uchar(unit[0]) << 8) | uchar(unit[1]);
    int& slot = cache[std::size_t(key)];
    if (slot == -2) {
        QStringDecoder decoder(kShiftJis, QStringConverter::Flag::Stateless);
        const QString out = decoder(QByteArrayView(unit, length));
        slot = (decoder.hasError() || out.size() != 1) ? -1 : out.front().unicode();
    }
    return slot;
}

QString DecodeLeniently(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const char* data = bytes.data();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar b = uchar(data[i]);
        if (IsLeadByte(b)) {
            if (i + 1 < n && IsTrailByte(uchar(data[i + 1]))) {
                const int c = DecodeUnit(data + i, 2);
                if (c >= 0) {
                    text += QChar(char16_t(c));
                    i += 2;
                    continue;
                }
            }
            text += QChar(kReplacement);
            ++i;
            continue;
        }
        const int c = DecodeUnit(data + i, 1);
        text += c >= 0 ? QChar(char16_t(c)) : QChar(kReplacement);
        ++i;
    }
    return text;
}

// Whether one character (one or two UTF-16 units) is written as bytes that
// read back as its code page form.
bool WritesAndReadsBack(QStringView character)
{
    QStringEncoder encoder(kShiftJis, QStringConverter::Flag::Stateless);
    const QString wanted = ForIcuEncoder(character);
    const QByteArray bytes = encoder(wanted);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(kShiftJis, QStringConverter::Flag::Stateless);
    const QString read = decoder(bytes);
    return !decoder.hasError() && read == wanted;
}

qsizetype FirstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        if (!WritesAndReadsBack(text.mid(i, length)))
            return i;
        i += length;
    }
    return -1;
}

}  // namespace

QString DecodeCp932(QByteArrayView bytes)
{
    QStringDecoder decoder(kShiftJis, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        text = DecodeLeniently(bytes);
    StraightenDecodedAscii(text);
    return text;
}

Cp932Bytes EncodeCp932(QStringView text)
{
    Cp932Bytes result;
    const QString wanted = ForIcuEncoder(text);
    QStringEncoder encoder(kShiftJis, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder(wanted);
    // ICU also writes a few characters as the code of another one (U+F86F as
    // the 0x8782 of №): only bytes that read back as what was asked for count.
    bool clean = !encoder.hasError();
    if (clean) {
        QStringDecoder decoder(kShiftJis, QStringConverter::Flag::Stateless);
        clean = decoder(bytes) == wanted && !decoder.hasError();
    }
    if (clean)
        result.bytes = std::move(bytes);
    else
        result.unencodableAt = FirstUnencodable(text);
    return result;
}

}  // namespace vadelon
