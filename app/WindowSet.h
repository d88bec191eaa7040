#pragma once

class MicrApplication;

// Creates the program's windows once, in their fixed order, each owned by
// the application object and held in its global. The wizard window comes
// first and is the main window.
void CreateWindowSet(MicrApplication &application);
