#include "help_window/help_keywords.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace vadelon {

std::vector<HelpKeyword> ParseHelpKeywords(const QString& text)
{
    std::vector<HelpKeyword> keywords;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() < 3 || fields[0].trimmed().isEmpty() || fields[2].trimmed().isEmpty())
            continue;
        HelpKeyword keyword{fields[0].trimmed().toString(), {}, fields[2].trimmed().toString()};
        for (QStringView reading : fields[1].split(u'、')) {
            if (!reading.trimmed().isEmpty())
                keyword.readings << reading.trimmed().toString();
        }
        keywords.push_back(std::move(keyword));
    }
    return keywords;
}

void SortByReading(std::vector<HelpKeyword>& keywords)
{
    QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    std::stable_sort(keywords.begin(), keywords.end(), [&collator](const HelpKeyword& a, const HelpKeyword& b) {
        if (const int order = collator.compare(a.SortKey(), b.SortKey()))
            return order < 0;
        return collator.compare(a.keyword, b.keyword) < 0;
    });
}

}  // namespace vadelon
