#include "FaceSubstitutes.h"

#include <QFont>
#include <QStringList>

namespace Platform {

void InstallFaceSubstitutes()
{
    // Qt turns to substitutes only for a family that is not installed, so
    // they are set without looking: looking would make Qt read every
    // installed font, the largest cost of start-up.
    const QStringList freeFaces = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    for (const char *face : {"MS Sans Serif", "Tahoma", "Arial"})
        QFont::insertSubstitutions(QString::fromLatin1(face), freeFaces);
}

} // namespace Platform
