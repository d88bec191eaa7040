#pragma once

class QWidget;

namespace Platform {

// The form descriptions name Windows faces ("MS Sans Serif", "Tahoma",
// "Arial"). Where one is not installed, a close free face stands in for it.
// For fonts made anywhere: Qt turns to these when it finds no such family.
void InstallFaceSubstitutes();

// For a form's controls, after setupUi: a control whose font names a
// Windows face that is not installed gets the stand-in face itself. Asking
// Qt for a missing family makes it search every installed font for
// fallbacks before it looks at the substitutes, for every size and weight.
void UseInstalledFaces(QWidget *root);

} // namespace Platform
