#include "framework/graphics/bitmap.h"

#include <unordered_map>
#include <vector>

#include "framework/classes/stream.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/resources.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr size_t FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t InfoHeaderSize = 40;

[[noreturn]] void Invalid(const std::string& What) {
  throw EInvalidGraphic("Bitmap image is not valid: " + What);
}

bool Holds(std::string_view Data, uint64_t Offset, uint64_t Count) {
  return Offset <= Data.size() && Count <= Data.size() - Offset;
}

uint8_t Byte(std::string_view Data, size_t Offset) {
  return uint8_t(Data[Offset]);
}

uint32_t U16(std::string_view Data, size_t Offset) {
  return Byte(Data, Offset) | uint32_t(Byte(Data, Offset + 1)) << 8;
}

uint32_t U32(std::string_view Data, size_t Offset) {
  return U16(Data, Offset) | U16(Data, Offset + 2) << 16;
}

uint64_t RowStride(int64_t Width, int BitCount) {
  return (uint64_t(Width) * uint64_t(BitCount) + 31) / 32 * 4;
}

// Where the parts of a BMP file are and how its pixels are stored; every offset and size in it
// has been checked against the data.
struct TBmpLayout {
  int Width = 0;
  int Height = 0;
  bool TopDown = false;
  int BitCount = 0;
  uint32_t Compression = BI_RGB;
  bool HasAlpha = true;
  size_t PaletteOffset = 0;
  size_t PaletteEntrySize = 4;
  uint32_t PaletteCount = 0;
  size_t PixelOffset = 0;
};

bool IsInfoHeaderSize(uint32_t Size) {
  return Size == InfoHeaderSize || Size == 52 || Size == 56 || Size == 108 || Size == 124;
}

// Bit-field masks are accepted in the one layout every writer uses: 32-bit pixels stored as
// blue, green, red and (optionally) alpha bytes.
void ReadBitFields(std::string_view Data, uint32_t HeaderSize, TBmpLayout& Layout) {
  const size_t Masks = FileHeaderSize + InfoHeaderSize;
  if (HeaderSize == InfoHeaderSize) {
    if (!Holds(Data, Masks, 12)) Invalid("truncated bit field masks");
    Layout.PaletteOffset += 12;
  }
  const uint32_t Alpha = HeaderSize >= 56 ? U32(Data, Masks + 12) : 0;
  if (Layout.BitCount != 32 || U32(Data, Masks) != 0x00FF0000u ||
      U32(Data, Masks + 4) != 0x0000FF00u || U32(Data, Masks + 8) != 0x000000FFu ||
      (Alpha != 0 && Alpha != 0xFF000000u))
    Invalid("unsupported bit field masks");
  Layout.HasAlpha = Alpha != 0;
}

void CheckFormat(const TBmpLayout& Layout, uint32_t Planes) {
  if (Planes != 1) Invalid("plane count " + IntToStr(Planes) + " is not 1");
  const int Bits = Layout.BitCount;
  if (Bits != 1 && Bits != 4 && Bits != 8 && Bits != 24 && Bits != 32)
    Invalid("unsupported bit count " + IntToStr(Bits));
  const uint32_t Compression = Layout.Compression;
  if (Compression != BI_RGB && Compression != BI_BITFIELDS &&
      !(Compression == BI_RLE8 && Bits == 8) && !(Compression == BI_RLE4 && Bits == 4))
    Invalid("unsupported compression " + IntToStr(Compression) + " for " + IntToStr(Bits) +
            "-bit pixels");
  if (Layout.TopDown && (Compression == BI_RLE8 || Compression == BI_RLE4))
    Invalid("top-down rows cannot be run-length encoded");
}

