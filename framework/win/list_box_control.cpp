#include "framework/win/list_box_control.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/graphics/font_engine.h"
#include "framework/rtl/string_functions.h"
#include "framework/win/focus.h"
#include "framework/win/mouse.h"
#include "framework/win/painting.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/system_control.h"
#include "framework/win/timers.h"

namespace framework {

namespace {

struct TListBoxState {
  std::vector<std::string> Items;
  int Selected = -1;
  int Top = 0;
  // Zero: the font's height.
  int ItemHeight = 0;
  HFONT Font = nullptr;
  // Between WM_SETFOCUS and WM_KILLFOCUS: the focused look.
  bool Focused = false;
  // The left button went down here and is held: the selection follows the pointer.
  bool Tracking = false;
};

TControlStates<TListBoxState>& States() {
  static TControlStates<TListBoxState> Table;
  return Table;
}

constexpr UINT_PTR ScrollTimer = 1;
constexpr UINT ScrollPeriod = 50;
constexpr int TextIndent = 2;

class TListBox {
 public:
  TListBox(HWND Wnd, TListBoxState& S) : Wnd(Wnd), S(S) {}

  int Count() const { return int(S.Items.size()); }
  bool Valid(int Index) const { return Index >= 0 && Index < Count(); }
  int ItemHeight() const {
    return std::max(1, S.ItemHeight ? S.ItemHeight : ControlFace(S.Font).Height());
  }
  int ClientHeight() const {
    TRect R;
    GetClientRect(Wnd, R);
    return R.Height();
  }
  // The rows that show whole (at least one).
  int Rows() const { return std::max(1, ClientHeight() / ItemHeight()); }
  int MaxTop() const { return std::max(0, Count() - Rows()); }
  TRect ItemRect(int Index) const {
    TRect R;
    GetClientRect(Wnd, R);
    const int Top = (Index - S.Top) * ItemHeight();
    return {0, Top, R.Width(), Top + ItemHeight()};
  }
  // The row at a client Y, whether or not an item is there.
  int RowAt(int Y) const {
    const int Row = Y >= 0 ? Y / ItemHeight() : -1 - (-Y - 1) / ItemHeight();
    return S.Top + Row;
  }

