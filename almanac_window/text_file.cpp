#include "almanac_window/text_file.h"

#include "almanac_window/cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <utility>

namespace vadelon {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

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
    // Text in UTF-8 has at least one multibyte sequence and no invalid one;
    // short texts in it are often valid CP932 as well (「日本」 is 「譌･譛ｬ」),
    // while the bytes of a CP932 text beyond ASCII seldom form valid UTF-8.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString asUtf8 = utf8(bytes);
    const bool multibyte = std::any_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) >= 0x80; });
    if (multibyte && !utf8.hasError())
        return asUtf8;
    return DecodeCp932(bytes);
}

// Where the editor starts a new line: a block at '\n' (a CR is one by now),
// U+2029 and the frame marks U+FDD0 and U+FDD1, a line within the block at
// U+2028. Each of them counts against the limits.
bool BreaksTheLine(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\u2028':
    case u'\u2029':
    case u'\uFDD0':
    case u'\uFDD1': return true;
    default: return false;
    }
}

bool FitsTheEditor(const QString& text)
{
    qsizetype lines = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!BreaksTheLine(text[i]))
            continue;
        if (i - lineStart > kMaxTextLineChars || ++lines > kMaxTextLines)
            return false;
        lineStart = i + 1;
    }
    return text.size() - lineStart <= kMaxTextLineChars;
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
    Cp932Bytes encoded = EncodeCp932(text);
    if (encoded.unencodableAt >= 0) {
        const qsizetype at = encoded.unencodableAt;
        const qsizetype length =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
        result.unencodable = UnencodableChar{int(QStringView(text).first(at).count(u'\n')) + 1, text.mid(at, length)};
        return result;
    }
    // A line feed byte is never part of a double-byte character.
    result.bytes = encoded.bytes.replace('\n', "\r\n") + "\r\n";
    return result;
}

QString UnencodableMessage(const QString& path, const UnencodableChar& where)
{
    const uint code = where.character.isEmpty() ? 0 : where.character.toUcs4().value(0);
    const QString hex = QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("ファイル %1 を保存できません。%2 行目の文字「%3」(U+%4) は Shift-JIS で表せません")
        .arg(path, QString::number(where.line), where.character, hex);
}

}  // namespace vadelon
