#include "framework/graphics/jpeg_image.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
// jerror.h after jpeglib.h: it needs its types.
#include <jerror.h>

#include "framework/classes/stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. It long-jumps back
// to the function that set the jump; those functions hold nothing but plain data and libjpeg
// calls, so no C++ destructor is ever skipped. The C++ wrappers below own the libjpeg state and
// raise the exceptions once the jumping frame has returned.
struct TJpegErrors {
  jpeg_error_mgr Manager;  // first: libjpeg hands back a pointer to it
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr Info) {
  auto* Errors = reinterpret_cast<TJpegErrors*>(Info->err);
  Info->err->format_message(Info, Errors->Message);
  std::longjmp(Errors->Jump, 1);
}

// A cut file only makes libjpeg warn and fill the missing part with grey; that is an error here.
// Other warnings are recovered from quietly.
void EmitMessage(j_common_ptr Info, int Level) {
  if (Level >= 0) return;
  if (Info->err->msg_code == JWRN_JPEG_EOF) ErrorExit(Info);
  ++Info->err->num_warnings;
}

void InstallErrors(TJpegErrors& Errors) {
  jpeg_std_error(&Errors.Manager);
  Errors.Manager.error_exit = ErrorExit;
  Errors.Manager.emit_message = EmitMessage;
  Errors.Message[0] = '\0';
}

struct TJpegDecoding {
  jpeg_decompress_struct Info;
  TJpegErrors Errors;
};

bool ReadHeader(TJpegDecoding& D, const unsigned char* Data, unsigned long Size) {
  if (setjmp(D.Errors.Jump)) return false;
  jpeg_create_decompress(&D.Info);
  jpeg_mem_src(&D.Info, Data, Size);
  jpeg_read_header(&D.Info, TRUE);
  D.Info.out_color_space = JCS_EXT_BGRA;
  return true;
}

bool ReadPixels(TJpegDecoding& D, uint32_t* Pixels) {
  if (setjmp(D.Errors.Jump)) return false;
  jpeg_start_decompress(&D.Info);
  while (D.Info.output_scanline < D.Info.output_height) {
    JSAMPROW Row =
        reinterpret_cast<JSAMPROW>(Pixels + size_t(D.Info.output_scanline) * D.Info.output_width);
    jpeg_read_scanlines(&D.Info, &Row, 1);
  }
  jpeg_finish_decompress(&D.Info);
  return true;
}

class TJpegReader {
 public:
  TJpegReader() {
    D.Info.err = &D.Errors.Manager;
    InstallErrors(D.Errors);
  }
  ~TJpegReader() { jpeg_destroy_decompress(&D.Info); }
  TJpegReader(const TJpegReader&) = delete;
  TJpegReader& operator=(const TJpegReader&) = delete;

  TSurface Read(const std::string& Data) {
    if (!ReadHeader(D, reinterpret_cast<const unsigned char*>(Data.data()), Data.size()))
      Invalid(D.Errors.Message);
    if (D.Info.jpeg_color_space == JCS_CMYK || D.Info.jpeg_color_space == JCS_YCCK)
      Invalid("CMYK pictures are not supported");
    const int64_t Width = D.Info.image_width;
    const int64_t Height = D.Info.image_height;
    if (Width * Height > MaxGraphicPixels)
      Invalid("size " + IntToStr(Width) + " x " + IntToStr(Height) + " is too large");
    TSurface Surface(static_cast<int>(Width), static_cast<int>(Height));
    if (!ReadPixels(D, Surface.Row(0))) Invalid(D.Errors.Message);
    return Surface;
  }

 private:
  [[noreturn]] static void Invalid(const std::string& What) {
    throw EInvalidGraphic("JPEG image is not valid: " + What);
  }

  TJpegDecoding D{};
};

struct TJpegEncoding {
  jpeg_compress_struct Info;
  TJpegErrors Errors;
  unsigned char* Buffer;
  unsigned long Size;
};

