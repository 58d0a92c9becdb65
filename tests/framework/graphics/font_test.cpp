#include "framework/graphics/font.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/classes/component.h"
#include "framework/classes/errors.h"
#include "framework/classes/reader.h"
#include "framework/classes/string_list.h"
#include "framework/classes/writer.h"
#include "framework/rtl/exceptions.h"

namespace {

using namespace framework;

class TFontOwner : public TComponent {
  DECLARE_CLASS(TFontOwner, TComponent)

 public:
  explicit TFontOwner(TComponent* AOwner) : TComponent(AOwner) {}
  static const TPropertyList& Published() {
    static const TPropertyList List(TComponent::Published(), {Property("Font", &TFontOwner::Font)});
    return List;
  }
  TFont* Font() const { return FFont.get(); }

 private:
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
};

const TClass& TFontOwner::StaticClass() {
  return TClass::Describe<TFontOwner>("TFontOwner");
}

class Font : public ::testing::Test {
 protected:
  void SetUp() override {
    F.OnChange = [this](TObject* Sender) {
      EXPECT_EQ(Sender, &F);
      ++Changes;
    };
  }

  TFont F;
  int Changes = 0;
};

TEST_F(Font, Defaults) {
  EXPECT_EQ(F.Color(), clWindowText);
  EXPECT_EQ(F.Height(), -11);
  EXPECT_EQ(F.Size(), 8);
  EXPECT_EQ(F.Name(), "DejaVu Sans");
  EXPECT_TRUE(F.Style().Empty());
  EXPECT_EQ(F.PixelsPerInch(), 96);
  EXPECT_EQ(&F.Face(), &TFontFace::Find("DejaVu Sans", 11, {}));
}

struct SizeCase {
  int Size;
  int Height;
};

class FontSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FontSize, AndHeightAreOneValue) {
  TFont F;
  F.SetSize(GetParam().Size);
  EXPECT_EQ(F.Height(), GetParam().Height);
  EXPECT_EQ(F.Size(), GetParam().Size);
  F.SetSize(1);
  F.SetHeight(GetParam().Height);
  EXPECT_EQ(F.Size(), GetParam().Size);
}

INSTANTIATE_TEST_SUITE_P(Points, FontSize,
                         ::testing::Values(SizeCase{1, -1}, SizeCase{6, -8}, SizeCase{7, -9},
                                           SizeCase{8, -11}, SizeCase{9, -12}, SizeCase{10, -13},
                                           SizeCase{11, -15}, SizeCase{12, -16}, SizeCase{14, -19},
                                           SizeCase{72, -96}, SizeCase{-8, 11}, SizeCase{-12, 16}),
                         [](const auto& I) {
                           return (I.param.Size < 0 ? "Minus" : "") +
                                  std::to_string(std::abs(I.param.Size));
                         });

TEST_F(Font, HeightsBetweenPointSizesKeepTheirSize) {
  F.SetHeight(-14);
  EXPECT_EQ(F.Size(), 11);
  EXPECT_EQ(F.Height(), -14);
}

TEST_F(Font, RefusesHeightsWithoutAFace) {
  for (int Height : {0, TFontFace::MaxPixelHeight + 1, -TFontFace::MaxPixelHeight - 1})
    EXPECT_THROW(F.SetHeight(Height), EInvalidOperation) << Height;
  EXPECT_THROW(F.SetSize(0), EInvalidOperation);
  EXPECT_THROW(F.SetSize(1 << 30), EInvalidOperation);
  EXPECT_EQ(F.Height(), -11);
  EXPECT_EQ(Changes, 0);
}

TEST_F(Font, ChangesOnlyWhenAValueChanges) {
  const std::function<void()> Sets[] = {
      [&] { F.SetColor(clRed); },    [&] { F.SetHeight(-20); },
      [&] { F.SetSize(9); },         [&] { F.SetName("DejaVu Serif"); },
      [&] { F.SetStyle({fsBold}); }, [&] { F.SetStyle({fsBold, fsUnderline}); },
  };
  for (const auto& Set : Sets) {
    const int Before = Changes;
    Set();
    EXPECT_EQ(Changes, Before + 1);
    Set();
    EXPECT_EQ(Changes, Before + 1);
  }
  F.SetHeight(-12);
  EXPECT_EQ(Changes, 6);
}

