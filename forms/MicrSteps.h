#pragma once

#include <array>

// What each wizard step sets on the window, in the order it is applied.
// A null text means "left as it is".
struct StepLayout
{
    bool nextShown;
    bool previousShown;
    bool lineChoiceShown;
    std::array<const char *, 8> lines; // StaticText1 to StaticText8
    bool resultShown;
    bool weightChoiceShown;
    const char *nextGlyphFile;
    const char *nextHint;
    const char *previousHint;
    const char *exitHint;
    const char *exitCaption;
    bool measureButtonShown;
    bool placementButtonShown;
};

extern const StepLayout IntroStep;
extern const StepLayout MeasureStep;
extern const StepLayout ResultStep;
