#pragma once
// The almanac window's own pictures, painted in code: the seven 16 x 16
// tool-bar pictures and the moon window icon.
#include <QIcon>
#include <QPixmap>

namespace vadelon {

enum class ToolPicture { OpenFolder = 0, FloppyDisk, Printer, Scissors, TwoPages, GlueTube, Eraser };
inline constexpr int kToolPictureCount = 7;

QPixmap PaintToolPicture(ToolPicture picture);  // 16 x 16, transparent ground
QIcon MoonIcon();                               // 32 x 32 and 16 x 16

}  // namespace vadelon
