#pragma once

#include "Command.h"

#include <QPair>

// Before it had commands, the exporter chose its task by an option
// (--measured READINGS, --check-fonts, ...) and wrote a page without one.
// Scripts rely on those forms; each becomes the command it means, with the
// same output and exit status.

// The command line (command first) that `arguments`, an old form, means;
// {"--help"} or {"--version"} where it asks for those. Throws a Refusal.
QStringList CommandForOldForm(const QStringList &arguments, const CommandTable &table);

// Each old form and the command it became, for --help.
QList<QPair<QString, QString>> OldForms();
