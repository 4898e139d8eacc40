#include "almanac_window/shown_name.h"

namespace vadelon {

namespace {

bool Hidden(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Format:         // U+200B–200F, U+202A–202E, U+2066–2069, U+FEFF, U+00AD …
    case QChar::Separator_Line:       // U+2028
    case QChar::Separator_Paragraph:  // U+2029
    case QChar::Other_Surrogate:      // half of a pair, alone
        return true;
    case QChar::Separator_Space: return c != U' ' && c != U'\u3000';  // U+00A0, U+2007 …
    default: return false;
    }
}

}  // namespace

QString ShownFileName(const QString& name)
{
    QString shown;
    shown.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        qsizetype length = 1;
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name[i], name[i + 1]);
            length = 2;
        }
        if (c == U'\\') {
            shown += QLatin1String("\\\\");
        } else if (c < 0x20 || c == 0x7F) {
            shown += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        } else if (!Hidden(c)) {
            shown += QStringView(name).sliced(i, length);
        } else if (c <= 0xFFFF) {
            shown += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        } else {
            shown += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
        }
        i += length - 1;
    }
    return shown;
}

}  // namespace vadelon
