#include "platform/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace vadelon {

namespace {

// Debian's Japanese catalogue of Qt lacks the words of the file dialog's
// type column; this answers for those and leaves everything else to it.
class FileTypeWords final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        struct Word {
            const char* source;
            const char16_t* japanese;
        };
        static constexpr Word kWords[] = {
            {"Folder", u"フォルダ"},
            {"Drive", u"ドライブ"},
            {"Shortcut", u"ショートカット"},
            {"Unknown", u"不明"},
        };
        if (!context || !sourceText || std::strcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        for (const Word& word : kWords) {
            if (std::strcmp(sourceText, word.source) == 0)
                return QString::fromUtf16(word.japanese);
        }
        return {};
    }

    bool isEmpty() const override { return false; }
};

}  // namespace

bool InstallQtJapanese()
{
    // The interface is Japanese by design, whatever the desktop's locale:
    // also the descriptions of file types that Qt looks up by language.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QCoreApplication::installTranslator(new FileTypeWords(QCoreApplication::instance()));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vadelon
