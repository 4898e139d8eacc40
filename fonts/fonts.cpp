#include "fonts/fonts.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

namespace vadelon {

namespace {

QFont WithoutFallbacks(QFont font)
{
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace

void InstallFontSubstitutions()
{
    QFont::insertSubstitution(kProportionalFamily, kProportionalSubstitute);
    QFont::insertSubstitution(kFixedFamily, kFixedSubstitute);
}

QFont PixelFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

QFont PixelFont(const QString& family, int pixelSize, bool bold)
{
    QFont font = PixelFont(family, pixelSize);
    font.setBold(bold);
    return font;
}

QFont OwnTextFont(const QString& family, int pixelSize)
{
    return WithoutFallbacks(PixelFont(family, pixelSize));
}

QFont OwnTextFont(const QString& family, int pixelSize, bool bold)
{
    return WithoutFallbacks(PixelFont(family, pixelSize, bold));
}

void TakeFallbacksWhenNeeded(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        if (!(edit->font().styleStrategy() & QFont::NoFontMerging))
            return;
        const QFontMetrics metrics = edit->fontMetrics();
        const QList<uint> characters = text.toUcs4();
        if (std::all_of(characters.begin(), characters.end(), [&metrics](uint c) { return metrics.inFontUcs4(c); }))
            return;
        QFont font = edit->font();
        font.setStyleStrategy(QFont::PreferDefault);
        edit->setFont(font);
    });
}

}  // namespace vadelon
