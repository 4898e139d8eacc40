#include "dialogs/product_picture.h"

#include "fonts/fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace vadelon {
namespace {

// The whole palette. Everything is drawn aliased so that no blended shade
// appears between these.
const QColor kGround(0, 0, 80);      // dark navy night
const QColor kHalo(0, 0, 128);       // navy glow round the moon, letter shadow
const QColor kMoon(255, 255, 0);     // yellow full moon
const QColor kCrater(200, 150, 0);   // darker patches on the moon
const QColor kWhite(255, 255, 255);  // crescent, stars, product name

const QString kName = QStringLiteral("ヴァデロン");

void FillCircle(QPainter& painter, QPoint centre, int radius, const QColor& colour)
{
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

// The largest bold size up to 40 pixels at which the name fits the width.
QFont NameFont(int width)
{
    QFont font;
    font.setFamilies({kProportionalFamily, kProportionalSubstitute});
    font.setBold(true);
    // The name is in the font itself: no fallback fonts to search.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    for (int size = 40; size > 8; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(kName) <= width)
            break;
    }
    return font;
}

}  // namespace

QImage ProductPicture()
{
    QImage image(kProductPictureWidth, kProductPictureHeight, QImage::Format_RGB32);
    image.fill(kGround);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(Qt::NoPen);

    // Full moon in the upper left, in a ring of glow.
    const QPoint moon(46, 44);
    FillCircle(painter, moon, 34, kHalo);
    FillCircle(painter, moon, 27, kMoon);
    FillCircle(painter, moon + QPoint(-9, -8), 6, kCrater);
    FillCircle(painter, moon + QPoint(10, 6), 5, kCrater);
    FillCircle(painter, moon + QPoint(-3, 13), 4, kCrater);

    // Crescent beside it: a white disc with the night cut out of its side.
    const QPoint crescent(114, 32);
    FillCircle(painter, crescent, 18, kWhite);
    FillCircle(painter, crescent + QPoint(8, -5), 16, kGround);

    // A few stars, clear of the moon and the name.
    painter.setBrush(kWhite);
    for (const QPoint star :
         {QPoint(156, 14), QPoint(170, 50), QPoint(142, 72), QPoint(96, 78), QPoint(12, 90), QPoint(174, 92)})
        painter.drawRect(star.x(), star.y(), 2, 2);

    // The product name, large, with a navy shadow, centred below.
    const int margin = 6;
    const QFont font = NameFont(kProductPictureWidth - 2 * margin - 2);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int x = (kProductPictureWidth - metrics.horizontalAdvance(kName)) / 2;
    const int baseline = kProductPictureHeight - 16 - metrics.descent();
    painter.setPen(kHalo);
    painter.drawText(x + 2, baseline + 2, kName);
    painter.setPen(kWhite);
    painter.drawText(x, baseline, kName);
    return image;
}

}  // namespace vadelon
