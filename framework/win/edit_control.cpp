#include "framework/win/edit_control.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "framework/graphics/font_engine.h"
#include "framework/rtl/string_functions.h"
#include "framework/win/clipboard.h"
#include "framework/win/edit_text.h"
#include "framework/win/focus.h"
#include "framework/win/keyboard.h"
#include "framework/win/painting.h"
#include "framework/win/system_control.h"
#include "framework/win/system_metrics.h"

namespace framework {

namespace {

struct TEditState {
  TEditText Text;
  HFONT Font = nullptr;
  int LeftMargin = 0;
  int RightMargin = 0;
  // Set by EM_SETRECT until the size or the margins change; else the default.
  std::optional<TRect> FormatRect;
  // How far the text is scrolled: pixels to the left, lines up.
  int ScrollX = 0;
  int TopLine = 0;
  // Between WM_SETFOCUS and WM_KILLFOCUS: the caret and the selection show.
  bool Focused = false;
  // The left button went down here and is held: moving extends the selection.
  bool Tracking = false;
  bool Modified = false;
};

TControlStates<TEditState>& States() {
  static TControlStates<TEditState> Table;
  return Table;
}

constexpr char PasswordChar = '*';

DWORD StyleOf(HWND Wnd) {
  return DWORD(GetWindowLong(Wnd, GWL_STYLE));
}

bool HasStyle(HWND Wnd, DWORD Style) {
  return (StyleOf(Wnd) & Style) != 0;
}

bool ReadOnly(HWND Wnd) {
  return HasStyle(Wnd, ES_READONLY);
}

bool KeyHeld(WORD Key) {
  return GetKeyState(Key) < 0;
}

// One edit's window and state, with the layout worked out from them.
class TEdit {
 public:
  TEdit(HWND Wnd, TEditState& S) : Wnd(Wnd), S(S) {}

  const TFontFace& Face() const { return ControlFace(S.Font); }
  int LineHeight() const { return std::max(1, Face().Height()); }
  bool Password() const { return HasStyle(Wnd, ES_PASSWORD) && !S.Text.Multiline(); }

