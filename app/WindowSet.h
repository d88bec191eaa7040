#pragma once

class MicrApplication;

// Creates the program's main window, the wizard, once, owned by the
// application object and held in its global. The wizard makes each of the
// other windows the first time it is wanted.
void CreateWindowSet(MicrApplication &application);
