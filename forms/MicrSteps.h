#pragma once

// What each wizard step sets on the window, in the order it is applied.
// A null text means "left as it is". The texts are translated in the
// wizard's context when applied.
struct StepLayout
{
    bool nextShown;
    bool previousShown;
    bool lineChoiceShown;
    // StaticText1 to StaticText8, a line each: one text, so that a
    // translation can break its lines where its own words fall.
    const char *lines;
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
