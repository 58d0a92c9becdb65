#include <benchmark/benchmark.h>

#include <string>

#include "tarvex.h"

namespace {

using namespace framework;

constexpr int Children = 10;
const TRect ParentBounds = Bounds(0, 0, 400, 300);

TRect ChildBounds(int I) {
  return Bounds(10 + (I % 2) * 195, 10 + (I / 2) * 56, 185, 24);
}

// What each child paints: its background and its text, as a label or an unfocused edit does.
void PaintLabel(TCanvas& Canvas, const TRect& R, const std::string& Text) {
  Canvas.Brush()->SetColor(clWindow);
  Canvas.TextRect(R, R.Left + 2, R.Top + 4, Text);
}

LRESULT LabelProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg != WM_PAINT) return DefWindowProc(Wnd, Msg, W, L);
  TPaintStruct Paint;
  TCanvas Canvas;
  Canvas.SetHandle(BeginPaint(Wnd, Paint));
  TRect Client;
  GetClientRect(Wnd, Client);
  PaintLabel(Canvas, Client, GetWindowText(Wnd));
  EndPaint(Wnd, Paint);
  return 0;
}

std::string LabelText(int I) {
  return "Customer " + std::to_string(I) + ": Vins et alcools";
}

// The window system's way: invalidate the form and its children, then let them paint.
void BM_InvalidateAndRepaint(benchmark::State& State) {
  input::Reset();
  TWndClass Class;
  Class.lpfnWndProc = WNDPROC(&LabelProc);
  Class.hbrBackground = clBtnFace;
  Class.lpszClassName = "BenchLabel";
  RegisterClass(Class);
  const HWND Form = CreateWindowEx(0, "BenchLabel", "", WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                   ParentBounds.Width(), ParentBounds.Height(), nullptr);
  for (int I = 0; I < Children; ++I) {
    const TRect R = ChildBounds(I);
    CreateWindowEx(0, "BenchLabel", LabelText(I), WS_CHILD | WS_VISIBLE, R.Left, R.Top, R.Width(),
                   R.Height(), Form);
  }
  input::AdvanceTime(0);
  for (auto _ : State) {
    InvalidateRect(Form, nullptr, true);
    for (HWND Child : GetChildWindows(Form)) InvalidateRect(Child, nullptr, true);
    PaintPendingWindows();
  }
  DestroyWindow(Form);
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_InvalidateAndRepaint);

// The same pixels drawn straight into a surface: the form's background and each label.
void BM_RepaintBaseline(benchmark::State& State) {
  TSurface Surface(ParentBounds.Width(), ParentBounds.Height());
  TDeviceContext DC(Surface);
  TCanvas Canvas;
  Canvas.SetHandle(&DC);
  std::string Texts[Children];
  for (int I = 0; I < Children; ++I) Texts[I] = LabelText(I);
  for (auto _ : State) {
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.FillRect(ParentBounds);
    for (int I = 0; I < Children; ++I) PaintLabel(Canvas, ChildBounds(I), Texts[I]);
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_RepaintBaseline);

}  // namespace