TEST_F(Font, FaceFollowsHeightNameAndStyle) {
  F.SetHeight(-16);
  EXPECT_EQ(&F.Face(), &TFontFace::Find("DejaVu Sans", 16, {}));
  F.SetName("Courier New");
  F.SetStyle({fsBold});
  EXPECT_EQ(&F.Face(), &TFontFace::Find("DejaVu Sans Mono", 16, {fsBold}));
  const TFontFace& Before = F.Face();
  F.SetColor(clBlue);
  EXPECT_EQ(&F.Face(), &Before);
  // A positive height is the cell: the largest face whose line fits in it.
  F.SetHeight(16);
  EXPECT_LE(F.Face().Height(), 16);
  EXPECT_GT(TFontFace::Find("DejaVu Sans Mono", F.Face().PixelHeight() + 1, {fsBold}).Height(), 16);
}

TEST_F(Font, AssignCopiesWithOneChange) {
  TFont Source;
  Source.SetColor(clNavy);
  Source.SetSize(12);
  Source.SetName("DejaVu Serif");
  Source.SetStyle({fsItalic, fsStrikeOut});
  F.Assign(&Source);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(F.Color(), clNavy);
  EXPECT_EQ(F.Height(), -16);
  EXPECT_EQ(F.Name(), "DejaVu Serif");
  EXPECT_EQ(F.Style(), TFontStyles({fsItalic, fsStrikeOut}));
  EXPECT_EQ(&F.Face(), &Source.Face());
  F.Assign(&Source);
  EXPECT_EQ(Changes, 1);
  Source.SetColor(clTeal);
  F.Assign(&Source);
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(F.Color(), clTeal);
}

TEST_F(Font, AssignRefusesOtherClasses) {
  TStringList Other;
  EXPECT_THROW(F.Assign(&Other), EConvertError);
  EXPECT_THROW(F.Assign(nullptr), EConvertError);
  EXPECT_EQ(Changes, 0);
}

struct StreamCase {
  const char* Name;
  std::function<void(TFont&)> Set;
  const char* Text;
};

class FontStream : public ::testing::TestWithParam<StreamCase> {
 protected:
  void SetUp() override { RegisterClass(TFontOwner::StaticClass()); }
};

TEST_P(FontStream, WritesPublishedPropertiesAndReadsThemBack) {
  TFontOwner Owner(nullptr);
  Owner.SetName("Owner1");
  GetParam().Set(*Owner.Font());
  const std::string Text = WriteComponentText(&Owner);
  EXPECT_EQ(Text, GetParam().Text);
  TFontOwner Read(nullptr);
  ReadComponentText(Text, &Read);
  const TFont& A = *Owner.Font();
  const TFont& B = *Read.Font();
  EXPECT_EQ(B.Color(), A.Color());
  EXPECT_EQ(B.Height(), A.Height());
  EXPECT_EQ(B.Name(), A.Name());
  EXPECT_EQ(B.Style(), A.Style());
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontStream,
    ::testing::Values(StreamCase{"Default", [](TFont&) {}, "object Owner1: TFontOwner\nend\n"},
                      StreamCase{"Changed",
                                 [](TFont& F) {
                                   F.SetColor(clRed);
                                   F.SetName("DejaVu Serif");
                                   F.SetSize(12);
                                   F.SetStyle({fsBold, fsUnderline});
                                 },
                                 "object Owner1: TFontOwner\n"
                                 "  Font.Color = clRed\n"
                                 "  Font.Name = 'DejaVu Serif'\n"
                                 "  Font.Size = 12\n"
                                 "  Font.Style = [fsBold, fsUnderline]\n"
                                 "end\n"},
                      StreamCase{"CellHeight", [](TFont& F) { F.SetHeight(15); },
                                 "object Owner1: TFontOwner\n"
                                 "  Font.Size = -11\n"
                                 "end\n"},
                      // Size alone would read back as -15.
                      StreamCase{"HeightBetweenSizes", [](TFont& F) { F.SetHeight(-14); },
                                 "object Owner1: TFontOwner\n"
                                 "  Font.Size = 11\n"
                                 "  Font.Height = -14\n"
                                 "end\n"},
                      StreamCase{"HeightBesideTheDefaultSize", [](TFont& F) { F.SetHeight(-10); },
                                 "object Owner1: TFontOwner\n"
                                 "  Font.Height = -10\n"
                                 "end\n"}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(FontRead, RefusesAStoredSizeWithoutAFace) {
  RegisterClass(TFontOwner::StaticClass());
  TFontOwner Read(nullptr);
  try {
    ReadComponentText("object Owner1: TFontOwner\n  Font.Size = 0\nend\n", &Read);
    FAIL() << "no error";
  } catch (const EParserError& E) {
    EXPECT_EQ(E.Line(), 2);
    EXPECT_NE(E.Message().find("Invalid font height 0"), std::string::npos) << E.Message();
  }
  EXPECT_EQ(Read.Font()->Height(), -11);
}

}  // namespace
