#include "date/calendar_options.h"
#include "date/custom_dovrel.h"
#include "date/draw_button.h"
#include "date/drop_down_calendar.h"
#include "framework/controls/application.h"
#include "framework/controls/custom_form.h"
#include "framework/controls/new_style_controls.h"
#include "framework/controls/screen.h"
#include "framework/rtl/guards.h"
#include "framework/rtl/string_functions.h"
#include "framework/win/mouse.h"
#include "framework/win/painting.h"
#include "framework/win/system_metrics.h"
#include "framework/win/window.h"
#include "framework/win/window_position.h"

namespace tarvex {

using namespace framework;

namespace {

bool IsFlatSingle(const TCustomDovrel& Edit) {
  return !Edit.Ctl3D() && Edit.BorderStyle() == bsSingle;
}

}  // namespace

void TCustomDovrel::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= DWORD(ES_MULTILINE) | DWORD(WS_CLIPCHILDREN);
  Params.WindowClass.style |= CS_SAVEBITS;
}

// The edit's window gets a procedure of the control's own in front of the framework's, which
// answers the edit's colour request from the painting canvas.
void TCustomDovrel::CreateWnd() {
  TCustomEdit::CreateWnd();
  SetEditRect();
  if (FNewWndProc) {
    if (Parent()) SetWindowLong(Handle(), GWL_WNDPROC, FOldWndProc);
    FNewWndProc = nullptr;
  }
  FNewWndProc = WNDPROC(
      [this](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) { return DovrelWndProc(Wnd, Msg, W, L); });
  FOldWndProc = SetWindowLong(Handle(), GWL_WNDPROC, FNewWndProc);
}

LRESULT TCustomDovrel::DovrelWndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  const WNDPROC Old = FOldWndProc;
  if (Msg == WM_DESTROY && FNewWndProc) {
    if (Parent()) SetWindowLong(Wnd, GWL_WNDPROC, FOldWndProc);
    FNewWndProc = nullptr;
  }
  if (Msg == CN_CTLCOLOREDIT) {
    SetCanvasBackGroundColors();
    const auto DC = reinterpret_cast<HDC>(W);
    DC->SetTextColor(TColor(ColorToRGB(FCanvas->Font()->Color())));
    DC->SetBkColor(TColor(ColorToRGB(FCanvas->Brush()->Color())));
    return LRESULT(FCanvas->Brush()->Color());
  }
  return CallWindowProc(Old, Wnd, Msg, W, L);
}

void TCustomDovrel::SetCanvasBackGroundColors() {
  FCanvas->Brush()->SetColor(Color());
  FCanvas->Font()->SetColor(Font()->Color());
}

// Unfocused in a grid, the edit looks like the grid's selected cell.
void TCustomDovrel::SetCanvasTextColors() {
  if (ParentIsGrid() && !Focused() && !ComponentState().Contains(csDesigning)) {
    FCanvas->Brush()->SetColor(clHighlight);
    FCanvas->Font()->SetColor(clHighlightText);
    return;
  }
  SetCanvasBackGroundColors();
}

void TCustomDovrel::GetTextMargins(TPoint& Margins) {
  const int FontHeight = Font()->Face().Height();
  if (NewStyleControls) {
    const int Inset = BorderStyle() == bsNone ? 2 : Ctl3D() ? 1 : 2;
    const int Left = HandleAllocated() ? LOWORD(uintptr_t(Perform(EM_GETMARGINS))) : 0;
    Margins = {Left + Inset, Inset};
  } else {
    const int Inset = BorderStyle() == bsSingle ? 3 : 2;
    Margins = {Inset, Inset};
  }
  const int Border = 2 * GetSystemMetrics(SM_CYBORDER);
  if (BorderStyle() == bsSingle)
    FTextHeight = Border + Margins.Y + FontHeight + (Ctl3D() ? Border : 0);
  else
    FTextHeight = Margins.Y + FontHeight;
}

// The text never runs under the button.
void TCustomDovrel::SetEditRect() {
  if (!HandleAllocated()) return;
  Perform(EM_GETRECT, 0, LPARAM(&FEditRect));
  const bool Single = BorderStyle() == bsSingle;
  if (Single)
    FEditRect.Bottom = FTextHeight + 1 + (!NewStyleControls && !Ctl3D() ? 3 : 0);
  else
    FEditRect.Bottom = FEditRect.Bottom + FEditRect.Top;
  FEditRect.Top = FEditRect.Left = Single && !NewStyleControls ? -1 : 0;
  if (!Single && Height() > FTextHeight) {
    FEditRect.Top += 2;
    FEditRect.Bottom += 2;
    FEditRect.Left += 2;
  }
  if (!GetDropDownButtonVisible())
    FEditRect.Right = ClientWidth();
  else
    FEditRect.Right = ClientWidth() - FButtonWidth + (Single && Ctl3D() ? 1 : 0);
  Perform(EM_SETRECTNP, 0, LPARAM(&FEditRect));
}

