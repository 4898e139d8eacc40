#pragma once
// The fonts of the windows. The layouts name the two MS Gothic faces they
// were drawn for; the IPA faces installed here stand in for them. Sizes are
// in pixels, as the layouts give them.
//
// Fallback policy: the windows' own texts (labels, buttons, menus, hints)
// are all in the IPA fonts, so their fonts skip the search for fallback
// fonts, which is most of the cost of a first display. Only what the user
// types may need another font: the edit boxes take the fallbacks on when
// their text needs them, and the almanac editor always has them.
#include <QFont>
#include <QString>

class QLineEdit;

namespace vadelon {

// The faces of the layouts and the faces that stand in for them.
inline const QString kProportionalFamily = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kFixedFamily = QStringLiteral("ＭＳ ゴシック");
inline const QString kProportionalSubstitute = QStringLiteral("IPAPGothic");
inline const QString kFixedSubstitute = QStringLiteral("IPAGothic");

// Maps the two faces of the layouts to the IPA faces; once, before any window
// is made.
void InstallFontSubstitutions();

// The face at a pixel size; weight and fallback policy stay the parent's.
QFont PixelFont(const QString& family, int pixelSize);
// The same with its weight.
QFont PixelFont(const QString& family, int pixelSize, bool bold);

// A font for the windows' own texts: no fallback fonts.
QFont OwnTextFont(const QString& family, int pixelSize);
QFont OwnTextFont(const QString& family, int pixelSize, bool bold);

// An edit box starts in the window's font, without fallback fonts, like the
// window's own texts; once its text holds a character that font lacks, it
// takes the fallback fonts on for good, so that whatever is typed or pasted
// is drawn. Loading them only then keeps them out of the first display.
void TakeFallbacksWhenNeeded(QLineEdit* edit);

}  // namespace vadelon
