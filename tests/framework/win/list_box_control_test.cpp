#include <string>

#include "framework/graphics/font_engine.h"
#include "framework/win/system_control.h"
#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

constexpr LONG_PTR ListId = 9;
constexpr int Rows = 5;
constexpr DWORD Scrolling = DWORD(LBS_NOTIFY) | DWORD(WS_VSCROLL);

class ListBoxTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    Form = Make(WS_VISIBLE, Bounds(50, 50, 300, 300));
  }

  static int Row() { return ControlFace(nullptr).Height(); }

  // Five rows show whole.
  HWND MakeList(DWORD Style = Scrolling, int Count = 0) {
    const HWND List = CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | Style,
                                     10, 10, 120, Rows * Row() + 2, Form, ListId);
    EXPECT_TRUE(List);
    for (int I = 0; I < Count; ++I)
      SendMessage(List, LB_ADDSTRING, 0, LPARAM(("item " + std::to_string(I)).c_str()));
    ProcessMessages();
    return List;
  }

  static std::string Text(HWND List, int Index) {
    const LRESULT Length = SendMessage(List, LB_GETTEXTLEN, WPARAM(Index));
    if (Length < 0) return "<error>";
    std::string Buffer(size_t(Length) + 1, '\0');
    EXPECT_EQ(SendMessage(List, LB_GETTEXT, WPARAM(Index), LPARAM(Buffer.data())), Length);
    Buffer.resize(size_t(Length));
    return Buffer;
  }
  static std::vector<std::string> Items(HWND List) {
    std::vector<std::string> Result;
    for (int I = 0; I < SendMessage(List, LB_GETCOUNT); ++I) Result.push_back(Text(List, I));
    return Result;
  }
  static int Cur(HWND List) { return int(SendMessage(List, LB_GETCURSEL)); }
  static int Top(HWND List) { return int(SendMessage(List, LB_GETTOPINDEX)); }
  static TRect ItemRect(HWND List, int Index) {
    TRect R;
    EXPECT_EQ(SendMessage(List, LB_GETITEMRECT, WPARAM(Index), LPARAM(&R)), LB_OKAY);
    return R;
  }
  TPoint RowPoint(HWND List, int Index) const {
    const TRect R = ItemRect(List, Index);
    return ScreenPoint(List, 20, (R.Top + R.Bottom) / 2);
  }
  std::vector<WORD> Notifications(HWND List) const {
    std::vector<WORD> Codes;
    for (const TLogged& L : Of(WM_COMMAND))
      if (HWND(L.LParam) == List && LOWORD(L.WParam) == ListId) Codes.push_back(HIWORD(L.WParam));
    return Codes;
  }
  bool AnyPixel(HWND Wnd, const TRect& R, uint32_t Pixel) const {
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        if (PixelAt(Wnd, X, Y) == Pixel) return true;
    return false;
  }

  HWND Form;
};

TEST_F(ListBoxTest, SortedListKeepsOrderAndFindsIgnoringCase) {
  const HWND List = MakeList(LBS_SORT);
  for (const char* Item : {"pear", "banana", "Apple", "cherry"})
    SendMessage(List, LB_ADDSTRING, 0, LPARAM(Item));
  EXPECT_EQ(SendMessage(List, LB_ADDSTRING, 0, LPARAM("apricot")), 1);
  EXPECT_EQ(Items(List),
            (std::vector<std::string>{"Apple", "apricot", "banana", "cherry", "pear"}));
  EXPECT_EQ(SendMessage(List, LB_INSERTSTRING, 0, LPARAM("zebra")), 0) << "inserting never sorts";

  EXPECT_EQ(SendMessage(List, LB_FINDSTRING, WPARAM(-1), LPARAM("BAN")), 3);
  EXPECT_EQ(SendMessage(List, LB_FINDSTRING, 1, LPARAM("ap")), 2) << "from the item after";
  EXPECT_EQ(SendMessage(List, LB_FINDSTRING, 2, LPARAM("ap")), 1);
  EXPECT_EQ(SendMessage(List, LB_FINDSTRING, 2, LPARAM("z")), 0) << "round the end";
  EXPECT_EQ(SendMessage(List, LB_FINDSTRING, 0, LPARAM("z")), 0) << "the start item last";
  EXPECT_EQ(SendMessage(List, LB_FINDSTRING, WPARAM(-1), LPARAM("x")), LB_ERR);
  EXPECT_EQ(SendMessage(List, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("APPLE")), 1);
  EXPECT_EQ(SendMessage(List, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("app")), LB_ERR);
  EXPECT_EQ(SendMessage(List, LB_GETTEXTLEN, 6), LB_ERR);
  char Buffer[8] = "kept";
  EXPECT_EQ(SendMessage(List, LB_GETTEXT, 6, LPARAM(Buffer)), LB_ERR);
  EXPECT_STREQ(Buffer, "kept");
}

