#include "help_window/manual_files.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace vadelon {

namespace {

// Elements that are empty, or whose end tag may be left out: they do not
// enclose what follows them.
constexpr std::array<QStringView, 31> kNotEnclosing = {
    u"area",   u"base",  u"br",     u"col",      u"embed",    u"hr",      u"img",  u"input", u"link", u"meta", u"param",
    u"source", u"track", u"wbr",    u"p",        u"li",       u"dt",      u"dd",   u"tr",    u"td",   u"th",   u"thead",
    u"tbody",  u"tfoot", u"option", u"optgroup", u"colgroup", u"caption", u"html", u"head",  u"body"};

bool Encloses(QStringView name)
{
    return std::none_of(kNotEnclosing.begin(), kNotEnclosing.end(),
                        [name](QStringView other) { return name.compare(other, Qt::CaseInsensitive) == 0; });
}

bool IsNameChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

}  // namespace

std::optional<QByteArray> ReadManualFile(const QString& path, qint64 maxBytes)
{
    // Only regular files: a device never ends and a FIFO blocks the open.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The size may have changed since it was asked: never read past the limit.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes)
        return std::nullopt;
    return bytes;
}

bool PageWithinLimits(QStringView html)
{
    int elements = 0;
    int depth = 0;
    int tables = 0;
    const qsizetype n = html.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (html[i] != u'<')
            continue;
        if (html.mid(i, 4) == u"<!--") {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            if (end < 0)
                break;
            i = end + 2;
            continue;
        }
        const bool closing = i + 1 < n && html[i + 1] == u'/';
        qsizetype nameEnd = i + (closing ? 2 : 1);
        const qsizetype nameStart = nameEnd;
        while (nameEnd < n && IsNameChar(html[nameEnd]))
            ++nameEnd;
        if (nameEnd == nameStart)
            continue;  // "<" as text, "<!DOCTYPE", "<?"
        const QStringView name = html.mid(nameStart, nameEnd - nameStart);
        const qsizetype close = html.indexOf(u'>', nameEnd);
        const bool empty = close > 0 && html[close - 1] == u'/';
        const bool table = name.compare(u"table", Qt::CaseInsensitive) == 0;
        if (closing) {
            if (Encloses(name))
                depth = std::max(depth - 1, 0);
            if (table)
                tables = std::max(tables - 1, 0);
        } else {
            if (++elements > kMaxPageElements)
                return false;
            if (!empty && Encloses(name) && ++depth > kMaxPageDepth)
                return false;
            if (!empty && table && ++tables > kMaxTableDepth)
                return false;
        }
        if (close < 0)
            break;
        i = close;
    }
    return true;
}

std::optional<QString> ReadManualPage(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadManualFile(path);
    if (!bytes)
        return std::nullopt;
    QString html = QString::fromUtf8(*bytes);
    if (!PageWithinLimits(html))
        return std::nullopt;
    return html;
}

QString BrokenPageHtml(const QString& fileName)
{
    return QStringLiteral("<html><head><title>ページを表示できません</title></head><body>"
                          "<h1>ページを表示できません</h1>"
                          "<p>ヘルプのページ「%1」が見つからないか、壊れています。"
                          "ヴァデロンをインストールし直してください。</p></body></html>")
        .arg(fileName.toHtmlEscaped());
}

}  // namespace vadelon
