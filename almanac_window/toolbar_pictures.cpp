#include "almanac_window/toolbar_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vadelon {

namespace {

const QColor kOutline(40, 40, 40);

void PaintOpenFolder(QPainter& p)
{
    // Back of the folder, then the opened front flap leaning forward.
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.setBrush(QColor(230, 190, 40));
    p.drawPolygon(QPolygonF({{1.5, 4.5}, {5.5, 4.5}, {6.5, 5.5}, {11.5, 5.5}, {11.5, 14.5}, {1.5, 14.5}}));
    p.setBrush(QColor(255, 225, 90));
    p.drawPolygon(QPolygonF({{1.5, 14.5}, {4.5, 8.5}, {14.5, 8.5}, {11.5, 14.5}}));
    // The red arrow bending up and over into the folder.
    QPainterPath arrow;
    arrow.moveTo(8.5, 6.0);
    arrow.cubicTo(8.5, 2.0, 12.0, 1.0, 14.0, 3.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(210, 20, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arrow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 20, 20));
    p.drawPolygon(QPolygonF({{15.5, 1.0}, {15.5, 5.5}, {11.0, 5.0}}));
}

void PaintFloppyDisk(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(40, 60, 150));
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {13.5, 1.5}, {14.5, 2.5}, {14.5, 14.5}, {1.5, 14.5}}));
    p.setBrush(Qt::white);  // label
    p.drawRect(QRectF(3.5, 1.5, 9, 6));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(5, 3.5), QPointF(11, 3.5));
    p.drawLine(QPointF(5, 5.5), QPointF(11, 5.5));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(190, 190, 200));  // shutter
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.fillRect(QRectF(9, 10.5, 1.5, 3), QColor(40, 60, 150));
}

void PaintPrinter(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);  // paper standing in the feeder
    p.drawRect(QRectF(4.5, 1.5, 7, 6));
    p.setBrush(QColor(200, 200, 200));  // body
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(3.5, 10.5, 9, 2));
    p.setBrush(Qt::white);  // the printed sheet coming out
    p.drawRect(QRectF(4.5, 12.5, 7, 3));
    p.fillRect(QRectF(12, 8, 1.5, 1.5), QColor(40, 200, 40));
}

void PaintScissors(QPainter& p)
{
    p.setPen(QPen(QColor(110, 110, 120), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 1.0), QPointF(10.5, 10.0));
    p.drawLine(QPointF(10.5, 1.0), QPointF(5.5, 10.0));
    p.setPen(QPen(QColor(20, 40, 170), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(8.0, 5.5), 1.0, 1.0);
}

void PaintPage(QPainter& p, qreal x, qreal y)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF(
        {{x + 0.5, y + 0.5}, {x + 6.5, y + 0.5}, {x + 8.5, y + 2.5}, {x + 8.5, y + 10.5}, {x + 0.5, y + 10.5}}));
    p.setPen(QPen(QColor(90, 120, 200), 1));
    for (int row = 0; row < 3; ++row)
        p.drawLine(QPointF(x + 2, y + 4.5 + row * 2), QPointF(x + 7, y + 4.5 + row * 2));
}

void PaintTwoPages(QPainter& p)
{
    PaintPage(p, 1, 1);
    PaintPage(p, 6, 5);
}

void PaintGlueTube(QPainter& p)
{
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(240, 240, 245));  // tube body
    p.drawRoundedRect(QRectF(-7, -3, 9, 6), 1, 1);
    p.setBrush(QColor(220, 40, 40));  // band
    p.drawRect(QRectF(-3, -3, 2, 6));
    p.setBrush(QColor(250, 200, 40));  // cap and nozzle
    p.drawPolygon(QPolygonF({{2, -2.5}, {5, -1}, {5, 1}, {2, 2.5}}));
    p.drawRect(QRectF(5, -0.8, 2, 1.6));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 200, 255));  // a drop of glue
    p.drawEllipse(QPointF(14, 3.5), 1.4, 1.4);
}

void PaintEraser(QPainter& p)
{
    p.save();
    p.translate(8, 8);
    p.rotate(-30);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(240, 120, 160));
    p.drawRect(QRectF(-7, -3.5, 7, 7));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(0, -3.5, 7, 7));
    p.restore();
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(1, 15.5), QPointF(9, 15.5));
}

}  // namespace

QPixmap PaintToolPicture(ToolPicture picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case ToolPicture::OpenFolder: PaintOpenFolder(p); break;
    case ToolPicture::FloppyDisk: PaintFloppyDisk(p); break;
    case ToolPicture::Printer: PaintPrinter(p); break;
    case ToolPicture::Scissors: PaintScissors(p); break;
    case ToolPicture::TwoPages: PaintTwoPages(p); break;
    case ToolPicture::GlueTube: PaintGlueTube(p); break;
    case ToolPicture::Eraser: PaintEraser(p); break;
    }
    return pixmap;
}

namespace {

QPixmap PaintMoon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(QColor(16, 24, 72));  // dark navy night
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 40));  // the yellow full moon
    p.drawEllipse(QPointF(19.5, 17.5), 10.5, 10.5);
    // The white crescent: a disc with a navy disc bitten out of it.
    QPainterPath crescent;
    crescent.addEllipse(QPointF(7.0, 9.0), 6.0, 6.0);
    QPainterPath bite;
    bite.addEllipse(QPointF(10.0, 7.0), 5.5, 5.5);
    p.setBrush(Qt::white);
    p.drawPath(crescent.subtracted(bite));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(4.0, 26.0), 0.8, 0.8);  // a star
    return pixmap;
}

}  // namespace

QIcon MoonIcon()
{
    QIcon icon;
    icon.addPixmap(PaintMoon(32));
    icon.addPixmap(PaintMoon(16));
    return icon;
}

}  // namespace vadelon