TEST_F(ListBoxTest, InsertingAndDeletingKeepTheSelectedItem) {
  const HWND List = MakeList(LBS_NOTIFY, 3);
  EXPECT_EQ(SendMessage(List, LB_SETCURSEL, 1), 1);
  SendMessage(List, LB_INSERTSTRING, 0, LPARAM("new"));
  EXPECT_EQ(Cur(List), 2);
  EXPECT_EQ(SendMessage(List, LB_DELETESTRING, 0), 3);
  EXPECT_EQ(Cur(List), 1);
  SendMessage(List, LB_DELETESTRING, 1);
  EXPECT_EQ(Cur(List), -1) << "the selected item went";
  EXPECT_EQ(SendMessage(List, LB_DELETESTRING, 5), LB_ERR);
  EXPECT_EQ(SendMessage(List, LB_INSERTSTRING, 5, LPARAM("far")), LB_ERR);
  EXPECT_EQ(SendMessage(List, LB_INSERTSTRING, WPARAM(-1), LPARAM("last")), 2);
  EXPECT_EQ(Items(List), (std::vector<std::string>{"item 0", "item 2", "last"}));
  SendMessage(List, LB_SETCURSEL, 2);
  SendMessage(List, LB_RESETCONTENT);
  EXPECT_EQ(SendMessage(List, LB_GETCOUNT), 0);
  EXPECT_EQ(Cur(List), -1);
  EXPECT_TRUE(Notifications(List).empty()) << "the program's changes are not told";
}