  TRect FormatRect() const {
    if (S.FormatRect) return *S.FormatRect;
    TRect R;
    GetClientRect(Wnd, R);
    const DWORD Style = StyleOf(Wnd);
    const bool Bordered =
        (Style & WS_BORDER) || (DWORD(GetWindowLong(Wnd, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE);
    if (Bordered && !(Style & ES_MULTILINE)) InflateRect(R, -1, -1);
    R.Left += S.LeftMargin;
    R.Right = std::max(R.Left, R.Right - S.RightMargin);
    R.Bottom = std::max(R.Top, R.Bottom);
    return R;
  }

  std::string DisplayLine(int Line) const {
    const int Start = S.Text.LineStart(Line), End = S.Text.LineEnd(Line);
    if (Password()) return std::string(size_t(End - Start), PasswordChar);
    return S.Text.Text().substr(size_t(Start), size_t(End - Start));
  }

  // Where the line starts left of the formatting rectangle's left edge, before scrolling.
  int AlignOffset(int Line, const TRect& Rect) const {
    const int Spare = Rect.Width() - 1 - Face().TextWidth(DisplayLine(Line));
    if (Spare <= 0) return 0;
    if (HasStyle(Wnd, ES_RIGHT)) return Spare;
    if (HasStyle(Wnd, ES_CENTER)) return Spare / 2;
    return 0;
  }

  // The caret position's offset in the text's own layout (unscrolled, from the rectangle).
  int TextX(int Pos, const TRect& Rect) const {
    const int Line = S.Text.LineOf(Pos);
    const std::string Text = DisplayLine(Line);
    const size_t Count = size_t(Pos - S.Text.LineStart(Line));
    return AlignOffset(Line, Rect) + Face().TextWidth(std::string_view(Text).substr(0, Count));
  }

  TPoint PosFromChar(int Pos) const {
    const TRect Rect = FormatRect();
    return {Rect.Left - S.ScrollX + TextX(Pos, Rect),
            Rect.Top + (S.Text.LineOf(Pos) - S.TopLine) * LineHeight()};
  }

  int LineFromY(int Y, const TRect& Rect) const {
    const int DY = Y - Rect.Top;
    const int Offset = DY >= 0 ? DY / LineHeight() : -1 - (-DY - 1) / LineHeight();
    return std::clamp(S.TopLine + Offset, 0, S.Text.LineCount() - 1);
  }

  // The position nearest a client point: the boundary between characters closest to its X.
  int CharFromPoint(TPoint P) const {
    const TRect Rect = FormatRect();
    const int Line = LineFromY(P.Y, Rect);
    const std::string Text = DisplayLine(Line);
    const int Left = Rect.Left - S.ScrollX + AlignOffset(Line, Rect);
    int Before = 0;
    for (size_t I = 0; I < Text.size(); ++I) {
      const int After = Face().TextWidth(std::string_view(Text).substr(0, I + 1));
      if (P.X < Left + (Before + After) / 2) return S.Text.LineStart(Line) + int(I);
      Before = After;
    }
    return S.Text.LineEnd(Line);
  }

  int WidestLine() const {
    int Widest = 0;
    for (int Line = 0; Line < S.Text.LineCount(); ++Line)
      Widest = std::max(Widest, Face().TextWidth(DisplayLine(Line)));
    return Widest;
  }

  // Scrolls the least that shows the caret, and never past the end of the text.
  void ScrollCaretIntoView() {
    const TRect Rect = FormatRect();
    const int Width = std::max(1, Rect.Width());
    const int X = TextX(S.Text.Caret(), Rect);
    if (X < S.ScrollX) S.ScrollX = X;
    if (X > S.ScrollX + Width - 1) S.ScrollX = X - Width + 1;
    S.ScrollX = std::clamp(S.ScrollX, 0, std::max(0, WidestLine() + 1 - Width));
    const int Lines = std::max(1, Rect.Height() / LineHeight());
    const int Line = S.Text.LineOf(S.Text.Caret());
    if (Line < S.TopLine) S.TopLine = Line;
    if (Line >= S.TopLine + Lines) S.TopLine = Line - Lines + 1;
    S.TopLine = std::clamp(S.TopLine, 0, std::max(0, S.Text.LineCount() - Lines));
  }

  // The text after the selection is replaced with Text is wider than a single-line edit
  // without ES_AUTOHSCROLL shows.
  bool TooWide(std::string_view Text) const {
    if (S.Text.Multiline() || HasStyle(Wnd, ES_AUTOHSCROLL)) return false;
    std::string After = S.Text.Text();
    After.replace(size_t(S.Text.SelStart()), size_t(S.Text.SelEnd() - S.Text.SelStart()), Text);
    if (Password()) After.assign(After.size(), PasswordChar);
    return Face().TextWidth(After) > FormatRect().Width() - 1;
  }

  HWND Wnd;
  TEditState& S;
};

void Repaint(HWND Wnd) {
  InvalidateRect(Wnd, nullptr, false);
}

// Text, selection and caret change only within the formatting rectangle; what a control paints
// around it (a button beside the text) is left alone.
void InvalidateInText(const TEdit& E, const TRect& Area) {
  TRect Client, Rect;
  GetClientRect(E.Wnd, Client);
  if (IntersectRect(Rect, Area, E.FormatRect()) && IntersectRect(Rect, Rect, Client))
    InvalidateRect(E.Wnd, &Rect, false);
}

void RepaintText(const TEdit& E) {
  InvalidateInText(E, E.FormatRect());
}

void SelectionMoved(TEdit& E) {
  E.ScrollCaretIntoView();
  RepaintText(E);
}

// The last step of every change of the text: the parent may destroy the edit on hearing it.
void TextChanged(TEdit& E) {
  E.ScrollCaretIntoView();
  const HWND Wnd = E.Wnd;
  NotifyParent(Wnd, EN_UPDATE);
  if (!IsWindow(Wnd)) return;
  RepaintText(E);
  UpdateWindow(Wnd);
  NotifyParent(Wnd, EN_CHANGE);
}

// Replaces the selection as the user does: cased by the style, cut to the first line in a
// single-line edit, and cut to the limit with a beep. False when nothing changed.
bool UserInsert(TEdit& E, std::string Text, TEditText::TUndoMode Mode) {
  if (ReadOnly(E.Wnd)) return false;
  if (!E.S.Text.Multiline()) Text = Text.substr(0, Text.find_first_of("\r\n"));
  if (HasStyle(E.Wnd, ES_UPPERCASE)) Text = AnsiUpperCase(Text);
  if (HasStyle(E.Wnd, ES_LOWERCASE)) Text = AnsiLowerCase(Text);
  const bool Given = !Text.empty();
  if (int(Text.size()) > E.S.Text.Room()) {
    MessageBeep(MB_OK);
    Text.resize(size_t(E.S.Text.Room()));
    if (Given && Text.empty()) return false;
  }
  if (E.TooWide(Text)) {
    MessageBeep(MB_OK);
    return false;
  }
  E.S.Text.ReplaceSelection(Text, Mode);
  E.S.Modified = true;
  return true;
}

bool UserDelete(TEdit& E, int Start, int End, TEditText::TUndoMode Mode) {
  if (ReadOnly(E.Wnd) || Start == End) return false;
  E.S.Text.Replace(Start, End, "", Mode);
  E.S.Modified = true;
  return true;
}

void Copy(TEdit& E) {
  if (E.S.Text.HasSelection() && !E.Password()) SetClipboardText(E.S.Text.SelText());
}

void Clear(TEdit& E) {
  if (UserDelete(E, E.S.Text.SelStart(), E.S.Text.SelEnd(), TEditText::umSeparate)) TextChanged(E);
}

void Cut(TEdit& E) {
  if (ReadOnly(E.Wnd) || E.Password()) return;
  Copy(E);
  Clear(E);
}

void Paste(TEdit& E) {
  if (ClipboardHasText() && UserInsert(E, GetClipboardText(), TEditText::umSeparate))
    TextChanged(E);
}

bool Undo(TEdit& E) {
  if (ReadOnly(E.Wnd) || !E.S.Text.Undo()) return false;
  E.S.Modified = true;
  TextChanged(E);
  return true;
}

void Type(TEdit& E, std::string Text) {
  if (UserInsert(E, std::move(Text), TEditText::umTyping)) TextChanged(E);
}

void Backspace(TEdit& E) {
  const TEditText& T = E.S.Text;
  const int Start = T.HasSelection() ? T.SelStart() : T.CharLeft(T.Caret());
  if (UserDelete(E, Start, T.SelEnd(), TEditText::umTyping)) TextChanged(E);
}

void DeleteForward(TEdit& E) {
  const TEditText& T = E.S.Text;
  const int End = T.HasSelection() ? T.SelEnd() : T.CharRight(T.Caret());
  if (UserDelete(E, T.SelStart(), End, TEditText::umTyping)) TextChanged(E);
}

// Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+Z arrive as the characters they type.
enum : unsigned char {
  CharCopy = 3,
  CharBack = 8,
  CharReturn = 13,
  CharPaste = 22,
  CharCut = 24,
  CharUndo = 26
};

bool EditsText(unsigned char Ch) {
  return Ch >= ' ' || Ch == CharBack || Ch == CharPaste || Ch == CharCut || Ch == CharUndo;
}

void WMChar(TEdit& E, unsigned char Ch) {
  if (ReadOnly(E.Wnd) && EditsText(Ch)) {
    MessageBeep(MB_OK);
    return;
  }
  switch (Ch) {
    case CharCopy: return Copy(E);
    case CharCut: return Cut(E);
    case CharPaste: return Paste(E);
    case CharUndo: Undo(E); return;
    case CharBack: return Backspace(E);
    case CharReturn:
      if (E.S.Text.Multiline()) Type(E, "\r\n");
      return;
    default:
      if (Ch >= ' ') Type(E, std::string(1, char(Ch)));
  }
}

// The caret one line up or down, as near the same X as the line allows; null at the first or
// last line.
std::optional<int> LineStep(const TEdit& E, int Step) {
  const TEditText& T = E.S.Text;
  const int Line = T.LineOf(T.Caret()) + Step;
  if (Line < 0 || Line >= T.LineCount()) return std::nullopt;
  const TPoint At = E.PosFromChar(T.Caret());
  return E.CharFromPoint({At.X, At.Y + Step * E.LineHeight()});
}

// Where a navigation key puts the caret; null for a key that is no navigation key.
std::optional<int> NavigationTarget(const TEdit& E, WORD Key, bool Shift, bool Ctrl) {
  const TEditText& T = E.S.Text;
  const int Caret = T.Caret();
  const bool Collapse = !Shift && T.HasSelection();
  const int Line = T.LineOf(Caret);
  if (T.Multiline() && (Key == VK_UP || Key == VK_DOWN))
    return LineStep(E, Key == VK_UP ? -1 : 1).value_or(Caret);
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
      if (Ctrl) return T.WordLeft(Caret);
      return Collapse ? T.SelStart() : T.CharLeft(Caret);
    case VK_RIGHT:
    case VK_DOWN:
      if (Ctrl) return T.WordRight(Caret);
      return Collapse ? T.SelEnd() : T.CharRight(Caret);
    case VK_HOME: return Ctrl ? 0 : T.LineStart(Line);
    case VK_END: return Ctrl ? T.Length() : T.LineEnd(Line);
    default: return std::nullopt;
  }
}

bool WMKeyDown(TEdit& E, WORD Key) {
  const bool Shift = KeyHeld(VK_SHIFT), Ctrl = KeyHeld(VK_CONTROL);
  const bool Edits = (Key == VK_DELETE) || (Key == VK_INSERT && Shift && !Ctrl);
  if (Edits && ReadOnly(E.Wnd)) {
    MessageBeep(MB_OK);
    return true;
  }
  if (Key == VK_DELETE) {
    Shift ? Cut(E) : DeleteForward(E);
    return true;
  }
  if (Key == VK_INSERT) {
    if (Ctrl)
      Copy(E);
    else if (Shift)
      Paste(E);
    return true;
  }
  const std::optional<int> Target = NavigationTarget(E, Key, Shift, Ctrl);
  if (!Target) return false;
  E.S.Text.Select(Shift ? E.S.Text.Anchor() : *Target, *Target);
  SelectionMoved(E);
  return true;
}

void WMLButtonDown(HWND Wnd, WPARAM Keys, TPoint P) {
  if (GetFocus() != Wnd) SetFocus(Wnd);
  TEditState* S = States().Get(Wnd);
  if (!S) return;
  TEdit E(Wnd, *S);
  const int Pos = E.CharFromPoint(P);
  S->Text.Select((Keys & MK_SHIFT) ? S->Text.Anchor() : Pos, Pos);
  S->Tracking = true;
  SetCapture(Wnd);
  SelectionMoved(E);
}

void WMMouseMove(TEdit& E, TPoint P) {
  if (!E.S.Tracking || GetCapture() != E.Wnd) return;
  const int Pos = E.CharFromPoint(P);
  if (Pos == E.S.Text.Caret()) return;
  E.S.Text.Select(E.S.Text.Anchor(), Pos);
  SelectionMoved(E);
}

void WMLButtonUp(TEdit& E) {
  if (!E.S.Tracking) return;
  E.S.Tracking = false;
  if (GetCapture() == E.Wnd) ReleaseCapture();
}

void WMLButtonDblClk(TEdit& E, TPoint P) {
  int Start, End;
  E.S.Text.WordAt(E.CharFromPoint(P), Start, End);
  E.S.Text.Select(Start, End);
  SelectionMoved(E);
}

// Draws one run of a line at X, in the selection's colours when Selected; answers the X after it.
int DrawRun(TDeviceContext& DC, const TFontFace& Face, int X, int Y, std::string_view Run,
            bool Selected, uint32_t TextPixel) {
  const int Width = Face.TextWidth(Run);
  if (Selected) DC.FillRect({X, Y, X + Width, Y + Face.Height()}, ColorPixel(clHighlight));
  Face.DrawText(DC, X, Y, Run, Selected ? ColorPixel(clHighlightText) : TextPixel);
  return X + Width;
}

void PaintText(TEdit& E, TDeviceContext& DC, uint32_t TextPixel) {
  const TEditText& T = E.S.Text;
  const TRect Rect = E.FormatRect();
  const bool ShowSelection = E.S.Focused || HasStyle(E.Wnd, ES_NOHIDESEL);
  DC.Save();
  DC.IntersectClipRect(Rect);
  for (int Line = E.S.TopLine, Y = Rect.Top; Line < T.LineCount() && Y < Rect.Bottom;
       ++Line, Y += E.LineHeight()) {
    const std::string Text = E.DisplayLine(Line);
    const int Start = T.LineStart(Line);
    const int From = ShowSelection ? std::clamp(T.SelStart() - Start, 0, int(Text.size())) : 0;
    const int To = ShowSelection ? std::clamp(T.SelEnd() - Start, From, int(Text.size())) : 0;
    const std::string_view View(Text);
    int X = Rect.Left - E.S.ScrollX + E.AlignOffset(Line, Rect);
    X = DrawRun(DC, E.Face(), X, Y, View.substr(0, size_t(From)), false, TextPixel);
    X = DrawRun(DC, E.Face(), X, Y, View.substr(size_t(From), size_t(To - From)), true, TextPixel);
    DrawRun(DC, E.Face(), X, Y, View.substr(size_t(To)), false, TextPixel);
  }
  if (E.S.Focused) {
    const TPoint Caret = E.PosFromChar(T.Caret());
    DC.FillRect({Caret.X, Caret.Y, Caret.X + 1, Caret.Y + E.LineHeight()}, TextPixel);
  }
  DC.Restore();
}

void FillBackground(HWND Wnd, HDC DC) {
  const TColor Background = AskControlColors(Wnd, WM_CTLCOLOREDIT, DC);
  TRect Client;
  GetClientRect(Wnd, Client);
  DC->FillRect(Client, ColorPixel(Background));
}

// Paints the formatting rectangle, on the paint context or on the one WParam brings (a control
// that paints around its edit window hands it its own); the rest of the client area is the
// background's, filled by WM_ERASEBKGND.
void WMPaint(HWND Wnd, HDC Given) {
  TPaintStruct Paint;
  const HDC DC = Given ? Given : BeginPaint(Wnd, Paint);
  if (!DC) return;
  if (TEditState* S = States().Get(Wnd)) {
    TEdit E(Wnd, *S);
    TRect Client, Rect;
    GetClientRect(Wnd, Client);
    IntersectRect(Rect, Client, E.FormatRect());
    DC->FillRect(Rect, ColorPixel(AskControlColors(Wnd, WM_CTLCOLOREDIT, DC)));
    const TColor Text = IsWindowEnabled(Wnd) ? DC->TextColor() : clGrayText;
    PaintText(E, *DC, ColorPixel(Text));
  }
  if (!Given) EndPaint(Wnd, Paint);
}

LRESULT WMGetText(const TEditState& S, WPARAM Size, LPARAM L) {
  auto* Buffer = reinterpret_cast<char*>(L);
  if (!Buffer || Size == 0) return 0;
  const size_t Count = std::min(S.Text.Text().size(), size_t(Size) - 1);
  std::memcpy(Buffer, S.Text.Text().data(), Count);
  Buffer[Count] = '\0';
  return LRESULT(Count);
}

void WMSetText(TEdit& E, LPARAM L) {
  const auto* Text = reinterpret_cast<const char*>(L);
  E.S.Text.SetText(Text ? Text : "");
  E.S.Modified = false;
  E.S.ScrollX = E.S.TopLine = 0;
  TextChanged(E);
}

LRESULT EMGetSel(const TEditState& S, WPARAM W, LPARAM L) {
  const DWORD Start = DWORD(S.Text.SelStart()), End = DWORD(S.Text.SelEnd());
  if (auto* P = reinterpret_cast<DWORD*>(W)) *P = Start;
  if (auto* P = reinterpret_cast<DWORD*>(L)) *P = End;
  return MAKELRESULT(WORD(Start), WORD(End));
}

// A selection moved without scrolling repaints only the old and the new selection, each with the
// caret's pixel on either side; a selection over several lines repaints the whole text.
void RepaintSpan(const TEdit& E, int From, int To) {
  const TEditText& T = E.S.Text;
  if (T.LineOf(From) != T.LineOf(To)) return RepaintText(E);
  const TPoint Left = E.PosFromChar(From), Right = E.PosFromChar(To);
  InvalidateInText(E, {Left.X - 1, Left.Y, Right.X + 2, Left.Y + E.LineHeight()});
}

// Repaints the whole text only when it had to scroll to show the caret; true when it did.
bool ScrollCaret(TEdit& E) {
  const int ScrollX = E.S.ScrollX, TopLine = E.S.TopLine;
  E.ScrollCaretIntoView();
  if (E.S.ScrollX == ScrollX && E.S.TopLine == TopLine) return false;
  RepaintText(E);
  return true;
}

// Start is the anchor and End the caret; a negative Start removes the selection, leaving the
// caret, and a negative End is the end of the text.
void EMSetSel(TEdit& E, WPARAM W, LPARAM L) {
  TEditText& T = E.S.Text;
  const int OldStart = T.SelStart(), OldEnd = T.SelEnd();
  const int Start = int(intptr_t(W)), End = int(L);
  if (Start < 0)
    T.Select(T.Caret(), T.Caret());
  else
    T.Select(Start, End < 0 ? T.Length() : End);
  if (ScrollCaret(E)) return;
  RepaintSpan(E, OldStart, OldEnd);
  RepaintSpan(E, T.SelStart(), T.SelEnd());
}

void EMReplaceSel(TEdit& E, WPARAM CanUndo, LPARAM L) {
  const auto* Given = reinterpret_cast<const char*>(L);
  std::string Text = Given ? Given : "";
  Text.resize(std::min(Text.size(), size_t(E.S.Text.Room())));
  E.S.Text.ReplaceSelection(Text, CanUndo ? TEditText::umSeparate : TEditText::umNone);
  TextChanged(E);
}

void SetFormatRect(TEdit& E, LPARAM L, bool Redraw) {
  const auto* R = reinterpret_cast<const TRect*>(L);
  E.S.FormatRect = R ? std::optional<TRect>(*R) : std::nullopt;
  E.ScrollCaretIntoView();
  // What the old rectangle covered is background now.
  if (Redraw) InvalidateRect(E.Wnd, nullptr, true);
}

void EMSetMargins(TEdit& E, WPARAM Which, LPARAM L) {
  if (Which & EC_LEFTMARGIN) E.S.LeftMargin = LOWORD(uintptr_t(L));
  if (Which & EC_RIGHTMARGIN) E.S.RightMargin = HIWORD(uintptr_t(L));
  E.S.FormatRect.reset();
  SelectionMoved(E);
  InvalidateRect(E.Wnd, nullptr, true);
}

LRESULT EMPosFromChar(const TEdit& E, WPARAM Pos) {
  if (Pos > size_t(E.S.Text.Length())) return -1;
  const TPoint P = E.PosFromChar(int(Pos));
  return MAKELRESULT(WORD(SHORT(P.X)), WORD(SHORT(P.Y)));
}

LRESULT EMCharFromPos(const TEdit& E, LPARAM L) {
  const int Pos = E.CharFromPoint(LParamToPoint(L));
  return MAKELRESULT(WORD(Pos), WORD(E.S.Text.LineOf(Pos)));
}

LRESULT WMGetDlgCode(HWND Wnd) {
  LRESULT Code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  if (HasStyle(Wnd, ES_MULTILINE) && HasStyle(Wnd, ES_WANTRETURN)) Code |= DLGC_WANTALLKEYS;
  return Code;
}

void WMSetFont(TEdit& E, WPARAM W, LPARAM Redraw) {
  E.S.Font = reinterpret_cast<HFONT>(W);
  E.ScrollCaretIntoView();
  // Text in the old font may reach where the new one does not.
  if (Redraw) InvalidateRect(E.Wnd, nullptr, true);
}

void SetFocused(TEdit& E, bool Focused) {
  E.S.Focused = Focused;
  if (!Focused) E.S.Tracking = false;
  RepaintText(E);
}

LRESULT WMNcCreate(TEditState& S, LPARAM L) {
  const auto* Create = reinterpret_cast<const TCreateStruct*>(L);
  if (Create && Create->lpszName) S.Text.SetText(Create->lpszName);
  return TRUE;
}

LRESULT Dispatch(TEdit& E, UINT Msg, WPARAM W, LPARAM L) {
  TEditState& S = E.S;
  switch (Msg) {
    case WM_NCCREATE: return WMNcCreate(S, L);
    case WM_SETTEXT: WMSetText(E, L); return TRUE;
    case WM_GETTEXT: return WMGetText(S, W, L);
    case WM_GETTEXTLENGTH: return S.Text.Length();
    case WM_CHAR: WMChar(E, static_cast<unsigned char>(W)); return 0;
    case WM_KEYDOWN: return WMKeyDown(E, WORD(W)) ? 0 : DefWindowProc(E.Wnd, Msg, W, L);
    case WM_LBUTTONDOWN: WMLButtonDown(E.Wnd, W, LParamToPoint(L)); return 0;
    case WM_MOUSEMOVE: WMMouseMove(E, LParamToPoint(L)); return 0;
    case WM_LBUTTONUP: WMLButtonUp(E); return 0;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(E, LParamToPoint(L)); return 0;
    case WM_CAPTURECHANGED: S.Tracking = false; return 0;
    case WM_SETFOCUS: SetFocused(E, true); return 0;
    case WM_KILLFOCUS: SetFocused(E, false); return 0;
    case WM_ENABLE: Repaint(E.Wnd); return 0;
    case WM_SIZE:
      S.FormatRect.reset();
      SelectionMoved(E);
      return 0;
    case WM_PAINT: WMPaint(E.Wnd, reinterpret_cast<HDC>(W)); return 0;
    case WM_ERASEBKGND: FillBackground(E.Wnd, reinterpret_cast<HDC>(W)); return 1;
    case WM_GETDLGCODE: return WMGetDlgCode(E.Wnd);
    case WM_SETFONT: WMSetFont(E, W, L); return 0;
    case WM_GETFONT: return LRESULT(S.Font);
    case WM_CUT: Cut(E); return 0;
    case WM_COPY: Copy(E); return 0;
    case WM_PASTE: Paste(E); return 0;
    case WM_CLEAR: Clear(E); return 0;
    case WM_UNDO:
    case EM_UNDO: return Undo(E);
    case EM_CANUNDO: return S.Text.CanUndo();
    case EM_EMPTYUNDOBUFFER: S.Text.EmptyUndoBuffer(); return 0;
    case EM_GETSEL: return EMGetSel(S, W, L);
    case EM_SETSEL: EMSetSel(E, W, L); return 0;
    case EM_REPLACESEL: EMReplaceSel(E, W, L); return 0;
    case EM_GETRECT:
      if (auto* R = reinterpret_cast<TRect*>(L)) *R = E.FormatRect();
      return 0;
    case EM_SETRECT: SetFormatRect(E, L, true); return 0;
    case EM_SETRECTNP: SetFormatRect(E, L, false); return 0;
    case EM_SCROLLCARET: ScrollCaret(E); return TRUE;
    case EM_GETMODIFY: return S.Modified;
    case EM_SETMODIFY: S.Modified = W != 0; return 0;
    case EM_GETLINECOUNT: return S.Text.LineCount();
    case EM_LIMITTEXT:
    case EM_SETLIMITTEXT:
      S.Text.SetLimit(W ? int(std::min<WPARAM>(W, TEditText::MaxLimit)) : TEditText::MaxLimit);
      return 0;
    case EM_GETLIMITTEXT: return S.Text.Limit();
    case EM_SETREADONLY: {
      const DWORD Style = StyleOf(E.Wnd);
      SetWindowLong(E.Wnd, GWL_STYLE,
                    LONG_PTR(W ? Style | ES_READONLY : Style & ~DWORD(ES_READONLY)));
      Repaint(E.Wnd);
      return TRUE;
    }
    case EM_SETMARGINS: EMSetMargins(E, W, L); return 0;
    case EM_GETMARGINS: return MAKELRESULT(WORD(S.LeftMargin), WORD(S.RightMargin));
    case EM_POSFROMCHAR: return EMPosFromChar(E, W);
    case EM_CHARFROMPOS: return EMCharFromPos(E, L);
    default: return DefWindowProc(E.Wnd, Msg, W, L);
  }
}

}  // namespace

LRESULT EditWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_NCDESTROY) {
    States().Free(Wnd);
    return DefWindowProc(Wnd, Msg, W, L);
  }
  TEditState* S = States().Get(Wnd);
  if (!S) return DefWindowProc(Wnd, Msg, W, L);
  // The style may change after creation (SetWindowLong); the text's lines follow it.
  S->Text.SetMultiline(HasStyle(Wnd, ES_MULTILINE));
  TEdit E(Wnd, *S);
  return Dispatch(E, Msg, W, L);
}

TWndClass EditWindowClass() {
  return {CS_DBLCLKS, &EditWindowProc, IDC_IBEAM, clNone, "EDIT"};
}

}  // namespace framework
