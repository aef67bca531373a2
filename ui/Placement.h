#pragma once

class QWidget;

// Centres a top-level window on its screen's available area by its outer
// size, frame and menu bar included, keeping its title bar reachable when the
// window is larger than the screen. Placed before its first show, the window
// is placed again once the window manager has framed it.
void CentrerForm(QWidget* fenetre);
// Centres a box on the window it is opened from, by both outer sizes.
void CentrerSur(QWidget* fenetre, const QWidget* proprietaire);
