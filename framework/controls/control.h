#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/classes/component.h"
#include "framework/classes/event.h"
#include "framework/controls/drag_drop.h"
#include "framework/graphics/color.h"
#include "framework/graphics/font.h"
#include "framework/rtl/geometry.h"
#include "framework/rtl/set.h"
#include "framework/rtl/types.h"
#include "framework/win/messages.h"
#include "framework/win/shift_state.h"
#include "framework/win/window_handle.h"

namespace framework {

class TWinControl;

enum TControlStateElement : uint8_t {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
};
using TControlState = TSet<TControlStateElement>;

enum TControlStyleElement : uint8_t {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
};
using TControlStyle = TSet<TControlStyleElement>;

enum TDragMode : uint8_t { dmManual, dmAutomatic };
const TTypeInfo& EnumTypeInfo(TDragMode);

// A cursor as the controls name it: the standard shapes are negative, and an application adds
// its own shapes to the screen's registry under positive numbers (TScreen::SetCursors).
enum TCursor : int16_t {
  crDefault = 0,
  crNone = -1,
  crArrow = -2,
  crCross = -3,
  crIBeam = -4,
  crSizeNESW = -6,
  crSizeNS = -7,
  crSizeNWSE = -8,
  crSizeWE = -9,
  crUpArrow = -10,
  crHourGlass = -11,
  crDrag = -12,
  crNoDrop = -13,
  crHSplit = -14,
  crVSplit = -15,
  crMultiDrag = -16,
  crSQLWait = -17,
  crNo = -18,
  crAppStart = -19,
  crHelp = -20,
  crHandPoint = -21,
  crSizeAll = -22,
};
// Streams cursors by name where they have one (crHandPoint), else as numbers.
const TTypeInfo& EnumTypeInfo(TCursor);

using TMouseEvent =
    TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
using TWndMethod = TEvent<void(TMessage& Message)>;

// The shift state of a mouse message's MK_ flags, with Alt from the keyboard.
TShiftState KeysToShiftState(WPARAM Keys);
// The shift state of a key message: Shift and Ctrl from the keyboard, Alt from its key data.
TShiftState KeyDataToShiftState(LPARAM KeyData);

// A visual component: a place in a parent, bounds, looks (colour, font, 3-D style, cursor) that a
// child may take from its parent, and a message procedure. Messages reach it through WindowProc,
// which starts as the virtual WndProc and can be replaced to intercept them.
//
// The accessors are public: the option sets and drop-downs of the controls above read and set
// them on the control they belong to. Which properties are published is each class's choice.
class TControl : public TComponent {
  DECLARE_CLASS(TControl, TComponent)

 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  static const TPropertyList& Published();

  TWinControl* Parent() const { return FParent; }
  // Raises EInvalidOperation for the control itself or a control inside it.
  void SetParent(TWinControl* AParent);
  TComponent* GetParentComponent() const override;
  // Raises EInvalidOperation for a component that is not a windowed control.
  void SetParentComponent(TComponent* Value) override;

  int Left() const { return FLeft; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  int Top() const { return FTop; }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  // Negative sizes are taken as 0.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  void SetClientWidth(int Value) { SetWidth(Value + FWidth - ClientWidth()); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientHeight(int Value) { SetHeight(Value + FHeight - ClientHeight()); }
  // The screen point of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint P) const;
  TPoint ScreenToClient(TPoint P) const;

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  // Starts dragging the control with the left button held (dmAutomatic does it on each press);
  // a drag that is not Immediate starts once the pointer has moved a few pixels.
  void BeginDrag(bool Immediate);
  bool Dragging() const { return drag::Dragging(this); }
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }

  // The text lives in the window while a windowed control has one (WM_GETTEXT, WM_SETTEXT), in
  // the control otherwise.
  std::string Text() const;
  void SetText(const std::string& Value);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& Value) { SetText(Value); }

  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }

  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  const TWndMethod& WindowProc() const { return FWindowProc; }
  // An empty method puts the virtual WndProc back.
  void SetWindowProc(TWndMethod Value);
  // What a message no handler takes gets: a control without a window keeps its text here.
  virtual void DefaultHandler(TMessage& Message);

  // A drag passing over the control: Accept starts True when OnDragOver is assigned, which decides.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DragDrop(TObject* Source, int X, int Y);
  // The control's own drag ended, on Target or (nullptr) nowhere.
  virtual void DoEndDrag(TObject* Target, int X, int Y);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

 protected:
  virtual void WndProc(TMessage& Message);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void SetZOrder(bool TopMost);

  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

  // Tells the parent form that a mouse press is starting elsewhere, so that an open drop-down
  // of another control closes.
  void SendCancelMode(TControl* Sender);
  void SetMouseCapture(bool Value);
  bool MouseCapture() const;

  // The window that takes the mouse capture for this control.
  virtual HWND CaptureHandle();

  // Stored-tests of the published properties that a child may take from its parent.
  bool IsColorStored() const { return !FParentColor; }
  bool IsFontStored() const { return !FParentFont; }
  bool IsCtl3DStored() const { return !FParentCtl3D; }
  bool IsShowHintStored() const { return !FParentShowHint; }

 private:
  void FontChanged(TObject* Sender);
  void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Extra);
  void DoMouseUp(TMessage& Message, TMouseButton Button);

  void WMButtonDown(TMessage& Message, TMouseButton Button);
  void WMButtonUp(TMessage& Message, TMouseButton Button);
  void WMLButtonDown(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMMouseMove(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMParentCtl3DChanged(TMessage& Message);
  void CMParentShowHintChanged(TMessage& Message);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  bool FShowHint = false;
  bool FParentShowHint = true;
  std::string FHint;
  TCursor FCursor = crDefault;
  TComponent* FPopupMenu = nullptr;
  TDragMode FDragMode = dmManual;
  TCursor FDragCursor = crDrag;
  std::string FText;
  TControlState FControlState;
  TControlStyle FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TWndMethod FWindowProc;

  friend class TWinControl;
};

// The mouse events that the plain control classes publish, in their stored order.
std::vector<TPropInfo> PublishedMouseEvents();
// The drag events, in their stored order.
std::vector<TPropInfo> PublishedDragEvents();

}  // namespace framework
