#include "calculator/run_images.h"

#include "fonts/fonts.h"
#include "fonts/standard_colours.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vadelon {

namespace {

QPainterPath TextPath(const QString& text, const QFont& font, QPointF baseline)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

// Text drawn as a filled outline so that it reads on any button face.
void OutlinedPath(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& outline, qreal outlineWidth)
{
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

QFont PictureFont(int pixelSize)
{
    // Only the picture's own letters, all in the font itself.
    const QFont font = OwnTextFont(kFixedFamily, pixelSize, true);
    // Without fallbacks, the script of the first text laid out decides which
    // lookup finds the substituted family for all of them; through the
    // common script, every picture font shares the window fonts' lookup
    // instead of costing one of its own per script.
    QFontMetrics(font).ascent();
    return font;
}

// An arrowhead filled with green and blue stripes across its direction.
void StripedHead(QPainter& p, const QPolygonF& head)
{
    QPainterPath clip;
    clip.addPolygon(head);
    clip.closeSubpath();
    p.save();
    p.setClipPath(clip);
    const QRectF box = head.boundingRect();
    p.setPen(Qt::NoPen);
    bool green = true;
    for (qreal y = box.top() - box.width(); y < box.bottom() + box.width(); y += 3.0) {
        p.setBrush(green ? kGreen : kBlue);
        // Diagonal bands read as stripes whichever way the head points.
        QPolygonF band;
        band << QPointF(box.left() - 1, y) << QPointF(box.right() + 1, y + box.width())
             << QPointF(box.right() + 1, y + box.width() + 3) << QPointF(box.left() - 1, y + 3);
        p.drawPolygon(band);
        green = !green;
    }
    p.restore();
    p.setPen(QPen(kBlue, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(head);
}

void Bar(QPainter& p, const QRectF& r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(r);
}

}  // namespace

QPixmap PaintRunImage(RunImage which)
{
    QPixmap pixmap(85, 85);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The left part (x 0 to 44) holds the arrow; 計算 stands at the right.
    switch (which) {
    case RunImage::Image1:
        // One bar from top to bottom, joining the two date panels, with an
        // arrow pointing left at the number panel.
        Bar(p, QRectF(30, 0, 8, 85));
        Bar(p, QRectF(18, 38, 14, 9));
        StripedHead(p, QPolygonF({QPointF(2, 42.5), QPointF(20, 28), QPointF(20, 57)}));
        break;
    case RunImage::Image2:
        // A bar from the top and one from the left join and point down.
        Bar(p, QRectF(26, 0, 8, 52));
        Bar(p, QRectF(0, 38, 30, 8));
        StripedHead(p, QPolygonF({QPointF(30, 84), QPointF(15, 62), QPointF(45, 62)}));
        Bar(p, QRectF(26, 50, 8, 13));
        break;
    case RunImage::Image3:
        // A bar from the top turns into an arrow pointing up and to the right.
        Bar(p, QRectF(14, 0, 8, 50));
        {
            QPainterPath turn;
            turn.moveTo(14, 48);
            turn.lineTo(22, 48);
            turn.lineTo(34, 36);
            turn.lineTo(28, 30);
            turn.lineTo(14, 44);
            turn.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawPath(turn);
        }
        StripedHead(p, QPolygonF({QPointF(44, 20), QPointF(24, 26), QPointF(38, 40)}));
        break;
    }

    // The outlines of 計算 are the same in all three pictures; shaping them
    // is the costly part, so it is done once.
    static const QPainterPath kKei = TextPath(QStringLiteral("計"), PictureFont(19), QPointF(54, 38));
    static const QPainterPath kSan = TextPath(QStringLiteral("算"), PictureFont(19), QPointF(54, 62));
    OutlinedPath(p, kKei, kGreen, kPurple, 3.0);
    OutlinedPath(p, kSan, kGreen, kPurple, 3.0);
    return pixmap;
}

QPixmap PaintClearImage()
{
    QPixmap pixmap(61, 21);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    OutlinedPath(p, TextPath(QStringLiteral("クリア"), PictureFont(16), QPointF(7, 17)), kYellow, kRed, 3.0);
    return pixmap;
}

QIcon PaintWindowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size / 16.0;
        // A tear-off calendar leaf: white page, navy binding, red day mark.
        p.setPen(QPen(kNavy, s));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5 * s, 2.5 * s, 13 * s, 12.5 * s));
        p.setPen(Qt::NoPen);
        p.setBrush(kNavy);
        p.drawRect(QRectF(1.5 * s, 2.5 * s, 13 * s, 3.5 * s));
        p.setBrush(kRed);
        p.drawEllipse(QRectF(5 * s, 7.5 * s, 6 * s, 6 * s));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4 * s, 1 * s, 1.5 * s, 3 * s));
        p.drawRect(QRectF(10.5 * s, 1 * s, 1.5 * s, 3 * s));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vadelon
