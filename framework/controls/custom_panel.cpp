#include "framework/controls/custom_panel.h"

#include "framework/controls/border_style.h"
#include "framework/graphics/frame_3d.h"
#include "framework/rtl/exceptions.h"

namespace framework {

const TTypeInfo& EnumTypeInfo(TPanelBevel) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return Info;
}

const TClass& TCustomPanel::StaticClass() {
  return TClass::Describe<TCustomPanel>("TCustomPanel");
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                   csDoubleClicks, csReplicatable});
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

template <class T>
void TCustomPanel::Change(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  Change(FAlignment, Value);
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
  Change(FBevelInner, Value);
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
  Change(FBevelOuter, Value);
}

void TCustomPanel::SetBevelWidth(int Value) {
  if (Value < 1) throw EInvalidOperation("Invalid bevel width (" + std::to_string(Value) + ")");
  Change(FBevelWidth, Value);
}

void TCustomPanel::SetBorderWidth(int Value) {
  if (Value < 0) throw EInvalidOperation("Invalid border width (" + std::to_string(Value) + ")");
  Change(FBorderWidth, Value);
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  CheckControlBorderStyle(Value);
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  AddControlBorderStyle(Params, FBorderStyle, Ctl3D());
}

void TCustomPanel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED: return CMTextChanged(Message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(Message);
    default: return TCustomControl::WndProc(Message);
  }
}

void TCustomPanel::CMTextChanged(TMessage& Message) {
  TCustomControl::WndProc(Message);
  Invalidate();
}

// The 3-D look changes a single border's kind of frame.
void TCustomPanel::CMCtl3DChanged(TMessage& Message) {
  if (FBorderStyle == bsSingle) RecreateWnd();
  TCustomControl::WndProc(Message);
}

void TCustomPanel::Paint() {
  TRect Rect = ClientRect();
  PaintBevel(Rect, FBevelOuter);
  Frame3D(Canvas(), Rect, Color(), Color(), FBorderWidth);
  PaintBevel(Rect, FBevelInner);
  PaintInside(Rect);
}

// Any bevel but a lowered one has its light edges top-left.
void TCustomPanel::PaintBevel(TRect& Rect, TPanelBevel Bevel) {
  if (Bevel == bvNone) return;
  const bool Lowered = Bevel == bvLowered;
  Frame3D(Canvas(), Rect, Lowered ? clBtnShadow : clBtnHighlight,
          Lowered ? clBtnHighlight : clBtnShadow, FBevelWidth);
}

// The inside in the panel's colour, the caption clipped to it.
void TCustomPanel::PaintInside(const TRect& Rect) {
  TCanvas* C = Canvas();
  C->Brush()->SetColor(Color());
  C->SetFont(Font());
  const std::string Text = Caption();
  const int TextWidth = C->TextWidth(Text);
  int X = Rect.Left;
  if (FAlignment == taRightJustify) X = Rect.Right - TextWidth;
  if (FAlignment == taCenter) X = Rect.Left + (Rect.Width() - TextWidth) / 2;
  C->TextRect(Rect, X, (Rect.Top + Rect.Bottom - C->TextHeight(Text)) / 2, Text);
}

}  // namespace framework
