#pragma once

#include <string>

#include "framework/classes/event.h"
#include "framework/classes/persistent.h"
#include "framework/classes/property.h"
#include "framework/graphics/color.h"
#include "framework/graphics/font_engine.h"

namespace framework {

// The font of a control or a canvas: a face name, a height, a style and a colour. Height and Size
// are two views of one value: a negative Height is the character height in pixels, a positive one
// the cell height with the internal leading; Size is in points at PixelsPerInch.
class TFont : public TPersistent {
  DECLARE_CLASS(TFont, TPersistent)

 public:
  static const TPropertyList& Published();

  // Copies the colour, height, name and style of another TFont, with one OnChange when any of
  // them differs.
  void Assign(const TPersistent* Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Height() const { return FHeight; }
  // Raises EInvalidOperation for 0 and for heights beyond TFontFace::MaxPixelHeight.
  void SetHeight(int Value);
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value);
  int Size() const;
  void SetSize(int Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  int PixelsPerInch() const { return 96; }

  // The face for the current name, height and style, found again only after one of them changed.
  const TFontFace& Face() const;

  TNotifyEvent OnChange;

 protected:
  virtual void Changed();

 private:
  // Size is what a form stores; Height only when Size does not give it back.
  bool IsHeightStored() const;
  void FaceChanged();

  TColor FColor = clWindowText;
  int FHeight = -11;
  std::string FName = "DejaVu Sans";
  TFontStyles FStyle;
  mutable const TFontFace* FFace = nullptr;
};

}  // namespace framework