bool TCustomDovrel::GetDropDownButtonVisible() const {
  const bool Designing = ComponentState().Contains(csDesigning);
  if (FButtonDisplay == bdAlways) return true;
  if (FButtonDisplay == bdNever) return false;
  if (ControlState().Contains(csPaintCopy)) return Designing;
  return Focused() || Designing;
}

bool TCustomDovrel::CanDropDown() {
  return true;
}

void TCustomDovrel::DrawDropDownButton() {
  if (!GetDropDownButtonVisible()) return;
  TRect R;
  if (!NewStyleControls) {
    R = {Width() - FButtonWidth, 0, Width(), Height()};
  } else {
    R = {ClientWidth() - FButtonWidth, 0, ClientWidth(), ClientHeight()};
    if (IsFlatSingle(*this)) {
      const int CY = 2 * GetSystemMetrics(SM_CYBORDER), CX = 2 * GetSystemMetrics(SM_CXBORDER);
      R = {R.Left - CX, R.Top + CY, R.Right - CX, R.Bottom - CY};
    }
  }
  FButtonRect = R;
  // A paint that does not reach the button (a typed key repaints the text only) leaves it be.
  TRect Reached;
  if (!IntersectRect(Reached, R, FCanvas->ClipRect())) return;
  DrawButton(R, FCanvas.get(), FButtonBitmap.get(), clBlack, CanDropDown() && Enabled(),
             FButtonPressed);
}

void TCustomDovrel::WMPaint(TMessage& Message) {
  TPaintStruct Paint;
  HDC DC = reinterpret_cast<HDC>(Message.WParam);
  const bool OwnContext = !DC;
  if (OwnContext) DC = BeginPaint(Handle(), Paint);
  FCanvas->SetHandle(DC);
  TScopeExit Detach([&] {
    FCanvas->SetHandle(nullptr);
    if (OwnContext) EndPaint(Handle(), Paint);
  });
  const bool PaintCopy = ControlState().Contains(csPaintCopy);
  FCanvas->SetFont(Font());
  TRect R = ClientRect();
  if (IsFlatSingle(*this)) {
    FCanvas->Brush()->SetColor(clWindowFrame);
    FCanvas->FrameRect(R);
    R = {R.Left + 1, R.Top + 1, R.Right - 2, R.Bottom - 1};
  }
  if (GetDropDownButtonVisible()) R.Right -= FButtonWidth;
  DrawDropDownButton();
  TPoint Margins;
  GetTextMargins(Margins);
  SetEditRect();
  SetCanvasTextColors();
  std::string S;
  GetDisplayText(PaintCopy, S);
  if (CharCase() == ecUpperCase) S = AnsiUpperCase(S);
  if (CharCase() == ecLowerCase) S = AnsiLowerCase(S);
  if (PaintCopy || !Focused()) {
    FCanvas->TextRect(R, R.Left + Margins.X, R.Top + Margins.Y, S);
  } else {
    TMessage Own{WM_PAINT, WPARAM(DC), 0, 0};
    TCustomEdit::WndProc(Own);
  }
  if (ParentIsGrid() && !Focused() && !ComponentState().Contains(csDesigning))
    FCanvas->DrawFocusRect(R);
}

void TCustomDovrel::WMEraseBkgnd(TMessage& Message) {
  FCanvas->SetHandle(reinterpret_cast<HDC>(Message.WParam));
  TScopeExit Detach([this] { FCanvas->SetHandle(nullptr); });
  TRect R = ClientRect();
  if (IsFlatSingle(*this)) {
    FCanvas->Brush()->SetColor(clWindowFrame);
    FCanvas->FrameRect(R);
    R = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
    SetCanvasBackGroundColors();
    FCanvas->FillRect(R);
    R.Right -= 1;
  } else {
    SetCanvasBackGroundColors();
    FCanvas->FillRect(R);
  }
  SetCanvasTextColors();
  if (GetDropDownButtonVisible()) R.Right -= FButtonWidth;
  FCanvas->FillRect(R);
  DrawDropDownButton();
  Message.Result = 1;
}

void TCustomDovrel::GetDisplayText(bool, std::string& S) {
  S = Text();
}

void TCustomDovrel::SetButtonDisplay(TButtonDisplay Value) {
  FButtonDisplay = Value;
  Invalidate();
}

