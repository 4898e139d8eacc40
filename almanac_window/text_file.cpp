#include "almanac_window/text_file.h"

#include "almanac_window/cp932.h"
#include "almanac_window/file_replace.h"
#include "almanac_window/shown_name.h"
#include "calendar/rules/system_reasons.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <variant>

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

bool StartsAsUtf16(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
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

// The first limit of the editor that text passes, if any.
std::optional<ReadFault> EditorLimitPassed(const QString& text)
{
    qsizetype lines = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!BreaksTheLine(text[i]))
            continue;
        if (i - lineStart > kMaxTextLineChars)
            return ReadFault{ReadFault::LineTooLong, 0, lines};
        if (++lines > kMaxTextLines)
            return ReadFault{ReadFault::TooManyLines};
        lineStart = i + 1;
    }
    if (text.size() - lineStart > kMaxTextLineChars)
        return ReadFault{ReadFault::LineTooLong, 0, lines};
    return std::nullopt;
}

// The file's bytes, at most one past the limit: through the system's calls,
// whose error numbers name the reason of a refusal.
// What a file's kind and size refuse it for: only regular files within the
// limit are read (a FIFO or a device would block or never end).
std::optional<ReadFault> Refusal(const struct stat& file)
{
    if (S_ISDIR(file.st_mode))
        return ReadFault{ReadFault::System, EISDIR};
    if (!S_ISREG(file.st_mode))
        return ReadFault{ReadFault::SpecialFile};
    if (file.st_size > kMaxTextFileBytes)
        return ReadFault{ReadFault::TooLarge};
    return std::nullopt;
}

std::variant<QByteArray, ReadFault> ReadBytes(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat file { };
    if (::stat(name.constData(), &file) != 0)
        return ReadFault{ReadFault::System, errno};
    // Looked at before opening, so that no device is ever opened.
    if (const std::optional<ReadFault> refused = Refusal(file))
        return *refused;
    // Non-blocking, and looked at again once open: a path swapped for a FIFO
    // after the stat can neither block the open nor be read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ReadFault{ReadFault::System, errno};
    std::optional<ReadFault> refused =
        ::fstat(fd, &file) == 0 ? Refusal(file) : std::optional<ReadFault>(ReadFault{ReadFault::System, errno});
    if (refused) {
        ::close(fd);
        return *refused;
    }
    // Room for what stat saw and one byte more: a file that grows meanwhile
    // is read on up to one byte past the limit.
    QByteArray bytes(qsizetype(file.st_size) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    int error = 0;
    while (size <= kMaxTextFileBytes) {
        if (size == bytes.size())
            bytes.resize(std::min<qsizetype>(2 * size, kMaxTextFileBytes + 1));
        const ssize_t got = ::read(fd, bytes.data() + size, std::size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        if (got <= 0)
            break;
        size += got;
    }
    ::close(fd);
    if (error != 0)
        return ReadFault{ReadFault::System, error};
    // Grown since it was looked at.
    if (size > kMaxTextFileBytes)
        return ReadFault{ReadFault::TooLarge};
    bytes.truncate(size);
    return bytes;
}

// The reasons that a refused read gives otherwise than a refused write.
QString ReadReason(int error)
{
    switch (error) {
    case ENOENT: return QStringLiteral("存在しないファイル");
    case EACCES:
    case EPERM: return QStringLiteral("読み取り禁止");
    default: return QString::fromStdString(SystemReason(error));
    }
}

QString Count(qint64 n)
{
    return QLocale(QLocale::Japanese, QLocale::Japan).toString(n);
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

TextFileRead ReadTextFile(const QString& path)
{
    std::variant<QByteArray, ReadFault> bytes = ReadBytes(path);
    if (const ReadFault* fault = std::get_if<ReadFault>(&bytes))
        return {{}, *fault};
    // Qt's decoder makes the odd byte a U+FFFD without a word, or nothing at
    // all when it is the only one, and a save then wrote an empty file.
    if (const QByteArray& read = std::get<QByteArray>(bytes); StartsAsUtf16(read) && read.size() % 2 != 0)
        return {{}, ReadFault{ReadFault::OddUtf16}};
    QString text = DecodeTextFileBytes(std::get<QByteArray>(bytes));
    if (const std::optional<ReadFault> fault = EditorLimitPassed(text))
        return {{}, fault};
    return {std::move(text), std::nullopt};
}

QString OpenFailureMessage(const QString& path, const ReadFault& fault)
{
    constexpr qint64 kMiB = 1024 * 1024;
    static_assert(kMaxTextFileBytes % kMiB == 0);
    QString reason;
    switch (fault.kind) {
    case ReadFault::System: reason = QStringLiteral("理由は「%1」です").arg(ReadReason(fault.error)); break;
    case ReadFault::SpecialFile:
        reason = QStringLiteral("理由は「%1」です").arg(QStringView(kSpecialFileReason));
        break;
    case ReadFault::TooLarge:
        reason = QStringLiteral("大きさが上限の %1 MiB を超えています").arg(kMaxTextFileBytes / kMiB);
        break;
    case ReadFault::TooManyLines:
        reason = QStringLiteral("行数が上限の %1 行を超えています").arg(Count(kMaxTextLines));
        break;
    case ReadFault::LineTooLong:
        reason = QStringLiteral("%1 行目の長さが上限の %2 文字を超えています")
                     .arg(QString::number(fault.line), Count(kMaxTextLineChars));
        break;
    case ReadFault::OddUtf16:
        reason = QStringLiteral("UTF-16 のバイト順マークで始まるのにバイト数が奇数で、最後の文字が欠けています");
        break;
    }
    return QStringLiteral("ファイル %1 は開けません。%2").arg(ShownFileName(path), reason);
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
    QString message =
        QStringLiteral("ファイル %1 を保存できません。%2 行目の文字「%3」(U+%4) は Shift-JIS で表せません")
            .arg(ShownFileName(path), QString::number(where.line), ShownFileName(where.character), hex);
    // The half-width ¥ would be 0x5C, which reads back as a backslash.
    if (code == 0xA5)
        message += QStringLiteral("。全角の「￥」なら保存できます");
    return message;
}

}  // namespace vadelon
