#include "answers/PrinterProfile.h"

QString PrinterProfile::Face() const
{
    return QString::fromLatin1(MicrFaceName(line, weight));
}
