#pragma once
// Where the manual is looked for: beside the program's build tree or
// relocated install (../share below the program's folder), then under the
// prefix the program was built for.
#include <QString>
#include <QStringList>

namespace vadelon {

// The folders that may hold the manual named name ("vadelon/help"), in the
// order they are tried, without repeats.
QStringList HelpFolderCandidates(const QString& name);

// The manual's folder is the one that holds its contents file.
inline const QString kHelpContentsFile = QStringLiteral("contents.txt");

}  // namespace vadelon
