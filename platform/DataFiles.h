#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

// Where the files the program opens by name (help, documents, the Next
// button's glyphs) are kept besides the working directory: the installed
// data folder beside the program (../share/micr-calibration), the one the
// program was built for, and the program's own folder, which holds them in
// the build tree. Only folders that exist are listed.
QStringList DataFolders();

// The file a relative name stands for: the working directory's, else the
// first data folder's that has it. An absolute name stands for itself.
// Empty when no folder has it.
QString LocateDataFile(const QString &name);

// The help file or page `name` ("micr.chm", "help/placement.html") in the
// language the user reads messages in, when that language's is there;
// otherwise `name`, the English help.
QString HelpInUserLanguage(const QString &name);

} // namespace Platform
