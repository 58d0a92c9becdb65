#include "framework/graphics/png_image.h"

#include <png.h>

#include <vector>

#include "framework/classes/file_stream.h"
#include "framework/classes/stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/guards.h"

namespace framework {

namespace {

// libpng's simplified interface reports errors through the image's message and a zero result
// instead of a long jump, so no C++ frame is ever skipped.
[[noreturn]] void ReadFailed(const std::string& What) {
  throw EInvalidGraphic("PNG image is not valid: " + What);
}

[[noreturn]] void WriteFailed(const std::string& What) {
  throw EInvalidGraphic("PNG image cannot be written: " + What);
}

TSurface DecodePng(const std::string& Data) {
  png_image Image{};
  Image.version = PNG_IMAGE_VERSION;
  TScopeExit Free([&Image] { png_image_free(&Image); });
  if (!png_image_begin_read_from_memory(&Image, Data.data(), Data.size()))
    ReadFailed(Image.message);
  if (int64_t(Image.width) * Image.height > MaxGraphicPixels)
    ReadFailed("size " + std::to_string(Image.width) + " x " + std::to_string(Image.height) +
               " is too large");
  Image.format = PNG_FORMAT_BGRA;
  TSurface Surface(int(Image.width), int(Image.height));
  if (!png_image_finish_read(&Image, nullptr, Surface.Row(0), 0, nullptr))
    ReadFailed(Image.message);
  return Surface;
}

bool Opaque(const TSurface& Surface) {
  for (int Y = 0; Y < Surface.Height(); ++Y)
    for (int X = 0; X < Surface.Width(); ++X)
      if (Surface.Pixel(X, Y) >> 24 != 0xFF) return false;
  return true;
}

std::vector<uint8_t> BgrBytes(const TSurface& Surface) {
  std::vector<uint8_t> Bytes;
  Bytes.reserve(size_t(Surface.Width()) * size_t(Surface.Height()) * 3);
  for (int Y = 0; Y < Surface.Height(); ++Y)
    for (int X = 0; X < Surface.Width(); ++X)
      for (int Shift : {0, 8, 16}) Bytes.push_back(uint8_t(Surface.Pixel(X, Y) >> Shift));
  return Bytes;
}

std::string EncodePng(const TSurface& Surface) {
  if (Surface.Width() == 0 || Surface.Height() == 0) WriteFailed("the picture is empty");
  png_image Image{};
  Image.version = PNG_IMAGE_VERSION;
  Image.width = png_uint_32(Surface.Width());
  Image.height = png_uint_32(Surface.Height());
  const bool Alpha = !Opaque(Surface);
  Image.format = Alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  const std::vector<uint8_t> Bgr = Alpha ? std::vector<uint8_t>() : BgrBytes(Surface);
  const void* Pixels = Alpha ? static_cast<const void*>(Surface.Row(0)) : Bgr.data();
  png_alloc_size_t Size = PNG_IMAGE_PNG_SIZE_MAX(Image);
  std::string Data(Size, '\0');
  if (!png_image_write_to_memory(&Image, Data.data(), &Size, 0, Pixels, 0, nullptr))
    WriteFailed(Image.message);
  Data.resize(Size);
  return Data;
}

}  // namespace

const TClass& TPngImage::StaticClass() {
  return TClass::Describe<TPngImage>("TPngImage");
}

void TPngImage::LoadFromStream(TStream& Stream) {
  const std::string Data = ReadToEnd(Stream);
  Replace(Data.empty() ? TSurface() : DecodePng(Data));
}

void TPngImage::SaveToStream(TStream& Stream) const {
  if (!Empty()) WritePng(FSurface, Stream);
}

std::unique_ptr<TGraphic> TPngImage::CreateBlank() const {
  return std::make_unique<TPngImage>();
}

void TPngImage::Assign(const TPersistent* Source) {
  if (!Source) return Replace(TSurface());
  if (const auto* Png = dynamic_cast<const TPngImage*>(Source)) {
    if (Png != this) Replace(Png->FSurface);
  } else if (const auto* Bitmap = dynamic_cast<const TBitmap*>(Source)) {
    Replace(Bitmap->Surface());
  } else {
    TGraphic::Assign(Source);
  }
}

void TPngImage::Draw(TCanvas& Canvas, const TRect& Rect) const {
  DrawSurface(Canvas, Rect, FSurface);
}

void TPngImage::Replace(TSurface Surface) {
  FSurface = std::move(Surface);
  Changed();
}

void WritePng(const TSurface& Surface, TStream& Stream) {
  const std::string Data = EncodePng(Surface);
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
}

void WritePngFile(const TSurface& Surface, const std::string& FileName) {
  const std::string Data = EncodePng(Surface);
  TFileStream File(FileName, fmCreate);
  File.WriteBuffer(Data.data(), int64_t(Data.size()));
}

}  // namespace framework
