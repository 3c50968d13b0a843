#pragma once

#include <QRect>

class QScreen;
class QWidget;

// The taskbar height in pixels: the screen height minus the bottom edge of the
// desktop work area. 0 when the taskbar is not at the bottom.
int GetTaskbarHeight(const QRect& screen, const QRect& workArea);
int GetTaskbarHeight(const QScreen* screen);

// Stretches the designed window to W x H twips: right-anchored elements keep
// their distance from the right edge, the sentence-study area divides the free
// height into three bands, and the panels follow the content frame.
void tcp(QWidget* form, int W, int H);
// The window size tcp uses for a screen: its width, and its height above the
// taskbar, both in twips.
QSize windowTwips(const QRect& screen, const QRect& workArea);
