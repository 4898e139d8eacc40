#include "calculator/baked_pictures.h"

#include <QImage>
#include <baked_picture_data.h>

namespace vadelon {

namespace {

QPixmap Picture(const std::uint32_t* pixels, int width, int height)
{
    return QPixmap::fromImage(
        QImage(reinterpret_cast<const uchar*>(pixels), width, height, width * 4, QImage::Format_ARGB32_Premultiplied));
}

}  // namespace

QPixmap RunImagePicture(RunImage which)
{
    switch (which) {
    case RunImage::Image1: return Picture(baked::kImage1, baked::kImage1Width, baked::kImage1Height);
    case RunImage::Image2: return Picture(baked::kImage2, baked::kImage2Width, baked::kImage2Height);
    case RunImage::Image3: break;
    }
    return Picture(baked::kImage3, baked::kImage3Width, baked::kImage3Height);
}

QPixmap ClearImagePicture()
{
    return Picture(baked::kClearImage, baked::kClearImageWidth, baked::kClearImageHeight);
}

}  // namespace vadelon
