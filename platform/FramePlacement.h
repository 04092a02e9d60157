// Placing a top-level window by its outer frame. A window manager draws its
// frame around a window only once the window is shown, and until then Qt
// knows the client area alone: a window centred before its first show stands
// half a title bar too high. PlaceByFrame places the window at once and again
// when, after the first show, the frame turns out other than it was taken to
// be; without a window manager (or where the compositor places windows
// itself) the frame stays as it was and nothing moves a second time.
#pragma once

#include <functional>

class QWidget;

// `place` moves `window` from its outer size (WindowRectTwips); it is kept
// for as long as the window lives.
void PlaceByFrame(QWidget* window, std::function<void()> place);
