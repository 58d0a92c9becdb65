#include "framework/controls/control.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/controls/custom_form.h"
#include "framework/controls/win_control.h"
#include "framework/rtl/exceptions.h"
#include "framework/win/focus.h"
#include "framework/win/keyboard.h"
#include "framework/win/mouse.h"
#include "framework/win/painting.h"

namespace framework {

const TTypeInfo& EnumTypeInfo(TDragMode) {
  static const TTypeInfo Info = TTypeInfo::Enumeration("TDragMode", {"dmManual", "dmAutomatic"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TCursor) {
  static const TTypeInfo Info = TTypeInfo::Integer(
      "TCursor", INT16_MIN, INT16_MAX,
      {{"crDefault", crDefault},     {"crNone", crNone},           {"crArrow", crArrow},
       {"crCross", crCross},         {"crIBeam", crIBeam},         {"crSizeNESW", crSizeNESW},
       {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE},   {"crSizeWE", crSizeWE},
       {"crUpArrow", crUpArrow},     {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
       {"crNoDrop", crNoDrop},       {"crHSplit", crHSplit},       {"crVSplit", crVSplit},
       {"crMultiDrag", crMultiDrag}, {"crSQLWait", crSQLWait},     {"crNo", crNo},
       {"crAppStart", crAppStart},   {"crHelp", crHelp},           {"crHandPoint", crHandPoint},
       {"crSizeAll", crSizeAll}});
  return Info;
}

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState Shift;
  if (Keys & MK_SHIFT) Shift.Include(ssShift);
  if (Keys & MK_CONTROL) Shift.Include(ssCtrl);
  if (Keys & MK_LBUTTON) Shift.Include(ssLeft);
  if (Keys & MK_RBUTTON) Shift.Include(ssRight);
  if (Keys & MK_MBUTTON) Shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) Shift.Include(ssAlt);
  return Shift;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState Shift;
  if (GetKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
  if (KeyData & KF_ALTDOWN) Shift.Include(ssAlt);
  return Shift;
}

const TClass& TControl::StaticClass() {
  return TClass::Describe<TControl>("TControl");
}

const TPropertyList& TControl::Published() {
  static const TPropertyList List(
      TComponent::Published(),
      {Property("Left", &TControl::Left, &TControl::SetLeft, 0),
       Property("Top", &TControl::Top, &TControl::SetTop, 0),
       Property("Width", &TControl::Width, &TControl::SetWidth),
       Property("Height", &TControl::Height, &TControl::SetHeight),
       Property("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault),
       Property("Hint", &TControl::Hint, &TControl::SetHint, "")});
  return List;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  SetWindowProc(nullptr);
}

TControl::~TControl() {
  drag::Forget(this);
  Destroying();
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  for (const TControl* Up = AParent; Up; Up = Up->FParent)
    if (Up == this)
      throw EInvalidOperation("A control cannot be the parent of itself or of its parents");
  if (FParent) FParent->Remove(this);
  if (AParent) AParent->Insert(this);
}

TComponent* TControl::GetParentComponent() const {
  return FParent;
}

void TControl::SetParentComponent(TComponent* Value) {
  if (!Value) return SetParent(nullptr);
  auto* WinParent = dynamic_cast<TWinControl*>(Value);
  if (!WinParent) throw EInvalidOperation(Value->ClassName() + " cannot hold controls");
  SetParent(WinParent);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  Invalidate();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  Invalidate();
}

TRect TControl::ClientRect() const {
  return {0, 0, FWidth, FHeight};
}

TPoint TControl::ClientOrigin() const {
  const TPoint Origin = FParent ? FParent->ClientOrigin() : TPoint{};
  return {Origin.X + FLeft, Origin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const {
  const TPoint Origin = ClientOrigin();
  return {P.X + Origin.X, P.Y + Origin.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
  const TPoint Origin = ClientOrigin();
  return {P.X - Origin.X, P.Y - Origin.Y};
}

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value);
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (FParent) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (FParent) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetCtl3D(bool Value) {
  if (FCtl3D == Value) return;
  FCtl3D = Value;
  FParentCtl3D = false;
  Perform(CM_CTL3DCHANGED);
}

void TControl::SetParentCtl3D(bool Value) {
  if (FParentCtl3D == Value) return;
  FParentCtl3D = Value;
  if (FParent) Perform(CM_PARENTCTL3DCHANGED);
}

void TControl::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (FParent) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TComponent* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

std::string TControl::Text() const {
  auto& Self = const_cast<TControl&>(*this);
  const LRESULT Length = std::max<LRESULT>(Self.Perform(WM_GETTEXTLENGTH), 0);
  std::string Buffer(size_t(Length) + 1, '\0');
  const LRESULT Copied = Self.Perform(WM_GETTEXT, Buffer.size(), LPARAM(Buffer.data()));
  Buffer.resize(size_t(std::clamp<LRESULT>(Copied, 0, Length)));
  return Buffer;
}

void TControl::SetText(const std::string& Value) {
  if (Text() == Value) return;
  Perform(WM_SETTEXT, 0, LPARAM(Value.c_str()));
  Perform(CM_TEXTCHANGED);
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || !FVisible) return;
  const TRect R = BoundsRect();
  InvalidateRect(FParent->Handle(), &R, !FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::SetZOrder(bool TopMost) {
  if (FParent) FParent->MoveInZOrder(this, TopMost);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage Message{Msg, WParam, LParam, 0};
  // A copy: the handler may replace the procedure or free the control.
  const TWndMethod Proc = FWindowProc;
  Proc(Message);
  return Message.Result;
}

void TControl::SetWindowProc(TWndMethod Value) {
  FWindowProc = Value ? std::move(Value) : TWndMethod(this, &TControl::WndProc);
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXTLENGTH: Message.Result = LRESULT(FText.size()); return;
    case WM_GETTEXT: {
      auto* Buffer = reinterpret_cast<char*>(Message.LParam);
      if (!Buffer || Message.WParam == 0) return;
      const size_t Count = std::min(FText.size(), size_t(Message.WParam) - 1);
      std::memcpy(Buffer, FText.data(), Count);
      Buffer[Count] = '\0';
      Message.Result = LRESULT(Count);
      return;
    }
    case WM_SETTEXT: {
      const auto* Value = reinterpret_cast<const char*>(Message.LParam);
      FText = Value ? Value : "";
      Message.Result = TRUE;
      return;
    }
    default: return;
  }
}

void TControl::WndProc(TMessage& Message) {
  if (Dragging() && (Message.Msg == WM_MOUSEMOVE || Message.Msg == WM_LBUTTONUP)) {
    const TPoint Screen = ClientToScreen(LParamToPoint(Message.LParam));
    return Message.Msg == WM_MOUSEMOVE ? drag::Move(Screen) : drag::Release(Screen);
  }
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: return WMLButtonDown(Message);
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(Message);
    case WM_LBUTTONUP: return WMLButtonUp(Message);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: return WMButtonDown(Message, mbRight);
    case WM_RBUTTONUP: return WMButtonUp(Message, mbRight);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: return WMButtonDown(Message, mbMiddle);
    case WM_MBUTTONUP: return WMButtonUp(Message, mbMiddle);
    case WM_MOUSEMOVE: return WMMouseMove(Message);
    case CM_PARENTCOLORCHANGED: return CMParentColorChanged(Message);
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(Message);
    case CM_PARENTCTL3DCHANGED: return CMParentCtl3DChanged(Message);
    case CM_PARENTSHOWHINTCHANGED: return CMParentShowHintChanged(Message);
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_CTL3DCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED: return Invalidate();
    default: return DefaultHandler(Message);
  }
}

void TControl::BeginDrag(bool Immediate) {
  TPoint Screen;
  GetCursorPos(Screen);
  SetMouseCapture(true);
  drag::Begin(this, Screen, Immediate);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = bool(OnDragOver);
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::SendCancelMode(TControl* Sender) {
  if (TCustomForm* Form = GetParentForm(this)) Form->SendCancelMode(Sender);
}

HWND TControl::CaptureHandle() {
  return FParent ? FParent->Handle() : HWND();
}

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  if (Value)
    SetCapture(CaptureHandle());
  else
    ReleaseCapture();
}

bool TControl::MouseCapture() const {
  const HWND Captured = GetCapture();
  return Captured && Captured == const_cast<TControl*>(this)->CaptureHandle();
}

void TControl::FontChanged(TObject*) {
  FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Extra) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  const TPoint P = LParamToPoint(Message.LParam);
  MouseDown(Button, KeysToShiftState(Message.WParam) + Extra, P.X, P.Y);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  const TPoint P = LParamToPoint(Message.LParam);
  MouseUp(Button, KeysToShiftState(Message.WParam), P.X, P.Y);
}

void TControl::WMButtonDown(TMessage& Message, TMouseButton Button) {
  SendCancelMode(this);
  DefaultHandler(Message);
  const bool Double = Message.Msg == WM_RBUTTONDBLCLK || Message.Msg == WM_MBUTTONDBLCLK;
  DoMouseDown(Message, Button, Double ? TShiftState{ssDouble} : TShiftState{});
}

void TControl::WMButtonUp(TMessage& Message, TMouseButton Button) {
  DefaultHandler(Message);
  DoMouseUp(Message, Button);
}

void TControl::WMLButtonDown(TMessage& Message) {
  SendCancelMode(this);
  if (FDragMode == dmAutomatic) {
    BeginDrag(false);
    return DoMouseDown(Message, mbLeft, {});
  }
  DefaultHandler(Message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TMessage& Message) {
  SendCancelMode(this);
  DefaultHandler(Message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) DblClick();
  DoMouseDown(Message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (FControlState.Contains(csClicked)) {
    FControlState.Exclude(csClicked);
    if (ClientRect().Contains(LParamToPoint(Message.LParam))) Click();
  }
  DoMouseUp(Message, mbLeft);
}

void TControl::WMMouseMove(TMessage& Message) {
  DefaultHandler(Message);
  if (FControlStyle.Contains(csNoStdEvents)) return;
  const TPoint P = LParamToPoint(Message.LParam);
  MouseMove(KeysToShiftState(Message.WParam), P.X, P.Y);
}

// A child that takes a look from its parent keeps taking it: the assignment below goes through
// the setter, which clears the Parent flag, so the flag is set again after it.
void TControl::CMParentColorChanged(TMessage&) {
  if (!FParentColor || !FParent) return;
  SetColor(FParent->Color());
  FParentColor = true;
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!FParentFont || !FParent) return;
  SetFont(FParent->Font());
  FParentFont = true;
}

void TControl::CMParentCtl3DChanged(TMessage&) {
  if (!FParentCtl3D || !FParent) return;
  SetCtl3D(FParent->Ctl3D());
  FParentCtl3D = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!FParentShowHint || !FParent) return;
  SetShowHint(FParent->ShowHint());
  FParentShowHint = true;
}

std::vector<TPropInfo> PublishedMouseEvents() {
  return {Property("OnMouseDown", &TControl::OnMouseDown),
          Property("OnMouseMove", &TControl::OnMouseMove),
          Property("OnMouseUp", &TControl::OnMouseUp)};
}

std::vector<TPropInfo> PublishedDragEvents() {
  return {Property("OnDragDrop", &TControl::OnDragDrop),
          Property("OnDragOver", &TControl::OnDragOver),
          Property("OnEndDrag", &TControl::OnEndDrag)};
}

}  // namespace framework