void TCustomDovrel::ButtonRectChanged() {
  if (HandleAllocated()) InvalidateRect(Handle(), &FButtonRect, false);
}

void TCustomDovrel::SetButtonStyle(TDropDownButtonStyle Value) {
  FButtonStyle = Value;
  if (Value == bsComboAuto) Value = NewStyleControls ? bsComboNew : bsComboOld;
  switch (Value) {
    case bsCalendar: FButtonBitmap->LoadFromResourceName("DovrelCalendar"); break;
    case bsComboNew: FButtonBitmap->LoadFromResourceName("DovrelComboNew"); break;
    case bsComboOld: FButtonBitmap->LoadFromResourceName("DovrelComboOld"); break;
    default:
      // A stored form gives the custom glyph before the style: loading keeps it.
      if (!ComponentState().Contains(csLoading)) FButtonBitmap = std::make_unique<TBitmap>();
      break;
  }
  ButtonRectChanged();
}

void TCustomDovrel::SetButtonBitmap(const TBitmap* Value) {
  if (!ComponentState().Contains(csLoading)) FButtonStyle = bsCustom;
  FButtonBitmap->Assign(Value);
  ButtonRectChanged();
}

void TCustomDovrel::SetDropDownButtonPressed(bool Value) {
  FButtonPressed = Value;
  if (!HandleAllocated()) return;
  ButtonRectChanged();
  UpdateWindow(Handle());
}

void TCustomDovrel::WMSize(TMessage& Message) {
  TCustomEdit::WndProc(Message);
  TPoint Margins;
  GetTextMargins(Margins);
  Invalidate();
}

void TCustomDovrel::CMEnabledChanged(TMessage& Message) {
  TCustomEdit::WndProc(Message);
  Invalidate();
}

void TCustomDovrel::CMFontChanged(TMessage& Message) {
  TCustomEdit::WndProc(Message);
  Invalidate();
  if (FCalendarOptions->ParentFont()) FCalendarOptions->SetParentFont(true);
}

void TCustomDovrel::CMColorChanged(TMessage& Message) {
  TCustomEdit::WndProc(Message);
  if (FCalendarOptions->ParentColor()) FCalendarOptions->SetParentColor(true);
}

void TCustomDovrel::CMCtl3DChanged(TMessage& Message) {
  TCustomEdit::WndProc(Message);
  if (FCalendarOptions->ParentCtl3D()) FCalendarOptions->SetParentCtl3D(true);
}

TRect TCustomDovrel::ButtonHitRect() const {
  return {ClientWidth() - FButtonWidth, 0, ClientWidth(), ClientHeight()};
}

bool TCustomDovrel::TrackButton(int X, int Y) {
  if (GetDropDownButtonVisible()) {
    const bool Pressed = ButtonHitRect().Contains({X, Y});
    if (Pressed != FButtonPressed) SetDropDownButtonPressed(Pressed);
  }
  return FButtonPressed;
}

void TCustomDovrel::StopTracking() {
  if (!FTracking) return;
  TrackButton(-1, -1);
  FTracking = false;
  SetMouseCapture(false);
}

void TCustomDovrel::SetFocused(bool Value) {
  if (Value) {
    if (!Focused()) SetFocus();
    return;
  }
  StopTracking();
  SetDropDownButtonPressed(false);
}

void TCustomDovrel::WMLButtonDown(TMessage& Message) {
  const bool WasFocused = Focused();
  const bool WasOpen = FCalendar && FCalendar->Visible();
  const TPoint P = LParamToPoint(Message.LParam);
  if (!TrackButton(P.X, P.Y)) {
    TCustomEdit::WndProc(Message);
    if (!WasFocused && AutoSelect()) SelectAll();
    return;
  }
  SetFocused(true);
  if (!Focused()) return SetFocused(false);
  SetMouseCapture(true);
  FTracking = true;
  if (WasOpen)
    CloseUp();
  else
    DropDown(dsUserAction);
}

// A drag from the button into the open calendar becomes a press there: releasing it over a day
// picks the day.
void TCustomDovrel::WMMouseMove(TMessage& Message) {
  if (!FTracking) return TCustomEdit::WndProc(Message);
  const TPoint P = LParamToPoint(Message.LParam);
  TrackButton(P.X, P.Y);
  if (!FCalendar || !FCalendar->Visible()) return;
  TPoint At = P;
  framework::ClientToScreen(Handle(), At);
  framework::ScreenToClient(FCalendar->Handle(), At);
  if (!FCalendar->ClientRect().Contains(At)) return;
  StopTracking();
  SendMessage(FCalendar->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(WORD(At.X), WORD(At.Y)));
}

