#include <climits>
#include <string>
#include <tuple>
#include <utility>

#include "framework/graphics/font_engine.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/system_control.h"
#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

constexpr int Side = 200;
using TRequests = std::vector<std::pair<WORD, WORD>>;

void SetBar(HWND Wnd, int Bar, int Min, int Max, UINT Page, int Pos) {
  TScrollInfo Info;
  Info.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Info.Min = Min;
  Info.Max = Max;
  Info.Page = Page;
  Info.Pos = Pos;
  SetScrollInfo(Wnd, Bar, Info);
}

TScrollInfo BarInfo(HWND Wnd, int Bar) {
  TScrollInfo Info;
  EXPECT_TRUE(GetScrollInfo(Wnd, Bar, Info));
  return Info;
}

int Arrow(int Bar) {
  return GetSystemMetrics(Bar == SB_VERT ? SM_CYVSCROLL : SM_CXHSCROLL);
}

int Thickness() {
  return GetSystemMetrics(SM_CXVSCROLL);
}

// Windows without a border, so that their bars run along the client's right and bottom edges.
class ScrollBarTest : public WinTest {
 protected:
  HWND MakeScrolling(DWORD Bars = WS_VSCROLL | WS_HSCROLL, HWND Parent = nullptr) {
    return Make(WS_VISIBLE | Bars | (Parent ? DWORD(WS_CHILD) : 0u),
                Bounds(Parent ? 0 : 100, Parent ? 0 : 100, Side, Side), Parent);
  }

  static int BarLength(HWND Wnd, int Bar) {
    TRect Client;
    GetClientRect(Wnd, Client);
    return Bar == SB_VERT ? Client.Height() : Client.Width();
  }
  // The point Along pixels from the bar's top (left) end, across its middle, in client
  // coordinates; a negative Along counts from the other end.
  static TPoint BarPoint(HWND Wnd, int Bar, int Along) {
    TRect Client;
    GetClientRect(Wnd, Client);
    if (Along < 0) Along += BarLength(Wnd, Bar);
    return Bar == SB_VERT ? Point(Client.Right + Thickness() / 2, Along)
                          : Point(Along, Client.Bottom + Thickness() / 2);
  }
  TPoint OnBar(HWND Wnd, int Bar, int Along) const {
    const TPoint P = BarPoint(Wnd, Bar, Along);
    return ScreenPoint(Wnd, P.X, P.Y);
  }
  uint32_t BarPixel(HWND Wnd, int Bar, int Along) const {
    const TPoint P = BarPoint(Wnd, Bar, Along);
    return PixelAt(Wnd, P.X, P.Y);
  }
  // The thumb as the pixels show it along the middle of the track: from its white top (left)
  // edge to its black bottom (right) one; {0, 0} when there is none.
  std::pair<int, int> Thumb(HWND Wnd, int Bar) const {
    int First = 0, End = 0;
    for (int A = Arrow(Bar); A < BarLength(Wnd, Bar) - Arrow(Bar); ++A) {
      const uint32_t Pixel = BarPixel(Wnd, Bar, A);
      if (Pixel == ColorPixel(clBtnHighlight) && !First) First = A;
      if (Pixel == ColorPixel(cl3DDkShadow)) End = A + 1;
    }
    return {First, End};
  }
  // Inside the frame of the top (left) arrow button: the black of an active arrow's triangle.
  bool ArrowIsBlack(HWND Wnd, int Bar) const {
    for (int A = 2; A < Arrow(Bar) - 2; ++A)
      if (BarPixel(Wnd, Bar, A) == ColorPixel(clBlack)) return true;
    return false;
  }
  TRequests Requests(HWND Wnd, UINT Msg) const {
    TRequests Result;
    for (const TLogged& L : Of(Msg))
      if (L.Wnd == Wnd) {
        EXPECT_EQ(L.LParam, 0);
        Result.emplace_back(LOWORD(L.WParam), HIWORD(L.WParam));
      }
    return Result;
  }
  size_t CountOf(HWND Wnd, WORD Code) const {
    size_t Count = 0;
    for (const auto& [C, Pos] : Requests(Wnd, WM_VSCROLL)) Count += C == Code;
    return Count;
  }
};

