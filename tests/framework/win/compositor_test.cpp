#include "framework/win/compositor.h"

#include <filesystem>

#include "framework/classes/file_stream.h"
#include "framework/graphics/png_image.h"
#include "framework/rtl/exceptions.h"
#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

constexpr uint32_t White = ColorRefToPixel(0xFFFFFF);

class CompositorTest : public WinTest {
 protected:
  // WM_PAINT fills the client area with Pixel.
  void PaintWith(HWND Wnd, uint32_t Pixel) {
    Handle(Wnd, [Pixel](HWND W, UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (Msg != WM_PAINT) return std::nullopt;
      TPaintStruct Paint;
      BeginPaint(W, Paint)->FillRect({0, 0, 1000, 1000}, Pixel);
      EndPaint(W, Paint);
      return 0;
    });
  }
};

constexpr uint32_t Green = ColorRefToPixel(0x00FF00);
constexpr uint32_t Blue = ColorRefToPixel(0xFF0000);

TEST_F(CompositorTest, StacksTopLevelWindowsOnTheDesktop) {
  SetScreenSize(320, 200);
  const HWND Below = Make(WS_VISIBLE, Bounds(10, 10, 100, 80));
  const HWND Above = Make(WS_VISIBLE, Bounds(60, 40, 100, 80));
  PaintWith(Below, Green);
  PaintWith(Above, Blue);
  const TSurface Screen = RenderScreen();
  EXPECT_EQ(Screen.Width(), 320);
  EXPECT_EQ(Screen.Pixel(0, 0), ColorRefToPixel(GetSysColor(COLOR_BACKGROUND)));
  EXPECT_EQ(Screen.Pixel(20, 20), Green);
  EXPECT_EQ(Screen.Pixel(70, 50), Blue) << "the upper window covers the lower one";
  EXPECT_EQ(Screen.Pixel(300, 190), ColorRefToPixel(GetSysColor(COLOR_BACKGROUND)));

  // The lower window shows whole when rendered on its own.
  const TSurface Alone = RenderWindow(Below);
  EXPECT_EQ(Alone.Width(), 100);
  EXPECT_EQ(Alone.Pixel(70, 50), Green);
}

TEST_F(CompositorTest, RendersAChildWithItsFrameFromItsTopLevelSurface) {
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 200, 100));
  const HWND Box = Make(WS_CHILD | WS_VISIBLE | WS_BORDER, Bounds(20, 10, 50, 40), Form);
  PaintWith(Box, Blue);
  const TSurface Shot = RenderWindow(Box);
  EXPECT_EQ((std::pair{Shot.Width(), Shot.Height()}), (std::pair{50, 40}));
  EXPECT_EQ(Shot.Pixel(0, 0), ColorRefToPixel(ColorToRGB(clWindowFrame)));
  EXPECT_EQ(Shot.Pixel(25, 20), Blue);

  ShowWindow(Box, SW_HIDE);
  EXPECT_THROW(RenderWindow(Box), EInvalidOperation);
  EXPECT_EQ(RenderWindow(Form).Pixel(25, 20), White);
}

TEST_F(CompositorTest, WritesThePictureAsPng) {
  SetScreenSize(64, 48);
  const HWND Wnd = Make(WS_VISIBLE, Bounds(8, 8, 16, 16));
  PaintWith(Wnd, Green);
  const std::string File =
      (std::filesystem::temp_directory_path() / "tarvex_compositor_test.png").string();
  SaveScreenshot(File);
  TPngImage Png;
  TFileStream Stream(File, fmOpenRead);
  Png.LoadFromStream(Stream);
  std::filesystem::remove(File);
  EXPECT_EQ((std::pair{Png.Width(), Png.Height()}), (std::pair{64, 48}));
  EXPECT_EQ(Png.Surface().Pixel(16, 16), Green);
}

}  // namespace
}  // namespace framework::test
