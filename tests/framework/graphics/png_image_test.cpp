#include "framework/graphics/png_image.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>

#include "framework/graphics/bitmap.h"
#include "picture_test_helpers.h"

using namespace framework;
using picture_test::Load;
using picture_test::Pixels;
using picture_test::Saved;

namespace {

std::string PngOf(const TSurface& Surface) {
  TBitmap Bitmap;
  Bitmap.SetSize(Surface.Width(), Surface.Height());
  Bitmap.Surface() = Surface;
  TPngImage Png;
  Png.Assign(&Bitmap);
  return Saved(Png);
}

void PokeBigEndian(std::string& Data, size_t Offset, uint32_t Value) {
  for (size_t I = 0; I < 4; ++I) Data[Offset + I] = char(Value >> (24 - 8 * I));
}

// The signature takes 8 bytes, then IHDR: length, type, 13 bytes of data, CRC.
constexpr size_t IhdrData = 16;
constexpr size_t ColourType = IhdrData + 9;

// Changes IHDR data and writes the CRC that matches, so that only the change itself is wrong.
std::string WithIhdr(std::string Data, size_t Offset, uint32_t Value) {
  PokeBigEndian(Data, Offset, Value);
  const auto* Chunk = reinterpret_cast<const Bytef*>(Data.data() + IhdrData - 4);
  PokeBigEndian(Data, IhdrData + 13, uint32_t(crc32(0, Chunk, 17)));
  return Data;
}

TEST(PngImage, OpaquePicturesRoundTripAsRgb) {
  const TSurface Source = picture_test::Pattern(17, 9);
  const std::string Data = PngOf(Source);
  EXPECT_EQ(Data[ColourType], 2);
  TPngImage Png;
  Load(Png, Data);
  EXPECT_EQ(Pixels(Png.Surface()), Pixels(Source));
}

TEST(PngImage, TranslucentPicturesRoundTripAsRgba) {
  TSurface Source = picture_test::Pattern(5, 4);
  Source.SetPixel(2, 1, 0x00000000);
  Source.SetPixel(3, 3, 0x80FF8040);
  const std::string Data = PngOf(Source);
  EXPECT_EQ(Data[ColourType], 6);
  TPngImage Png;
  Load(Png, Data);
  EXPECT_EQ(Pixels(Png.Surface()), Pixels(Source));
}

TEST(PngImage, GreyscaleLoadsAsOpaqueGrey) {
  png_image Image{};
  Image.version = PNG_IMAGE_VERSION;
  Image.width = 3;
  Image.height = 1;
  Image.format = PNG_FORMAT_GRAY;
  const uint8_t Grey[] = {0, 0x80, 0xFF};
  png_alloc_size_t Size = PNG_IMAGE_PNG_SIZE_MAX(Image);
  std::string Data(Size, '\0');
  ASSERT_TRUE(png_image_write_to_memory(&Image, Data.data(), &Size, 0, Grey, 0, nullptr));
  Data.resize(Size);
  TPngImage Png;
  Load(Png, Data);
  EXPECT_EQ(Pixels(Png.Surface()), (std::vector<uint32_t>{0xFF000000, 0xFF808080, 0xFFFFFFFF}));
}

TEST(PngImage, WritePngFileWritesWhatLoads) {
  const std::filesystem::path File =
      std::filesystem::temp_directory_path() / ("tarvex-png-" + std::to_string(getpid()) + ".png");
  const TSurface Source = picture_test::Pattern(4, 3);
  WritePngFile(Source, File.string());
  TPngImage Png;
  Png.LoadFromFile(File.string());
  std::filesystem::remove(File);
  EXPECT_EQ(Pixels(Png.Surface()), Pixels(Source));
  EXPECT_THROW(WritePngFile(TSurface(), File.string()), EInvalidGraphic);
  EXPECT_FALSE(std::filesystem::exists(File));
}

std::string Small() {
  return PngOf(picture_test::Pattern(6, 6));
}

std::string FlippedIdatByte() {
  std::string Data = Small();
  const size_t Idat = Data.find("IDAT");
  Data[Idat + 6] = char(Data[Idat + 6] ^ 0x01);
  return Data;
}

struct DamageCase {
  const char* Name;
  std::string Data;
};

class PngDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(PngDamage, RaisesAndLeavesTheImageAsItWas) {
  TPngImage Png;
  Load(Png, PngOf(TSurface(1, 2, 0xFF00FF00)));
  int Changes = 0;
  Png.OnChange = [&](TObject*) { ++Changes; };
  try {
    Load(Png, GetParam().Data);
    FAIL() << "loaded";
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message().rfind("PNG image is not valid: ", 0), 0u) << E.Message();
  }
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Pixels(Png.Surface()), (std::vector<uint32_t>{0xFF00FF00, 0xFF00FF00}));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PngDamage,
    ::testing::Values(DamageCase{"BadIdatCrc", FlippedIdatByte()},
                      DamageCase{"BadIhdrCrc",
                                 [] {
                                   std::string Data = Small();
                                   Data[IhdrData + 13] ^= 0x40;
                                   return Data;
                                 }()},
                      DamageCase{"CutInTheMiddle", Small().substr(0, Small().size() / 2)},
                      DamageCase{"CutInTheHeader", Small().substr(0, 20)},
                      DamageCase{"ZeroWidth", WithIhdr(Small(), IhdrData, 0)},
                      DamageCase{"AbsurdWidth", WithIhdr(Small(), IhdrData, 0x7FFFFFFF)},
                      DamageCase{"TooLargeToHold", WithIhdr(WithIhdr(Small(), IhdrData, 40000),
                                                            IhdrData + 4, 40000)}),
    [](const auto& I) { return std::string(I.param.Name); });

}  // namespace