void CheckSize(TBmpLayout& Layout, int64_t Width, int64_t Height) {
  const int64_t Rows = Height < 0 ? -Height : Height;
  if (Width <= 0 || Rows == 0)
    Invalid("size " + IntToStr(Width) + " x " + IntToStr(Height) + " is not valid");
  if (Width * Rows > MaxGraphicPixels)
    Invalid("size " + IntToStr(Width) + " x " + IntToStr(Height) + " is too large");
  Layout.Width = int(Width);
  Layout.Height = int(Rows);
  Layout.TopDown = Height < 0;
}

void CheckPalette(std::string_view Data, TBmpLayout& Layout, uint32_t ColorsUsed) {
  if (Layout.BitCount <= 8) {
    const uint32_t Capacity = 1u << Layout.BitCount;
    if (ColorsUsed > Capacity)
      Invalid("palette of " + IntToStr(ColorsUsed) + " colours for " + IntToStr(Layout.BitCount) +
              "-bit pixels");
    Layout.PaletteCount = ColorsUsed ? ColorsUsed : Capacity;
  }
  const uint64_t PaletteSize = uint64_t(Layout.PaletteCount) * Layout.PaletteEntrySize;
  if (!Holds(Data, Layout.PaletteOffset, PaletteSize)) Invalid("truncated palette");
  if (Layout.PixelOffset < Layout.PaletteOffset + PaletteSize || Layout.PixelOffset > Data.size())
    Invalid("pixel data offset " + IntToStr(int64_t(Layout.PixelOffset)) + " is not valid");
}

TBmpLayout ReadLayout(std::string_view Data) {
  if (!Holds(Data, 0, FileHeaderSize + 4)) Invalid("truncated file header");
  if (Data.substr(0, 2) != "BM") Invalid("no BM signature");
  TBmpLayout Layout;
  Layout.PixelOffset = U32(Data, 10);
  const uint32_t HeaderSize = U32(Data, FileHeaderSize);
  if (!IsInfoHeaderSize(HeaderSize) && HeaderSize != CoreHeaderSize)
    Invalid("unsupported header size " + IntToStr(HeaderSize));
  if (!Holds(Data, FileHeaderSize, HeaderSize)) Invalid("truncated info header");
  const size_t H = FileHeaderSize;
  const bool Core = HeaderSize == CoreHeaderSize;
  const int64_t Width = Core ? int64_t(U16(Data, H + 4)) : int32_t(U32(Data, H + 4));
  const int64_t Height = Core ? int64_t(U16(Data, H + 6)) : int32_t(U32(Data, H + 8));
  const uint32_t Planes = U16(Data, H + (Core ? 8 : 12));
  Layout.BitCount = int(U16(Data, H + (Core ? 10 : 14)));
  Layout.Compression = Core ? BI_RGB : U32(Data, H + 16);
  Layout.PaletteEntrySize = Core ? 3 : 4;
  Layout.PaletteOffset = H + HeaderSize;
  CheckSize(Layout, Width, Height);
  CheckFormat(Layout, Planes);
  if (Layout.Compression == BI_BITFIELDS) ReadBitFields(Data, HeaderSize, Layout);
  CheckPalette(Data, Layout, Core ? 0 : U32(Data, H + 32));
  return Layout;
}

std::vector<uint32_t> ReadPalette(std::string_view Data, const TBmpLayout& Layout) {
  std::vector<uint32_t> Palette(Layout.PaletteCount);
  for (size_t I = 0; I < Palette.size(); ++I) {
    const size_t Entry = Layout.PaletteOffset + I * Layout.PaletteEntrySize;
    Palette[I] = 0xFF000000u | uint32_t(Byte(Data, Entry + 2)) << 16 |
                 uint32_t(Byte(Data, Entry + 1)) << 8 | Byte(Data, Entry);
  }
  return Palette;
}

uint32_t PaletteColor(const std::vector<uint32_t>& Palette, unsigned Index) {
  if (Index >= Palette.size())
    Invalid("palette index " + IntToStr(Index) + " past the palette of " +
            IntToStr(int64_t(Palette.size())) + " colours");
  return Palette[Index];
}