// libjpeg reads the rows without writing to them; its interface just does not say const.
bool Encode(TJpegEncoding& E, const TSurface& Surface, int Quality, bool Progressive) {
  if (setjmp(E.Errors.Jump)) return false;
  jpeg_create_compress(&E.Info);
  jpeg_mem_dest(&E.Info, &E.Buffer, &E.Size);
  E.Info.image_width = JDIMENSION(Surface.Width());
  E.Info.image_height = JDIMENSION(Surface.Height());
  E.Info.input_components = 4;
  E.Info.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&E.Info);
  jpeg_set_quality(&E.Info, Quality, TRUE);
  if (Progressive) jpeg_simple_progression(&E.Info);
  jpeg_start_compress(&E.Info, TRUE);
  while (E.Info.next_scanline < E.Info.image_height) {
    JSAMPROW Row =
        reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(Surface.Row(int(E.Info.next_scanline))));
    jpeg_write_scanlines(&E.Info, &Row, 1);
  }
  jpeg_finish_compress(&E.Info);
  return true;
}

class TJpegWriter {
 public:
  TJpegWriter() {
    E.Info.err = &E.Errors.Manager;
    InstallErrors(E.Errors);
  }
  ~TJpegWriter() {
    jpeg_destroy_compress(&E.Info);
    std::free(E.Buffer);
  }
  TJpegWriter(const TJpegWriter&) = delete;
  TJpegWriter& operator=(const TJpegWriter&) = delete;

  std::string Write(const TSurface& Surface, int Quality, bool Progressive) {
    if (!Encode(E, Surface, Quality, Progressive))
      throw EInvalidGraphic(std::string("JPEG image cannot be written: ") + E.Errors.Message);
    return std::string(reinterpret_cast<const char*>(E.Buffer), E.Size);
  }

 private:
  TJpegEncoding E{};
};

}  // namespace

const TClass& TJPEGImage::StaticClass() {
  return TClass::Describe<TJPEGImage>("TJPEGImage");
}

void TJPEGImage::SetCompressionQuality(int Value) {
  if (Value < 1 || Value > 100)
    throw EInvalidOperation("JPEG compression quality " + IntToStr(Value) +
                            " is not between 1 and 100");
  if (FCompressionQuality == Value) return;
  FCompressionQuality = Value;
  FData.clear();
  Changed();
}

void TJPEGImage::SetProgressiveEncoding(bool Value) {
  if (FProgressiveEncoding == Value) return;
  FProgressiveEncoding = Value;
  FData.clear();
  Changed();
}

void TJPEGImage::LoadFromStream(TStream& Stream) {
  std::string Data = ReadToEnd(Stream);
  TSurface Pixels = Data.empty() ? TSurface() : TJpegReader().Read(Data);
  Replace(std::move(Pixels), std::move(Data));
}

void TJPEGImage::SaveToStream(TStream& Stream) const {
  if (Empty()) return;
  const std::string Data =
      FData.empty() ? TJpegWriter().Write(FSurface, FCompressionQuality, FProgressiveEncoding)
                    : FData;
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
}

std::unique_ptr<TGraphic> TJPEGImage::CreateBlank() const {
  return std::make_unique<TJPEGImage>();
}

void TJPEGImage::Assign(const TPersistent* Source) {
  if (!Source) return Replace(TSurface(), std::string());
  if (const auto* Jpeg = dynamic_cast<const TJPEGImage*>(Source)) {
    if (Jpeg == this) return;
    FCompressionQuality = Jpeg->FCompressionQuality;
    FProgressiveEncoding = Jpeg->FProgressiveEncoding;
    Replace(Jpeg->FSurface, Jpeg->FData);
  } else if (const auto* Bitmap = dynamic_cast<const TBitmap*>(Source)) {
    Replace(Bitmap->Surface(), std::string());
  } else {
    TGraphic::Assign(Source);
  }
}

void TJPEGImage::Draw(TCanvas& Canvas, const TRect& Rect) const {
  DrawSurface(Canvas, Rect, FSurface);
}

void TJPEGImage::Replace(TSurface Surface, std::string Data) {
  FSurface = std::move(Surface);
  FData = std::move(Data);
  Changed();
}

}  // namespace framework
