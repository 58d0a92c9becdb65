#include "framework/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "framework/classes/errors.h"
#include "framework/classes/memory_stream.h"
#include "framework/graphics/canvas.h"
#include "picture_test_helpers.h"

using namespace framework;
using picture_test::Load;
using picture_test::Pixels;
using picture_test::Poke;
using picture_test::Saved;

namespace {

constexpr uint32_t Black = 0xFF000000u, White = 0xFFFFFFFFu, Red = 0xFFFF0000u;

// BMP files written independently of the library's encoder: any header size, either row order,
// palettes of any length, or raw pixel bytes (run-length data).
struct TBmpFixture {
  int Width = 0;
  int Height = 0;
  int BitCount = 24;
  bool TopDown = false;
  uint32_t HeaderSize = 40;
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
  std::vector<uint32_t> Values;   // top row first: palette indexes, or 0xAARRGGBB
  uint32_t Compression = 0;
  std::string RawPixels;

  std::string Build() const {
    const bool Core = HeaderSize == 12;
    std::vector<uint32_t> Colors = Palette;
    if (Core && BitCount <= 8) Colors.resize(size_t(1) << BitCount);
    const size_t Entry = Core ? 3 : 4;
    const std::string Rows = RawPixels.empty() ? PixelRows() : RawPixels;
    std::string Data(14 + HeaderSize + Entry * Colors.size(), '\0');
    Data[0] = 'B';
    Data[1] = 'M';
    Poke(Data, 2, uint32_t(Data.size() + Rows.size()));
    Poke(Data, 10, uint32_t(Data.size()));
    Poke(Data, 14, HeaderSize);
    if (Core) {
      Poke(Data, 18, uint32_t(Width), 2);
      Poke(Data, 20, uint32_t(Height), 2);
      Poke(Data, 22, 1, 2);
      Poke(Data, 24, uint32_t(BitCount), 2);
    } else {
      Poke(Data, 18, uint32_t(Width));
      Poke(Data, 22, uint32_t(TopDown ? -Height : Height));
      Poke(Data, 26, 1, 2);
      Poke(Data, 28, uint32_t(BitCount), 2);
      Poke(Data, 30, Compression);
      Poke(Data, 46, uint32_t(Palette.size()));
    }
    for (size_t I = 0; I < Colors.size(); ++I)
      Poke(Data, 14 + HeaderSize + I * Entry, Colors[I], int(Entry));
    return Data + Rows;
  }

  std::string PixelRows() const {
    const size_t Stride = (size_t(Width) * size_t(BitCount) + 31) / 32 * 4;
    std::string Rows(Stride * size_t(Height), '\0');
    for (int Row = 0; Row < Height; ++Row) {
      const int Y = TopDown ? Row : Height - 1 - Row;
      char* Dest = Rows.data() + size_t(Row) * Stride;
      for (int X = 0; X < Width; ++X) {
        const uint32_t Value = Values[size_t(Y * Width + X)];
        if (BitCount <= 8)
          Dest[X * BitCount / 8] |= char(Value << (8 - BitCount - X * BitCount % 8));
        else
          for (int B = 0; B < BitCount / 8; ++B) Dest[X * BitCount / 8 + B] = char(Value >> 8 * B);
      }
    }
    return Rows;
  }