unsigned IndexAt(const uint8_t* Row, int X, int BitCount) {
  const int PerByte = 8 / BitCount;
  const int Shift = 8 - BitCount * (X % PerByte + 1);
  return (Row[X / PerByte] >> Shift) & ((1u << BitCount) - 1);
}

void DecodeRow(const uint8_t* Source, const TBmpLayout& Layout,
               const std::vector<uint32_t>& Palette, uint32_t* Dest) {
  for (int X = 0; X < Layout.Width; ++X) {
    const uint8_t* P = Source + size_t(X) * size_t(Layout.BitCount / 8);
    switch (Layout.BitCount) {
      case 24: Dest[X] = 0xFF000000u | uint32_t(P[2]) << 16 | uint32_t(P[1]) << 8 | P[0]; break;
      case 32:
        Dest[X] = uint32_t(P[3]) << 24 | uint32_t(P[2]) << 16 | uint32_t(P[1]) << 8 | P[0];
        break;
      default: Dest[X] = PaletteColor(Palette, IndexAt(Source, X, Layout.BitCount));
    }
  }
}

// Most 32-bit files leave the fourth byte of every pixel zero: such a picture is opaque, not
// invisible.
void ResolveAlpha(TSurface& Surface, bool HasAlpha) {
  for (int Y = 0; HasAlpha && Y < Surface.Height(); ++Y)
    for (int X = 0; X < Surface.Width(); ++X)
      if (Surface.Pixel(X, Y) >> 24) return;
  for (int Y = 0; Y < Surface.Height(); ++Y)
    for (int X = 0; X < Surface.Width(); ++X) Surface.Row(Y)[X] |= 0xFF000000u;
}

TSurface ReadRgbPixels(std::string_view Data, const TBmpLayout& Layout,
                       const std::vector<uint32_t>& Palette) {
  const uint64_t Stride = RowStride(Layout.Width, Layout.BitCount);
  if (!Holds(Data, Layout.PixelOffset, Stride * uint64_t(Layout.Height)))
    Invalid("truncated pixel data");
  TSurface Surface(Layout.Width, Layout.Height);
  const auto* Pixels = reinterpret_cast<const uint8_t*>(Data.data()) + Layout.PixelOffset;
  for (int Y = 0; Y < Layout.Height; ++Y)
    DecodeRow(Pixels + Stride * uint64_t(Y), Layout, Palette,
              Surface.Row(Layout.TopDown ? Y : Layout.Height - 1 - Y));
  if (Layout.BitCount == 32) ResolveAlpha(Surface, Layout.HasAlpha);
  return Surface;
}

// Run-length encoded pixels: pairs of a count and a colour, or a zero and an escape (end of
// line, end of bitmap, a jump, or a run of literal indexes padded to an even length). Pixels the
// data skips keep palette colour 0.
class TRleDecoder {
 public:
  TRleDecoder(std::string_view Data, const TBmpLayout& Layout, std::vector<uint32_t> Palette)
      : FData(Data),
        FPosition(Layout.PixelOffset),
        FFour(Layout.Compression == BI_RLE4),
        FPalette(std::move(Palette)),
        FSurface(Layout.Width, Layout.Height, FPalette[0]) {}

  TSurface Decode() {
    for (;;) {
      const uint8_t Count = Next();
      const uint8_t Value = Next();
      if (Count > 0) {
        for (int I = 0; I < Count; ++I) Put(FFour ? (I % 2 ? Value & 15 : Value >> 4) : Value);
      } else if (Value == 0) {
        Move(-FX, 1);
      } else if (Value == 1) {
        return std::move(FSurface);
      } else if (Value == 2) {
        const int DX = Next();
        Move(DX, Next());
      } else {
        Literal(Value);
      }
    }
  }

 private:
  uint8_t Next() {
    if (FPosition >= FData.size()) Invalid("truncated run-length data");
    return uint8_t(FData[FPosition++]);
  }

