#include "framework/win/non_client.h"

#include <algorithm>

#include "framework/graphics/color.h"
#include "framework/graphics/font_engine.h"
#include "framework/win/desktop.h"
#include "framework/win/painting.h"
#include "framework/win/system_metrics.h"

namespace framework {

namespace {

// The parts of the frame of a window whose top-left corner is at (0, 0).
struct TFrameLayout {
  TRect Inside;   // within the border
  TRect Caption;  // empty without WS_CAPTION
  TRect Edge;     // the rectangle the client edge is drawn around
  TRect VScroll;
  TRect HScroll;
  TRect Client;
};

void Deflate(TRect& R, int By) {
  R = {R.Left + By, R.Top + By, std::max(R.Left + By, R.Right - By),
       std::max(R.Top + By, R.Bottom - By)};
}

TFrameLayout Layout(DWORD Style, DWORD ExStyle, const TRect& Window) {
  TFrameLayout L;
  TRect R = Window;
  if (Style & WS_BORDER) Deflate(R, GetSystemMetrics(SM_CXBORDER));
  L.Inside = R;
  if (Style & WS_CAPTION) {
    const int Bottom = std::min(R.Bottom, R.Top + GetSystemMetrics(SM_CYCAPTION));
    L.Caption = {R.Left, R.Top, R.Right, Bottom};
    R.Top = Bottom;
  }
  L.Edge = R;
  if (ExStyle & WS_EX_CLIENTEDGE) Deflate(R, GetSystemMetrics(SM_CXEDGE));
  if (Style & WS_VSCROLL) {
    const int Left = std::max(R.Left, R.Right - GetSystemMetrics(SM_CXVSCROLL));
    L.VScroll = {Left, R.Top, R.Right, R.Bottom};
    R.Right = Left;
  }
  if (Style & WS_HSCROLL) {
    const int Top = std::max(R.Top, R.Bottom - GetSystemMetrics(SM_CYHSCROLL));
    L.HScroll = {R.Left, Top, R.Right, R.Bottom};
    R.Bottom = Top;
  }
  L.Client = R;
  return L;
}

uint32_t Pixel(TColor Color) {
  return ColorRefToPixel(ColorToRGB(Color));
}

// A rectangle outline: TopLeft on the top and left lines, BottomRight on the others.
void Outline(TDeviceContext& DC, const TRect& R, uint32_t TopLeft, uint32_t BottomRight) {
  if (R.IsEmpty()) return;
  DC.FillRect({R.Left, R.Top, R.Right - 1, R.Top + 1}, TopLeft);
  DC.FillRect({R.Left, R.Top, R.Left + 1, R.Bottom - 1}, TopLeft);
  DC.FillRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, BottomRight);
  DC.FillRect({R.Right - 1, R.Top, R.Right, R.Bottom}, BottomRight);
}

void PaintCaption(TDeviceContext& DC, const TWindow& W, const TRect& Caption) {
  const bool Active = Desktop().Active == TopLevelWindowOf(W);
  DC.FillRect(Caption, Pixel(Active ? clActiveCaption : clInactiveCaption));
  const TFontFace& Face = TFontFace::Find("DejaVu Sans", 11, {fsBold});
  DC.Save();
  DC.IntersectClipRect(Caption);
  const int Y = Caption.Top + (Caption.Height() - Face.Height()) / 2;
  Face.DrawText(DC, Caption.Left + 3, Y, W.Text,
                Pixel(Active ? clCaptionText : clInactiveCaptionText));
  DC.Restore();
}

}  // namespace

TRect ClientRectForStyle(DWORD Style, DWORD ExStyle, const TRect& WindowRect) {
  return Layout(Style, ExStyle, WindowRect).Client;
}

LRESULT HitTestFrame(HWND Wnd, TPoint Screen) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return HTERROR;
  const TPoint Origin = WindowScreenOrigin(*W);
  const TPoint P{Screen.X - Origin.X, Screen.Y - Origin.Y};
  const TRect Whole{0, 0, W->Rect.Width(), W->Rect.Height()};
  if (!Whole.Contains(P)) return HTNOWHERE;
  if (W->Client.Contains(P)) return HTCLIENT;
  const TFrameLayout L = Layout(W->Style, W->ExStyle, Whole);
  if (L.VScroll.Contains(P)) return HTVSCROLL;
  if (L.HScroll.Contains(P)) return HTHSCROLL;
  if (L.Caption.Contains(P)) return HTCAPTION;
  return HTBORDER;
}

void PaintFrame(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return;
  const TFrameLayout L = Layout(W->Style, W->ExStyle, {0, 0, W->Rect.Width(), W->Rect.Height()});
  HDC DC = GetWindowDC(Wnd);
  if (!DC) return;
  if (W->Style & WS_BORDER) {
    const uint32_t Frame = Pixel(clWindowFrame);
    Outline(*DC, {0, 0, W->Rect.Width(), W->Rect.Height()}, Frame, Frame);
  }
  if (!L.Caption.IsEmpty()) PaintCaption(*DC, *W, L.Caption);
  if (W->ExStyle & WS_EX_CLIENTEDGE) {
    TRect Inner = L.Edge;
    Deflate(Inner, 1);
    Outline(*DC, L.Edge, Pixel(clBtnShadow), Pixel(clBtnHighlight));
    Outline(*DC, Inner, Pixel(cl3DDkShadow), Pixel(cl3DLight));
  }
  // FIXME: the scroll-bar strips are filled only; their arrows and thumb come with the scroll bar.
  for (const TRect& Bar : {L.VScroll, L.HScroll})
    if (!Bar.IsEmpty()) DC->FillRect(Bar, Pixel(clScrollBar));
  ReleaseDC(Wnd, DC);
}

}  // namespace framework
