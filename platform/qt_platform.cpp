#include "platform/qt_platform.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTreeView>

namespace vadelon {

QtPlatform::QtPlatform(HelpViewerFn help, std::unique_ptr<SoundPlayer> sound)
    : help_(std::move(help))
    , sound_(std::move(sound))
{ }

void QtPlatform::ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::ShowError(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, kAppTitle, ErrorBoxText(message), QMessageBox::Ok, parent);
    box.exec();
}

SaveAnswer QtPlatform::AskSaveChanges(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), text, QMessageBox::NoButton, parent);
    // One role for all three: the box orders buttons of different roles by
    // the desktop's custom (GNOME puts キャンセル first and はい last), while
    // buttons of one role keep the order they were added in.
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::ActionRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return SaveAnswer::Yes;
    if (box.clickedButton() == no)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

void QtPlatform::Beep(BeepType type)
{
    // The exclamation is the sound theme's warning where the desktop can play
    // it; everything else, and a desktop without sounds, rings the bell.
    if (type == BeepType::Exclamation && sound_->PlayThemeSound("dialog-warning"))
        return;
    sound_->RingBell();
}

QDate QtPlatform::Today()
{
    return QDate::currentDate();
}

void QtPlatform::ShowHelpFinder(QWidget* parent, const QString& helpFile)
{
    const QStringList looked = help_ ? help_(helpFile) : QStringList{helpFile};
    if (!looked.isEmpty())
        ShowMessage(parent,
                    QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(looked.join(QStringLiteral("、"))));
}

namespace {

// Qt's file dialog writes its sizes and dates in the system's locale, not
// the program's ("1.46 KiB", "7 Dec" in the C locale); every other word of
// it is Japanese, so its sizes and dates are too: "1,023 バイト", "1.5 KB".
class JapaneseColumns final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        constexpr int kSizeColumn = 1;  // name, size, type, date modified
        constexpr int kDateColumn = 3;
        if (role == Qt::DisplayRole && (index.column() == kSizeColumn || index.column() == kDateColumn)) {
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel())) {
                const QLocale japanese(QLocale::Japanese, QLocale::Japan);
                const QModelIndex source = mapToSource(index);
                if (index.column() == kDateColumn)
                    return japanese.toString(files->lastModified(source), QLocale::ShortFormat);
                // A folder's size stays as the model gives it (none).
                if (!files->isDir(source))
                    return japanese.formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// Types and icons by the name alone. Qt's own provider asks the MIME
// database, which reads a file whose name says nothing, on the thread that
// draws the dialog: /proc/kmsg, whose read waits for the kernel's next
// message, froze the dialog for good.
class IconsByName final : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isDir())
            return QFileIconProvider::icon(Folder);
        const QMimeType mime = ByName(info);
        for (const QString& name : {mime.iconName(), mime.genericIconName()}) {
            if (QIcon::hasThemeIcon(name))
                return QIcon::fromTheme(name);
        }
        return QFileIconProvider::icon(File);
    }
    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return QFileIconProvider::type(info);
        const QMimeType mime = ByName(info);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    // A device or a FIFO is told by its kind, which stat() gives.
    QMimeType ByName(const QFileInfo& info) const
    {
        return mimes_.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    }

    QMimeDatabase mimes_;
};

// Both dialogs are Qt's own, whatever the desktop offers: only this one lists
// a folder without reading the files in it, and shows every column in Japanese.
void Prepare(QFileDialog& dialog, QFileIconProvider& icons, const QString& filter)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setIconProvider(&icons);
    dialog.setProxyModel(new JapaneseColumns(&dialog));
    // Wide enough for the longest size, "1,023 バイト"; Qt's width is for
    // "1023 bytes".
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const QFontMetrics metrics = details->fontMetrics();
        details->header()->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("1,023 バイト")) +
                                                2 * metrics.averageCharWidth());
    }
    dialog.setFileMode(QFileDialog::AnyFile);  // a typed name need not exist
    dialog.setNameFilters(FileDialogFilters(filter));
}

}  // namespace

std::optional<QString> QtPlatform::GetOpenFileName(QWidget* parent, const QString& initialName, const QString& filter)
{
    IconsByName icons;  // outlives the dialog that uses it
    QFileDialog dialog(parent);
    Prepare(dialog, icons, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPlatform::GetSaveFileName(QWidget* parent, const QString& proposedName, const QString& filter)
{
    IconsByName icons;
    QFileDialog dialog(parent);
    Prepare(dialog, icons, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt asks before replacing an existing file unless told not to.
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::unique_ptr<QPrinter> QtPlatform::DefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

namespace {
// Ends a nested event loop when the watched window is closed or destroyed.
// Minimising hides it too, but leaves it shown as far as the program is
// concerned; only a close (or hide) marks it hidden.
class HideWatcher final : public QObject {
public:
    HideWatcher(QWidget* window, QEventLoop* loop)
        : loop_(loop)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && static_cast<QWidget*>(watched)->isHidden())
            loop_->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop* loop_;
};
}  // namespace

void QtPlatform::RunModal(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->exec();
        return;
    }
    QPointer<QWidget> guard(window);
    QEventLoop loop;
    HideWatcher watcher(window, &loop);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
    loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);
}

}  // namespace vadelon
