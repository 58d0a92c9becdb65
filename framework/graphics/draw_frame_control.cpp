#include "framework/graphics/draw_frame_control.h"

#include <algorithm>

#include "framework/graphics/color.h"

namespace framework {

namespace {

uint32_t SysPixel(int Index) {
  return ColorRefToPixel(GetSysColor(Index));
}

// A one-pixel frame: the top and left edges in TopLeft, the bottom and right ones (with the
// top-right and bottom-left corners) in BottomRight, as the system draws its 3-D edges.
void Frame(TDeviceContext& DC, const TRect& R, uint32_t TopLeft, uint32_t BottomRight) {
  if (R.IsEmpty()) return;
  DC.FillRect({R.Left, R.Top, R.Right - 1, R.Top + 1}, TopLeft);
  DC.FillRect({R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1}, TopLeft);
  DC.FillRect({R.Right - 1, R.Top, R.Right, R.Bottom - 1}, BottomRight);
  DC.FillRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, BottomRight);
}

// Two frames, an outer and an inner one, and the middle filled: the system's edges.
struct TEdge {
  int OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight;
};

// The edges of scroll arrows (EDGE_RAISED), push buttons (EDGE_RAISED | BF_SOFT) and sunken
// boxes (EDGE_SUNKEN).
constexpr TEdge RaisedEdge{COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
constexpr TEdge SoftRaisedEdge{COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT,
                               COLOR_BTNSHADOW};
constexpr TEdge SunkenEdge{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT};

void DrawEdge(TDeviceContext& DC, const TRect& R, const TEdge& Edge, int Middle) {
  Frame(DC, R, SysPixel(Edge.OuterTopLeft), SysPixel(Edge.OuterBottomRight));
  TRect Inner = R;
  InflateRect(Inner, -1, -1);
  Frame(DC, Inner, SysPixel(Edge.InnerTopLeft), SysPixel(Edge.InnerBottomRight));
  InflateRect(Inner, -1, -1);
  DC.FillRect(Inner, SysPixel(Middle));
}

// The flat edge (BF_FLAT): one shadow-grey pixel around the middle.
void DrawFlatEdge(TDeviceContext& DC, const TRect& R, int Middle) {
  const uint32_t Shadow = SysPixel(COLOR_BTNSHADOW);
  Frame(DC, R, Shadow, Shadow);
  TRect Inner = R;
  InflateRect(Inner, -1, -1);
  DC.FillRect(Inner, SysPixel(Middle));
}

enum class TDirection { Up, Down, Left, Right };

// A solid triangle of Size rows (its base 2 * Size - 1 pixels long) pointing in Direction, its
// bounding box centred in R, then moved by Shift.
void DrawArrow(TDeviceContext& DC, const TRect& R, TDirection Direction, int Shift,
               uint32_t Pixel) {
  const int Size = std::max(1, std::min(R.Width(), R.Height()) / 4);
  const int Base = 2 * Size - 1;
  const bool Vertical = Direction == TDirection::Up || Direction == TDirection::Down;
  const int BoxWidth = Vertical ? Base : Size, BoxHeight = Vertical ? Size : Base;
  const int Left = R.Left + (R.Width() - BoxWidth) / 2 + Shift;
  const int Top = R.Top + (R.Height() - BoxHeight) / 2 + Shift;
  for (int I = 0; I < Size; ++I) {
    // Row (or column) I from the base: the base is the widest, the tip one pixel.
    const int From = I, Length = Base - 2 * I;
    switch (Direction) {
      case TDirection::Down: DC.FillRect(Bounds(Left + From, Top + I, Length, 1), Pixel); break;
      case TDirection::Up:
        DC.FillRect(Bounds(Left + From, Top + Size - 1 - I, Length, 1), Pixel);
        break;
      case TDirection::Right: DC.FillRect(Bounds(Left + I, Top + From, 1, Length), Pixel); break;
      case TDirection::Left:
        DC.FillRect(Bounds(Left + Size - 1 - I, Top + From, 1, Length), Pixel);
        break;
    }
  }
}

bool DrawScrollButton(TDeviceContext& DC, const TRect& R, unsigned State) {
  TDirection Direction;
  switch (State & 0xFF) {
    case DFCS_SCROLLUP: Direction = TDirection::Up; break;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX: Direction = TDirection::Down; break;
    case DFCS_SCROLLLEFT: Direction = TDirection::Left; break;
    case DFCS_SCROLLRIGHT: Direction = TDirection::Right; break;
    default: return false;
  }
  const bool Pushed = State & DFCS_PUSHED;
  if (Pushed || (State & DFCS_FLAT))
    DrawFlatEdge(DC, R, COLOR_BTNFACE);
  else
    DrawEdge(DC, R, RaisedEdge, COLOR_BTNFACE);
  const int Shift = Pushed ? 1 : 0;
  if (State & DFCS_INACTIVE) {
    // The embossed look of a disabled glyph: its white shadow one pixel down and right, then
    // the glyph in grey over it.
    DrawArrow(DC, R, Direction, Shift + 1, SysPixel(COLOR_BTNHIGHLIGHT));
    DrawArrow(DC, R, Direction, Shift, SysPixel(COLOR_GRAYTEXT));
  } else {
    DrawArrow(DC, R, Direction, Shift, SysPixel(COLOR_BTNTEXT));
  }
  return true;
}

// The check mark, seven pixels square, one pixel inside the box's white square.
constexpr const char* CheckMark[] = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};
constexpr int CheckBoxSize = 13;

void DrawCheckBox(TDeviceContext& DC, const TRect& R, unsigned State) {
  const TRect Box = Bounds(R.Left + (R.Width() - CheckBoxSize) / 2,
                           R.Top + (R.Height() - CheckBoxSize) / 2, CheckBoxSize, CheckBoxSize);
  const int Inside = (State & (DFCS_INACTIVE | DFCS_PUSHED)) ? COLOR_BTNFACE : COLOR_WINDOW;
  if (State & DFCS_FLAT) {
    DrawFlatEdge(DC, Box, Inside);
  } else {
    DrawEdge(DC, Box, SunkenEdge, Inside);
  }
  if (!(State & DFCS_CHECKED)) return;
  const uint32_t Mark = SysPixel(State & DFCS_INACTIVE ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
  for (int Y = 0; Y < 7; ++Y)
    for (int X = 0; X < 7; ++X)
      if (CheckMark[Y][X] == '#') DC.SetPixel(Box.Left + 3 + X, Box.Top + 3 + Y, Mark);
}

void DrawPushButton(TDeviceContext& DC, const TRect& R, unsigned State) {
  if (State & DFCS_FLAT)
    DrawFlatEdge(DC, R, COLOR_BTNFACE);
  else
    DrawEdge(DC, R, State & DFCS_PUSHED ? SunkenEdge : SoftRaisedEdge, COLOR_BTNFACE);
}

}  // namespace

bool DrawFrameControl(HDC DC, const TRect& Rect, unsigned Type, unsigned State) {
  if (!DC) return false;
  switch (Type) {
    case DFC_SCROLL: return DrawScrollButton(*DC, Rect, State);
    case DFC_BUTTON:
      switch (State & 0xFF) {
        case DFCS_BUTTONCHECK: DrawCheckBox(*DC, Rect, State); return true;
        case DFCS_BUTTONPUSH: DrawPushButton(*DC, Rect, State); return true;
        default: return false;
      }
    default: return false;
  }
}

}  // namespace framework
