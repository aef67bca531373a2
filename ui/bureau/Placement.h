#pragma once

class QWidget;

// Centres a top-level window on its screen's available area by its outer
// size, frame and menu bar included. A window larger than that area is first
// brought within it, its content scrolling. Placed before its first show, the
// window is placed again once the window manager has framed it.
void CentrerForm(QWidget* fenetre);
// Centres a box on the window it is opened from, by both outer sizes.
void CentrerSur(QWidget* fenetre, const QWidget* proprietaire);
