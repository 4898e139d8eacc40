#include "dialogs/ver_form.h"

#include "dialogs/product_picture.h"
#include "fonts/fonts.h"
#include "fonts/standard_colours.h"
#include "platform/window_setup.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace vadelon {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect, int pixelSize, bool bold,
                  const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(PixelFont(kProportionalFamily, pixelSize, bold));
    SetTextColour(label, colour);
    label->setGeometry(rect);  // fitted to the text on the first showing
    return label;
}

// The substitute fonts run a little wider and taller than the ones this
// layout was drawn for; grow the box about its centre rather than clip.
void FitToText(QLabel* label)
{
    const QFontMetrics metrics = label->fontMetrics();
    QRect fitted(QPoint(), label->size().expandedTo(QSize(metrics.horizontalAdvance(label->text()), metrics.height())));
    fitted.moveCenter(label->geometry().center());
    label->setGeometry(fitted);
}

}  // namespace

TVerForm::TVerForm(QWidget* parent)
    : NoCancelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("VerForm"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFixedSize(248, 335);
    // Only the box's own texts.
    setFont(OwnTextFont(kProportionalFamily, 12));

    // The picture itself is painted on the first showing.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(32, 16, kProductPictureWidth, kProductPictureHeight);
    Image1->setAccessibleName(QStringLiteral("ヴァデロンの絵：紺の夜空に黄色い満月と白い三日月、ヴァデロンの文字"));

    const QColor windowText = palette().color(QPalette::WindowText);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Version 1.0"), QRect(72, 192, 104, 19), 19, true, kNavy);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Copyright (C) ヴァデロン開発者"), QRect(8, 224, 225, 16), 16,
                       false, windowText);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("for Windows 95/98/NT"), QRect(56, 256, 152, 16), 16, false,
                       windowText);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(96, 288, 49, 25);
    Button1->setDefault(true);
    Button1->setCursor(Qt::PointingHandCursor);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TVerForm::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        if (!prepared_) {
            // The picture and the text metrics wait for the box to be needed.
            Image1->setPixmap(QPixmap::fromImage(ProductPicture()));
            for (QLabel* label : {Label1, Label2, Label3})
                FitToText(label);
            prepared_ = true;
        }
        // A move by the window manager leaves no trace that QDialog would
        // honour, so the position is kept here and set explicitly.
        if (lastPosition_)
            move(*lastPosition_);
        else
            CentreOnScreen(*this);
    } else if (!visible && isVisible()) {
        lastPosition_ = pos();
    }
    QDialog::setVisible(visible);
}

}  // namespace vadelon
