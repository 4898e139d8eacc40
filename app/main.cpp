// ヴァデロン: start-up. The four windows are created once, in this order, and
// live until the calculator window closes and the program ends.
#include "almanac_window/ending.h"
#include "almanac_window/file_replace.h"
#include "almanac_window/koyomi_form.h"
#include "calculator/vadelon_form.h"
#include "calendar_window/calendar_window.h"
#include "dialogs/nengo_form.h"
#include "dialogs/ver_form.h"
#include "fonts/fonts.h"
#include "help_window/help_window.h"
#include "platform/deferred_icon_style.h"
#include "platform/end_requests.h"
#include "platform/qt_platform.h"
#include "platform/qt_translation.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <functional>
#include <memory>

namespace {

void CentreFrame(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.frameGeometry().size(),
                                        screen->availableGeometry())
                        .topLeft());
}

// The window manager's frame is known only once it has framed the window,
// which it does before the window first appears: centred by the inner size
// before it is shown, the window is centred again by its frame then.
class FrameCentring final : public QObject {
public:
    explicit FrameCentring(QWidget& window)
        : window_(window)
    {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            if (window_.frameGeometry().size() != window_.size())
                CentreFrame(window_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    vadelon::IgnoreFileSizeSignal();
    // The title names the program; no display name, which the desktop would
    // append to every window's caption.
    QApplication::setApplicationName(vadelon::kAppTitle);
    vadelon::InstallFontSubstitutions();
    vadelon::InstallDeferredIconStyle();
    vadelon::InstallQtJapanese();

    vadelon::HelpViewer help;
    vadelon::QtPlatform platform([&help](const QString& helpFile) { return help.Show(helpFile); });
    auto form = std::make_unique<vadelon::TVadelonForm>(platform);
    auto eraDialog = std::make_unique<vadelon::TNengoForm>(platform);
    auto aboutBox = std::make_unique<vadelon::TVerForm>();
    vadelon::TVadelonForm* main = form.get();
    auto almanac =
        std::make_unique<vadelon::TKoyomiForm>(platform, [main](const QString& hint) { main->DisplayHint(hint); });
    form->AttachEraDialog(eraDialog.get());
    form->AttachAboutBox(aboutBox.get());
    form->AttachAlmanacWindow(std::bind_front(&vadelon::TKoyomiForm::ShowReport, almanac.get()));
    vadelon::CalendarWindowHolder calendar({main, [&platform] { return platform.Today(); },
                                            [main] { return main->UpperPanelDate(); },
                                            [main](const QDate& date) { main->EnterUpperDate(date); }});
    form->AttachCalendarWindow([&calendar] { calendar.Present(); });
    QApplication::setWindowIcon(form->windowIcon());

    // Centred on the screen at first display, frame and all.
    CentreFrame(*form);
    form->show();
    FrameCentring centring(*form);
    // Closing the calculator window ends the program; the other windows
    // never keep it alive.
    for (QWidget* other : std::initializer_list<QWidget*>{eraDialog.get(), aboutBox.get(), almanac.get()})
        other->setAttribute(Qt::WA_QuitOnClose, false);
    // A kill, Ctrl+C or the session's end closes the windows as the user would.
    vadelon::EndRequests endRequests;
    vadelon::Ending ending(endRequests, *form, *almanac);
    return QApplication::exec();
}
