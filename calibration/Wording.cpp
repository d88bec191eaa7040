#include "Wording.h"

// ---- The MICR line's faults ----------------------------------------------

// ---- Measurements, placement and profiles --------------------------------