  HWND Wnd;
  TListBoxState& S;
};

bool HasStyle(HWND Wnd, DWORD Style) {
  return (DWORD(GetWindowLong(Wnd, GWL_STYLE)) & Style) != 0;
}

void Repaint(const TListBox& B) {
  InvalidateRect(B.Wnd, nullptr, false);
}

// The vertical bar scrolls through the items a row at a time: the rows that show whole are its
// page, the top row its position.
void SyncScrollBar(const TListBox& B) {
  TScrollInfo Info;
  Info.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Info.Max = B.Count() - 1;
  Info.Page = UINT(B.Rows());
  Info.Pos = B.S.Top;
  SetScrollInfo(B.Wnd, SB_VERT, Info);
}

void SetTop(TListBox& B, int Top) {
  Top = std::clamp(Top, 0, B.MaxTop());
  if (Top == B.S.Top) return;
  B.S.Top = Top;
  SyncScrollBar(B);
  Repaint(B);
}

void ScrollIntoView(TListBox& B, int Index) {
  if (!B.Valid(Index)) return;
  if (Index < B.S.Top) SetTop(B, Index);
  if (Index >= B.S.Top + B.Rows()) SetTop(B, Index - B.Rows() + 1);
}

void Notify(HWND Wnd, WORD Code) {
  if (HasStyle(Wnd, LBS_NOTIFY)) NotifyParent(Wnd, Code);
}

// A selection the user makes; the notification is the last step, as the parent may destroy the
// list box on hearing it.
void UserSelect(TListBox& B, int Index) {
  if (!B.Valid(Index) || Index == B.S.Selected) return;
  B.S.Selected = Index;
  ScrollIntoView(B, Index);
  Repaint(B);
  Notify(B.Wnd, LBN_SELCHANGE);
}

// After the items changed: the top row kept in range, everything shown again.
void ItemsChanged(TListBox& B) {
  B.S.Top = std::clamp(B.S.Top, 0, B.MaxTop());
  SyncScrollBar(B);
  Repaint(B);
}

LRESULT AddString(TListBox& B, LPARAM L, int Index) {
  const auto* Given = reinterpret_cast<const char*>(L);
  std::string Text = Given ? Given : "";
  auto& Items = B.S.Items;
  if (Index < 0 && HasStyle(B.Wnd, LBS_SORT)) {
    Index = int(std::upper_bound(Items.begin(), Items.end(), Text,
                                 [](const std::string& A, const std::string& Item) {
                                   return AnsiCompareText(A, Item) < 0;
                                 }) -
                Items.begin());
  }
  if (Index < 0) Index = B.Count();
  Items.insert(Items.begin() + Index, std::move(Text));
  if (B.S.Selected >= Index) ++B.S.Selected;
  ItemsChanged(B);
  return Index;
}

LRESULT InsertString(TListBox& B, WPARAM W, LPARAM L) {
  const int Index = int(intptr_t(W));
  if (Index == -1) return AddString(B, L, B.Count());
  if (Index < 0 || Index > B.Count()) return LB_ERR;
  return AddString(B, L, Index);
}

LRESULT DeleteString(TListBox& B, WPARAM W) {
  const int Index = int(intptr_t(W));
  if (!B.Valid(Index)) return LB_ERR;
  B.S.Items.erase(B.S.Items.begin() + Index);
  if (B.S.Selected == Index)
    B.S.Selected = -1;
  else if (B.S.Selected > Index)
    --B.S.Selected;
  ItemsChanged(B);
  return B.Count();
}

void ResetContent(TListBox& B) {
  B.S.Items.clear();
  B.S.Selected = -1;
  B.S.Top = 0;
  ItemsChanged(B);
}

LRESULT GetText(const TListBox& B, WPARAM W, LPARAM L) {
  const int Index = int(intptr_t(W));
  auto* Buffer = reinterpret_cast<char*>(L);
  if (!B.Valid(Index) || !Buffer) return LB_ERR;
  const std::string& Text = B.S.Items[size_t(Index)];
  std::memcpy(Buffer, Text.c_str(), Text.size() + 1);
  return LRESULT(Text.size());
}

// From the item after Start (-1: from the first), round the end to Start itself, for the first
// item that begins with the text (Exact: that is the text), letter case aside.
LRESULT FindString(const TListBox& B, WPARAM W, LPARAM L, bool Exact) {
  const auto* Given = reinterpret_cast<const char*>(L);
  const std::string_view Text = Given ? Given : "";
  const int Count = B.Count();
  const int Start = B.Valid(int(intptr_t(W))) ? int(intptr_t(W)) : -1;
  for (int Step = 1; Step <= Count; ++Step) {
    const int Index = (Start + Step) % Count;
    const std::string_view Item = B.S.Items[size_t(Index)];
    if (Exact
            ? AnsiCompareText(Item, Text) == 0
            : Item.size() >= Text.size() && AnsiCompareText(Item.substr(0, Text.size()), Text) == 0)
      return Index;
  }
  return LB_ERR;
}

LRESULT SetCurSel(TListBox& B, WPARAM W) {
  const int Index = int(intptr_t(W));
  B.S.Selected = B.Valid(Index) ? Index : -1;
  ScrollIntoView(B, Index);
  Repaint(B);
  return B.Valid(Index) ? LRESULT(Index) : LB_ERR;
}

LRESULT SetTopIndex(TListBox& B, WPARAM W) {
  if (!B.Valid(int(intptr_t(W)))) return LB_ERR;
  SetTop(B, int(intptr_t(W)));
  return LB_OKAY;
}

LRESULT ItemFromPoint(const TListBox& B, LPARAM L) {
  const TPoint P = LParamToPoint(L);
  TRect Client;
  GetClientRect(B.Wnd, Client);
  const bool Outside = !Client.Contains(P) || !B.Valid(B.RowAt(P.Y));
  const int Index = B.Count() ? std::clamp(B.RowAt(P.Y), 0, B.Count() - 1) : 0;
  return MAKELRESULT(WORD(Index), WORD(Outside));
}

LRESULT SetItemHeight(TListBox& B, LPARAM L) {
  if (L < 1 || L > 255) return LB_ERR;
  B.S.ItemHeight = int(L);
  ItemsChanged(B);
  return LB_OKAY;
}

void VScroll(TListBox& B, WPARAM W) {
  const int Top = B.S.Top, Page = std::max(1, B.Rows() - 1);
  switch (LOWORD(W)) {
    case SB_LINEUP: return SetTop(B, Top - 1);
    case SB_LINEDOWN: return SetTop(B, Top + 1);
    case SB_PAGEUP: return SetTop(B, Top - Page);
    case SB_PAGEDOWN: return SetTop(B, Top + Page);
    case SB_TOP: return SetTop(B, 0);
    case SB_BOTTOM: return SetTop(B, B.MaxTop());
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return SetTop(B, HIWORD(W));
    default: return;
  }
}

void KeyDown(TListBox& B, WORD Key) {
  const int Current = B.S.Selected, Page = std::max(1, B.Rows() - 1);
  int Target;
  switch (Key) {
    case VK_UP: Target = Current < 0 ? B.S.Top : Current - 1; break;
    case VK_DOWN: Target = Current < 0 ? B.S.Top : Current + 1; break;
    case VK_PRIOR: Target = Current - Page; break;
    case VK_NEXT: Target = Current < 0 ? Page : Current + Page; break;
    case VK_HOME: Target = 0; break;
    case VK_END: Target = B.Count() - 1; break;
    default: return;
  }
  if (B.Count()) UserSelect(B, std::clamp(Target, 0, B.Count() - 1));
}

void StopTracking(TListBox& B) {
  B.S.Tracking = false;
  KillTimer(B.Wnd, ScrollTimer);
}

// The selection follows the pointer while it is over the rows; above or below them the list
// scrolls on the timer.
void TrackTo(TListBox& B, TPoint P) {
  if (P.Y < 0 || P.Y >= B.ClientHeight()) {
    SetTimer(B.Wnd, ScrollTimer, ScrollPeriod);
    return;
  }
  KillTimer(B.Wnd, ScrollTimer);
  const int Row = B.RowAt(P.Y);
  if (B.Valid(Row)) UserSelect(B, Row);
}

void AutoScroll(TListBox& B) {
  TPoint P;
  GetCursorPos(P);
  ScreenToClient(B.Wnd, P);
  if (P.Y < 0)
    UserSelect(B, std::max(0, B.S.Top - 1));
  else if (P.Y >= B.ClientHeight())
    UserSelect(B, std::min(B.Count() - 1, B.S.Top + B.Rows()));
}

void LButtonDown(HWND Wnd, TPoint P, bool Double) {
  TListBoxState* S = States().Get(Wnd);
  if (S && !S->Focused) SetFocus(Wnd);
  S = States().Get(Wnd);
  if (!S) return;
  TListBox B(Wnd, *S);
  S->Tracking = true;
  SetCapture(Wnd);
  TrackTo(B, P);
  if (Double && IsWindow(Wnd)) Notify(Wnd, LBN_DBLCLK);
}

void LButtonUp(TListBox& B) {
  if (!B.S.Tracking) return;
  StopTracking(B);
  if (GetCapture() == B.Wnd) ReleaseCapture();
}

void FillBackground(HWND Wnd, HDC DC) {
  const TColor Background = AskControlColors(Wnd, WM_CTLCOLORLISTBOX, DC);
  TRect Client;
  GetClientRect(Wnd, Client);
  DC->FillRect(Client, ColorPixel(Background));
}

void PaintRows(TListBox& B, HDC DC, TColor TextColor) {
  const TFontFace& Face = ControlFace(B.S.Font);
  for (int Index = B.S.Top; Index < B.Count(); ++Index) {
    const TRect R = B.ItemRect(Index);
    if (R.Top >= B.ClientHeight()) break;
    const bool Selected = Index == B.S.Selected;
    if (Selected) DC->FillRect(R, ColorPixel(clHighlight));
    Face.DrawText(*DC, R.Left + TextIndent, R.Top + (R.Height() - Face.Height()) / 2,
                  B.S.Items[size_t(Index)], ColorPixel(Selected ? clHighlightText : TextColor));
    if (Selected && B.S.Focused) {
      TCanvas Canvas;
      Canvas.SetHandle(DC);
      Canvas.DrawFocusRect(R);
    }
  }
}

void Paint(HWND Wnd) {
  TPaintStruct Paint;
  const HDC DC = BeginPaint(Wnd, Paint);
  if (!DC) return;
  FillBackground(Wnd, DC);
  if (TListBoxState* S = States().Get(Wnd)) {
    TListBox B(Wnd, *S);
    PaintRows(B, DC, IsWindowEnabled(Wnd) ? DC->TextColor() : clGrayText);
  }
  EndPaint(Wnd, Paint);
}

void SetFocused(TListBox& B, bool Focused) {
  B.S.Focused = Focused;
  Repaint(B);
}

LRESULT Dispatch(TListBox& B, UINT Msg, WPARAM W, LPARAM L) {
  TListBoxState& S = B.S;
  switch (Msg) {
    case LB_ADDSTRING: return AddString(B, L, -1);
    case LB_INSERTSTRING: return InsertString(B, W, L);
    case LB_DELETESTRING: return DeleteString(B, W);
    case LB_RESETCONTENT: ResetContent(B); return 0;
    case LB_GETCOUNT: return B.Count();
    case LB_GETTEXT: return GetText(B, W, L);
    case LB_GETTEXTLEN: return B.Valid(int(intptr_t(W))) ? LRESULT(S.Items[W].size()) : LB_ERR;
    case LB_FINDSTRING: return FindString(B, W, L, false);
    case LB_FINDSTRINGEXACT: return FindString(B, W, L, true);
    case LB_SETCURSEL: return SetCurSel(B, W);
    case LB_GETCURSEL: return S.Selected;
    case LB_SETTOPINDEX: return SetTopIndex(B, W);
    case LB_GETTOPINDEX: return S.Top;
    case LB_GETITEMHEIGHT: return B.ItemHeight();
    case LB_SETITEMHEIGHT: return SetItemHeight(B, L);
    case LB_GETITEMRECT:
      if (!B.Valid(int(intptr_t(W))) || !L) return LB_ERR;
      *reinterpret_cast<TRect*>(L) = B.ItemRect(int(W));
      return LB_OKAY;
    case LB_ITEMFROMPOINT: return ItemFromPoint(B, L);
    case WM_VSCROLL: VScroll(B, W); return 0;
    case WM_KEYDOWN: KeyDown(B, WORD(W)); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: LButtonDown(B.Wnd, LParamToPoint(L), false); return 0;
    case WM_LBUTTONDBLCLK: LButtonDown(B.Wnd, LParamToPoint(L), true); return 0;
    case WM_MOUSEMOVE:
      if (S.Tracking && GetCapture() == B.Wnd) TrackTo(B, LParamToPoint(L));
      return 0;
    case WM_LBUTTONUP: LButtonUp(B); return 0;
    case WM_CAPTURECHANGED: StopTracking(B); return 0;
    case WM_TIMER:
      if (W != ScrollTimer) return DefWindowProc(B.Wnd, Msg, W, L);
      if (S.Tracking) AutoScroll(B);
      return 0;
    case WM_SETFOCUS: SetFocused(B, true); return 0;
    case WM_KILLFOCUS: SetFocused(B, false); return 0;
    case WM_ENABLE: Repaint(B); return 0;
    case WM_SIZE: ItemsChanged(B); return 0;
    case WM_SETFONT:
      S.Font = reinterpret_cast<HFONT>(W);
      ItemsChanged(B);
      return 0;
    case WM_GETFONT: return LRESULT(S.Font);
    case WM_PAINT: Paint(B.Wnd); return 0;
    case WM_ERASEBKGND: FillBackground(B.Wnd, reinterpret_cast<HDC>(W)); return 1;
    default: return DefWindowProc(B.Wnd, Msg, W, L);
  }
}

}  // namespace

LRESULT ListBoxWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_NCDESTROY) {
    States().Free(Wnd);
    return DefWindowProc(Wnd, Msg, W, L);
  }
  TListBoxState* S = States().Get(Wnd);
  if (!S) return DefWindowProc(Wnd, Msg, W, L);
  TListBox B(Wnd, *S);
  return Dispatch(B, Msg, W, L);
}

TWndClass ListBoxWindowClass() {
  return {CS_DBLCLKS, &ListBoxWindowProc, IDC_ARROW, clNone, "LISTBOX"};
}

}  // namespace framework
