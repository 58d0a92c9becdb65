#include "framework/graphics/color.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/classes/component.h"
#include "framework/classes/reader.h"
#include "framework/classes/type_info.h"
#include "framework/classes/writer.h"
#include "framework/graphics/brush.h"
#include "framework/graphics/pen.h"

using namespace framework;

namespace {

// A component with a colour, a pen and a brush, as a control stores them in a form.
class TColorOwner : public TComponent {
  DECLARE_CLASS(TColorOwner, TComponent)

 public:
  explicit TColorOwner(TComponent* AOwner) : TComponent(AOwner) {}
  static const TPropertyList& Published() {
    static const TPropertyList List(
        TComponent::Published(),
        {Property("Color", &TColorOwner::Color, &TColorOwner::SetColor, clWindow),
         Property("Pen", &TColorOwner::Pen), Property("Brush", &TColorOwner::Brush)});
    return List;
  }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TPen* Pen() const { return FPen.get(); }
  TBrush* Brush() const { return FBrush.get(); }

 private:
  TColor FColor = clWindow;
  std::unique_ptr<TPen> FPen = std::make_unique<TPen>();
  std::unique_ptr<TBrush> FBrush = std::make_unique<TBrush>();
};

const TClass& TColorOwner::StaticClass() {
  return TClass::Describe<TColorOwner>("TColorOwner");
}

struct SysColorCase {
  const char* Name;
  TColor Color;
  uint32_t ColorRef;
};

class SystemColor : public ::testing::TestWithParam<SysColorCase> {};

}  // namespace

TEST_P(SystemColor, ResolvesThroughTheClassicScheme) {
  EXPECT_EQ(ColorToRGB(GetParam().Color), GetParam().ColorRef);
}

INSTANTIATE_TEST_SUITE_P(Scheme, SystemColor,
                         ::testing::Values(SysColorCase{"BtnFace", clBtnFace, 0xC0C0C0},
                                           SysColorCase{"Window", clWindow, 0xFFFFFF},
                                           SysColorCase{"WindowText", clWindowText, 0x000000},
                                           SysColorCase{"Background", clBackground, 0x808000},
                                           SysColorCase{"ActiveCaption", clActiveCaption, 0x800000},
                                           SysColorCase{"Highlight", clHighlight, 0x800000},
                                           SysColorCase{"HighlightText", clHighlightText, 0xFFFFFF},
                                           SysColorCase{"BtnShadow", clBtnShadow, 0x808080},
                                           SysColorCase{"GrayText", clGrayText, 0x808080},
                                           SysColorCase{"BtnHighlight", clBtnHighlight, 0xFFFFFF},
                                           SysColorCase{"DkShadow", cl3DDkShadow, 0x000000},
                                           SysColorCase{"InactiveCaptionText",
                                                        clInactiveCaptionText, 0xC0C0C0},
                                           SysColorCase{"InfoBk", clInfoBk, 0xE1FFFF},
                                           SysColorCase{"InfoText", clInfoText, 0x000000}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(Color, PlainColoursAreTheirOwnColorRef) {
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(RGB(0x12, 0x34, 0x56)), 0x563412u);
  EXPECT_EQ(ColorToRGB(clNone), 0u);
  EXPECT_EQ(ColorToRGB(clDefault), 0u);
  EXPECT_EQ(GetSysColor(COLOR_COUNT), 0u);
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(ColorRefToPixel(ColorToRGB(clRed)), 0xFFFF0000u);
  EXPECT_EQ(PixelToColorRef(0xFF0000FFu), uint32_t(clBlue));
}

TEST(Color, NamesWinOverAliases) {
  const TTypeInfo& Info = TypeInfo<TColor>();
  EXPECT_EQ(Info.Kind(), tkInteger);
  EXPECT_EQ(Info.IntToIdent(clSilver), "clSilver");
  EXPECT_EQ(Info.IntToIdent(clGray), "clGray");
  EXPECT_EQ(Info.IntToIdent(clBtnFace), "clBtnFace");
  EXPECT_EQ(Info.IntToIdent(0x123456), "");
  int64_t Value = 0;
  ASSERT_TRUE(Info.IdentToInt("clLtGray", Value));
  EXPECT_EQ(Value, clSilver);
  ASSERT_TRUE(Info.IdentToInt("CLINFOBK", Value));
  EXPECT_EQ(Value, clInfoBk);
}

TEST(Color, EveryNameReadsBackToItsValue) {
  const TTypeInfo& Info = TypeInfo<TColor>();
  for (int Index = 0; Index < COLOR_COUNT; ++Index) {
    const TColor Color = TColor(int32_t(0x80000000u | uint32_t(Index)));
    const std::string Name = Info.IntToIdent(Color);
    ASSERT_FALSE(Name.empty()) << Index;
    int64_t Value = 0;
    ASSERT_TRUE(Info.IdentToInt(Name, Value));
    EXPECT_EQ(Value, Color) << Name;
  }
}

TEST(ColorStreaming, ColoursPensAndBrushesStreamByName) {
  RegisterClass(TColorOwner::StaticClass());
  TColorOwner Owner(nullptr);
  Owner.SetName("Owner1");
  Owner.SetColor(clBtnFace);
  Owner.Pen()->SetColor(clSilver);
  Owner.Pen()->SetStyle(psDot);
  Owner.Pen()->SetWidth(2);
  Owner.Brush()->SetColor(RGB(0x12, 0x34, 0x56));
  Owner.Brush()->SetStyle(bsClear);
  const std::string Text = WriteComponentText(&Owner);
  EXPECT_EQ(Text,
            "object Owner1: TColorOwner\n"
            "  Color = clBtnFace\n"
            "  Pen.Color = clSilver\n"
            "  Pen.Style = psDot\n"
            "  Pen.Width = 2\n"
            "  Brush.Color = 5649426\n"
            "  Brush.Style = bsClear\n"
            "end\n");
  std::unique_ptr<TComponent> Read(ReadComponentText(Text));
  auto* Copy = dynamic_cast<TColorOwner*>(Read.get());
  ASSERT_NE(Copy, nullptr);
  EXPECT_EQ(Copy->Color(), clBtnFace);
  EXPECT_EQ(Copy->Pen()->Color(), clSilver);
  EXPECT_EQ(Copy->Pen()->Style(), psDot);
  EXPECT_EQ(Copy->Pen()->Width(), 2);
  EXPECT_EQ(Copy->Brush()->Color(), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(Copy->Brush()->Style(), bsClear);
}

TEST(ColorStreaming, DefaultsAreNotWritten) {
  TColorOwner Owner(nullptr);
  Owner.SetName("Owner1");
  EXPECT_EQ(WriteComponentText(&Owner), "object Owner1: TColorOwner\nend\n");
}

TEST(ColorStreaming, SystemColourNamesRead) {
  RegisterClass(TColorOwner::StaticClass());
  std::unique_ptr<TComponent> Read(ReadComponentText(
      "object Owner1: TColorOwner\n  Color = clInfoBk\n  Pen.Color = clLtGray\nend\n"));
  auto* Copy = dynamic_cast<TColorOwner*>(Read.get());
  ASSERT_NE(Copy, nullptr);
  EXPECT_EQ(Copy->Color(), clInfoBk);
  EXPECT_EQ(Copy->Pen()->Color(), clSilver);
}
