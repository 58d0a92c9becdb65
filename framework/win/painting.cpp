#include "framework/win/painting.h"

#include <algorithm>

#include "framework/win/desktop.h"
#include "framework/win/message_queue.h"
#include "framework/win/window.h"

namespace framework {

namespace {

TRect SurfaceRect(const TWindow& W) {
  const TPoint Origin = WindowSurfaceOrigin(W);
  return Bounds(Origin.X, Origin.Y, W.Rect.Width(), W.Rect.Height());
}

TRect SurfaceClientRect(const TWindow& W) {
  const TPoint Origin = WindowSurfaceOrigin(W);
  TRect R = W.Client;
  OffsetRect(R, Origin.X, Origin.Y);
  return R;
}

void SubtractVisible(TRegion& Region, const std::vector<HWND>& Windows) {
  for (HWND H : Windows)
    if (const TWindow* W = FindWindowRecord(H); W && (W->Style & WS_VISIBLE))
      Region.Subtract(SurfaceRect(*W));
}

// The part of the window's surface it may paint on, in surface coordinates: its client area
// (or its whole window), cut to each parent's client area, minus the siblings above it and above
// each parent, minus its children with WS_CLIPCHILDREN.
TRegion VisibleRegion(const TWindow& W, bool WholeWindow) {
  if (!IsWindowVisible(W.Handle)) return {};
  TRegion Region(WholeWindow ? SurfaceRect(W) : SurfaceClientRect(W));
  for (const TWindow* Child = &W; const TWindow* Parent = FindWindowRecord(Child->Parent);
       Child = Parent) {
    Region.Intersect(SurfaceClientRect(*Parent));
    const auto& Siblings = Parent->Children;
    const auto Above = std::find(Siblings.begin(), Siblings.end(), Child->Handle) + 1;
    SubtractVisible(Region, std::vector<HWND>(Above, Siblings.end()));
  }
  if (W.Style & WS_CLIPCHILDREN) SubtractVisible(Region, W.Children);
  return Region;
}

TPoint ClientSurfaceOrigin(const TWindow& W) {
  return SurfaceClientRect(W).TopLeft();
}

HDC NewDC(const TWindow& W, TPoint Origin, TRegion Clip) {
  TWindow* Top = FindWindowRecord(TopLevelWindowOf(W));
  auto DC = std::make_unique<TDeviceContext>(*Top->Surface, Origin, std::move(Clip));
  const HDC Result = DC.get();
  Desktop().DeviceContexts.push_back({std::move(DC), Top->Surface, W.Handle});
  return Result;
}

// The update region in surface coordinates, cut to what the window may paint.
TRegion UpdateClip(const TWindow& W) {
  TRegion Clip = W.Update;
  const TPoint Origin = ClientSurfaceOrigin(W);
  Clip.Offset(Origin.X, Origin.Y);
  Clip.Intersect(VisibleRegion(W, false));
  return Clip;
}

void Invalidate(TWindow& W, const TRect& Area, bool Erase, bool AllChildren) {
  TRect Part;
  if (!IntersectRect(Part, Area, {0, 0, W.Client.Width(), W.Client.Height()})) return;
  W.Update.Union(Part);
  W.ErasePending = W.ErasePending || Erase;
  if (!AllChildren && (W.Style & WS_CLIPCHILDREN)) return;
  for (HWND H : W.Children) {
    TWindow* Child = FindWindowRecord(H);
    if (!Child || !(Child->Style & WS_VISIBLE) || !IntersectRect(Part, Area, Child->Rect)) continue;
    OffsetRect(Part, -Child->Rect.Left, -Child->Rect.Top);
    TRect Inner;
    if (!IntersectRect(Inner, Part, Child->Client) || Inner != Part) Child->FramePending = true;
    OffsetRect(Part, -Child->Client.Left, -Child->Client.Top);
    Invalidate(*Child, Part, Erase, AllChildren);
  }
}

// WM_ERASEBKGND with a device context on the part of the update region that shows.
void EraseBackground(HWND Wnd) {
  TWindow* W = FindWindowRecord(Wnd);
  W->ErasePending = false;
  const HDC DC = NewDC(*W, ClientSurfaceOrigin(*W), UpdateClip(*W));
  const bool Erased = SendMessage(Wnd, WM_ERASEBKGND, WPARAM(DC)) != 0;
  ReleaseDC(Wnd, DC);
  if (TWindow* After = FindWindowRecord(Wnd)) After->EraseUnanswered = !Erased;
}

bool NeedsPaint(const TWindow& W) {
  return W.FramePending || !W.Update.IsEmpty();
}

void PaintWindow(HWND Wnd) {
  TWindow* W = FindWindowRecord(Wnd);
  if (W->FramePending) {
    W->FramePending = false;
    SendMessage(Wnd, WM_NCPAINT, 1);
  }
  W = FindWindowRecord(Wnd);
  if (!W || W->Update.IsEmpty()) return;
  if (W->ErasePending) EraseBackground(Wnd);
  W = FindWindowRecord(Wnd);
  if (!W) return;
  W->BeganPaint = false;
  DeliverMessage(Wnd, WM_PAINT, 0, 0);
  W = FindWindowRecord(Wnd);
  if (W && !W->BeganPaint) ValidateRect(Wnd, nullptr);
}

void PaintTree(HWND Wnd, bool& Painted) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W || !(W->Style & WS_VISIBLE)) return;
  if (NeedsPaint(*W)) {
    PaintWindow(Wnd);
    Painted = true;
  }
  W = FindWindowRecord(Wnd);
  if (!W) return;
  const std::vector<HWND> Children = W->Children;
  for (HWND Child : Children) PaintTree(Child, Painted);
}

}  // namespace