  std::vector<uint32_t> Expected() const {
    std::vector<uint32_t> Result;
    for (uint32_t Value : Values)
      Result.push_back(BitCount <= 8    ? 0xFF000000u | Palette[Value]
                       : BitCount == 24 ? 0xFF000000u | Value
                                        : Value);
    return Result;
  }
};

TBmpFixture Fixture(int Width, int Height, int BitCount, bool TopDown, uint32_t HeaderSize,
                    std::vector<uint32_t> Palette, std::vector<uint32_t> Values = {}) {
  TBmpFixture Result;
  Result.Width = Width;
  Result.Height = Height;
  Result.BitCount = BitCount;
  Result.TopDown = TopDown;
  Result.HeaderSize = HeaderSize;
  Result.Palette = std::move(Palette);
  Result.Values = std::move(Values);
  return Result;
}

std::vector<uint32_t> Sequence(size_t Count, uint32_t Modulo) {
  std::vector<uint32_t> Values(Count);
  for (size_t I = 0; I < Count; ++I) Values[I] = uint32_t(I * 7 + 3) % Modulo;
  return Values;
}

std::vector<uint32_t> Colors(size_t Count) {
  std::vector<uint32_t> Result(Count);
  for (size_t I = 0; I < Count; ++I) Result[I] = uint32_t(I * 0x0B1D3F) & 0xFFFFFFu;
  return Result;
}

struct DecodeCase {
  const char* Name;
  TBmpFixture Fixture;
  TPixelFormat Format;
};

class BitmapDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(BitmapDecoding, LoadsEveryPixel) {
  const TBmpFixture& Fixture = GetParam().Fixture;
  TBitmap Bitmap;
  Load(Bitmap, Fixture.Build());
  EXPECT_EQ(Bitmap.Width(), Fixture.Width);
  EXPECT_EQ(Bitmap.Height(), Fixture.Height);
  EXPECT_EQ(Bitmap.PixelFormat(), GetParam().Format);
  EXPECT_EQ(Pixels(Bitmap.Surface()), Fixture.Expected());
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BitmapDecoding,
    ::testing::Values(
        DecodeCase{"OneBitAcrossBytes",
                   Fixture(11, 3, 1, false, 40, {0x000000, 0xFFFFFF}, Sequence(33, 2)), pf1bit},
        DecodeCase{"FourBitTopDown", Fixture(5, 3, 4, true, 40, Colors(16), Sequence(15, 16)),
                   pf4bit},
        DecodeCase{"EightBitShortPalette", Fixture(3, 2, 8, false, 40, Colors(3), Sequence(6, 3)),
                   pf8bit},
        DecodeCase{"EightBitCoreHeader", Fixture(4, 2, 8, false, 12, Colors(256), Sequence(8, 256)),
                   pf8bit},
        DecodeCase{"TwentyFourBitPaddedRows", Fixture(3, 2, 24, false, 40, {}, Colors(6)), pf24bit},
        DecodeCase{"TwentyFourBitV5Header", Fixture(2, 2, 24, true, 124, {}, Colors(4)), pf24bit},
        DecodeCase{
            "ThirtyTwoBitAlpha",
            Fixture(2, 2, 32, true, 108, {}, {0x80102030, 0xFF405060, 0x00708090, 0x01A0B0C0}),
            pf32bit}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(Bitmap, ThirtyTwoBitsWithNoAlphaAtAllAreOpaque) {
  TBitmap Bitmap;
  Load(Bitmap, Fixture(2, 1, 32, false, 40, {}, {0x00102030, 0x00405060}).Build());
  EXPECT_EQ(Pixels(Bitmap.Surface()), (std::vector<uint32_t>{0xFF102030, 0xFF405060}));
}

TEST(Bitmap, DecodesRunLengthData) {
  TBmpFixture Rle8 = Fixture(5, 3, 8, false, 40, Colors(4));
  Rle8.Compression = 1;
  // Bottom row: a run, a literal of three (padded), end of line; a jump over the middle row to
  // x 2 of the top row; a run to its end; end of bitmap.
  Rle8.RawPixels = std::string("\2\1\0\3\2\3\1\0\0\0\0\2\2\1\3\2\0\1", 18);
  Rle8.Values = {0, 0, 2, 2, 2, 0, 0, 0, 0, 0, 1, 1, 2, 3, 1};
  TBmpFixture Rle4 = Fixture(8, 1, 4, false, 40, Colors(8));
  Rle4.Compression = 2;
  // A run alternating two colours, then a literal of five (three bytes, padded).
  Rle4.RawPixels = std::string("\3\x12\0\5\x34\x56\x70\0\0\1", 10);
  Rle4.Values = {1, 2, 1, 3, 4, 5, 6, 7};
  for (const TBmpFixture& Fixture : {Rle8, Rle4}) {
    TBitmap Bitmap;
    Load(Bitmap, Fixture.Build());
    EXPECT_EQ(Pixels(Bitmap.Surface()), Fixture.Expected());
    EXPECT_EQ(Bitmap.PixelFormat(), Fixture.BitCount == 8 ? pf8bit : pf4bit);
  }
}

struct RoundTripCase {
  const char* Name;
  TPixelFormat Format;
  size_t ColorCount;  // 0 for the full pattern
  int SavedBitCount;
  TPixelFormat Loaded;
};

class BitmapRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(BitmapRoundTrip, KeepsEveryPixel) {
  const RoundTripCase& Case = GetParam();
  TBitmap Source;
  Source.SetSize(13, 21);
  Source.Surface() = picture_test::Pattern(13, 21);
  if (Case.ColorCount) {
    const std::vector<uint32_t> Palette = Colors(Case.ColorCount);
    for (int I = 0; I < 13 * 21; ++I)
      Source.Surface().SetPixel(I % 13, I / 13, 0xFF000000u | Palette[size_t(I) % Palette.size()]);
  }
  if (Case.Format == pf32bit) Source.Surface().SetPixel(4, 5, 0x7F123456);
  Source.SetPixelFormat(Case.Format);
  const std::string Data = Saved(Source);
  EXPECT_EQ(uint8_t(Data[28]), Case.SavedBitCount);

  TBitmap Copy;
  Load(Copy, Data);
  EXPECT_EQ(Pixels(Copy.Surface()), Pixels(Source.Surface()));
  EXPECT_EQ(Copy.PixelFormat(), Case.Loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BitmapRoundTrip,
    ::testing::Values(RoundTripCase{"OneBit", pf1bit, 2, 1, pf1bit},
                      RoundTripCase{"FourBit", pf4bit, 16, 4, pf4bit},
                      RoundTripCase{"FourBitWithTwoColours", pf4bit, 2, 4, pf4bit},
                      RoundTripCase{"EightBit", pf8bit, 256, 8, pf8bit},
                      RoundTripCase{"TwentyFourBit", pf24bit, 0, 24, pf24bit},
                      RoundTripCase{"ThirtyTwoBitWithAlpha", pf32bit, 0, 32, pf32bit},
                      RoundTripCase{"FourBitWidensToEight", pf4bit, 17, 8, pf8bit},
                      RoundTripCase{"OneBitWidensToTwentyFour", pf1bit, 273, 24, pf24bit}),
    [](const auto& I) { return std::string(I.param.Name); });

// A 4-bit file of two colours, the base the damaged inputs are made from.
std::string SmallBmp() {
  return Fixture(3, 2, 4, false, 40, {0x000000, 0xFFFFFF}, {0, 1, 0, 1, 1, 0}).Build();
}

std::string Damaged(size_t Offset, uint32_t Value, int Bytes = 4) {
  std::string Data = SmallBmp();
  Poke(Data, Offset, Value, Bytes);
  return Data;
}

std::string Rle8(std::string Pixels) {
  TBmpFixture Rle = Fixture(2, 1, 8, false, 40, Colors(2));
  Rle.Compression = 1;
  Rle.RawPixels = std::move(Pixels);
  return Rle.Build();
}

struct DamageCase {
  const char* Name;
  std::string Data;
  const char* Reason;
};

class BitmapDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(BitmapDamage, RaisesAndLeavesTheBitmapAsItWas) {
  TBitmap Bitmap;
  Bitmap.SetSize(2, 2);
  Bitmap.Surface().SetPixel(1, 1, Red);
  Bitmap.SetPixelFormat(pf32bit);
  int Changes = 0;
  Bitmap.OnChange = [&](TObject*) { ++Changes; };
  try {
    Load(Bitmap, GetParam().Data);
    FAIL() << "loaded";
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message(), std::string("Bitmap image is not valid: ") + GetParam().Reason);
  }
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Bitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(Pixels(Bitmap.Surface()), (std::vector<uint32_t>{Black, Black, Black, Red}));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BitmapDamage,
    ::testing::Values(
        DamageCase{"NoSignature", "GIF89a" + SmallBmp().substr(6), "no BM signature"},
        DamageCase{"TruncatedFileHeader", SmallBmp().substr(0, 12), "truncated file header"},
        DamageCase{"TruncatedInfoHeader", SmallBmp().substr(0, 40), "truncated info header"},
        DamageCase{"TruncatedPalette", SmallBmp().substr(0, 58), "truncated palette"},
        DamageCase{"TruncatedPixelData", SmallBmp().substr(0, SmallBmp().size() - 1),
                   "truncated pixel data"},
        DamageCase{"UnknownHeaderSize", Damaged(14, 20), "unsupported header size 20"},
        DamageCase{"AbsurdSize", Damaged(18, 0x7FFFFFFF), "size 2147483647 x 2 is too large"},
        DamageCase{"NegativeWidth", Damaged(18, uint32_t(-3)), "size -3 x 2 is not valid"},
        DamageCase{"LowestHeight", Damaged(22, 0x80000000u), "size 3 x -2147483648 is too large"},
        DamageCase{"ZeroHeight", Damaged(22, 0), "size 3 x 0 is not valid"},
        DamageCase{"TwoPlanes", Damaged(26, 2, 2), "plane count 2 is not 1"},
        DamageCase{"SixteenBits", Damaged(28, 16, 2), "unsupported bit count 16"},
        DamageCase{"EmbeddedJpeg", Damaged(30, 4), "unsupported compression 4 for 4-bit pixels"},
        DamageCase{"RunLengthForTheWrongDepth", Damaged(30, 1),
                   "unsupported compression 1 for 4-bit pixels"},
        DamageCase{"BitFieldsForPalette", Damaged(30, 3), "unsupported bit field masks"},
        DamageCase{"TooManyColours", Damaged(46, 17), "palette of 17 colours for 4-bit pixels"},
        DamageCase{"PaletteLongerThanTheFile", Damaged(46, 16), "truncated palette"},
        DamageCase{"OffsetPastTheEnd", Damaged(10, 0xFFFFFFF0u),
                   "pixel data offset 4294967280 is not valid"},
        DamageCase{"OffsetInsideThePalette", Damaged(10, 60), "pixel data offset 60 is not valid"},
        DamageCase{"IndexPastThePalette",
                   Fixture(2, 1, 4, false, 40, {0, 0xFFFFFF}, {1, 5}).Build(),
                   "palette index 5 past the palette of 2 colours"},
        DamageCase{"RunPastTheRow", Rle8(std::string("\3\1\0\1", 4)),
                   "run-length data past the end of the bitmap"},
        DamageCase{"JumpPastTheBitmap", Rle8(std::string("\0\2\0\5\0\1", 6)),
                   "run-length data past the end of the bitmap"},
        DamageCase{"TruncatedRunLength", Rle8(std::string("\2\1", 2)),
                   "truncated run-length data"}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(Bitmap, ReadsFromTheStreamPositionToTheEnd) {
  TMemoryStream Stream;
  Stream.WriteBuffer("junk", 4);
  const std::string Data = SmallBmp();
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
  Stream.SetPosition(4);
  TBitmap Bitmap;
  Bitmap.LoadFromStream(Stream);
  EXPECT_EQ(Bitmap.Width(), 3);
  EXPECT_EQ(Stream.Position(), Stream.Size());
}

TEST(Bitmap, EmptyStreamMakesAnEmptyBitmapThatSavesNothing) {
  TBitmap Bitmap;
  Bitmap.SetSize(4, 4);
  Load(Bitmap, "");
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_EQ(Saved(Bitmap), "");
}

TEST(Bitmap, SetSizeKeepsPixelsAndRefusesBadSizes) {
  TBitmap Bitmap;
  Bitmap.SetSize(2, 2);
  Bitmap.Surface().SetPixel(1, 1, Red);
  Bitmap.SetSize(3, 3);
  EXPECT_EQ(Bitmap.Surface().Pixel(1, 1), Red);
  EXPECT_THROW(Bitmap.SetSize(-1, 3), EInvalidOperation);
  EXPECT_THROW(Bitmap.SetSize(1 << 14, 1 << 14), EInvalidOperation);
  EXPECT_EQ(Bitmap.Width(), 3);
}

TEST(Bitmap, CanvasDrawsOnTheBitmapAndFollowsItsSize) {
  TBitmap Bitmap;
  Bitmap.SetSize(2, 2);
  int Changes = 0;
  Bitmap.OnChange = [&](TObject*) { ++Changes; };
  TCanvas& Canvas = Bitmap.Canvas();
  Canvas.Brush()->SetColor(clRed);
  Bitmap.SetSize(6, 4);
  Canvas.FillRect(Rect(0, 0, 6, 4));
  EXPECT_EQ(Pixels(Bitmap.Surface()), std::vector<uint32_t>(24, Red));
  EXPECT_EQ(Changes, 2);
}

TEST(Bitmap, CanvasFollowsASurfaceReplacedInPlace) {
  TBitmap Bitmap;
  Bitmap.SetSize(6, 4);
  Bitmap.Canvas().Brush()->SetColor(clRed);
  Bitmap.Surface() = TSurface(2, 1);
  Bitmap.Canvas().FillRect(Rect(0, 0, 6, 4));
  EXPECT_EQ(Pixels(Bitmap.Surface()), std::vector<uint32_t>(2, Red));
}

TEST(Bitmap, DrawsCopiedAndScaledByTheNearestPixel) {
  TBitmap Glyph;
  Glyph.SetSize(2, 1);
  Glyph.Surface().SetPixel(1, 0, White);
  TBitmap Target;
  Target.SetSize(5, 2);
  Target.Canvas().Draw(0, 0, &Glyph);
  Target.Canvas().StretchDraw(Rect(1, 0, 5, 2), &Glyph);
  EXPECT_EQ(Pixels(Target.Surface()), (std::vector<uint32_t>{Black, Black, Black, White, White,
                                                             Black, Black, Black, White, White}));
}

TEST(Bitmap, AssignCopiesAndNullEmpties) {
  TBitmap Source;
  Load(Source, SmallBmp());
  TBitmap Copy;
  Copy.Assign(&Source);
  Source.Surface().SetPixel(0, 0, Red);
  EXPECT_EQ(Copy.PixelFormat(), pf4bit);
  EXPECT_EQ(Copy.Surface().Pixel(0, 0), Black);
  EXPECT_EQ(Copy.Surface().Pixel(1, 0), White);
  Copy.Assign(nullptr);
  EXPECT_TRUE(Copy.Empty());
}

TEST(Bitmap, FileRoundTrip) {
  const std::filesystem::path File = std::filesystem::temp_directory_path() /
                                     ("tarvex-bitmap-" + std::to_string(getpid()) + ".bmp");
  TBitmap Source;
  Load(Source, SmallBmp());
  Source.SaveToFile(File.string());
  TBitmap Copy;
  Copy.LoadFromFile(File.string());
  std::filesystem::remove(File);
  EXPECT_EQ(Pixels(Copy.Surface()), Pixels(Source.Surface()));
  EXPECT_THROW(Copy.LoadFromFile(File.string()), EFOpenError);
}

}  // namespace
