#include "framework/win/non_client.h"

#include <algorithm>

#include "framework/graphics/color.h"
#include "framework/graphics/draw_frame_control.h"
#include "framework/graphics/font_engine.h"
#include "framework/win/desktop.h"
#include "framework/win/painting.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/system_metrics.h"
#include "framework/win/window.h"

namespace framework {

namespace {

// The parts of the frame of a window whose top-left corner is at (0, 0).
struct TFrameLayout {
  TRect Inside;   // within the border
  TRect Caption;  // empty without WS_CAPTION
  TRect Edge;     // the rectangle the client edge is drawn around
  TRect VScroll;
  TRect HScroll;
  // The square between the two bars when both show.
  TRect Corner;
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
  if (!L.VScroll.IsEmpty() && !L.HScroll.IsEmpty()) {
    L.Corner = {L.VScroll.Left, L.HScroll.Top, L.VScroll.Right, L.HScroll.Bottom};
    L.VScroll.Bottom = L.HScroll.Top;
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

TFrameLayout WindowLayout(const TWindow& W) {
  return Layout(W.Style, W.ExStyle, {0, 0, W.Rect.Width(), W.Rect.Height()});
}

void PaintScrollBar(TDeviceContext& DC, HWND Wnd, int Bar) {
  const TScrollBarGeometry G = ScrollBarGeometry(Wnd, Bar);
  if (G.Strip.IsEmpty()) return;
  const TScrollBarTracking& T = Desktop().ScrollBarTracking;
  const bool Held = T.Wnd == Wnd && T.Bar == Bar && T.Over;
  const auto ArrowState = [&](TScrollBarPart Part) {
    if (!G.Scrolls) return unsigned(DFCS_INACTIVE);
    return Held && T.Part == Part ? unsigned(DFCS_PUSHED) : 0u;
  };
  DC.FillRect(G.Track, Pixel(clScrollBar));
  DrawFrameControl(&DC, G.Less, DFC_SCROLL,
                   (G.Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | ArrowState(sbLessArrow));
  DrawFrameControl(&DC, G.More, DFC_SCROLL,
                   (G.Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | ArrowState(sbMoreArrow));
  if (!G.Thumb.IsEmpty()) DrawFrameControl(&DC, G.Thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

}  // namespace

TRect ScrollBarStrip(HWND Wnd, int Bar) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W || (Bar != SB_HORZ && Bar != SB_VERT)) return {};
  const TFrameLayout L = WindowLayout(*W);
  return Bar == SB_VERT ? L.VScroll : L.HScroll;
}

void PaintScrollBar(HWND Wnd, int Bar) {
  if (!IsWindowVisible(Wnd) || ScrollBarStrip(Wnd, Bar).IsEmpty()) return;
  HDC DC = GetWindowDC(Wnd);
  if (!DC) return;
  PaintScrollBar(*DC, Wnd, Bar);
  ReleaseDC(Wnd, DC);
}

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
  const TFrameLayout L = WindowLayout(*W);
  if (L.VScroll.Contains(P)) return HTVSCROLL;
  if (L.HScroll.Contains(P)) return HTHSCROLL;
  if (L.Caption.Contains(P)) return HTCAPTION;
  return HTBORDER;
}

void PaintFrame(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return;
  const TFrameLayout L = WindowLayout(*W);
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
  PaintScrollBar(*DC, Wnd, SB_VERT);
  PaintScrollBar(*DC, Wnd, SB_HORZ);
  if (!L.Corner.IsEmpty()) DC->FillRect(L.Corner, Pixel(clBtnFace));
  ReleaseDC(Wnd, DC);
}

}  // namespace framework
