#include "framework/graphics/font.h"

#include <cstdint>
#include <cstdlib>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

// Value * Numerator / Denominator, rounded half away from zero.
int64_t MulDiv(int64_t Value, int64_t Numerator, int64_t Denominator) {
  const int64_t Product = Value * Numerator;
  const int64_t Half = Denominator / 2;
  return Product >= 0 ? (Product + Half) / Denominator : (Product - Half) / Denominator;
}

void CheckHeight(int64_t Height) {
  if (Height == 0 || std::llabs(Height) > TFontFace::MaxPixelHeight)
    throw EInvalidOperation(Format("Invalid font height %lld", static_cast<long long>(Height)));
}

}  // namespace

const TClass& TFont::StaticClass() {
  return TClass::Describe<TFont>("TFont");
}

const TPropertyList& TFont::Published() {
  // Height follows Size so that a stored Height, read last, is the one that counts.
  static const TPropertyList List({
      Property("Color", &TFont::Color, &TFont::SetColor, clWindowText),
      Property("Name", &TFont::Name, &TFont::SetName, "DejaVu Sans"),
      Property("Size", &TFont::Size, &TFont::SetSize, 8),
      Property("Height", &TFont::Height, &TFont::SetHeight).StoredIf(&TFont::IsHeightStored),
      Property("Style", &TFont::Style, &TFont::SetStyle, TFontStyles{}),
  });
  return List;
}

void TFont::Assign(const TPersistent* Source) {
  const auto* Font = dynamic_cast<const TFont*>(Source);
  if (!Font) return inherited::Assign(Source);
  const bool FaceDiffers =
      FHeight != Font->FHeight || FName != Font->FName || FStyle != Font->FStyle;
  if (!FaceDiffers && FColor == Font->FColor) return;
  FColor = Font->FColor;
  FHeight = Font->FHeight;
  FName = Font->FName;
  FStyle = Font->FStyle;
  if (FaceDiffers) FFace = nullptr;
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TFont::SetHeight(int Value) {
  CheckHeight(Value);
  if (FHeight == Value) return;
  FHeight = Value;
  FaceChanged();
}

void TFont::SetName(const std::string& Value) {
  if (FName == Value) return;
  FName = Value;
  FaceChanged();
}

int TFont::Size() const {
  return int(-MulDiv(FHeight, 72, PixelsPerInch()));
}

void TFont::SetSize(int Value) {
  const int64_t Height = -MulDiv(Value, PixelsPerInch(), 72);
  CheckHeight(Height);
  SetHeight(int(Height));
}

void TFont::SetStyle(TFontStyles Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  FaceChanged();
}

const TFontFace& TFont::Face() const {
  if (!FFace) {
    const int CharHeight =
        FHeight < 0 ? -FHeight : TFontFace::CharHeightForCellHeight(FName, FHeight, FStyle);
    FFace = &TFontFace::Find(FName, CharHeight, FStyle);
  }
  return *FFace;
}

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

bool TFont::IsHeightStored() const {
  return -MulDiv(Size(), PixelsPerInch(), 72) != FHeight;
}

void TFont::FaceChanged() {
  FFace = nullptr;
  Changed();
}

}  // namespace framework
