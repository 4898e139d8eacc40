#include "almanac_window/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <utility>
#include <vector>

namespace vadelon {

namespace {

constexpr auto kShiftJis = "Shift_JIS";
constexpr char16_t kReplacement = u'\uFFFD';

// ICU's Shift_JIS table (IBM 943) rotates the control codes 1A, 1C and 7F
// among themselves; the Windows code page that the files are written in maps
// the whole single-byte ASCII half to itself. icuChar[b] is what the decoder
// reads byte b as (and what the encoder writes as b); the two passes below
// put the straight mapping back on both sides of the converter.
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

// After decoding Shift-JIS: a double-byte character never lies below 0x80,
// so every such character came from its own single byte.
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

// Before encoding: the character that the encoder writes as the wanted byte.
QString BentForEncoder(QStringView line)
{
    QString out = line.toString();
    const AsciiHalf& half = IcuAsciiHalf();
    if (half.straight)
        return out;
    for (QChar& c : out) {
        if (c.unicode() < 0x80)
            c = QChar(half.icuChar[c.unicode()]);
    }
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
// this path only runs for files that did not decode cleanly as a whole.
int DecodeShiftJisUnit(const char* unit, int length)
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

// Byte by byte: a decodable character is kept, every other byte becomes
// U+FFFD and decoding goes on with the byte after it.
QString DecodeShiftJisLeniently(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar b = uchar(data[i]);
        if (IsLeadByte(b)) {
            if (i + 1 < n && IsTrailByte(uchar(data[i + 1]))) {
                const int c = DecodeShiftJisUnit(data + i, 2);
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
        const int c = DecodeShiftJisUnit(data + i, 1);
        text += c >= 0 ? QChar(char16_t(c)) : QChar(kReplacement);
        ++i;
    }
    return text;
}

// Qt's UTF-16 decoder passes a surrogate without its partner through.
void ReplaceLoneSurrogates(QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar(kReplacement);
    }
}

QString DecodeBytes(const QByteArray& bytes)
{
    // FF and FE are no Shift-JIS bytes, so these marks never start a file of
    // the program's own format.
    for (const auto& [bom, encoding] : {std::pair{QByteArrayView("\xFF\xFE"), QStringConverter::Utf16LE},
                                        std::pair{QByteArrayView("\xFE\xFF"), QStringConverter::Utf16BE}}) {
        if (bytes.startsWith(bom)) {
            QStringDecoder utf16(encoding, QStringConverter::Flag::Stateless);
            QString text = utf16(QByteArrayView(bytes).sliced(bom.size()));
            ReplaceLoneSurrogates(text);
            return text;
        }
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString asUtf8 = utf8(bytes);
    const bool utf8Valid = !utf8.hasError();
    if (utf8Valid && bytes.startsWith("\xEF\xBB\xBF"))
        return asUtf8;

    QStringDecoder shiftJis(kShiftJis, QStringConverter::Flag::Stateless);
    QString asShiftJis = shiftJis(bytes);
    if (!shiftJis.hasError()) {
        StraightenDecodedAscii(asShiftJis);
        return asShiftJis;
    }
    if (utf8Valid)
        return asUtf8;
    QString lenient = DecodeShiftJisLeniently(bytes);
    StraightenDecodedAscii(lenient);
    return lenient;
}

bool FitsTheEditor(const QString& text)
{
    qsizetype lines = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\n'))
            continue;
        if (i - lineStart > kMaxTextLineChars || ++lines > kMaxTextLines)
            return false;
        lineStart = i + 1;
    }
    return text.size() - lineStart <= kMaxTextLineChars;
}

UnencodableChar FindUnencodable(QStringView line, int lineNumber)
{
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype length =
            (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) ? 2 : 1;
        const QStringView character = line.mid(i, length);
        QStringEncoder encoder(kShiftJis, QStringConverter::Flag::Stateless);
        const QByteArray ignored = encoder(character);
        if (encoder.hasError())
            return {lineNumber, character.toString()};
        i += length;
    }
    return {lineNumber, QString()};
}

}  // namespace

QString DecodeTextFileBytes(const QByteArray& bytes)
{
    QString text = DecodeBytes(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

std::optional<QString> ReadTextFile(const QString& path)
{
    // Only regular files: a FIFO or device would block or never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxTextFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxTextFileBytes)
        return std::nullopt;
    QString text = DecodeTextFileBytes(bytes);
    if (!FitsTheEditor(text))
        return std::nullopt;
    return text;
}

EncodedText EncodeTextFileBytes(const QString& text)
{
    EncodedText result;
    if (text.isEmpty())
        return result;
    QStringEncoder encoder(kShiftJis, QStringConverter::Flag::Stateless);
    QByteArray bytes;
    bytes.reserve(text.size() * 2 + 64);
    int lineNumber = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        bytes += encoder(BentForEncoder(line));
        if (encoder.hasError()) {
            result.unencodable = FindUnencodable(line, lineNumber);
            return result;
        }
        bytes += "\r\n";
    }
    result.bytes = bytes;
    return result;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, so that a full disk or a file size limit shows in the count
    // that write() returns: buffered, the data would only go out in commit(),
    // which in Qt 6.4 renames the temporary file over the target even when
    // that last write failed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit();  // removes the temporary file, replaces nothing
        return false;
    }
    return file.commit();
}

QString UnencodableMessage(const QString& path, const UnencodableChar& where)
{
    const uint code = where.character.isEmpty() ? 0 : where.character.toUcs4().value(0);
    const QString hex = QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("ファイル %1 を保存できません。%2 行目の文字「%3」(U+%4) は Shift-JIS で表せません")
        .arg(path, QString::number(where.line), where.character, hex);
}

}  // namespace vadelon
