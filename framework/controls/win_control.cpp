#include "framework/controls/win_control.h"

#include <algorithm>
#include <unordered_map>

#include "framework/controls/application.h"
#include "framework/controls/custom_form.h"
#include "framework/controls/screen.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/guards.h"
#include "framework/win/cursors.h"
#include "framework/win/focus.h"
#include "framework/win/painting.h"
#include "framework/win/window.h"
#include "framework/win/window_position.h"

namespace framework {

namespace {

// Every control that has a window, by its handle.
std::unordered_map<HWND, TWinControl*>& WindowControls() {
  static std::unordered_map<HWND, TWinControl*> Controls;
  return Controls;
}

// The control whose CreateWindowEx is running: only its own WM_NCCREATE attaches it.
TWinControl* CreationControl = nullptr;

bool IsReflected(UINT Msg) {
  return Msg >= CN_BASE && Msg < UINT(CN_BASE) + UINT(WM_USER);
}

// The dialog code bit that a control answers to keep a navigation key for itself.
LRESULT DialogKeyMask(Word Key) {
  switch (Key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_ESCAPE: return DLGC_WANTALLKEYS;
    default: return 0;
  }
}

template <class T>
void EraseFrom(std::vector<T*>& List, const void* Item) {
  List.erase(std::remove(List.begin(), List.end(), Item), List.end());
}

}  // namespace

const TClass& TWinControl::StaticClass() {
  return TClass::Describe<TWinControl>("TWinControl");
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  Destroying();
  SetParent(nullptr);
  DestroyHandle();
  while (!FControls.empty()) delete FControls.back();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (Parent()) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  const bool WasFocused = Focused();
  DestroyHandle();
  if (!Parent() || Parent()->HandleAllocated()) CreateHandle();
  if (WasFocused && FHandle) framework::SetFocus(FHandle);
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TWinControl* Child : FTabList) Child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  {
    FControlState.Include(csCreating);
    TScopeExit Created([this] { FControlState.Exclude(csCreating); });
    CreateWnd();
  }
  PlaceInZOrder();
  CreateChildHandles();
  // A top-level window shows once its children exist, so that its activation finds them.
  if (!Parent() && Visible()) ShowWindow(FHandle, SW_SHOW);
}

void TWinControl::CreateChildHandles() {
  const std::vector<TWinControl*> Children = FTabList;
  for (TWinControl* Child : Children)
    if (Child->Visible()) Child->CreateHandle();
}

// A window made after its later siblings goes below them, as the control order has it.
void TWinControl::PlaceInZOrder() {
  if (!Parent()) return;
  const auto& Siblings = Parent()->FControls;
  auto It = std::find(Siblings.begin(), Siblings.end(), this);
  for (++It; It != Siblings.end(); ++It) {
    auto* Above = dynamic_cast<TWinControl*>(*It);
    if (Above && Above->FHandle) {
      SetWindowPos(FHandle, Above->FHandle, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return;
    }
  }
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Parent() && Visible()) Params.Style |= WS_VISIBLE;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  if (Parent()) Params.WndParent = Parent()->Handle();
  Params.WindowClass.style = CS_HREDRAW | CS_VREDRAW;
  if (ControlStyle().Contains(csDoubleClicks)) Params.WindowClass.style |= CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = &DefWindowProc;
  Params.WindowClass.hCursor = IDC_ARROW;
  Params.WindowClass.hbrBackground = clNone;
  Params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& Params, const std::string& ControlClassName) {
  const UINT DoubleClicks = Params.WindowClass.style & CS_DBLCLKS;
  if (!GetClassInfo(ControlClassName, Params.WindowClass))
    throw EInvalidOperation("Window class " + ControlClassName + " is not registered");
  Params.WindowClass.style |= CS_HREDRAW | CS_VREDRAW | DoubleClicks;
}

void TWinControl::RegisterWindowClass(const TCreateParams& Params) {
  const WNDPROC Init(&InitWndProc);
  TWndClass Registered;
  if (GetClassInfo(Params.WinClassName, Registered)) {
    if (Registered.lpfnWndProc == Init) return;
    throw EInvalidOperation("Window class " + Params.WinClassName +
                            " is registered for other windows");
  }
  TWndClass Class = Params.WindowClass;
  Class.lpfnWndProc = Init;
  Class.lpszClassName = Params.WinClassName;
  if (!RegisterClass(Class))
    throw EInvalidOperation("Cannot register window class " + Params.WinClassName);
}

