// ヴァデロン: start-up. The four windows are created once, in this order, and
// live until the calculator window closes and the program ends.
#include "almanac_window/koyomi_form.h"
#include "calculator/vadelon_form.h"
#include "dialogs/nengo_form.h"
#include "dialogs/ver_form.h"
#include "fonts/fonts.h"
#include "platform/deferred_icon_style.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <functional>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The title names the program; no display name, which the desktop would
    // append to every window's caption.
    QApplication::setApplicationName(vadelon::kAppTitle);
    vadelon::InstallFontSubstitutions();
    vadelon::InstallDeferredIconStyle();

    vadelon::QtPlatform platform;
    auto form = std::make_unique<vadelon::TVadelonForm>(platform);
    auto eraDialog = std::make_unique<vadelon::TNengoForm>(platform);
    auto aboutBox = std::make_unique<vadelon::TVerForm>();
    vadelon::TVadelonForm* main = form.get();
    auto almanac = std::make_unique<vadelon::TKoyomiForm>(
        platform, [main](const QString& hint) { main->DisplayHint(hint); });
    form->AttachEraDialog(eraDialog.get());
    form->AttachAboutBox(aboutBox.get());
    form->AttachAlmanacWindow(std::bind_front(&vadelon::TKoyomiForm::ShowReport, almanac.get()));
    QApplication::setWindowIcon(form->windowIcon());

    // Centred on the screen at first display.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form->size(), screen->availableGeometry())
                       .topLeft());
    form->show();
    // Closing the calculator window ends the program; the other windows
    // never keep it alive.
    for (QWidget* other : std::initializer_list<QWidget*>{eraDialog.get(), aboutBox.get(), almanac.get()})
        other->setAttribute(Qt::WA_QuitOnClose, false);
    return QApplication::exec();
}
