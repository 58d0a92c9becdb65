#include "framework/graphics/picture.h"

#include <gtest/gtest.h>

#include "framework/classes/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/jpeg_image.h"
#include "framework/graphics/png_image.h"
#include "picture_test_helpers.h"

using namespace framework;
using picture_test::Pixels;

namespace {

TBitmap& SmallBitmap(TBitmap& Bitmap) {
  Bitmap.SetSize(3, 2);
  Bitmap.Surface() = picture_test::Pattern(3, 2);
  return Bitmap;
}

template <class TFormat>
std::string Encoded() {
  TBitmap Bitmap;
  TFormat Graphic;
  Graphic.Assign(&SmallBitmap(Bitmap));
  return picture_test::Saved(Graphic);
}

void Load(TPicture& Picture, const std::string& Data) {
  TMemoryStream Stream;
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
  Stream.SetPosition(0);
  Picture.LoadFromStream(Stream);
}

std::string Saved(const TPicture& Picture) {
  TMemoryStream Stream;
  Picture.SaveToStream(Stream);
  return std::string(static_cast<const char*>(Stream.Memory()), size_t(Stream.Size()));
}

struct FormatCase {
  const char* Name;
  std::string Data;
  const char* ClassName;
};

class PictureFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PictureFormats, AreTakenFromTheDataAndSavedInTheirOwnFormat) {
  TPicture Picture;
  Load(Picture, GetParam().Data);
  ASSERT_NE(Picture.Graphic(), nullptr);
  EXPECT_EQ(Picture.Graphic()->ClassName(), GetParam().ClassName);
  EXPECT_EQ(Picture.Width(), 3);
  EXPECT_EQ(Picture.Height(), 2);
  EXPECT_EQ(Saved(Picture), GetParam().Data);
}

INSTANTIATE_TEST_SUITE_P(Signatures, PictureFormats,
                         ::testing::Values(FormatCase{"Bmp", Encoded<TBitmap>(), "TBitmap"},
                                           FormatCase{"Png", Encoded<TPngImage>(), "TPngImage"},
                                           FormatCase{"Jpeg", Encoded<TJPEGImage>(), "TJPEGImage"}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(Picture, UnknownOrDamagedDataLeavesThePictureAsItWas) {
  TPicture Picture;
  Load(Picture, Encoded<TPngImage>());
  int Changes = 0;
  Picture.OnChange = [&](TObject*) { ++Changes; };
  try {
    Load(Picture, "GIF89a....");
    FAIL() << "loaded";
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message(), "Unknown picture format");
  }
  EXPECT_THROW(Load(Picture, Encoded<TBitmap>().substr(0, 60)), EInvalidGraphic);
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Picture.Graphic()->ClassName(), "TPngImage");
  EXPECT_EQ(Picture.Width(), 3);
}

TEST(Picture, EmptyDataEmptiesThePicture) {
  TPicture Picture;
  Load(Picture, Encoded<TBitmap>());
  Load(Picture, "");
  EXPECT_EQ(Picture.Graphic(), nullptr);
  EXPECT_EQ(Saved(Picture), "");
}

TEST(Picture, SetGraphicHoldsAnIndependentCopyOfTheSameKind) {
  TBitmap Source;
  TPngImage Png;
  Png.Assign(&SmallBitmap(Source));
  TPicture Picture;
  Picture.SetGraphic(&Png);
  Png.Assign(nullptr);
  ASSERT_EQ(Picture.Graphic()->ClassName(), "TPngImage");
  EXPECT_EQ(Pixels(static_cast<TPngImage*>(Picture.Graphic())->Surface()),
            Pixels(Source.Surface()));
}

TEST(Picture, ChangesOfTheGraphicReachOnChange) {
  TPicture Picture;
  int Changes = 0;
  Picture.OnChange = [&](TObject*) { ++Changes; };
  TBitmap& Bitmap = Picture.Bitmap();
  EXPECT_EQ(Changes, 1);
  Bitmap.SetSize(4, 4);
  Bitmap.Canvas().FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(Changes, 3);
}

TEST(Picture, BitmapReplacesAGraphicOfAnotherKind) {
  TPicture Picture;
  Load(Picture, Encoded<TPngImage>());
  TBitmap& Bitmap = Picture.Bitmap();
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_EQ(Picture.Graphic(), &Bitmap);
  EXPECT_EQ(&Picture.Bitmap(), &Bitmap);
}

TEST(Picture, AssignCopiesBetweenPicturesAndGraphics) {
  TPicture Source;
  Load(Source, Encoded<TBitmap>());
  TPicture Copy;
  Copy.Assign(&Source);
  EXPECT_NE(Copy.Graphic(), Source.Graphic());
  EXPECT_EQ(Saved(Copy), Saved(Source));
  TBitmap Bitmap;
  Bitmap.Assign(&Source);
  EXPECT_EQ(Bitmap.Width(), 3);
  Copy.Assign(nullptr);
  EXPECT_EQ(Copy.Graphic(), nullptr);
}

}  // namespace
