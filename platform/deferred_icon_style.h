#pragma once
// The desktop's own widget style, except that the pictures of the menu bar's
// and the tool bar's overflow buttons are loaded when first drawn: loading
// them probes every image format plug-in, a few milliseconds at start-up for
// buttons that only appear when a bar is too narrow for its items.
#include <QProxyStyle>

namespace vadelon {

class DeferredIconStyle final : public QProxyStyle {
public:
    DeferredIconStyle() = default;  // wraps the application's default style

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes it the application's style; call before the first window exists.
void InstallDeferredIconStyle();

}  // namespace vadelon
