#include "FaceSubstitutes.h"

#include "WidgetTree.h"

#include <QFont>
#include <algorithm>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <QWidget>

namespace Platform {

namespace {
const char *const WindowsFaces[] = {"MS Sans Serif", "Tahoma", "Arial"};

QStringList FreeFaces()
{
    return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

// The first free face that is installed, or none.
QString InstalledFreeFace()
{
    static const QString face = [] {
        const QStringList faces = FreeFaces();
        const auto installed = std::find_if(faces.begin(), faces.end(), QFontDatabase::hasFamily);
        return installed == faces.end() ? QString() : *installed;
    }();
    return face;
}

// The face a control shows for a family its form names: the family itself
// unless it is a Windows face that is not installed. Each is asked once.
QString InstalledFace(const QString &family)
{
    static QHash<QString, QString> chosen;
    const auto known = chosen.constFind(family);
    if (known != chosen.constEnd())
        return *known;
    QString face = family;
    const bool windowsFace = std::any_of(std::begin(WindowsFaces), std::end(WindowsFaces),
                                         [&family](const char *name) { return family == QLatin1String(name); });
    if (windowsFace && !QFontDatabase::hasFamily(family) && !InstalledFreeFace().isEmpty())
        face = InstalledFreeFace();
    chosen.insert(family, face);
    return face;
}

void UseInstalledFace(QWidget *widget)
{
    if (!widget->testAttribute(Qt::WA_SetFont))
        return;
    QFont font = widget->font();
    const QString face = InstalledFace(font.family());
    if (face == font.family())
        return;
    font.setFamilies({face});
    widget->setFont(font);
}
} // namespace

void InstallFaceSubstitutes()
{
    // Set without looking: looking would make Qt read every installed font
    // before the first window is made.
    for (const char *face : WindowsFaces)
        QFont::insertSubstitutions(QString::fromLatin1(face), FreeFaces());
}

void UseInstalledFaces(QWidget *root)
{
    ForWidgetTree(root, UseInstalledFace);
}

} // namespace Platform