TEST_F(ListBoxTest, SelectionAndTopIndexScrollTheRows) {
  const HWND List = MakeList(Scrolling, 20);
  EXPECT_EQ(SendMessage(List, LB_GETITEMHEIGHT), Row());
  EXPECT_EQ(SendMessage(List, LB_SETCURSEL, 12), 12);
  EXPECT_EQ(Top(List), 12 - Rows + 1);
  SendMessage(List, LB_SETCURSEL, 3);
  EXPECT_EQ(Top(List), 3);
  EXPECT_EQ(SendMessage(List, LB_SETCURSEL, WPARAM(-1)), LB_ERR);
  EXPECT_EQ(Cur(List), -1);
  EXPECT_EQ(SendMessage(List, LB_SETTOPINDEX, 19), LB_OKAY);
  EXPECT_EQ(Top(List), 20 - Rows) << "the last page stays full";
  EXPECT_EQ(SendMessage(List, LB_SETTOPINDEX, 20), LB_ERR);
  SendMessage(List, LB_SETTOPINDEX, 2);
  EXPECT_EQ(ItemRect(List, 4), Rect(0, 2 * Row(), 120 - 2 - 16, 3 * Row()));
  EXPECT_EQ(SendMessage(List, LB_ITEMFROMPOINT, 0, PointToLParam({5, 2 * Row() + 1})),
            MAKELRESULT(4, 0));
  EXPECT_EQ(SendMessage(List, LB_ITEMFROMPOINT, 0, PointToLParam({5, -3})), MAKELRESULT(1, 1));

  EXPECT_EQ(SendMessage(List, LB_SETITEMHEIGHT, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessage(List, LB_SETITEMHEIGHT, 0, 2 * Row()), LB_OKAY);
  EXPECT_EQ(SendMessage(List, LB_GETITEMHEIGHT), 2 * Row());
  SendMessage(List, LB_SETCURSEL, 10);
  EXPECT_EQ(Top(List), 9) << "two rows show now";

  const HWND Other = MakeList();
  const TFontFace& Large = TFontFace::Find("DejaVu Sans", 20, {});
  SendMessage(Other, WM_SETFONT, WPARAM(&Large), TRUE);
  EXPECT_EQ(SendMessage(Other, LB_GETITEMHEIGHT), Large.Height());
  EXPECT_EQ(HFONT(SendMessage(Other, WM_GETFONT)), &Large);
}

TEST_F(ListBoxTest, PressSelectsAndDraggingFollowsThePointer) {
  const HWND List = MakeList(Scrolling, 20);
  input::Click(RowPoint(List, 2));
  EXPECT_EQ(Cur(List), 2);
  EXPECT_EQ(GetFocus(), List);
  EXPECT_EQ(Notifications(List), std::vector<WORD>{LBN_SELCHANGE});

  ClearLog();
  input::MouseDown(mbLeft, RowPoint(List, 0));
  EXPECT_EQ(GetCapture(), List);
  input::MouseMove(RowPoint(List, 3));
  input::MouseMove(RowPoint(List, 3));
  input::MouseUp(mbLeft, RowPoint(List, 3));
  EXPECT_EQ(Cur(List), 3);
  EXPECT_FALSE(GetCapture());
  EXPECT_EQ(Notifications(List), (std::vector<WORD>{LBN_SELCHANGE, LBN_SELCHANGE}))
      << "one for each change";

  ClearLog();
  input::AdvanceTime(1000);
  input::DoubleClick(RowPoint(List, 1));
  EXPECT_EQ(Cur(List), 1);
  EXPECT_EQ(Notifications(List), (std::vector<WORD>{LBN_SELCHANGE, LBN_DBLCLK}));
}

TEST_F(ListBoxTest, DraggingPastTheEdgeScrollsOnATimer) {
  const HWND List = MakeList(Scrolling, 20);
  input::MouseDown(mbLeft, RowPoint(List, 4));
  input::MouseMove(ScreenPoint(List, 20, Rows * Row() + 10));
  EXPECT_EQ(Cur(List), 4) << "the timer scrolls, not the move";
  input::AdvanceTime(150);
  EXPECT_EQ(Cur(List), 7);
  EXPECT_EQ(Top(List), 3);
  input::MouseMove(ScreenPoint(List, 20, -10));
  input::AdvanceTime(100);
  EXPECT_EQ(Cur(List), 1);
  EXPECT_EQ(Top(List), 1);
  input::MouseMove(RowPoint(List, 2));
  EXPECT_EQ(Cur(List), 2);
  input::AdvanceTime(200);
  EXPECT_EQ(Cur(List), 2) << "back over the rows, the timer stopped";
  input::MouseMove(ScreenPoint(List, 20, -10));
  input::MouseUp(mbLeft, ScreenPoint(List, 20, -10));
  input::AdvanceTime(200);
  EXPECT_EQ(Top(List), 1) << "released, nothing scrolls";
}

TEST_F(ListBoxTest, KeysMoveTheSelectionIntoView) {
  const HWND List = MakeList(Scrolling, 20);
  SetFocus(List);
  struct TStep {
    WORD Key;
    int Selected, TopIndex;
  };
  for (const TStep& S :
       {TStep{VK_DOWN, 0, 0}, TStep{VK_DOWN, 1, 0}, TStep{VK_NEXT, 5, 1}, TStep{VK_END, 19, 15},
        TStep{VK_PRIOR, 15, 15}, TStep{VK_UP, 14, 14}, TStep{VK_HOME, 0, 0}, TStep{VK_UP, 0, 0}}) {
    input::PressKey(S.Key);
    EXPECT_EQ(Cur(List), S.Selected) << S.Key;
    EXPECT_EQ(Top(List), S.TopIndex) << S.Key;
  }
  EXPECT_EQ(Notifications(List).size(), 7u) << "none when the selection stays";
}

TEST_F(ListBoxTest, NotifiesOnlyWithTheNotifyStyle) {
  const HWND List = MakeList(0, 5);
  input::Click(RowPoint(List, 2));
  input::PressKey(VK_DOWN);
  EXPECT_EQ(Cur(List), 3);
  EXPECT_TRUE(Of(WM_COMMAND).empty());
}

TEST_F(ListBoxTest, ScrollBarArrowsAndPagesScroll) {
  const HWND List = MakeList(Scrolling, 20);
  TRect Window;
  GetWindowRect(List, Window);
  const int X = Window.Right - 1 - 8;
  const TPoint Up{X, Window.Top + 1 + 8}, Down{X, Window.Bottom - 1 - 8};
  input::Click(Down);
  input::Click(Down);
  EXPECT_EQ(Top(List), 2);
  input::Click(Up);
  EXPECT_EQ(Top(List), 1);
  input::Click({X, Window.Bottom - 1 - 20});
  EXPECT_EQ(Top(List), 1 + Rows - 1) << "a page below the thumb";
  input::Click({X, Window.Top + 1 + 18});
  EXPECT_EQ(Top(List), 1);
  SendMessage(List, WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(Top(List), 15);
  SendMessage(List, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7));
  EXPECT_EQ(Top(List), 7);
  EXPECT_EQ(Cur(List), -1) << "scrolling leaves the selection";
  EXPECT_NE(GetFocus(), List);

  const TPoint UpClient = [&] {
    TPoint P = Up;
    ScreenToClient(List, P);
    return P;
  }();
  EXPECT_TRUE(AnyPixel(List, Rect(UpClient.X - 4, UpClient.Y - 4, UpClient.X + 4, UpClient.Y + 4),
                       ColorPixel(clBlack)))
      << "the arrow";
}

TEST_F(ListBoxTest, PaintsRowsInTheParentsColoursAndTheFocusedLookFromItsMessages) {
  const HWND Edit = CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 150, 10, 100, 20, Form);
  const HWND List = MakeList(LBS_NOTIFY, 3);
  Handle(Form, [](HWND, UINT Msg, WPARAM W, LPARAM) -> std::optional<LRESULT> {
    if (Msg != WM_CTLCOLORLISTBOX) return std::nullopt;
    reinterpret_cast<HDC>(W)->SetTextColor(clRed);
    return LRESULT(clYellow);
  });
  SendMessage(List, LB_SETCURSEL, 1);
  SetFocus(Edit);
  input::AdvanceTime(0);
  const TRect Selected = ItemRect(List, 1);
  EXPECT_EQ(PixelAt(List, 100, ItemRect(List, 0).Top + 2), ColorPixel(clYellow));
  EXPECT_TRUE(AnyPixel(List, ItemRect(List, 0), ColorPixel(clRed)));
  EXPECT_TRUE(AnyPixel(List, Selected, ColorPixel(clHighlightText)));
  EXPECT_EQ(PixelAt(List, Selected.Left, Selected.Top), ColorPixel(clHighlight));

  SendMessage(List, WM_SETFOCUS, WPARAM(Edit));
  input::AdvanceTime(0);
  EXPECT_EQ(PixelAt(List, Selected.Left, Selected.Top), ColorPixel(clHighlight) ^ 0x00FFFFFFu)
      << "the focus rectangle, the keyboard focus elsewhere";
  input::Click(RowPoint(List, 2));
  EXPECT_EQ(Cur(List), 2);
  EXPECT_EQ(GetFocus(), Edit) << "a list box that looks focused leaves the focus where it is";
  const TRect Now = ItemRect(List, 2);
  EXPECT_EQ(PixelAt(List, Now.Left, Now.Top), ColorPixel(clHighlight) ^ 0x00FFFFFFu);

  SendMessage(List, WM_KILLFOCUS, 0);
  input::AdvanceTime(0);
  EXPECT_EQ(PixelAt(List, Now.Left, Now.Top), ColorPixel(clHighlight));
  EnableWindow(List, false);
  input::AdvanceTime(0);
  EXPECT_TRUE(AnyPixel(List, ItemRect(List, 0), ColorPixel(clGrayText)));
  EXPECT_FALSE(AnyPixel(List, ItemRect(List, 0), ColorPixel(clRed)));
}

}  // namespace
}  // namespace framework::test