bool InvalidateRect(HWND Wnd, const TRect* R, bool Erase) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  Invalidate(*W, R ? *R : TRect{0, 0, W->Client.Width(), W->Client.Height()}, Erase, false);
  return true;
}

bool ValidateRect(HWND Wnd, const TRect* R) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  if (R)
    W->Update.Subtract(*R);
  else
    W->Update.Clear();
  if (W->Update.IsEmpty()) W->ErasePending = false;
  return true;
}

bool GetUpdateRect(HWND Wnd, TRect& R) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  R = W->Update.Bounds();
  return !W->Update.IsEmpty();
}

bool UpdateWindow(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  if (IsWindowVisible(Wnd) && NeedsPaint(*W)) PaintWindow(Wnd);
  return true;
}

HDC BeginPaint(HWND Wnd, TPaintStruct& Paint) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return nullptr;
  if (W->ErasePending && !W->Update.IsEmpty()) EraseBackground(Wnd);
  W = FindWindowRecord(Wnd);
  if (!W) return nullptr;
  W->BeganPaint = true;
  Paint.rcPaint = W->Update.Bounds();
  Paint.fErase = W->EraseUnanswered;
  W->EraseUnanswered = false;
  Paint.hdc = NewDC(*W, ClientSurfaceOrigin(*W), UpdateClip(*W));
  W->Update.Clear();
  W->ErasePending = false;
  return Paint.hdc;
}

bool EndPaint(HWND Wnd, const TPaintStruct& Paint) {
  return ReleaseDC(Wnd, Paint.hdc) != 0;
}

HDC GetDC(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W ? NewDC(*W, ClientSurfaceOrigin(*W), VisibleRegion(*W, false)) : nullptr;
}

HDC GetWindowDC(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W ? NewDC(*W, SurfaceRect(*W).TopLeft(), VisibleRegion(*W, true)) : nullptr;
}

int ReleaseDC(HWND, HDC DC) {
  auto& Contexts = Desktop().DeviceContexts;
  const auto Found = std::find_if(Contexts.begin(), Contexts.end(),
                                  [DC](const TDeviceContextRecord& R) { return R.DC.get() == DC; });
  if (Found == Contexts.end()) return 0;
  Contexts.erase(Found);
  return 1;
}

void InvalidateTree(HWND Wnd, const TRect& ClientRect) {
  if (TWindow* W = FindWindowRecord(Wnd)) Invalidate(*W, ClientRect, true, true);
}

void InvalidateWindowFully(HWND Wnd) {
  if (TWindow* W = FindWindowRecord(Wnd)) {
    W->FramePending = true;
    Invalidate(*W, {0, 0, W->Client.Width(), W->Client.Height()}, true, true);
  }
}

bool PaintPendingWindows() {
  bool Painted = false;
  const std::vector<HWND> TopLevels = Desktop().TopLevels;
  for (HWND Wnd : TopLevels) PaintTree(Wnd, Painted);
  return Painted;
}

}  // namespace framework
