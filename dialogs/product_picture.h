#pragma once
// The product picture of the about box, painted in code: a full moon and a
// crescent over the product name on a night sky.
#include <QImage>

namespace vadelon {

inline constexpr int kProductPictureWidth = 184;
inline constexpr int kProductPictureHeight = 160;

// 184 x 160, drawn without anti-aliasing in exactly five colours.
QImage ProductPicture();

}  // namespace vadelon
