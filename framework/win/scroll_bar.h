#pragma once

#include "framework/rtl/geometry.h"
#include "framework/win/messages.h"
#include "framework/win/window_handle.h"

namespace framework {

// The standard scroll bars of a window: the strips WS_VSCROLL and WS_HSCROLL reserve in its
// frame. The window system keeps each bar's range, page and position, paints the arrows, the
// track and a thumb sized to the page, and turns the user's presses on a bar into WM_VSCROLL or
// WM_HSCROLL requests to the window (the window moves its contents and sets the new position
// itself): an arrow gives SB_LINEUP or SB_LINEDOWN, the track beside the thumb SB_PAGEUP or
// SB_PAGEDOWN, then SB_ENDSCROLL on release; dragging the thumb gives SB_THUMBTRACK with each
// position it passes and SB_THUMBPOSITION with the last one, then SB_ENDSCROLL. While a press on
// a bar is held, the mouse is the bar's: the window sees no client mouse messages until release.

enum : int { SB_HORZ, SB_VERT, SB_CTL, SB_BOTH };

// TScrollInfo::Mask: which members a call sets or reads.
enum : UINT {
  SIF_RANGE = 0x0001,
  SIF_PAGE = 0x0002,
  SIF_POS = 0x0004,
  SIF_DISABLENOSCROLL = 0x0008,
  SIF_TRACKPOS = 0x0010,
  SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS,
};

// A bar scrolls through Min..Max of which Page show at once; Pos is kept within
// Min..Max - max(Page - 1, 0). TrackPos is the thumb's position while it is dragged.
struct TScrollInfo {
  UINT Mask = SIF_ALL;
  int Min = 0;
  int Max = 0;
  UINT Page = 0;
  int Pos = 0;
  int TrackPos = 0;
};

// Bar is SB_HORZ or SB_VERT. SetScrollInfo answers the position after the call; Redraw paints
// the bar at once (the frame only, not the client). A Max below Min is taken as Min. A bar with
// nothing to scroll (Max <= Min, or Page covering the range) shows without a thumb, its arrows
// inactive, and ignores presses; bars never hide themselves, so SIF_DISABLENOSCROLL changes
// nothing. Calls on a window that is gone, or with another Bar, answer 0 / false.
int SetScrollInfo(HWND Wnd, int Bar, const TScrollInfo& Info, bool Redraw = true);
bool GetScrollInfo(HWND Wnd, int Bar, TScrollInfo& Info);
// Answers the previous position.
int SetScrollPos(HWND Wnd, int Bar, int Pos, bool Redraw = true);
int GetScrollPos(HWND Wnd, int Bar);
bool SetScrollRange(HWND Wnd, int Bar, int Min, int Max, bool Redraw = true);
// Min and Max are 0 when the call fails.
bool GetScrollRange(HWND Wnd, int Bar, int& Min, int& Max);
// Adds or removes WS_VSCROLL / WS_HSCROLL (SB_BOTH: both) and lays out the frame again: the
// window gets WM_NCCALCSIZE and WM_SIZE, and is painted again whole.
bool ShowScrollBar(HWND Wnd, int Bar, bool Show);

// Used by the window system itself.

// The parts of a bar, from its top (left) end.
enum TScrollBarPart : int {
  sbNowhere,
  sbLessArrow,
  sbLessPage,
  sbThumb,
  sbMorePage,
  sbMoreArrow,
};

// Where the parts of a bar lie, in window coordinates: the arrows at the ends, the track between
// them and the thumb on it, at TrackPos while it is dragged and at Pos otherwise. Strip is empty
// when the bar does not show; Thumb is empty when nothing scrolls or the track is too short.
struct TScrollBarGeometry {
  TRect Strip;
  TRect Less;
  TRect More;
  TRect Track;
  TRect Thumb;
  bool Vertical = true;
  // There is something to scroll: the arrows are active.
  bool Scrolls = false;
};
TScrollBarGeometry ScrollBarGeometry(HWND Wnd, int Bar);
TScrollBarPart ScrollBarPartAt(const TScrollBarGeometry& G, TPoint WindowPoint);

// WM_NCLBUTTONDOWN's default handling on HTVSCROLL or HTHSCROLL: a press on a part of the bar that
// scrolls starts the tracking, which holds the mouse until the release.
void TrackScrollBar(HWND Wnd, int Bar, TPoint Screen);
// While the tracking holds the mouse, moves and buttons go here; false when there is no tracking
// (its window is gone), and the event takes its usual way.
bool ScrollBarTrackingMove();
bool ScrollBarTrackingButton(bool LeftReleased);
// A held arrow or page press repeats on this timer of the pressed window (400 ms, then every
// 50 ms, while the pointer is over the pressed part). Its WM_TIMER reaches the window's procedure,
// which leaves it to DefWindowProc with the other timers it does not know; no window uses the id
// for its own timers. A procedure that swallows every WM_TIMER only loses the repeat.
constexpr UINT_PTR ScrollBarRepeatTimer = 0xFFFF0001u;
void RepeatScrollBarPress(HWND Wnd);
// WM_CANCELMODE's default handling: a tracking of the window ends as on release.
void CancelScrollBarTracking(HWND Wnd);

}  // namespace framework
