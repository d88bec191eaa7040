#include "TestFiles.h"

#include <QDir>
#include <QFile>

WorkingDirectory::WorkingDirectory(const QString &dir) : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir);
}

WorkingDirectory::~WorkingDirectory()
{
    QDir::setCurrent(previous_);
}

void CopyGlyphFiles(const QString &dir)
{
    for (const char *name : {"print24.bmp", "next24.bmp"}) {
        const QString source = QStringLiteral(MICR_SOURCE_DIR "/resources/") + QLatin1String(name);
        QFile::copy(source, dir + QLatin1Char('/') + QLatin1String(name));
    }
}