// A click into the text selects the cell it hit.
void TCustomDovrel::WMLButtonUp(TMessage& Message) {
  if (FTracking) return StopTracking();
  TCustomEdit::WndProc(Message);
  if (SelLength() == 0) SetCurrentCell(GetCellNumber(Text(), SelStart() + 1));
}

void TCustomDovrel::WMLButtonDblClk(TMessage& Message) {
  const TPoint P = LParamToPoint(Message.LParam);
  if (GetDropDownButtonVisible() && ButtonHitRect().Contains(P)) return;
  TCustomEdit::WndProc(Message);
}

void TCustomDovrel::WMSetCursor(TMessage& Message) {
  if (GetDropDownButtonVisible() && SHORT(LOWORD(uintptr_t(Message.LParam))) == HTCLIENT) {
    TPoint P;
    GetCursorPos(P);
    if (ButtonHitRect().Contains(ScreenToClient(P))) {
      InitApplication();
      framework::SetCursor(Screen->Cursors(FButtonCursor));
      Message.Result = TRUE;
      return;
    }
  }
  TCustomEdit::WndProc(Message);
}

void TCustomDovrel::WMKillFocus(TMessage& Message) {
  CloseUp();
  TCustomEdit::WndProc(Message);
}

// A press elsewhere closes the calendar; the edit's own presses and its calendar's do not.
void TCustomDovrel::CMCancelMode(TMessage& Message) {
  const auto* Sender = reinterpret_cast<const TControl*>(Message.LParam);
  if (Sender != this && (!FCalendar || Sender != FCalendar)) CloseUp();
  TCustomEdit::WndProc(Message);
}

void TCustomDovrel::DropDown(TDropDownState State) {
  if (!FCalendar) CreateCalendar();
  if (FCalendar && !FCalendar->Visible() && OnDropDown) OnDropDown(this, State);
  DoDropDown(State);
}

void TCustomDovrel::CreateCalendar() {
  if (FCalendar) return;
  delete FClosedCalendar;
  FClosedCalendar = nullptr;
  FCalendar = new TDropDownCalendar(this);
  FCalendar->FEdit = this;
  FCalendar->SetVisible(false);
  FCalendar->SetParent(this);
  FCalendarOptions->InitDropDownCalendar();
}

void TCustomDovrel::DoDropDown(TDropDownState) {
  if (!FCalendar || !FCalendarOptions || FCalendar->Visible()) return;
  FCalendar->ResetSize();
  const int CW = FCalendar->Width(), CH = FCalendar->Height();
  TPoint P = ClientOrigin();
  const bool Framed = Ctl3D() && BorderStyle() == bsSingle;
  const int CX = GetSystemMetrics(SM_CXBORDER), CY = GetSystemMetrics(SM_CYBORDER);
  if (NewStyleControls) {
    if (Framed) P.X -= 2 * CX;
    P.Y -= CY;
  }
  const int Above = Framed ? P.Y - CH - 1 : P.Y - CH;
  int Below;
  if (NewStyleControls)
    Below = P.Y + ClientHeight() + (Framed ? 3 : 2) * CY;
  else
    Below = P.Y + Height() - (BorderStyle() == bsSingle ? 1 : 0);
  const bool RoomAbove = P.Y - CH - 1 >= 0;
  int Top = FCalendarOptions->AlignVertically() == daTop && RoomAbove ? Above : Below;
  InitApplication();
  if (Top + CH > Screen->Height() && RoomAbove) Top = Above;
  int Left;
  if (FCalendarOptions->AlignHorizontally() == daLeft) {
    Left = P.X + CW > Screen->Width() ? P.X + Width() - CW : P.X;
  } else {
    Left = P.X + Width() - CW;
    if (Left <= 0) Left = P.X;
  }
  SetWindowPos(FCalendar->Handle(), HWND_TOP, Left, Top, CW, CH, SWP_SHOWWINDOW);
  const auto* Form = dynamic_cast<const TCustomForm*>(Owner());
  if (Form && Form->FormStyle() == fsStayOnTop)
    SetWindowPos(FCalendar->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  FCalendar->SetVisible(true);
  SetFocus();
}

void TCustomDovrel::CloseUp() {
  if (!FCalendar || !FCalendar->Visible()) return;
  if (OnCloseUp) OnCloseUp(this);
  DoCloseUp();
}

// The calendar may be closing itself from within its own mouse handling: it is hidden at once
// and freed once it can no longer be running, at the next drop-down or with the edit.
void TCustomDovrel::DoCloseUp() {
  if (!FCalendar) return;
  if (FCalendar->Visible()) FCalendar->Hide();
  delete FClosedCalendar;
  FClosedCalendar = FCalendar;
  FCalendar = nullptr;
}

}  // namespace tarvex
