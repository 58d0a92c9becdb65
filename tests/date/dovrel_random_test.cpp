#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "tarvex.h"
#include "tests/date/dovrel_fixture.h"

namespace tarvex::test {
namespace {

using namespace framework;

// Random keys, clicks and focus changes on date edits of several formats. After every event the
// edit must hold its invariants: a blank edit shows no text; the date is 0 or a valid date (with
// any time of day), and it only ever changes to the encoding of valid parts.
class RandomDovrelTest : public DovrelTest {
 protected:
  void Event(std::mt19937& Random) {
    static const std::string Typed = "0123456789/-., jJmMdDfFsSxq";
    static const WORD Keys[] = {VK_LEFT,   VK_RIGHT,  VK_DELETE, VK_BACK, VK_HOME, VK_END,
                                VK_ESCAPE, VK_RETURN, VK_TAB,    VK_UP,   VK_DOWN};
    const int Kind = int(Random() % 10);
    if (Kind < 5) {
      input::TypeText(std::string(1, Typed[Random() % Typed.size()]));
    } else if (Kind < 8) {
      input::PressKey(Keys[Random() % std::size(Keys)],
                      Random() % 4 ? TShiftState{} : TShiftState{ssShift});
    } else if (Kind == 8) {
      input::AdvanceTime(600);
      const int X = int(Random() % unsigned(Edit->Width()));
      input::Click(Edit->ClientToScreen({X, Edit->ClientHeight() / 2}));
    } else if (TDropDownCalendar* Calendar = Edit->Calendar()) {
      TPoint P{int(Random() % unsigned(Calendar->Width())),
               int(Random() % unsigned(Calendar->Height()))};
      framework::ClientToScreen(Calendar->Handle(), P);
      input::AdvanceTime(600);
      input::Click(P);
    } else {
      (Random() % 2 ? static_cast<TWinControl*>(Other) : Edit)->SetFocus();
    }
  }

  void CheckInvariants(TDateTime Before) {
    if (Edit->IsBlank()) {
      ASSERT_EQ(Edit->Text(), "");
    }
    const double Days = std::trunc(Edit->Date());
    if (Days != 0) {
      Word Y, M, D;
      DecodeDate(Edit->Date(), Y, M, D);
      ASSERT_TRUE(IsValidDate(Y, M, D)) << Edit->Date();
    }
    if (Edit->Date() == Before || Days == 0) return;
    ASSERT_TRUE(IsValidDate(Edit->Year(), Edit->Month(), Edit->Day()))
        << Edit->Year() << "-" << Edit->Month() << "-" << Edit->Day() << " " << Edit->Text();
    ASSERT_EQ(Days, EncodeDate(Edit->Year(), Edit->Month(), Edit->Day()));
  }
};

TEST_F(RandomDovrelTest, InvariantsHoldWhateverTheUserDoes) {
  std::mt19937 Random(20261211);
  const char* Formats[] = {"MM/DD/YY", "dddd, MMMM d, yyyy", "MMM-yy", "d.M.yyyy",
                           "ddd MM/DD/YYYY"};
  for (const char* Format : Formats) {
    SCOPED_TRACE(Format);
    Other->SetFocus();
    Edit->SetCanBeBlank(Random() % 2);
    Edit->SetCustomEditFormat(Format);
    Edit->SetDisplayFormat(Random() % 2 ? dfWindowsLong : dfEditFormat);
    Edit->SetDate(EncodeDate(1999, 1 + Random() % 12, 1 + Random() % 28) + 0.5);
    Edit->SetFocus();
    int Changed = 0;
    for (int I = 0; I < 600; ++I) {
      const TDateTime Before = Edit->Date();
      Event(Random);
      CheckInvariants(Before);
      if (HasFatalFailure()) return;
      Changed += Edit->Date() != Before;
    }
    EXPECT_GT(Changed, 10) << "the events reached the edit";
  }
}

}  // namespace
}  // namespace tarvex::test
