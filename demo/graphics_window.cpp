// A window of the graphics layer's primitives on the simulated desktop, painted through the
// window system like any window and written out by the compositor.

#include <memory>

#include "demo/demo_parts.h"
#include "tarvex.h"

using namespace framework;

namespace {

struct TFontSample {
  const char* Name;
  int Size;
  TFontStyles Style;
};

void PaintShapes(TCanvas& Canvas) {
  const TColor Fills[] = {clBtnFace, clHighlight, clInfoBk, clRed, clLime, clBlue};
  for (int I = 0; I < 6; ++I) {
    Canvas.Brush()->SetColor(Fills[I]);
    Canvas.Rectangle(Bounds(10 + I * 36, 10, 30, 30));
  }
  const TPenStyle Styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
  Canvas.Brush()->SetStyle(bsClear);
  for (int I = 0; I < 5; ++I) {
    Canvas.Pen()->SetStyle(Styles[I]);
    Canvas.MoveTo(10, 52 + I * 6);
    Canvas.LineTo(220, 52 + I * 6);
  }
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetWidth(3);
  Canvas.MoveTo(230, 10);
  Canvas.LineTo(300, 80);
  Canvas.Pen()->SetWidth(1);
}

void PaintFrames(TCanvas& Canvas) {
  Canvas.Brush()->SetColor(clBtnFace);
  Canvas.FillRect(Rect(6, 86, 310, 134));
  TRect Raised = Bounds(10, 90, 60, 40), Lowered = Bounds(80, 90, 60, 40);
  Frame3D(&Canvas, Raised, clBtnHighlight, clBtnShadow, 2);
  Frame3D(&Canvas, Lowered, clBtnShadow, clBtnHighlight, 2);
  const unsigned Combo[] = {0, DFCS_PUSHED, DFCS_INACTIVE, DFCS_FLAT};
  for (int I = 0; I < 4; ++I)
    DrawFrameControl(Canvas.Handle(), Bounds(150 + I * 20, 90, 16, 20), DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | Combo[I]);
  const unsigned Check[] = {0, DFCS_CHECKED, DFCS_CHECKED | DFCS_INACTIVE};
  for (int I = 0; I < 3; ++I)
    DrawFrameControl(Canvas.Handle(), Bounds(240 + I * 18, 93, 13, 13), DFC_BUTTON,
                     DFCS_BUTTONCHECK | Check[I]);
  Canvas.DrawFocusRect(Bounds(230, 112, 70, 18));
}

void PaintText(TCanvas& Canvas) {
  const TFontSample Samples[] = {{"DejaVu Sans", 8, {}},
                                 {"DejaVu Sans", 10, {fsBold}},
                                 {"DejaVu Serif", 12, {fsItalic}},
                                 {"DejaVu Sans Mono", 10, {fsUnderline}},
                                 {"DejaVu Sans", 14, {fsBold, fsItalic}}};
  Canvas.Brush()->SetStyle(bsClear);
  int Y = 140;
  for (const TFontSample& Sample : Samples) {
    Canvas.Font()->SetName(Sample.Name);
    Canvas.Font()->SetSize(Sample.Size);
    Canvas.Font()->SetStyle(Sample.Style);
    Canvas.TextOut(10, Y,
                   std::string(Sample.Name) + " " + std::to_string(Sample.Size) +
                       ": Gr\xFC\xDF"
                       "e, caf\xE9, 31/01/1999");
    Y += Canvas.TextHeight("Wg") + 2;
  }
  Canvas.Font()->SetSize(8);
  Canvas.Font()->SetStyle({});
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(clHighlight);
  Canvas.Font()->SetColor(clHighlightText);
  Canvas.TextRect(Bounds(320, 10, 150, 18), 324, 12, "TextRect clips the text to its box");
  Canvas.Font()->SetColor(clWindowText);
}

void PaintBitmap(TCanvas& Canvas, const TBitmap& Glyph) {
  Canvas.Draw(320, 40, &Glyph);
  Canvas.StretchDraw(Bounds(320, 64, Glyph.Width() * 4, Glyph.Height() * 4), &Glyph);
  // The glyph's green painted in the brush colour, as buttons colour their glyphs.
  Canvas.Brush()->SetColor(clBlue);
  Canvas.BrushCopy(Bounds(360, 40, Glyph.Width(), Glyph.Height()), &Glyph,
                   Rect(0, 0, Glyph.Width(), Glyph.Height()), clGreen);
}

LRESULT DemoWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg != WM_PAINT) return DefWindowProc(Wnd, Msg, W, L);
  static TBitmap Glyph;
  if (Glyph.Empty()) Glyph.LoadFromResourceName("DemoGlyph");
  TPaintStruct Paint;
  TCanvas Canvas;
  Canvas.SetHandle(BeginPaint(Wnd, Paint));
  PaintShapes(Canvas);
  PaintFrames(Canvas);
  PaintText(Canvas);
  PaintBitmap(Canvas, Glyph);
  EndPaint(Wnd, Paint);
  return 0;
}

}  // namespace

std::string DrawGraphicsWindow(const std::string& Folder) {
  input::Reset();
  TWndClass Class;
  Class.lpfnWndProc = WNDPROC(&DemoWindowProc);
  Class.hbrBackground = clWindow;
  Class.lpszClassName = "TarvexGraphicsDemo";
  RegisterClass(Class);
  const HWND Wnd = CreateWindowEx(0, Class.lpszClassName, "Tarvex graphics",
                                  WS_CAPTION | WS_BORDER | WS_VISIBLE, 40, 40, 520, 300, nullptr);
  input::AdvanceTime(0);
  const std::string File = Folder + "/graphics.png";
  SaveWindowShot(Wnd, File);
  DestroyWindow(Wnd);
  return File;
}