  void Literal(int Count) {
    uint8_t Packed = 0;
    for (int I = 0; I < Count; ++I) {
      if (!FFour) {
        Put(Next());
      } else {
        if (I % 2 == 0) Packed = Next();
        Put(I % 2 ? Packed & 15 : Packed >> 4);
      }
    }
    const int Bytes = FFour ? (Count + 1) / 2 : Count;
    if (Bytes % 2) Next();
  }

  void Move(int DX, int DY) {
    FX += DX;
    FY += DY;
    if (FX > FSurface.Width() || FY > FSurface.Height())
      Invalid("run-length data past the end of the bitmap");
  }

  void Put(unsigned Index) {
    if (FX >= FSurface.Width() || FY >= FSurface.Height())
      Invalid("run-length data past the end of the bitmap");
    FSurface.SetPixel(FX++, FSurface.Height() - 1 - FY, PaletteColor(FPalette, Index));
  }

  std::string_view FData;
  size_t FPosition;
  bool FFour;
  std::vector<uint32_t> FPalette;
  TSurface FSurface;
  int FX = 0;
  int FY = 0;
};

TPixelFormat FormatOfBitCount(int BitCount) {
  switch (BitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    default: return pf32bit;
  }
}

void PutU16(std::string& Out, uint32_t Value) {
  Out += char(Value & 0xFF);
  Out += char((Value >> 8) & 0xFF);
}

void PutU32(std::string& Out, uint32_t Value) {
  PutU16(Out, Value & 0xFFFF);
  PutU16(Out, Value >> 16);
}

// The colours of a surface (alpha dropped) in the order they first appear, and their indexes;
// Colors stops growing at Limit + 1 entries.
struct TPalette {
  std::vector<uint32_t> Colors;
  std::unordered_map<uint32_t, unsigned> Index;
};

TPalette CollectPalette(const TSurface& Surface, size_t Limit) {
  TPalette Palette;
  for (int Y = 0; Y < Surface.Height(); ++Y)
    for (int X = 0; X < Surface.Width(); ++X) {
      const uint32_t Color = Surface.Pixel(X, Y) & 0xFFFFFFu;
      if (!Palette.Index.try_emplace(Color, unsigned(Palette.Colors.size())).second) continue;
      Palette.Colors.push_back(Color);
      if (Palette.Colors.size() > Limit) return Palette;
    }
  return Palette;
}

int BitCountToSave(TPixelFormat Format, size_t ColorCount) {
  static constexpr int PaletteBits[] = {1, 4, 8};
  if (Format == pf24bit) return 24;
  if (Format == pf32bit) return 32;
  for (int I = Format; I < 3; ++I)
    if (ColorCount <= (size_t(1) << PaletteBits[I])) return PaletteBits[I];
  return 24;
}

void EncodeRow(const uint32_t* Source, int Width, int BitCount, const TPalette& Palette,
               char* Dest) {
  for (int X = 0; X < Width; ++X) {
    const uint32_t Pixel = Source[X];
    const int Bytes = BitCount / 8;
    if (BitCount <= 8) {
      const unsigned Index = Palette.Index.at(Pixel & 0xFFFFFFu);
      Dest[X * BitCount / 8] |= char(Index << (8 - BitCount - X * BitCount % 8));
    } else {
      for (int B = 0; B < Bytes; ++B) Dest[X * Bytes + B] = char(Pixel >> (8 * B));
    }
  }
}

