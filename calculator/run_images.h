#pragma once
// The pictures of the calculator window, painted in code.
#include <QIcon>
#include <QPixmap>

namespace vadelon {

enum class RunImage { Image1, Image2, Image3 };

// 85 x 85: 計算 at the right, at the left a blue bar and a striped arrowhead
// pointing where the result goes (Image1 left, Image2 down, Image3 up-right).
QPixmap PaintRunImage(RunImage which);

// 61 x 21: クリア in yellow outlined in red.
QPixmap PaintClearImage();

// The window icon: a small calendar leaf.
QIcon PaintWindowIcon();

}  // namespace vadelon
