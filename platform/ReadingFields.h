#pragma once

#include "answers/Readings.h"

#include <optional>
#include <vector>

class QLabel;
class QLocale;
class QLineEdit;
class QWidget;

namespace Platform {

// A field that takes one reading: the name its problems are listed under
// and where the reading can fall.
struct LengthField
{
    QLineEdit *field;
    QString name;
    LengthRange range;
};

// A length typed into a window, as `locale` writes numbers: its decimal
// comma as well as the point ("7,03", "179,3 mm"). A number whose only
// separator is the locale's thousands separator before three digits
// ("7,062" in English, "7.062" in German) is refused: it could be either.
// The command line reads lengths with ParseLength alone: there a comma
// separates readings.
std::optional<double> ParseTypedLength(const QString &text, const LengthRange &range, const QLocale &locale,
                                       QString *error);

// The lengths typed into `fields`, in their order (none where a field is
// empty), or none when any is refused; `accepted`, where given, has them
// all the same, none for a refused one. A refused field is tinted, its
// accessible description says why, and `problems` lists "NAME: why" for
// each and shows only then.
std::optional<std::vector<std::optional<double>>> CheckLengthFields(const std::vector<LengthField> &fields,
                                                                    QLabel *problems,
                                                                    std::vector<std::optional<double>> *accepted = nullptr);

// Return and Enter in a text field of `window` move on to the next control
// instead of pressing the window's default button: a window of readings
// closes only when the user means it to.
void KeepReturnInFields(QWidget *window);

} // namespace Platform
