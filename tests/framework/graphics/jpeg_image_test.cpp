#include "framework/graphics/jpeg_image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "framework/graphics/bitmap.h"
#include "picture_test_helpers.h"

using namespace framework;
using picture_test::Load;
using picture_test::Pixels;
using picture_test::Saved;

namespace {

std::unique_ptr<TJPEGImage> JpegOf(const TSurface& Surface) {
  TBitmap Bitmap;
  Bitmap.SetSize(Surface.Width(), Surface.Height());
  Bitmap.Surface() = Surface;
  auto Jpeg = std::make_unique<TJPEGImage>();
  Jpeg->Assign(&Bitmap);
  return Jpeg;
}

int LargestChannelError(const TSurface& A, const TSurface& B) {
  int Largest = 0;
  for (int Y = 0; Y < A.Height(); ++Y)
    for (int X = 0; X < A.Width(); ++X)
      for (int Shift : {0, 8, 16, 24})
        Largest = std::max(Largest, std::abs(int(A.Pixel(X, Y) >> Shift & 0xFF) -
                                             int(B.Pixel(X, Y) >> Shift & 0xFF)));
  return Largest;
}

// The start-of-frame marker tells a baseline file (SOF0) from a progressive one (SOF2).
bool HasMarker(const std::string& Data, uint8_t Marker) {
  return Data.find(std::string{char(0xFF), char(Marker)}) != std::string::npos;
}

class JpegRoundTrip : public ::testing::TestWithParam<bool> {};

TEST_P(JpegRoundTrip, KeepsThePictureWithinTolerance) {
  const TSurface Source = picture_test::Gradient(40, 24);
  const auto Jpeg = JpegOf(Source);
  Jpeg->SetProgressiveEncoding(GetParam());
  const std::string Data = Saved(*Jpeg);
  EXPECT_TRUE(HasMarker(Data, GetParam() ? 0xC2 : 0xC0));
  TJPEGImage Copy;
  Load(Copy, Data);
  ASSERT_EQ(Copy.Width(), 40);
  ASSERT_EQ(Copy.Height(), 24);
  EXPECT_LE(LargestChannelError(Copy.Surface(), Source), 8);
}

INSTANTIATE_TEST_SUITE_P(Encodings, JpegRoundTrip, ::testing::Bool(),
                         [](const auto& I) { return I.param ? "Progressive" : "Baseline"; });

TEST(JPEGImage, QualityReachesTheEncoderAndIsChecked) {
  const auto Jpeg = JpegOf(picture_test::Pattern(32, 32));
  Jpeg->SetCompressionQuality(95);
  const size_t Fine = Saved(*Jpeg).size();
  Jpeg->SetCompressionQuality(10);
  EXPECT_LT(Saved(*Jpeg).size(), Fine / 2);
  EXPECT_THROW(Jpeg->SetCompressionQuality(0), EInvalidOperation);
  EXPECT_THROW(Jpeg->SetCompressionQuality(101), EInvalidOperation);
  EXPECT_EQ(Jpeg->CompressionQuality(), 10);
}

TEST(JPEGImage, SavesALoadedFileBackUnchangedUntilItsSettingsChange) {
  const auto Source = JpegOf(picture_test::Pattern(32, 32));
  Source->SetCompressionQuality(80);
  const std::string Original = Saved(*Source);
  TJPEGImage Jpeg;
  Load(Jpeg, Original);
  EXPECT_EQ(Saved(Jpeg), Original);
  TJPEGImage Copy;
  Copy.Assign(&Jpeg);
  EXPECT_EQ(Saved(Copy), Original);
  Jpeg.SetCompressionQuality(10);
  EXPECT_LT(Saved(Jpeg).size(), Original.size());
}

std::string Small() {
  return Saved(*JpegOf(picture_test::Gradient(32, 32)));
}

struct DamageCase {
  const char* Name;
  std::string Data;
};

class JpegDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(JpegDamage, RaisesAndLeavesTheImageAsItWas) {
  const TSurface Kept(2, 2, 0xFF808080);
  const auto Jpeg = JpegOf(Kept);
  int Changes = 0;
  Jpeg->OnChange = [&](TObject*) { ++Changes; };
  try {
    Load(*Jpeg, GetParam().Data);
    FAIL() << "loaded";
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message().rfind("JPEG image is not valid: ", 0), 0u) << E.Message();
  }
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Pixels(Jpeg->Surface()), Pixels(Kept));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, JpegDamage,
    ::testing::Values(DamageCase{"CutInTheScan", Small().substr(0, Small().size() * 2 / 3)},
                      DamageCase{"CutInTheHeader", Small().substr(0, 40)},
                      DamageCase{"OnlyTheStartMarker", std::string("\xFF\xD8")},
                      DamageCase{"GarbageAfterTheStartMarker",
                                 std::string("\xFF\xD8") + std::string(64, 'x')}),
    [](const auto& I) { return std::string(I.param.Name); });

}  // namespace
