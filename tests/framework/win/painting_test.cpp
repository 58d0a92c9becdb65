#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

constexpr uint32_t Red = ColorRefToPixel(0x0000FF);
constexpr uint32_t White = ColorRefToPixel(0xFFFFFF);

class PaintingTest : public WinTest {
 protected:
  // WM_PAINT fills the whole client area with Pixel, clipped by the window system.
  void PaintWith(HWND Wnd, uint32_t Pixel) {
    Handle(Wnd, [this, Pixel](HWND W, UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (Msg != WM_PAINT) return std::nullopt;
      TPaintStruct Paint;
      const HDC DC = BeginPaint(W, Paint);
      Painted.push_back({W, Paint.rcPaint});
      DC->FillRect({0, 0, 1000, 1000}, Pixel);
      EndPaint(W, Paint);
      return 0;
    });
  }
  struct TPainted {
    HWND Wnd;
    TRect R;
  };
  std::vector<TPainted> Painted;
};

TEST_F(PaintingTest, FramesBackgroundsAndClientsPaintInOrderAndEraseOnlyWhenAsked) {
  const HWND Form = Make(WS_VISIBLE | WS_BORDER, Bounds(0, 0, 200, 100));
  const HWND Box = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Form);
  EXPECT_TRUE(Of(WM_PAINT).empty()) << "windows paint when the messages are handled";
  ProcessMessages();
  EXPECT_EQ(Sequence(Form, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
            (std::vector<UINT>{WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}));
  EXPECT_EQ(Sequence(Box, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
            (std::vector<UINT>{WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}));
  const auto SurfaceOf = VisibleTopLevelWindows();
  ASSERT_EQ(SurfaceOf.size(), 1u);
  EXPECT_EQ(SurfaceOf[0].Surface->Pixel(0, 0), ColorRefToPixel(ColorToRGB(clWindowFrame)));
  EXPECT_EQ(PixelAt(Form, 0, 0), White) << "the class background";

  ClearLog();
  PaintWith(Box, Red);
  const TRect A = Rect(0, 0, 10, 10), B = Rect(30, 20, 40, 30);
  InvalidateRect(Box, &A, false);
  InvalidateRect(Box, &B, false);
  TRect Update;
  EXPECT_TRUE(GetUpdateRect(Box, Update));
  EXPECT_EQ(Update, Rect(0, 0, 40, 30));
  input::AdvanceTime(0);
  EXPECT_EQ(Sequence(nullptr, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
            (std::vector<UINT>{WM_PAINT}));
  ASSERT_EQ(Painted.size(), 1u);
  EXPECT_EQ(Painted[0].R, Rect(0, 0, 40, 30));
  EXPECT_EQ(PixelAt(Box, 5, 5), Red);
  EXPECT_EQ(PixelAt(Box, 35, 25), Red);
  EXPECT_EQ(PixelAt(Box, 20, 5), White) << "only the update region is painted";
  EXPECT_FALSE(GetUpdateRect(Box, Update));

  ClearLog();
  InvalidateRect(Box, nullptr, true);
  UpdateWindow(Box);
  EXPECT_EQ(Sequence(nullptr, {WM_ERASEBKGND, WM_PAINT}),
            (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
}

TEST_F(PaintingTest, AParentWithClipChildrenNeverPaintsUnderItsChild) {
  const HWND Form = Make(WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 200, 100));
  const HWND Box = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Form);
  ProcessMessages();
  PaintWith(Form, Red);
  InvalidateRect(Form, nullptr, false);
  ClearLog();
  input::AdvanceTime(0);
  EXPECT_EQ(PixelAt(Form, 5, 5), Red);
  EXPECT_EQ(PixelAt(Form, 10, 10), White);
  EXPECT_EQ(PixelAt(Form, 59, 59), White);
  EXPECT_EQ(PixelAt(Form, 60, 60), Red);
  EXPECT_TRUE(Sequence(Box, {WM_PAINT}).empty()) << "the child was not covered";

  SetWindowLong(Form, GWL_STYLE, WS_VISIBLE);
  InvalidateRect(Form, nullptr, true);
  input::AdvanceTime(0);
  EXPECT_EQ(Sequence(Box, {WM_PAINT}), (std::vector<UINT>{WM_PAINT}))
      << "without the style the parent's painting covers the child, which paints again";
  EXPECT_EQ(PixelAt(Form, 10, 10), White);
}

TEST_F(PaintingTest, SiblingsAboveAreClippedAndAMovedChildUncoversItsParent) {
  const HWND Form = Make(WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 200, 100));
  const HWND Lower = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Form);
  const HWND Upper = Make(WS_CHILD | WS_VISIBLE, Bounds(40, 40, 50, 50), Form);
  PaintWith(Lower, Red);
  InvalidateRect(Lower, nullptr, false);
  input::AdvanceTime(0);
  EXPECT_EQ(PixelAt(Lower, 20, 20), Red);
  EXPECT_EQ(PixelAt(Lower, 35, 35), White) << "under the sibling above";

  PaintWith(Form, Red);
  Painted.clear();
  MoveWindow(Upper, 120, 40, 50, 50);
  input::AdvanceTime(0);
  ASSERT_FALSE(Painted.empty());
  EXPECT_EQ(Painted[0].Wnd, Form);
  EXPECT_EQ(Painted[0].R, Rect(40, 40, 90, 90));
  EXPECT_EQ(PixelAt(Form, 80, 80), Red) << "the uncovered place";
  EXPECT_EQ(PixelAt(Lower, 35, 35), Red) << "the lower sibling repainted what it uncovered";
  EXPECT_EQ(PixelAt(Upper, 5, 5), White);
}

TEST_F(PaintingTest, APaintHandlerWithoutBeginPaintIsNotCalledForever) {
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 100, 100));
  Handle(Form, [](HWND, UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_PAINT) return 0;
    return std::nullopt;
  });
  ClearLog();
  InvalidateRect(Form, nullptr, true);
  input::AdvanceTime(0);
  EXPECT_EQ(Sequence(Form, {WM_ERASEBKGND, WM_PAINT}),
            (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
  TRect Update;
  EXPECT_FALSE(GetUpdateRect(Form, Update));
}

TEST_F(PaintingTest, DeviceContextsOutsidePaintClipToTheVisibleArea) {
  const HWND Form = Make(WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, Bounds(0, 0, 100, 100));
  const HWND Box = Make(WS_CHILD | WS_VISIBLE, Bounds(0, 0, 20, 20), Form);
  ProcessMessages();
  const HDC DC = GetDC(Form);
  DC->FillRect({-5, -5, 200, 200}, Red);
  EXPECT_EQ(ReleaseDC(Form, DC), 1);
  EXPECT_EQ(ReleaseDC(Form, DC), 0) << "already released";
  const auto Top = VisibleTopLevelWindows();
  EXPECT_EQ(Top[0].Surface->Pixel(0, 0), ColorRefToPixel(ColorToRGB(clWindowFrame)));
  EXPECT_EQ(PixelAt(Form, 50, 50), Red);
  EXPECT_EQ(PixelAt(Box, 5, 5), White) << "the frame and the child are outside the client DC";
  EXPECT_EQ(GetDC(HWND(uintptr_t(424242))), nullptr);
}

}  // namespace
}  // namespace framework::test