struct TInfoCase {
  const char* Name;
  UINT Mask;
  int Min, Max;
  UINT Page;
  int Pos;
  int WantMin, WantMax;
  UINT WantPage;
  int WantPos;
};

class ScrollInfoCases : public ScrollBarTest, public ::testing::WithParamInterface<TInfoCase> {};

TEST_P(ScrollInfoCases, KeepPosAndPageWithinTheRange) {
  const TInfoCase& C = GetParam();
  const HWND Wnd = MakeScrolling();
  SetBar(Wnd, SB_VERT, 0, 99, 10, 40);
  const TScrollInfo Info{C.Mask, C.Min, C.Max, C.Page, C.Pos, 0};
  EXPECT_EQ(SetScrollInfo(Wnd, SB_VERT, Info), C.WantPos);
  const TScrollInfo Now = BarInfo(Wnd, SB_VERT);
  EXPECT_EQ(Now.Min, C.WantMin);
  EXPECT_EQ(Now.Max, C.WantMax);
  EXPECT_EQ(Now.Page, C.WantPage);
  EXPECT_EQ(Now.Pos, C.WantPos);
  EXPECT_EQ(Now.TrackPos, C.WantPos) << "nothing is dragged";
  EXPECT_EQ(GetScrollPos(Wnd, SB_VERT), C.WantPos);
  EXPECT_EQ(GetScrollPos(Wnd, SB_HORZ), 0) << "the other bar is apart";
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ScrollInfoCases,
    ::testing::Values(TInfoCase{"PosWithin", SIF_POS, 0, 0, 0, 55, 0, 99, 10, 55},
                      TInfoCase{"PosPastTheLastPage", SIF_POS, 0, 0, 0, 95, 0, 99, 10, 90},
                      TInfoCase{"PosBelowMin", SIF_POS, 0, 0, 0, -5, 0, 99, 10, 0},
                      TInfoCase{"LargerPageMovesPosBack", SIF_PAGE, 0, 0, 70, 0, 0, 99, 70, 30},
                      TInfoCase{"PageZeroReachesMax", SIF_PAGE | SIF_POS, 0, 0, 0, 500, 0, 99, 0,
                                99},
                      TInfoCase{"SmallerRangeMovesPosBack", SIF_RANGE, 0, 19, 0, 0, 0, 19, 10, 10},
                      TInfoCase{"PageCutToTheRange", SIF_RANGE, 0, 4, 0, 0, 0, 4, 5, 0},
                      TInfoCase{"RangeMovedUpTakesPos", SIF_RANGE, 50, 149, 0, 0, 50, 149, 10, 50},
                      TInfoCase{"MaxBelowMinIsMin", SIF_RANGE, 20, 5, 0, 0, 20, 20, 1, 20},
                      TInfoCase{"WholeIntRangeAndPage", SIF_RANGE | SIF_PAGE | SIF_POS, INT_MIN,
                                INT_MAX, UINT_MAX, 0, INT_MIN, INT_MAX, UINT_MAX, INT_MIN + 1},
                      TInfoCase{"MaskLeavesTheRest", SIF_TRACKPOS, 7, 8, 9, 10, 0, 99, 10, 40}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(ScrollBarTest, CallsAnswerThePreviousPositionAndFailOnAnotherBarOrAGoneWindow) {
  const HWND Wnd = MakeScrolling();
  SetBar(Wnd, SB_VERT, 0, 99, 10, 40);
  EXPECT_EQ(SetScrollPos(Wnd, SB_VERT, 95), 40);
  EXPECT_EQ(GetScrollPos(Wnd, SB_VERT), 90);
  EXPECT_TRUE(SetScrollRange(Wnd, SB_HORZ, 5, 10));
  int Min = 0, Max = 0;
  EXPECT_TRUE(GetScrollRange(Wnd, SB_HORZ, Min, Max));
  EXPECT_EQ(std::make_pair(Min, Max), std::make_pair(5, 10));
  EXPECT_EQ(GetScrollPos(Wnd, SB_HORZ), 5);

  TScrollInfo Info;
  EXPECT_EQ(SetScrollInfo(Wnd, SB_CTL, Info), 0);
  EXPECT_FALSE(GetScrollInfo(Wnd, SB_BOTH, Info));
  EXPECT_FALSE(ShowScrollBar(Wnd, SB_CTL, false));

  DestroyWindow(Wnd);
  EXPECT_EQ(SetScrollPos(Wnd, SB_VERT, 3), 0);
  EXPECT_EQ(GetScrollPos(Wnd, SB_VERT), 0);
  EXPECT_FALSE(GetScrollInfo(Wnd, SB_VERT, Info));
  EXPECT_FALSE(SetScrollRange(Wnd, SB_VERT, 0, 5));
  EXPECT_FALSE(GetScrollRange(Wnd, SB_HORZ, Min, Max));
  EXPECT_EQ(std::make_pair(Min, Max), std::make_pair(0, 0));
  EXPECT_FALSE(ShowScrollBar(Wnd, SB_VERT, true));
}

TEST_F(ScrollBarTest, ShowScrollBarLaysTheFrameOutAgain) {
  const HWND Wnd = MakeScrolling(0);
  input::AdvanceTime(0);
  const TPoint Corner{Side - Thickness() / 2, Side - Thickness() / 2};
  EXPECT_EQ(PixelAt(Wnd, Corner.X, Corner.Y), ColorPixel(clWhite));
  ClearLog();
  EXPECT_TRUE(ShowScrollBar(Wnd, SB_BOTH, true));
  TRect Client;
  GetClientRect(Wnd, Client);
  EXPECT_EQ(Client, Rect(0, 0, Side - Thickness(), Side - Thickness()));
  EXPECT_EQ(Sequence(Wnd, {WM_NCCALCSIZE, WM_SIZE}), (std::vector<UINT>{WM_NCCALCSIZE, WM_SIZE}));
  EXPECT_EQ(Of(WM_SIZE).back().LParam, MAKELPARAM(Client.Width(), Client.Height()));
  input::AdvanceTime(0);
  EXPECT_EQ(PixelAt(Wnd, Corner.X, Corner.Y), ColorPixel(clBtnFace)) << "the corner square";
  EXPECT_EQ(SendMessage(Wnd, WM_NCHITTEST, 0, PointToLParam(OnBar(Wnd, SB_HORZ, 30))), HTHSCROLL);

  EXPECT_TRUE(ShowScrollBar(Wnd, SB_VERT, false));
  GetClientRect(Wnd, Client);
  EXPECT_EQ(Client, Rect(0, 0, Side, Side - Thickness()));
  EXPECT_EQ(Of(WM_SIZE).back().LParam, MAKELPARAM(Side, Side - Thickness()));
  ClearLog();
  EXPECT_TRUE(ShowScrollBar(Wnd, SB_VERT, false));
  EXPECT_TRUE(Of(WM_SIZE).empty()) << "nothing changed";
}

struct TClickCase {
  const char* Name;
  int Bar;
  int Along;
  WORD Code;
};

class BarClicks : public ScrollBarTest, public ::testing::WithParamInterface<TClickCase> {};

TEST_P(BarClicks, SendTheRequestThenEndScroll) {
  const TClickCase& C = GetParam();
  const HWND Wnd = MakeScrolling();
  SetBar(Wnd, SB_VERT, 0, 99, 10, 50);
  SetBar(Wnd, SB_HORZ, 0, 99, 10, 50);
  ClearLog();
  input::Click(OnBar(Wnd, C.Bar, C.Along));
  const UINT Msg = C.Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
  const UINT Other = C.Bar == SB_VERT ? WM_HSCROLL : WM_VSCROLL;
  EXPECT_EQ(Requests(Wnd, Msg), (TRequests{{C.Code, 0}, {SB_ENDSCROLL, 0}}));
  EXPECT_TRUE(Requests(Wnd, Other).empty());
  ASSERT_EQ(Of(WM_NCLBUTTONDOWN).size(), 1u) << "the window's procedure hears of the press";
  EXPECT_EQ(Of(WM_NCLBUTTONDOWN)[0].WParam, WPARAM(C.Bar == SB_VERT ? HTVSCROLL : HTHSCROLL));
  EXPECT_TRUE(Sequence(Wnd, {WM_LBUTTONUP, WM_NCLBUTTONUP}).empty()) << "the bar takes the release";
}

INSTANTIATE_TEST_SUITE_P(Parts, BarClicks,
                         ::testing::Values(TClickCase{"UpArrow", SB_VERT, 8, SB_LINEUP},
                                           TClickCase{"AboveTheThumb", SB_VERT, 30, SB_PAGEUP},
                                           TClickCase{"BelowTheThumb", SB_VERT, -30, SB_PAGEDOWN},
                                           TClickCase{"DownArrow", SB_VERT, -8, SB_LINEDOWN},
                                           TClickCase{"LeftArrow", SB_HORZ, 8, SB_LINELEFT},
                                           TClickCase{"LeftOfTheThumb", SB_HORZ, 30, SB_PAGELEFT},
                                           TClickCase{"RightOfTheThumb", SB_HORZ, -30,
                                                      SB_PAGERIGHT},
                                           TClickCase{"RightArrow", SB_HORZ, -8, SB_LINERIGHT}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(ScrollBarTest, PressesAreIgnoredWhenNothingScrollsOrTheProcedureKeepsThem) {
  const HWND Covered = MakeScrolling(WS_VSCROLL);
  SetBar(Covered, SB_VERT, 0, 9, 10, 0);
  const HWND Empty = Make(WS_VISIBLE | WS_VSCROLL, Bounds(400, 100, Side, Side));
  SetBar(Empty, SB_VERT, 3, 3, 0, 3);
  const HWND Kept = Make(WS_VISIBLE | WS_VSCROLL, Bounds(700, 100, Side, Side));
  SetBar(Kept, SB_VERT, 0, 99, 10, 50);
  Handle(Kept, [](HWND, UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_NCLBUTTONDOWN) return 0;
    return std::nullopt;
  });
  ClearLog();
  for (const HWND Wnd : {Covered, Empty, Kept})
    for (const int Along : {8, 30, -30, -8}) input::Click(OnBar(Wnd, SB_VERT, Along));
  EXPECT_TRUE(Of(WM_VSCROLL).empty());
  EXPECT_EQ(Sequence(Kept, {WM_NCLBUTTONUP}).size(), 4u) << "the releases are the window's";
}

TEST_F(ScrollBarTest, ThumbDragTracksPositionsAndKeepsTheMouseFromTheClient) {
  const HWND Wnd = MakeScrolling();
  SetBar(Wnd, SB_VERT, 0, 99, 10, 50);
  const auto [Top, Bottom] = Thumb(Wnd, SB_VERT);
  ASSERT_LT(Top, Bottom);
  const int Grab = (Top + Bottom) / 2;
  input::MouseMove(OnBar(Wnd, SB_VERT, Grab));
  ClearLog();
  input::MouseDown(mbLeft, OnBar(Wnd, SB_VERT, Grab));
  EXPECT_TRUE(Of(WM_VSCROLL).empty()) << "taking the thumb sends nothing";
  const TPoint Lower = OnBar(Wnd, SB_VERT, Grab + 20);
  input::MouseMove(Lower);
  input::MouseMove({Lower.X - 60, Lower.Y});
  input::MouseMove({Lower.X, 767});
  const TScrollInfo Dragged = BarInfo(Wnd, SB_VERT);
  EXPECT_EQ(Dragged.TrackPos, 90);
  EXPECT_EQ(Dragged.Pos, 50) << "the window sets the position, not the bar";
  EXPECT_EQ(Thumb(Wnd, SB_VERT).second, BarLength(Wnd, SB_VERT) - Arrow(SB_VERT))
      << "the thumb is painted at the dragged place";
  input::MouseMove({Lower.X, 0});
  input::MouseMove(OnBar(Wnd, SB_VERT, Grab));
  input::MouseUp(mbLeft, OnBar(Wnd, SB_VERT, Grab));

  const TRequests Got = Requests(Wnd, WM_VSCROLL);
  ASSERT_EQ(Got.size(), 6u);
  EXPECT_EQ(Got[0].first, SB_THUMBTRACK);
  EXPECT_GT(Got[0].second, 50);
  EXPECT_LT(Got[0].second, 90);
  EXPECT_EQ(TRequests(Got.begin() + 1, Got.end()), (TRequests{{SB_THUMBTRACK, 90},
                                                              {SB_THUMBTRACK, 0},
                                                              {SB_THUMBTRACK, 50},
                                                              {SB_THUMBPOSITION, 50},
                                                              {SB_ENDSCROLL, 0}}))
      << "a sideways move changes nothing; back where it was taken is where it started";
  EXPECT_TRUE(
      Sequence(nullptr, {WM_MOUSEMOVE, WM_LBUTTONUP, WM_NCMOUSEMOVE, WM_NCLBUTTONUP}).empty());
  input::MouseMove(ScreenPoint(Wnd, 20, 20));
  EXPECT_EQ(Sequence(Wnd, {WM_MOUSEMOVE}).size(), 1u) << "released, the mouse is the window's";
}

class ThumbPainting : public ScrollBarTest, public ::testing::WithParamInterface<int> {};

TEST_P(ThumbPainting, FollowsPosAndPageAndGoesWhenNothingScrolls) {
  const int Bar = GetParam();
  const HWND Wnd = MakeScrolling(Bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL);
  input::AdvanceTime(0);
  const int Start = Arrow(Bar), End = BarLength(Wnd, Bar) - Arrow(Bar), Track = End - Start;
  SetBar(Wnd, Bar, 0, 99, 10, 0);
  TRect Update;
  EXPECT_FALSE(GetUpdateRect(Wnd, Update)) << "painted at once, the client left alone";
  const auto AtZero = Thumb(Wnd, Bar);
  EXPECT_EQ(AtZero.first, Start);
  EXPECT_EQ(AtZero.second - AtZero.first, Track * 10 / 100) << "as long as the page";
  EXPECT_TRUE(ArrowIsBlack(Wnd, Bar));

  SetScrollPos(Wnd, Bar, 45);
  const auto Middle = Thumb(Wnd, Bar);
  EXPECT_GT(Middle.first, AtZero.first);
  EXPECT_EQ(Middle.second - Middle.first, AtZero.second - AtZero.first);
  SetScrollPos(Wnd, Bar, 90);
  EXPECT_EQ(Thumb(Wnd, Bar).second, End);
  EXPECT_GT(Thumb(Wnd, Bar).first, Middle.first);

  SetBar(Wnd, Bar, 0, 99, 50, 0);
  EXPECT_EQ(Thumb(Wnd, Bar).second - Thumb(Wnd, Bar).first, Track / 2);
  SetBar(Wnd, Bar, 0, 99, 0, 0);
  EXPECT_EQ(Thumb(Wnd, Bar).second - Thumb(Wnd, Bar).first, Thickness()) << "square";
  SetBar(Wnd, Bar, 0, 99999, 1, 0);
  EXPECT_GE(Thumb(Wnd, Bar).second - Thumb(Wnd, Bar).first, 4) << "never thinner than a few pixels";

  SetBar(Wnd, Bar, 0, 99, 100, 0);
  EXPECT_EQ(Thumb(Wnd, Bar), std::make_pair(0, 0));
  for (int A = Start; A < End; ++A) ASSERT_EQ(BarPixel(Wnd, Bar, A), ColorPixel(clScrollBar)) << A;
  EXPECT_FALSE(ArrowIsBlack(Wnd, Bar)) << "the arrows are inactive";
}

INSTANTIATE_TEST_SUITE_P(Bars, ThumbPainting, ::testing::Values(SB_VERT, SB_HORZ),
                         [](const auto& I) { return std::string(I.param == SB_VERT ? "V" : "H"); });

TEST_F(ScrollBarTest, HeldArrowRepeatsAfterADelayWhileThePointerIsOverIt) {
  const HWND Wnd = MakeScrolling();
  SetBar(Wnd, SB_VERT, 0, 99, 10, 50);
  const TPoint Down = OnBar(Wnd, SB_VERT, -8);
  input::MouseMove(Down);
  ClearLog();
  input::MouseDown(mbLeft, Down);
  input::AdvanceTime(399);
  EXPECT_EQ(CountOf(Wnd, SB_LINEDOWN), 1u);
  input::AdvanceTime(1);
  EXPECT_EQ(CountOf(Wnd, SB_LINEDOWN), 2u);
  input::AdvanceTime(100);
  EXPECT_EQ(CountOf(Wnd, SB_LINEDOWN), 4u);
  input::MouseMove(OnBar(Wnd, SB_VERT, -30));
  input::AdvanceTime(200);
  EXPECT_EQ(CountOf(Wnd, SB_LINEDOWN), 4u) << "off the arrow";
  input::MouseMove(Down);
  input::AdvanceTime(50);
  EXPECT_EQ(CountOf(Wnd, SB_LINEDOWN), 5u);
  input::MouseUp(mbLeft, Down);
  input::AdvanceTime(500);
  EXPECT_EQ(CountOf(Wnd, SB_LINEDOWN), 5u);
  EXPECT_EQ(Requests(Wnd, WM_VSCROLL).back().first, SB_ENDSCROLL);
  EXPECT_TRUE(Sequence(Wnd, {WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_LBUTTONUP}).empty());
}

TEST_F(ScrollBarTest, HeldPageRepeatsUntilTheThumbReachesThePointer) {
  const HWND Wnd = MakeScrolling();
  SetBar(Wnd, SB_VERT, 0, 99, 10, 0);
  Handle(Wnd, [](HWND Self, UINT Msg, WPARAM W, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_VSCROLL && LOWORD(W) == SB_PAGEDOWN)
      SetScrollPos(Self, SB_VERT, GetScrollPos(Self, SB_VERT) + 10);
    return std::nullopt;
  });
  const int Along = BarLength(Wnd, SB_VERT) - Arrow(SB_VERT) - 40;
  ClearLog();
  input::MouseDown(mbLeft, OnBar(Wnd, SB_VERT, Along));
  input::AdvanceTime(2000);
  const int Pos = GetScrollPos(Wnd, SB_VERT);
  EXPECT_LT(Pos, 90) << "stopped before the end";
  EXPECT_EQ(CountOf(Wnd, SB_PAGEDOWN), size_t(Pos / 10));
  const auto [Top, Bottom] = Thumb(Wnd, SB_VERT);
  EXPECT_LE(Top, Along);
  EXPECT_GT(Bottom, Along);
  input::MouseUp(mbLeft, OnBar(Wnd, SB_VERT, Along));
}

TEST_F(ScrollBarTest, DisablingTheWindowEndsAHeldPress) {
  const HWND Wnd = MakeScrolling();
  SetBar(Wnd, SB_VERT, 0, 99, 10, 50);
  ClearLog();
  input::MouseDown(mbLeft, OnBar(Wnd, SB_VERT, 8));
  EnableWindow(Wnd, false);
  input::AdvanceTime(1000);
  EXPECT_EQ(Requests(Wnd, WM_VSCROLL), (TRequests{{SB_LINEUP, 0}, {SB_ENDSCROLL, 0}}));
  input::MouseUp(mbLeft, OnBar(Wnd, SB_VERT, 8));
  EnableWindow(Wnd, true);
  input::Click(OnBar(Wnd, SB_VERT, -8));
  EXPECT_EQ(CountOf(Wnd, SB_LINEDOWN), 1u) << "the next press tracks again";
}

struct TDestroyCase {
  const char* Name;
  bool OnThumb;
  WORD Code;
  int Nth;
  // Each move of the pointer, along the bar: an arrow's stay on it.
  int Step;
};

class DestroyedWhileTracking : public ScrollBarTest,
                               public ::testing::WithParamInterface<TDestroyCase> {};

TEST_P(DestroyedWhileTracking, LeavesTheMouseToTheOtherWindows) {
  const TDestroyCase& C = GetParam();
  const HWND Form = Make(WS_VISIBLE, Bounds(100, 100, 500, 400));
  const HWND Wnd = MakeScrolling(WS_VSCROLL, Form);
  SetBar(Wnd, SB_VERT, 0, 99, 10, 50);
  int Seen = 0;
  Handle(Wnd, [&](HWND Self, UINT Msg, WPARAM W, LPARAM) -> std::optional<LRESULT> {
    if (Msg != WM_VSCROLL || LOWORD(W) != C.Code || ++Seen != C.Nth) return std::nullopt;
    DestroyWindow(Self);
    return 0;
  });
  const auto [Top, Bottom] = Thumb(Wnd, SB_VERT);
  const int Along = C.OnThumb ? (Top + Bottom) / 2 : -8;
  const TPoint Press = OnBar(Wnd, SB_VERT, Along);
  input::MouseDown(mbLeft, Press);
  input::MouseMove({Press.X, Press.Y + C.Step});
  input::AdvanceTime(1000);
  input::MouseMove({Press.X, Press.Y + 2 * C.Step});
  input::MouseUp(mbLeft, {Press.X, Press.Y + 2 * C.Step});
  EXPECT_FALSE(IsWindow(Wnd));
  bool Gone = false;
  for (const TLogged& L : Log()) {
    if (L.Wnd != Wnd) continue;
    EXPECT_FALSE(Gone) << "message " << L.Msg << " after WM_NCDESTROY";
    Gone = Gone || L.Msg == WM_NCDESTROY;
  }
  ClearLog();
  input::Click(ScreenPoint(Form, 300, 250));
  EXPECT_EQ(Sequence(Form, {WM_LBUTTONDOWN, WM_LBUTTONUP}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, DestroyedWhileTracking,
    ::testing::Values(TDestroyCase{"OnThumbTrack", true, SB_THUMBTRACK, 1, 20},
                      TDestroyCase{"OnThumbPosition", true, SB_THUMBPOSITION, 1, 20},
                      TDestroyCase{"OnTheFirstLine", false, SB_LINEDOWN, 1, 2},
                      TDestroyCase{"OnARepeatedLine", false, SB_LINEDOWN, 3, 2},
                      TDestroyCase{"OnEndScroll", false, SB_ENDSCROLL, 1, 2}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(ScrollBarTest, ListBoxKeepsItsBarAndFollowsItsThumb) {
  const HWND Form = Make(WS_VISIBLE, Bounds(50, 50, 300, 300));
  const int Row = ControlFace(nullptr).Height();
  const HWND List = CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL,
                                   10, 10, 120, 5 * Row + 2, Form);
  TScrollInfo Info = BarInfo(List, SB_VERT);
  EXPECT_GE(Info.Min, Info.Max) << "nothing to scroll while empty";
  for (int I = 0; I < 20; ++I) SendMessage(List, LB_ADDSTRING, 0, LPARAM("item"));
  SendMessage(List, LB_SETTOPINDEX, 3);
  Info = BarInfo(List, SB_VERT);
  EXPECT_EQ(std::make_tuple(Info.Min, Info.Max, Info.Page, Info.Pos),
            std::make_tuple(0, 19, 5u, 3));
  SendMessage(List, LB_SETTOPINDEX, 0);

  TRect Window;
  GetWindowRect(List, Window);
  const TPoint Grab{Window.Right - 1 - Thickness() / 2, Window.Top + 1 + Arrow(SB_VERT) + 2};
  input::MouseDown(mbLeft, Grab);
  input::MouseMove({Grab.X, 767});
  EXPECT_EQ(SendMessage(List, LB_GETTOPINDEX), 15) << "the rows follow the dragged thumb";
  input::MouseUp(mbLeft, {Grab.X, 767});
  EXPECT_EQ(GetScrollPos(List, SB_VERT), 15);
}

}  // namespace
}  // namespace framework::test
