#pragma once
// The calculator window's pictures as the build painted them (see
// bake_pictures.cpp): the same pixels as PaintRunImage and PaintClearImage,
// without the picture font, which the window then never loads.
#include "calculator/run_images.h"

#include <QPixmap>

namespace vadelon {

QPixmap RunImagePicture(RunImage which);
QPixmap ClearImagePicture();

}  // namespace vadelon
