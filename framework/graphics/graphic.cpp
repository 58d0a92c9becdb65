#include "framework/graphics/graphic.h"

#include <algorithm>

#include "framework/classes/file_stream.h"
#include "framework/classes/filer.h"
#include "framework/classes/memory_stream.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/surface.h"

namespace framework {

const TClass& TGraphic::StaticClass() {
  return TClass::Describe<TGraphic>("TGraphic");
}

void TGraphic::DefineProperties(TFiler& Filer) {
  TPersistent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data", [this](TStream& Stream) { LoadFromStream(Stream); },
      [this](TStream& Stream) { SaveToStream(Stream); }, !Empty());
}

void TGraphic::LoadFromFile(const std::string& FileName) {
  TFileStream File(FileName, fmOpenRead);
  LoadFromStream(File);
}

// The picture is encoded whole before the file is created, so that a failing save leaves no
// half-written file behind.
void TGraphic::SaveToFile(const std::string& FileName) const {
  TMemoryStream Data;
  SaveToStream(Data);
  TFileStream File(FileName, fmCreate);
  Data.SaveToStream(File);
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphic::DrawSurface(TCanvas& Canvas, const TRect& Rect, const TSurface& Surface) {
  Canvas.DeviceContext().StretchFrom(Rect, Surface,
                                     Bounds(0, 0, Surface.Width(), Surface.Height()));
}

std::string TGraphic::ReadToEnd(TStream& Stream) {
  const int64_t Position = Stream.Position();
  std::string Data(size_t(std::max<int64_t>(Stream.Size() - Position, 0)), '\0');
  Stream.ReadBuffer(Data.data(), int64_t(Data.size()));
  return Data;
}

}  // namespace framework
