#include "help_window/help_location.h"

#include <QCoreApplication>
#include <QDir>

namespace vadelon {

QStringList HelpFolderCandidates(const QString& name)
{
    QStringList folders;
    folders << QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/") + name);
    folders << QDir::cleanPath(QStringLiteral(VADELON_INSTALL_DATADIR "/") + name);
    folders.removeDuplicates();
    return folders;
}

}  // namespace vadelon
