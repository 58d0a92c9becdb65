#include "framework/controls/custom_form.h"

#include "framework/controls/application.h"
#include "framework/controls/screen.h"
#include "framework/rtl/exceptions.h"
#include "framework/win/focus.h"
#include "framework/win/keyboard.h"
#include "framework/win/message_queue.h"
#include "framework/win/window.h"
#include "framework/win/window_position.h"

namespace framework {

namespace {

// Posted by Release: the form frees itself when the message's turn comes, after every handler
// that was running has returned. A number of the form's own, clear of the shared CM_ range.
constexpr UINT CM_RELEASE = CM_BASE + 0x0100;

const char* const CannotFocus = "Cannot focus a disabled or invisible window";

}  // namespace

const TTypeInfo& EnumTypeInfo(TFormBorderStyle) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TFormStyle) {
  static const TTypeInfo Info = TTypeInfo::Enumeration("TFormStyle", {"fsNormal", "fsStayOnTop"});
  return Info;
}

TCustomForm* GetParentForm(const TControl* Control) {
  if (!Control) return nullptr;
  while (Control->Parent()) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Control));
}

const TClass& TCustomForm::StaticClass() {
  return TClass::Describe<TCustomForm>("TCustomForm");
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  InitApplication();
  Screen->AddForm(this);
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
  DoDestroy();
  DestroyHandle();
  if (Screen) Screen->RemoveForm(this);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style &= ~DWORD(WS_CHILD | WS_VISIBLE);
  Params.Style |= FBorderStyle == bsNone ? DWORD(WS_POPUP) : DWORD(WS_CAPTION | WS_BORDER);
  if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  Params.WndParent = nullptr;
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  const bool Loading = ComponentState().Contains(csLoading);
  if (Control &&
      (Control == this || GetParentForm(Control) != this || (!Loading && !Control->CanFocus())))
    throw EInvalidOperation(CannotFocus);
  FActiveControl = Control;
  if (!Loading && FActive) SetWindowFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  const int Count = ++FFocusCount;
  FActiveControl = Control != this ? Control : nullptr;
  if (Control->ControlState().Contains(csFocusing)) return true;
  const HWND FocusHandle = Control->Handle();
  auto Moved = [&] { return FFocusCount != Count || GetFocus() != FocusHandle; };
  while (FFocusedControl && !FFocusedControl->ContainsControl(Control)) {
    TWinControl* Leaving = FFocusedControl;
    FFocusedControl = Leaving->Parent();
    Leaving->Perform(CM_EXIT);
    if (Moved()) return false;
  }
  while (FFocusedControl != Control) {
    TWinControl* Entering = Control;
    while (Entering->Parent() != FFocusedControl) Entering = Entering->Parent();
    FFocusedControl = Entering;
    Entering->Perform(CM_ENTER);
    if (Moved()) return false;
  }
  Perform(CM_FOCUSCHANGED, 0, LPARAM(Control));
  return true;
}

void TCustomForm::FocusControl(TWinControl* Control) {
  const bool WasActive = FActive;
  SetActiveControl(Control);
  if (!WasActive) SetFocus();
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->Parent();
  if (Control->ContainsControl(FActiveControl)) SetActiveControl(nullptr);
}

void TCustomForm::FocusLeaving(HWND NewFocus) {
  if (!HandleAllocated()) return;
  const HWND Own = Handle();
  if (NewFocus != Own && !IsChild(Own, NewFocus)) SendCancelMode(nullptr);
}

void TCustomForm::SendCancelMode(TControl* Sender) {
  if (FActiveControl) FActiveControl->Perform(CM_CANCELMODE, 0, LPARAM(Sender));
}

void TCustomForm::SetWindowFocus() {
  framework::SetFocus(FActiveControl ? FActiveControl->Handle() : Handle());
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  FFormStyle = Value;
  if (HandleAllocated())
    SetWindowPos(Handle(), Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::Close() {
  TCloseAction Action = caHide;
  DoClose(Action);
  if (Action == caHide) Hide();
  if (Action == caFree) Release();
}

void TCustomForm::Release() {
  PostMessage(Handle(), CM_RELEASE);
}

bool TCustomForm::CanFocus() const {
  return Visible() && Enabled();
}

void TCustomForm::SetFocus() {
  if (FActive) return;
  if (!CanFocus()) throw EInvalidOperation(CannotFocus);
  SetWindowFocus();
}

// The controls, then the form's other components (a data source), which have no parent.
void TCustomForm::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TWinControl::GetChildren(Proc, Root);
  TComponent::GetChildren(Proc, Root);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  DoCreate();
  if (Visible()) UpdateShowing();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::UpdateShowing() {
  if (Visible()) {
    DoShow();
    if (HandleAllocated())
      ShowWindow(Handle(), SW_SHOW);
    else
      CreateHandle();
  } else {
    DoHide();
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE: return WMActivate(Message);
    case WM_SETFOCUS: return WMSetFocus(Message);
    case WM_CLOSE: return WMClose(Message);
    case CM_DIALOGKEY: return CMDialogKey(Message);
    case CM_VISIBLECHANGED: return CMVisibleChanged(Message);
    case CM_RELEASE: return CMRelease(Message);
    default: return TWinControl::WndProc(Message);
  }
}

// An activated form without an active control starts at its first control in tab order; the
// focus reaches it when the window system focuses the form.
void TCustomForm::WMActivate(TMessage& Message) {
  FActive = LOWORD(Message.WParam) != WA_INACTIVE;
  if (FActive && !FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
  DefaultHandler(Message);
}

void TCustomForm::WMSetFocus(TMessage& Message) {
  if (FActiveControl && FActiveControl->CanFocus()) {
    framework::SetFocus(FActiveControl->Handle());
    return;
  }
  TWinControl::WndProc(Message);
}

void TCustomForm::WMClose(TMessage&) {
  Close();
}

void TCustomForm::CMDialogKey(TMessage& Message) {
  if (GetKeyState(VK_MENU) < 0) return TWinControl::WndProc(Message);
  switch (Message.WParam) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0) break;
      SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
      Message.Result = 1;
      return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      if (!FActiveControl) return;
      FActiveControl->Parent()->SelectNext(
          FActiveControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN, false);
      Message.Result = 1;
      return;
    default: break;
  }
  TWinControl::WndProc(Message);
}

// A form being read shows once it is loaded.
void TCustomForm::CMVisibleChanged(TMessage&) {
  if (!ComponentState().Contains(csLoading)) UpdateShowing();
}

void TCustomForm::CMRelease(TMessage&) {
  delete this;
}

}  // namespace framework