void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  if ((Params.Style & WS_CHILD) && !Params.WndParent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  FDefWndProc = Params.WindowClass.lpfnWndProc;
  RegisterWindowClass(Params);
  CreateWindowHandle(Params);
  if (!FHandle) throw EInvalidOperation("Error creating window for " + ClassName());
  Perform(WM_SETFONT, WPARAM(&Font()->Face()), FALSE);
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  TFlagGuard Creating(CreationControl, this);
  CreateWindowEx(Params.ExStyle, Params.WinClassName, Params.Caption, Params.Style, Params.X,
                 Params.Y, Params.Width, Params.Height, Params.WndParent, 0, this);
}

void TWinControl::DestroyWnd() {
  FText = Text();
  FControlState.Include(csDestroyingHandle);
  TScopeExit Destroyed([this] { FControlState.Exclude(csDestroyingHandle); });
  DestroyWindow(FHandle);
  if (FHandle) DetachWindow();
}

LRESULT TWinControl::InitWndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  const auto* Create = reinterpret_cast<const TCreateStruct*>(L);
  if (Msg != WM_NCCREATE || !Create || !CreationControl ||
      Create->lpCreateParams != CreationControl)
    return DefWindowProc(Wnd, Msg, W, L);
  TWinControl* Control = CreationControl;
  CreationControl = nullptr;
  Control->AttachWindow(Wnd);
  TMessage Message{Msg, W, L, 0};
  Control->MainWndProc(Message);
  return Message.Result;
}

void TWinControl::AttachWindow(HWND Wnd) {
  FHandle = Wnd;
  WindowControls()[Wnd] = this;
  SetWindowLong(Wnd, GWL_WNDPROC, WNDPROC([this](HWND, UINT Msg, WPARAM W, LPARAM L) {
                  TMessage Message{Msg, W, L, 0};
                  MainWndProc(Message);
                  return Message.Result;
                }));
}

void TWinControl::DetachWindow() {
  WindowControls().erase(FHandle);
  FHandle = nullptr;
}

TWinControl* TWinControl::FindControl(HWND Wnd) {
  const auto Found = WindowControls().find(Wnd);
  return Found == WindowControls().end() ? nullptr : Found->second;
}

