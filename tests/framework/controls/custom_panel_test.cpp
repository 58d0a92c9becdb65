#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

uint32_t Pixel(TColor Color) {
  return ColorRefToPixel(ColorToRGB(Color));
}

// A shown form with a panel in a colour of its own, so that the border stands out from the
// bevels.
class PanelTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Panel = new TPanel(Form);
    Panel->SetParent(Form);
    Panel->SetBounds(10, 10, 120, 40);
    Panel->SetColor(clAqua);
    Form->Show();
  }

  TForm* Form = nullptr;
  TPanel* Panel = nullptr;
};

// Profile: one letter per pixel from an edge inwards, up to the inside: R a raised bevel's pixel
// (light top-left, dark bottom-right), L a lowered one's, C the panel's colour.
struct BevelCase {
  const char* Name;
  TPanelBevel Outer;
  TPanelBevel Inner;
  int BevelWidth;
  int BorderWidth;
  const char* Profile;
};

class PanelBevels : public PanelTest, public ::testing::WithParamInterface<BevelCase> {};

TEST_P(PanelBevels, PaintOutsideInwards) {
  const BevelCase& C = GetParam();
  Panel->SetBevelOuter(C.Outer);
  Panel->SetBevelInner(C.Inner);
  Panel->SetBevelWidth(C.BevelWidth);
  Panel->SetBorderWidth(C.BorderWidth);
  const TSurface Shot = RenderWindow(Panel->Handle());
  const int W = Panel->Width(), H = Panel->Height();
  for (int D = 0; C.Profile[D]; ++D) {
    const char Kind = C.Profile[D];
    const TColor Light = Kind == 'C' ? clAqua : Kind == 'R' ? clBtnHighlight : clBtnShadow;
    const TColor Dark = Kind == 'C' ? clAqua : Kind == 'R' ? clBtnShadow : clBtnHighlight;
    EXPECT_EQ(Shot.Pixel(D, H / 2), Pixel(Light)) << "left, depth " << D;
    EXPECT_EQ(Shot.Pixel(W / 2, D), Pixel(Light)) << "top, depth " << D;
    EXPECT_EQ(Shot.Pixel(W - 1 - D, H / 2), Pixel(Dark)) << "right, depth " << D;
    EXPECT_EQ(Shot.Pixel(W / 2, H - 1 - D), Pixel(Dark)) << "bottom, depth " << D;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PanelBevels,
    ::testing::Values(BevelCase{"DefaultRaised", bvRaised, bvNone, 1, 0, "RC"},
                      BevelCase{"NoBevel", bvNone, bvNone, 3, 0, "C"},
                      BevelCase{"LoweredTwoWide", bvLowered, bvNone, 2, 0, "LLC"},
                      BevelCase{"InnerOnly", bvNone, bvLowered, 1, 0, "LC"},
                      BevelCase{"BorderBetweenBevels", bvRaised, bvLowered, 2, 3, "RRCCCLLC"}),
    [](const auto& I) { return std::string(I.param.Name); });

struct CaptionCase {
  const char* Name;
  TAlignment Alignment;
};

class PanelCaption : public PanelTest, public ::testing::WithParamInterface<CaptionCase> {};

// The caption, set after the panel is shown, appears where its alignment puts it, within the
// bevels and vertically centred.
TEST_P(PanelCaption, IsPlacedByItsAlignment) {
  Panel->SetAlignment(GetParam().Alignment);
  Panel->SetCaption("Wide");
  const TSurface Shot = RenderWindow(Panel->Handle());
  const int W = Panel->Width(), H = Panel->Height();
  int Left = W, Right = -1, Top = H, Bottom = -1;
  for (int Y = 1; Y < H - 1; ++Y)
    for (int X = 1; X < W - 1; ++X)
      if (Shot.Pixel(X, Y) != Pixel(clAqua)) {
        Left = std::min(Left, X);
        Right = std::max(Right, X);
        Top = std::min(Top, Y);
        Bottom = std::max(Bottom, Y);
      }
  ASSERT_GE(Right, Left) << "no caption painted";
  EXPECT_NEAR(Top + Bottom, H - 1, 6);
  switch (GetParam().Alignment) {
    case taLeftJustify: EXPECT_LE(Left, 3); break;
    case taRightJustify: EXPECT_GE(Right, W - 4); break;
    case taCenter: EXPECT_NEAR(Left + Right, W - 1, 4); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelCaption,
                         ::testing::Values(CaptionCase{"Centre", taCenter},
                                           CaptionCase{"Left", taLeftJustify},
                                           CaptionCase{"Right", taRightJustify}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(PanelTest, BadBevelAndBorderValuesAreRefused) {
  EXPECT_THROW(Panel->SetBevelWidth(0), EInvalidOperation);
  EXPECT_THROW(Panel->SetBorderWidth(-1), EInvalidOperation);
  EXPECT_THROW(Panel->SetBorderStyle(bsSizeable), EInvalidOperation);
  EXPECT_EQ(Panel->BevelWidth(), 1);
  EXPECT_EQ(Panel->BorderWidth(), 0);
  EXPECT_EQ(Panel->BorderStyle(), bsNone);
}

TEST_F(PanelTest, SingleBorderFramesTheClientArea) {
  Panel->SetBorderStyle(bsSingle);
  EXPECT_EQ(Panel->ClientWidth(), Panel->Width() - 4) << "sunken 3-D edge";
  Panel->SetCtl3D(false);
  EXPECT_EQ(Panel->ClientWidth(), Panel->Width() - 2) << "flat line";
}

TEST_F(PanelTest, FormRoundTripKeepsPanelButtonAndCheckBox) {
  static const bool Registered = [] {
    controls_test::RegisterTestClasses();
    RegisterClass(TPanel::StaticClass());
    RegisterClass(TButton::StaticClass());
    RegisterClass(TCheckBox::StaticClass());
    return true;
  }();
  (void)Registered;
  Form->SetName("Orders");
  Panel->SetName("Footer");
  Panel->SetCaption("Totals");
  Panel->SetAlignment(taLeftJustify);
  Panel->SetBevelInner(bvLowered);
  Panel->SetBevelWidth(2);
  Panel->SetBorderWidth(3);
  auto* Ok = new TButton(Form);
  Ok->SetName("Ok");
  Ok->SetParent(Panel);
  Ok->SetBounds(8, 8, 80, 24);
  Ok->SetCaption("OK");
  Ok->SetDefault(true);
  Ok->SetCancel(true);
  Ok->SetModalResult(1);
  auto* Paid = new TCheckBox(Form);
  Paid->SetName("Paid");
  Paid->SetParent(Panel);
  Paid->SetBounds(100, 10, 60, 17);
  Paid->SetCaption("Paid");
  Paid->SetAllowGrayed(true);
  Paid->SetState(cbGrayed);
  Form->SetActiveControl(Paid);

  const std::string Text = WriteComponentText(Form);
  delete Form;
  std::unique_ptr<TComponent> Read(ReadComponentText(Text));
  EXPECT_EQ(WriteComponentText(Read.get()), Text);

  auto* Footer = dynamic_cast<TPanel*>(Read->FindComponent("Footer"));
  auto* COk = dynamic_cast<TButton*>(Read->FindComponent("Ok"));
  auto* CPaid = dynamic_cast<TCheckBox*>(Read->FindComponent("Paid"));
  ASSERT_TRUE(Footer && COk && CPaid);
  EXPECT_EQ(Footer->Parent(), Read.get());
  EXPECT_EQ(Footer->BoundsRect(), Bounds(10, 10, 120, 40));
  EXPECT_EQ(Footer->Caption(), "Totals");
  EXPECT_EQ(Footer->Alignment(), taLeftJustify);
  EXPECT_EQ(Footer->BevelOuter(), bvRaised);
  EXPECT_EQ(Footer->BevelInner(), bvLowered);
  EXPECT_EQ(Footer->BevelWidth(), 2);
  EXPECT_EQ(Footer->BorderWidth(), 3);
  EXPECT_EQ(Footer->Color(), clAqua);
  EXPECT_EQ(COk->Parent(), Footer);
  EXPECT_EQ(COk->BoundsRect(), Bounds(8, 8, 80, 24));
  EXPECT_EQ(COk->Caption(), "OK");
  EXPECT_TRUE(COk->Default() && COk->Cancel());
  EXPECT_EQ(COk->ModalResult(), 1);
  EXPECT_EQ(CPaid->Parent(), Footer);
  EXPECT_EQ(CPaid->BoundsRect(), Bounds(100, 10, 60, 17));
  EXPECT_EQ(CPaid->Caption(), "Paid");
  EXPECT_TRUE(CPaid->AllowGrayed());
  EXPECT_EQ(CPaid->State(), cbGrayed);
  EXPECT_TRUE(CPaid->Focused());
}

}  // namespace
}  // namespace framework::test
