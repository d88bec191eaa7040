#pragma once

#include "answers/ChequeSettings.h"

#include <QString>
#include <QStringList>

// The settings files written for the user's cheque program, and the notes
// that say where they go and what they assume.

struct ChequeProgramSettings
{
    // False when nothing can be written (text empty); `problem` and the
    // notes say why.
    bool ok = false;
    SettingsProblem problem = SettingsProblem::None;
    // The file, or the text to type in, the same in every locale: it is the
    // program's. The notes are in it too, in the program's own US English,
    // as comments where the program's files have them.
    QString text;
    QString fileName; // suggested
    // Where it goes and what it assumes, a sentence each, in the user's
    // language.
    QStringList notes;
};

ChequeProgramSettings SettingsFor(ChequeProgram program, const SettingsInputs &inputs);
