#include "platform/deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <optional>

namespace vadelon {
namespace {

// Stands for one of the base style's standard icons and asks the style for it
// on the first use that needs its pictures.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style)
        , which_(which)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Real().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Real().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Real().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Real().availableSizes(mode, state);
    }
    // The standard icons all have pictures; no need to load them to say so.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    DeferredStandardIcon(const DeferredStandardIcon& other) = default;

    const QIcon& Real()
    {
        // The style that made the stand-in, or whichever replaced it.
        if (!real_)
            real_ = (style_ ? style_.data() : QApplication::style())->standardIcon(which_);
        return *real_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> real_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStandardIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

void InstallDeferredIconStyle()
{
    QApplication::setStyle(new DeferredIconStyle);
}

}  // namespace vadelon
