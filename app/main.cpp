// ヴァデロン: start-up. The calculator window is made and shown at once; the
// era dialog, the about box and the almanac window are each made once, when
// first needed, and live until the calculator window closes and the program
// ends. Only what the first display needs is done before it.
#include "almanac_window/ending.h"
#include "almanac_window/file_replace.h"
#include "almanac_window/koyomi_form.h"
#include "app/display_start.h"
#include "calculator/vadelon_form.h"
#include "calendar_window/calendar_window.h"
#include "dialogs/nengo_form.h"
#include "dialogs/ver_form.h"
#include "fonts/fonts.h"
#include "help_window/help_window.h"
#include "period_window/period_window.h"
#include "platform/accessible_widgets.h"
#include "platform/deferred_icon_style.h"
#include "platform/end_requests.h"
#include "platform/qt_platform.h"
#include "platform/qt_translation.h"
#include "platform/window_setup.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>
#include <functional>
#include <memory>
#include <optional>

namespace {

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
                vadelon::CentreOnScreen(window_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
};

}  // namespace

// Closing the calculator window ends the program; the other windows never
// keep it alive.
template <typename W>
W* KeptOpenByNothing(std::unique_ptr<W>& window)
{
    window->setAttribute(Qt::WA_QuitOnClose, false);
    return window.get();
}

int main(int argc, char* argv[])
{
    std::optional<QApplication> app;
    {
        const vadelon::DisplayStart start;
        app.emplace(argc, argv);
    }
    vadelon::IgnoreFileSizeSignal();
    // The title names the program; no display name, which the desktop would
    // append to every window's caption.
    QApplication::setApplicationName(vadelon::kAppTitle);
    vadelon::InstallFontSubstitutions();
    vadelon::InstallDeferredIconStyle();
    vadelon::InstallQtJapanese();
    vadelon::InstallAccessibleWidgets();
    vadelon::LetEnterPressButtons();

    vadelon::HelpViewer help;
    vadelon::QtPlatform platform([&help](const QString& helpFile) { return help.Show(helpFile); });
    std::unique_ptr<vadelon::TNengoForm> eraDialog;
    std::unique_ptr<vadelon::TVerForm> aboutBox;
    std::unique_ptr<vadelon::TKoyomiForm> almanac;
    auto form = std::make_unique<vadelon::TVadelonForm>(platform);
    vadelon::TVadelonForm* main = form.get();
    form->AttachEraDialog([&] {
        if (!eraDialog)
            eraDialog = std::make_unique<vadelon::TNengoForm>(platform);
        return KeptOpenByNothing(eraDialog);
    });
    form->AttachAboutBox([&]() -> QWidget* {
        if (!aboutBox)
            aboutBox = std::make_unique<vadelon::TVerForm>();
        return KeptOpenByNothing(aboutBox);
    });
    form->AttachAlmanacWindow([&](const QStringList& lines, const QString& title, const QString& note,
                                  const QString& detail) {
        if (!almanac)
            almanac = std::make_unique<vadelon::TKoyomiForm>(platform,
                                                             [main](const QString& hint) { main->DisplayHint(hint); });
        KeptOpenByNothing(almanac)->ShowReport(lines, title, note, detail);
    });
    help.OpenBeside(main);
    vadelon::CalendarWindowHolder calendar(
        {main, [&platform] { return vadelon::DateOfQDate(platform.Today()); },
         [main] { return vadelon::DateOfQDate(main->UpperPanelDate()); },
         [main](const vadelon::Date& date) { return main->EnterUpperDate(vadelon::QDateOf(date)); },
         [&help, &platform, &calendar] {
             // Without a manual the platform's request says so, in its words.
             if (!help.Show(vadelon::kHelpFile, QStringLiteral("calendar_window.html")).isEmpty())
                 platform.ShowHelpFinder(calendar.Window(), vadelon::kHelpFile);
         }});
    form->AttachCalendarWindow([&calendar] { calendar.Present(); });
    vadelon::PeriodWindowHolder periods(
        {main, [&platform] { return platform.Today(); },
         [&platform](QWidget* window) { platform.ShowHelpFinder(window, vadelon::kHelpFile); }});
    form->AttachPeriodWindow([&periods] { periods.Present(); });
    QApplication::setWindowIcon(form->windowIcon());

    // Centred on the screen at first display, frame and all.
    vadelon::CentreOnScreen(*form);
    form->show();
    FrameCentring centring(*form);
    // A kill, Ctrl+C or the session's end closes the windows as the user would.
    vadelon::EndRequests endRequests;
    vadelon::Ending ending(endRequests, *form, [&almanac] { return almanac.get(); });
    return QApplication::exec();
}
