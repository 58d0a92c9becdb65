#pragma once

#include <string>
#include <vector>

#include "framework/controls/control.h"
#include "framework/win/window_class.h"
#include "framework/win/window_handle.h"
#include "framework/win/window_procedure.h"

namespace framework {

// What CreateWnd makes a window from: CreateParams fills it in, a descendant adds its own styles.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent;
  void* Param = nullptr;
  // The class the window is registered with under WinClassName; its procedure is the default
  // handling of every message the control does not take itself.
  TWndClass WindowClass;
  std::string WinClassName;
};

// A control with a window of its own. The window is made on demand (Handle) and may be destroyed
// and made again (RecreateWnd) without losing what the control holds: text, bounds, visibility
// and every property live in the control while it has no window.
//
// From the window's first message (WM_NCCREATE) on, every message of the window goes to
// MainWndProc and on to WindowProc; what no handler takes ends in the window class's procedure
// (DefWindowProc, or a system class's procedure when CreateSubClass borrowed it).
class TWinControl : public TControl {
  DECLARE_CLASS(TWinControl, TControl)

 public:
  explicit TWinControl(TComponent* AOwner);
  // Destroys the window, then every child control.
  ~TWinControl() override;

  // Makes the window (and those of its parents) when there is none yet. Raises
  // EInvalidOperation when a child control has no parent window to be made in.
  HWND Handle();
  bool HandleAllocated() const { return bool(FHandle); }
  void HandleNeeded();
  void RecreateWnd();
  // Also the windows of the child controls, whose state is kept.
  void DestroyHandle();

  int ControlCount() const { return int(FControls.size()); }
  // Raises EInvalidOperation for an index outside 0..ControlCount() - 1.
  TControl* Controls(int Index) const;
  // Parent calls these; they keep the child lists, the tab order and the windows consistent.
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  // True for this control and every control inside it.
  bool ContainsControl(const TControl* Control) const;

  bool Focused() const;
  // Visible and enabled, up the parent chain to the form.
  virtual bool CanFocus() const;
  // Focuses the control through its form, which makes it the ActiveControl.
  virtual void SetFocus();
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  // The place among the windowed siblings in tab order; -1 without a parent. A value outside
  // 0..siblings - 1 moves the control to the end.
  int TabOrder() const;
  void SetTabOrder(int Value);
  // Every windowed control inside this one, in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& List) const;
  // The next control in tab order that can take the focus (a TabStop when CheckTabStop), or
  // nullptr.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                               bool CheckParent) const;
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void Invalidate() override;
  void Update() override;
  void DefaultHandler(TMessage& Message) override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  // The control whose window Wnd is, or nullptr.
  static TWinControl* FindControl(HWND Wnd);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

 protected:
  void WndProc(TMessage& Message) override;
  void Loaded() override;
  void SetZOrder(bool TopMost) override;

  virtual void CreateParams(TCreateParams& Params);
  // Takes the procedure, cursor and background of a registered system class (EDIT, LISTBOX,
  // BUTTON) as the window's default handling; raises EInvalidOperation for an unknown class.
  void CreateSubClass(TCreateParams& Params, const std::string& ControlClassName);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  void CreateHandle();
  virtual void DestroyWnd();

  // The message loop of the window: WindowProc, with an error from any handler handed to the
  // application instead of the window system.
  void MainWndProc(TMessage& Message);
  const WNDPROC& DefWndProc() const { return FDefWndProc; }

  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  virtual void KeyUp(Word& Key, TShiftState Shift);
  // True when the key was taken (the form's preview or the control's own handler cleared it).
  bool DoKeyDown(TMessage& Message);
  bool DoKeyPress(TMessage& Message);
  bool DoKeyUp(TMessage& Message);
  // The form's own key handling, first, when it previews its controls' keys.
  bool FormPreviews(TMessage& Message, bool (TWinControl::*Handler)(TMessage&));

  void NotifyControls(UINT Msg);
  void Broadcast(TMessage& Message);

 protected:
  HWND CaptureHandle() override { return Handle(); }

 private:
  // The class procedure of every control's window: attaches the control being created at
  // WM_NCCREATE.
  static LRESULT InitWndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
  static void RegisterWindowClass(const TCreateParams& Params);

  // TControl::SetParent's halves.
  void Insert(TControl* AControl);
  void Remove(TControl* AControl);
  void MoveInZOrder(TControl* AControl, bool TopMost);
  void ApplyPendingTabOrders();
  void AttachWindow(HWND Wnd);
  void DetachWindow();
  void CreateChildHandles();
  void PlaceInZOrder();
  void UpdateBounds();
  void UpdateTabOrder(int Value);
  void RemoveFocus(bool Removing);

  void WMNCDestroy(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMKeyDown(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMKeyUp(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMPositionChanged(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void ReflectToChild(TMessage& Message);
  void CNCtlColor(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void CMChildKey(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMCtl3DChanged(TMessage& Message);
  void CMShowHintChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);

  HWND FHandle;
  WNDPROC FDefWndProc;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  // A tab order read from a stored form, applied once every sibling is there (Loaded).
  int FPendingTabOrder = -1;

  friend class TControl;
};

// The focus and key events that the plain windowed control classes publish, in their stored
// order.
std::vector<TPropInfo> PublishedFocusEvents();
std::vector<TPropInfo> PublishedKeyEvents();

}  // namespace framework
