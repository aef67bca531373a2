#pragma once

class QApplication;

// True when the desktop runs a high-contrast theme: its colours then replace the program's own fixed ones.
bool ContrasteEleve();
// Takes up the desktop's theme: check boxes and option buttons outlined so that they stand out of any background;
// under a high-contrast theme that the platform does not pass on, that theme's black and white.
void AppliquerTheme(QApplication& app);