std::string EncodeBmp(const TSurface& Surface, TPixelFormat Format) {
  const bool Paletted = Format <= pf8bit;
  const TPalette Palette = Paletted ? CollectPalette(Surface, 256) : TPalette{};
  const int BitCount = BitCountToSave(Format, Palette.Colors.size());
  const uint32_t ColorCount = BitCount <= 8 ? uint32_t(Palette.Colors.size()) : 0;
  const uint32_t Stride = uint32_t(RowStride(Surface.Width(), BitCount));
  const uint32_t ImageSize = Stride * uint32_t(Surface.Height());
  const uint32_t Offset = FileHeaderSize + InfoHeaderSize + 4 * ColorCount;
  std::string Out = "BM";
  for (uint32_t Field : {Offset + ImageSize, 0u, Offset, InfoHeaderSize, uint32_t(Surface.Width()),
                         uint32_t(Surface.Height())})
    PutU32(Out, Field);
  PutU16(Out, 1);
  PutU16(Out, uint32_t(BitCount));
  for (uint32_t Field : {BI_RGB, ImageSize, 2835u, 2835u, ColorCount, 0u}) PutU32(Out, Field);
  for (uint32_t I = 0; I < ColorCount; ++I) PutU32(Out, Palette.Colors[I]);
  Out.resize(Offset + ImageSize, '\0');
  for (int Y = 0; Y < Surface.Height(); ++Y)
    EncodeRow(Surface.Row(Surface.Height() - 1 - Y), Surface.Width(), BitCount, Palette,
              Out.data() + Offset + size_t(Y) * Stride);
  return Out;
}

}  // namespace

const TClass& TBitmap::StaticClass() {
  return TClass::Describe<TBitmap>("TBitmap");
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int AWidth, int AHeight) {
  if (AWidth == Width() && AHeight == Height()) return;
  if (AWidth < 0 || AHeight < 0 || int64_t(AWidth) * AHeight > MaxGraphicPixels)
    throw EInvalidOperation("Bitmap size " + IntToStr(AWidth) + " x " + IntToStr(AHeight) +
                            " is not valid");
  FSurface.Resize(AWidth, AHeight);
  ResetHandle();
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (FPixelFormat == Value) return;
  FPixelFormat = Value;
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TCanvas>();
    FCanvas->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
    ResetHandle();
  } else if (FHandleSize != TSize{Width(), Height()}) {
    ResetHandle();
  }
  return *FCanvas;
}

void TBitmap::ResetHandle() {
  if (!FCanvas) return;
  auto DC = std::make_unique<TDeviceContext>(FSurface);
  FCanvas->SetHandle(DC.get());
  FDC = std::move(DC);
  FHandleSize = {Width(), Height()};
}

void TBitmap::CanvasChanged(TObject*) {
  Changed();
}

void TBitmap::LoadFromStream(TStream& Stream) {
  LoadFromData(ReadToEnd(Stream));
}

void TBitmap::LoadFromResourceName(const std::string& Name) {
  LoadFromData(ResourceData(Name));
}

void TBitmap::LoadFromData(std::string_view Data) {
  if (Data.empty()) return Replace(TSurface(), FPixelFormat);
  const TBmpLayout Layout = ReadLayout(Data);
  std::vector<uint32_t> Palette = ReadPalette(Data, Layout);
  TSurface Pixels = Layout.Compression == BI_RLE8 || Layout.Compression == BI_RLE4
                        ? TRleDecoder(Data, Layout, std::move(Palette)).Decode()
                        : ReadRgbPixels(Data, Layout, Palette);
  Replace(std::move(Pixels), FormatOfBitCount(Layout.BitCount));
}

void TBitmap::Replace(TSurface Surface, TPixelFormat Format) {
  FSurface = std::move(Surface);
  FPixelFormat = Format;
  ResetHandle();
  Changed();
}

void TBitmap::SaveToStream(TStream& Stream) const {
  if (Empty()) return;
  const std::string Data = EncodeBmp(FSurface, FPixelFormat);
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
}

std::unique_ptr<TGraphic> TBitmap::CreateBlank() const {
  return std::make_unique<TBitmap>();
}

void TBitmap::Assign(const TPersistent* Source) {
  if (!Source) return Replace(TSurface(), pf24bit);
  const auto* Other = dynamic_cast<const TBitmap*>(Source);
  if (!Other) return TGraphic::Assign(Source);
  if (Other != this) Replace(Other->FSurface, Other->FPixelFormat);
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& Rect) const {
  DrawSurface(Canvas, Rect, FSurface);
}

}  // namespace framework