void TWinControl::MainWndProc(TMessage& Message) {
  try {
    const TWndMethod Proc = WindowProc();
    Proc(Message);
  } catch (...) {
    InitApplication();
    Application->HandleException(this);
  }
  if (Message.Msg == WM_NCDESTROY) DetachWindow();
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) return TControl::DefaultHandler(Message);
  if (IsReflected(Message.Msg)) return;
  Message.Result =
      CallWindowProc(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

TControl* TWinControl::Controls(int Index) const {
  if (Index < 0 || Index >= ControlCount())
    throw EInvalidOperation("Control index out of bounds (" + std::to_string(Index) + ")");
  return FControls[size_t(Index)];
}

void TWinControl::InsertControl(TControl* AControl) {
  AControl->SetParent(this);
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (AControl->Parent() == this) AControl->SetParent(nullptr);
}

void TWinControl::Insert(TControl* AControl) {
  FControls.push_back(AControl);
  AControl->FParent = this;
  auto* Child = dynamic_cast<TWinControl*>(AControl);
  if (Child) FTabList.push_back(Child);
  AControl->Perform(CM_PARENTCOLORCHANGED);
  AControl->Perform(CM_PARENTFONTCHANGED);
  AControl->Perform(CM_PARENTCTL3DCHANGED);
  AControl->Perform(CM_PARENTSHOWHINTCHANGED);
  if (!Child)
    AControl->Invalidate();
  else if (FHandle && Child->Visible() && !Child->ComponentState().Contains(csLoading))
    Child->CreateHandle();
}

void TWinControl::Remove(TControl* AControl) {
  if (auto* Child = dynamic_cast<TWinControl*>(AControl)) {
    Child->RemoveFocus(true);
    Child->DestroyHandle();
    EraseFrom(FTabList, Child);
  } else {
    AControl->Invalidate();
  }
  EraseFrom(FControls, AControl);
  AControl->FParent = nullptr;
}

void TWinControl::MoveInZOrder(TControl* AControl, bool TopMost) {
  EraseFrom(FControls, AControl);
  FControls.insert(TopMost ? FControls.end() : FControls.begin(), AControl);
  AControl->Invalidate();
}

void TWinControl::SetZOrder(bool TopMost) {
  TControl::SetZOrder(TopMost);
  if (FHandle)
    SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  for (; Control; Control = Control->Parent())
    if (Control == this) return true;
  return false;
}

void TWinControl::RemoveFocus(bool Removing) {
  TCustomForm* Form = GetParentForm(this);
  if (Form && Form != this) Form->DefocusControl(this, Removing);
}

bool TWinControl::Focused() const {
  return FHandle && GetFocus() == FHandle;
}

bool TWinControl::CanFocus() const {
  const TCustomForm* Form = GetParentForm(this);
  if (!Form) return false;
  for (const TWinControl* Control = this; Control != Form; Control = Control->Parent())
    if (!Control->Visible() || !Control->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* Form = GetParentForm(this)) return Form->FocusControl(this);
  if (!FHandle) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  framework::SetFocus(FHandle);
}

void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  if (!FHandle) return;
  const LONG_PTR Style = GetWindowLong(FHandle, GWL_STYLE);
  SetWindowLong(FHandle, GWL_STYLE, Value ? Style | WS_TABSTOP : Style & ~LONG_PTR(WS_TABSTOP));
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& List = Parent()->FTabList;
  return int(std::find(List.begin(), List.end(), this) - List.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (ComponentState().Contains(csReading))
    FPendingTabOrder = Value;
  else
    UpdateTabOrder(Value);
}

void TWinControl::UpdateTabOrder(int Value) {
  if (!Parent()) return;
  auto& List = Parent()->FTabList;
  const int Count = int(List.size());
  if (Value < 0 || Value >= Count) Value = Count - 1;
  EraseFrom(List, this);
  List.insert(List.begin() + Value, this);
}

// Siblings read from a stored form take their tab orders together: placing them one by one as
// they are read would clamp a later place to the siblings read so far.
void TWinControl::ApplyPendingTabOrders() {
  auto Key = [this](const TWinControl* Child) {
    return Child->FPendingTabOrder >= 0 ? Child->FPendingTabOrder : Child->TabOrder();
  };
  std::vector<std::pair<int, TWinControl*>> Keyed;
  for (TWinControl* Child : FTabList) Keyed.emplace_back(Key(Child), Child);
  std::stable_sort(Keyed.begin(), Keyed.end(),
                   [](const auto& A, const auto& B) { return A.first < B.first; });
  for (size_t I = 0; I < Keyed.size(); ++I) {
    FTabList[I] = Keyed[I].second;
    FTabList[I]->FPendingTabOrder = -1;
    FTabList[I]->ApplyPendingTabOrders();
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* Child : FTabList) {
    List.push_back(Child);
    Child->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) const {
  std::vector<TWinControl*> List;
  GetTabOrderList(List);
  if (List.empty()) return nullptr;
  const int Count = int(List.size());
  int Start = int(std::find(List.begin(), List.end(), CurControl) - List.begin());
  if (Start == Count) Start = GoForward ? Count - 1 : 0;
  int I = Start;
  do {
    I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
    TWinControl* Candidate = List[size_t(I)];
    if (Candidate->CanFocus() && (!CheckTabStop || Candidate->TabStop()) &&
        (!CheckParent || Candidate->Parent() == this))
      return Candidate;
  } while (I != Start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* Next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
    Next->SetFocus();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!FHandle) return TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  SetWindowPos(FHandle, nullptr, ALeft, ATop, std::max(AWidth, 0), std::max(AHeight, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBounds();
}

// The fields follow the window: in the parent's client coordinates, or on the screen for a
// top-level window (a drop-down detached from its parent included).
void TWinControl::UpdateBounds() {
  TRect R;
  if (!GetWindowRect(FHandle, R)) return;
  const HWND ParentWnd = GetParent(FHandle);
  if (ParentWnd && IsChild(ParentWnd, FHandle)) MapWindowPoints(nullptr, ParentWnd, R);
  FLeft = R.Left;
  FTop = R.Top;
  FWidth = R.Width();
  FHeight = R.Height();
}

TRect TWinControl::ClientRect() const {
  TRect R;
  if (FHandle && GetClientRect(FHandle, R)) return R;
  return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
  TPoint P;
  if (FHandle && framework::ClientToScreen(FHandle, P)) return P;
  return TControl::ClientOrigin();
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  const std::vector<TControl*> Children = FControls;
  for (TControl* Child : Children)
    if (Child->Owner() == Root) Proc(Child);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  ApplyPendingTabOrders();
  if (!FHandle && Parent() && Parent()->HandleAllocated() && Visible()) CreateHandle();
}

void TWinControl::NotifyControls(UINT Msg) {
  const std::vector<TControl*> Children = FControls;
  for (TControl* Child : Children) Child->Perform(Msg);
}

void TWinControl::Broadcast(TMessage& Message) {
  const std::vector<TControl*> Children = FControls;
  for (TControl* Child : Children) {
    const TWndMethod Proc = Child->WindowProc();
    Proc(Message);
    if (Message.Result) return;
  }
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: return WMSetFocus(Message);
    case WM_KILLFOCUS: return WMKillFocus(Message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return WMKeyDown(Message);
    case WM_CHAR: return WMChar(Message);
    case WM_KEYUP:
    case WM_SYSKEYUP: return WMKeyUp(Message);
    case WM_ERASEBKGND: return WMEraseBkgnd(Message);
    case WM_SIZE:
    case WM_MOVE: return WMPositionChanged(Message);
    case WM_SETCURSOR: return WMSetCursor(Message);
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return ReflectToChild(Message);
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX: return CNCtlColor(Message);
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: return CNKeyDown(Message);
    case CM_ENTER: return CMEnter(Message);
    case CM_EXIT: return CMExit(Message);
    case CM_CHILDKEY: return CMChildKey(Message);
    case CM_DIALOGKEY: return CMDialogKey(Message);
    case CM_FOCUSCHANGED: return Broadcast(Message);
    case CM_COLORCHANGED: return CMColorChanged(Message);
    case CM_FONTCHANGED: return CMFontChanged(Message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(Message);
    case CM_SHOWHINTCHANGED: return CMShowHintChanged(Message);
    case CM_ENABLEDCHANGED: return CMEnabledChanged(Message);
    case CM_VISIBLECHANGED: return CMVisibleChanged(Message);
    default: return TControl::WndProc(Message);
  }
}

// The form hears first; when a CM_EXIT handler moved the focus elsewhere meanwhile, the window
// does not get its default handling of a focus it no longer has.
void TWinControl::WMSetFocus(TMessage& Message) {
  if (TCustomForm* Form = GetParentForm(this); Form && !Form->SetFocusedControl(this)) return;
  DefaultHandler(Message);
}

void TWinControl::WMKillFocus(TMessage& Message) {
  DefaultHandler(Message);
  if (TCustomForm* Form = GetParentForm(this)) Form->FocusLeaving(HWND(Message.WParam));
}

void TWinControl::WMKeyDown(TMessage& Message) {
  if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
  if (!DoKeyPress(Message)) DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message) {
  if (!DoKeyUp(Message)) DefaultHandler(Message);
}

bool TWinControl::FormPreviews(TMessage& Message, bool (TWinControl::*Handler)(TMessage&)) {
  TCustomForm* Form = GetParentForm(this);
  if (!Form || Form == this || !Form->KeyPreview()) return false;
  return (static_cast<TWinControl*>(Form)->*Handler)(Message);
}

bool TWinControl::DoKeyDown(TMessage& Message) {
  if (FormPreviews(Message, &TWinControl::DoKeyDown)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  Word Key = Word(Message.WParam);
  KeyDown(Key, KeyDataToShiftState(Message.LParam));
  Message.WParam = Key;
  return Key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  if (FormPreviews(Message, &TWinControl::DoKeyPress)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  char Key = char(Message.WParam);
  KeyPress(Key);
  Message.WParam = WPARAM(uint8_t(Key));
  return Key == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  if (FormPreviews(Message, &TWinControl::DoKeyUp)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  Word Key = Word(Message.WParam);
  KeyUp(Key, KeyDataToShiftState(Message.LParam));
  Message.WParam = Key;
  return Key == 0;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  const auto DC = reinterpret_cast<HDC>(Message.WParam);
  if (!DC) return;
  DC->FillRect(ClientRect(), ColorRefToPixel(ColorToRGB(Color())));
  Message.Result = 1;
}

void TWinControl::WMPositionChanged(TMessage& Message) {
  UpdateBounds();
  DefaultHandler(Message);
}

void TWinControl::WMSetCursor(TMessage& Message) {
  if (HWND(Message.WParam) == FHandle && SHORT(LOWORD(uintptr_t(Message.LParam))) == HTCLIENT) {
    InitApplication();
    const TCursor Shape = Screen->Cursor() != crDefault ? Screen->Cursor() : Cursor();
    if (Shape != crDefault) {
      framework::SetCursor(Screen->Cursors(Shape));
      Message.Result = TRUE;
      return;
    }
  }
  DefaultHandler(Message);
}

// A child's notification comes back to the child as a CN_ message, through its window's
// procedure so that a control that subclassed its own window sees it; a window that is no
// control leaves it to the parent's default handling.
void TWinControl::ReflectToChild(TMessage& Message) {
  const HWND Child = HWND(Message.LParam);
  if (!FindControl(Child)) return DefaultHandler(Message);
  Message.Result = SendMessage(Child, CN_BASE + Message.Msg, Message.WParam, Message.LParam);
}

// A control asked for its colours paints in its font's colour on its own colour.
void TWinControl::CNCtlColor(TMessage& Message) {
  const auto DC = reinterpret_cast<HDC>(Message.WParam);
  if (!DC) return;
  DC->SetTextColor(Font()->Color());
  DC->SetBkColor(Color());
  Message.Result = LRESULT(Color());
}

void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  if (ComponentState().Contains(csDesigning)) {
    Message.Result = 0;
    return;
  }
  const Word Key = Word(Message.WParam);
  if (Perform(CM_CHILDKEY, Key, LPARAM(this)) != 0) return;
  const LRESULT Mask = DialogKeyMask(Key);
  if (Mask && Perform(CM_WANTSPECIALKEY, Key) == 0 && (Perform(WM_GETDLGCODE) & Mask) == 0) {
    TCustomForm* Form = GetParentForm(this);
    if (Form && Form->Perform(CM_DIALOGKEY, Key, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

void TWinControl::CMEnter(TMessage&) {
  DoEnter();
}

void TWinControl::CMExit(TMessage&) {
  DoExit();
}

void TWinControl::CMChildKey(TMessage& Message) {
  if (Parent()) Message.Result = Parent()->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
}

void TWinControl::CMDialogKey(TMessage& Message) {
  Broadcast(Message);
}

void TWinControl::CMColorChanged(TMessage& Message) {
  TControl::WndProc(Message);
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message) {
  TControl::WndProc(Message);
  if (FHandle) Perform(WM_SETFONT, WPARAM(&Font()->Face()), FALSE);
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMCtl3DChanged(TMessage& Message) {
  TControl::WndProc(Message);
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) {
  NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMEnabledChanged(TMessage& Message) {
  if (!Enabled() && Parent()) RemoveFocus(false);
  if (FHandle) EnableWindow(FHandle, Enabled());
  TControl::WndProc(Message);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!Visible() && Parent()) RemoveFocus(false);
  if (FHandle)
    ShowWindow(FHandle, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
  else if (Visible() && Parent() && Parent()->HandleAllocated() &&
           !ComponentState().Contains(csLoading))
    CreateHandle();
}

std::vector<TPropInfo> PublishedFocusEvents() {
  return {Property("OnEnter", &TWinControl::OnEnter), Property("OnExit", &TWinControl::OnExit)};
}

std::vector<TPropInfo> PublishedKeyEvents() {
  return {Property("OnKeyDown", &TWinControl::OnKeyDown),
          Property("OnKeyPress", &TWinControl::OnKeyPress),
          Property("OnKeyUp", &TWinControl::OnKeyUp)};
}

}  // namespace framework
