#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tarvex.h"
#include "tests/date/dovrel_fixture.h"

namespace tarvex::test {
namespace {

using namespace framework;

TEST_F(DovrelTest, ANewEditIsBlankAndEntersWithTheShortFormat) {
  EXPECT_TRUE(Edit->IsBlank());
  EXPECT_EQ(Edit->Text(), "");
  EXPECT_EQ(Edit->Date(), 0);
  EXPECT_EQ(Edit->Month() + Edit->Day() + Edit->Year(), 0);
  Edit->SetFocus();
  EXPECT_EQ(Edit->CurrentFormat(), FormatSettings().ShortDateFormat);
  Keys("6151999");
  EXPECT_EQ(Edit->Text(), "6/15/1999");
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 6, 15));
  EXPECT_FALSE(Edit->IsBlank());
}

struct TTyping {
  const char* Name;
  const char* Format;
  TDateTime Start;  // 0: a blank edit
  const char* Keys;
  const char* Text;
  const char* Selected;
  Word Month, Day, Year;
  int Beeps;
};

TEST_F(DovrelTest, TypingGoesCellByCell) {
  const TDateTime Dec31 = EncodeDate(1999, 12, 31), Jan27 = EncodeDate(1999, 1, 27);
  const TTyping Cases[] = {
      {"a whole date", "MM/DD/YY", 0, "123199", "12/31/99", "", 12, 31, 1999, 0},
      {"a separator moves on to an empty year", "MM/DD/YY", 0, "1/4/", "1/4/", "", 1, 4, 0, 0},
      {"a digit that does not fit carries", "MM/DD/YY", 0, "14", "1/4", "", 1, 4, 0, 0},
      {"zero stands alone", "MM/DD/YY", Dec31, "0", "0/31/99", "", 0, 31, 1999, 0},
      {"a second zero beeps", "MM/DD/YY", Dec31, "00", "0/31/99", "", 0, 31, 1999, 1},
      {"a separator the format lacks", "MM/DD/YY", Dec31, "<R>-", "12/31/99", "31", 12, 31, 1999,
       1},
      {"no separator after the last cell", "MM/DD/YY", Dec31, "<L>/", "12/31/99", "99", 12, 31,
       1999, 1},
      {"a fifth year digit", "MM/DD/YYYY", Dec31, "<L><END>3", "12/31/1999", "", 12, 31, 1999, 1},
      {"the whole text retyped", "MM/DD/YY", Dec31, "<ALL>5", "5", "", 5, 31, 1999, 0},
      {"Left wraps to the last cell", "MM/DD/YY", Dec31, "<L>", "12/31/99", "99", 12, 31, 1999, 0},
      {"Right wraps to the first", "MM/DD/YY", Dec31, "<L><R>", "12/31/99", "12", 12, 31, 1999, 0},
      {"Backspace moves back and deletes nothing", "MM/DD/YY", Dec31, "<R><BS>", "12/31/99", "12",
       12, 31, 1999, 0},
      {"a month name completes", "MMM d, yyyy", Dec31, "d", "Dec 31, 1999", "ec", 12, 31, 1999, 0},
      {"a name that fits none beeps", "MMM d, yyyy", Dec31, "x", "Dec 31, 1999", "Dec", 12, 31,
       1999, 1},
      {"typing a name narrows it", "MMMM d, yyyy", Dec31, "ju", "June 31, 1999", "ne", 6, 31, 1999,
       0},
      {"a day name moves the date", "ddd, MM/DD/YY", Jan27, "m", "Mon, 01/25/99", "on", 1, 25, 1999,
       0},
      {"Delete keeps a complete cell", "MM/DD/YY", Dec31, "<@3><DEL>", "12/1/99", "1", 12, 1, 1999,
       0},
      {"Delete that empties a cell beeps", "MM/DD/YY", Dec31, "<R><DEL>", "12/31/99", "31", 12, 31,
       1999, 1},
      {"Delete joins two cells", "M/D/YY", EncodeDate(1999, 1, 1), "<@1><DEL>", "11/99", "1", 11, 1,
       1999, 0},
  };
  for (const TTyping& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Other->SetFocus();
    Edit->SetIsBlank(true);
    Enter(Case.Format);
    if (Case.Start) Edit->SetDate(Case.Start);
    Edit->SetCurrentCell(1);
    const int Beeps = input::BeepCount();
    Keys(Case.Keys);
    EXPECT_EQ(Edit->Text(), Case.Text);
    EXPECT_EQ(Selected(), Case.Selected);
    EXPECT_EQ(Edit->Month(), Case.Month);
    EXPECT_EQ(Edit->Day(), Case.Day);
    EXPECT_EQ(Edit->Year(), Case.Year);
    EXPECT_EQ(input::BeepCount() - Beeps, Case.Beeps);
  }
}

TEST_F(DovrelTest, ValueSettersKeepImpossibleDatesInTheParts) {
  Edit->SetCustomEditFormat("MM/DD/YY");
  Edit->SetDate(EncodeDate(2000, 2, 29) + 0.5);
  Edit->SetDate(EncodeDate(2001, 3, 31) + 0.75);
  EXPECT_EQ(Edit->Date(), EncodeDate(2001, 3, 31) + 0.75);
  Edit->SetDate(EncodeDate(1999, 2, 1));
  Edit->SetDay(31);
  EXPECT_EQ(Edit->Day(), 31);
  EXPECT_EQ(Edit->Text(), "02/31/99");
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 2, 1)) << "the date follows valid parts only";
  Edit->SetDay(32);
  Edit->SetMonth(13);
  EXPECT_EQ(Edit->Text(), "02/31/99");
  Edit->SetDay(28);
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 2, 28));
}

TEST_F(DovrelTest, FormatsSwitchOnEnterAndExitWithOneChangeEach) {
  Edit->SetCustomEditFormat("MM/DD/YY");
  Edit->SetDisplayFormat(dfWindowsLong);
  Edit->SetDate(EncodeDate(1999, 12, 31));
  EXPECT_EQ(Edit->Text(), "Friday, December 31, 1999");
  Changes = 0;
  Edit->SetFocus();
  EXPECT_EQ(Edit->Text(), "12/31/99");
  EXPECT_EQ(Selected(), "12");
  EXPECT_EQ(Changes, 1);
  Edit->SetDisplayFormat(dfWindowsShort);
  EXPECT_EQ(Edit->Text(), "12/31/99") << "the edit format stays until exit";
  Edit->SetEditFormat(efWindowsLong);
  EXPECT_EQ(Edit->Text(), "Friday, December 31, 1999") << "the edit format applies at once";
  EXPECT_EQ(Changes, 2);
  Other->SetFocus();
  EXPECT_EQ(Edit->Text(), "12/31/99");
  EXPECT_EQ(Selected(), "12/31/99");
  EXPECT_EQ(Changes, 3);
  Edit->SetFocus();
  Other->SetFocus();
  EXPECT_EQ(Changes, 5);
}

TEST_F(DovrelTest, LeavingAnInvalidDateAsksTheApplication) {
  std::vector<TBadDateAction> Answers;
  TBadDateAction Answer = daContinue;
  Edit->OnBadDate = [&](TObject*, TBadDateAction& Action) {
    Answers.push_back(Action);
    Action = Answer;
  };
  Enter("MM/DD/YY", 1999, 2, 1);
  Other->SetFocus();
  Edit->SetFocus();
  Keys("<R>31");
  Other->SetFocus();
  EXPECT_EQ(Answers.size(), 1u);
  EXPECT_EQ(Edit->Text(), "02/01/99") << "daContinue undoes";
  EXPECT_EQ(Form->ActiveControl(), Other);

  Edit->SetFocus();
  Keys("<R>31");
  Answer = daAbort;
  Other->SetFocus();
  EXPECT_EQ(Form->ActiveControl(), Edit) << "daAbort keeps the focus";
  EXPECT_EQ(Edit->Day(), 31);
  Answer = daContinue;
  Other->SetFocus();
  EXPECT_EQ(Edit->Text(), "02/01/99") << "the undo point survives a refocus";

  Edit->OnBadDate = [&](TObject*, TBadDateAction&) { Edit->SetDate(EncodeDate(1999, 2, 14)); };
  Edit->SetFocus();
  Keys("<R>31");
  Other->SetFocus();
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 2, 14)) << "the handler's date stays";
}

TEST_F(DovrelTest, ABlankDateIsAllowedOnlyWithCanBeBlank) {
  int BadDates = 0;
  Edit->OnBadDate = [&](TObject*, TBadDateAction&) { ++BadDates; };
  Enter("MM/DD/YY", 1999, 12, 31);
  const int Beeps = input::BeepCount();
  Keys("<ALL><DEL>");
  EXPECT_EQ(Edit->Text(), "12/31/99") << "without CanBeBlank the selection spans cells";
  EXPECT_EQ(input::BeepCount(), Beeps + 1);
  Edit->SetIsBlank(true);
  Other->SetFocus();
  EXPECT_EQ(BadDates, 1) << "an empty text is an invalid date";
  EXPECT_EQ(Edit->Text(), "12/31/99");
  Edit->SetCanBeBlank(true);
  Edit->SetFocus();
  Keys("<ALL><DEL>");
  EXPECT_TRUE(Edit->IsBlank());
  Other->SetFocus();
  EXPECT_EQ(BadDates, 1);
  EXPECT_EQ(Edit->Text(), "");
}

// The edit stays edited after an undo; the form hears Escape from an edit entered afresh.
TEST_F(DovrelTest, EscapeUndoesAnEditAndReachesTheCancelButtonOtherwise) {
  Enter("MM/DD/YY", 1999, 12, 31);
  Keys("05");
  EXPECT_EQ(Edit->Month(), 5);
  Keys("<ESC>");
  EXPECT_EQ(Edit->Text(), "12/31/99");
  Keys("<ESC>");
  EXPECT_TRUE(Clicked.empty());
  Other->SetFocus();
  Edit->SetFocus();
  Keys("<ESC>");
  EXPECT_EQ(Clicked, std::vector<std::string>{"Cancel"});
  Keys("<CR>");
  EXPECT_EQ(Clicked, (std::vector<std::string>{"Cancel", "OK"}));
}

TEST_F(DovrelTest, AReadOnlyEditMovesBetweenCellsButChangesNothing) {
  Enter("MM/DD/YY", 1999, 12, 31);
  Edit->SetReadOnly(true);
  const int Beeps = input::BeepCount();
  Keys("5<DEL><R>");
  EXPECT_EQ(Edit->Text(), "12/31/99");
  EXPECT_EQ(Selected(), "31");
  EXPECT_EQ(input::BeepCount(), Beeps) << "refused silently";
}

TEST_F(DovrelTest, KeyHandlersCanCancelKeys) {
  Enter("MM/DD/YY", 1999, 12, 31);
  Edit->OnKeyPress = [](TObject*, char& Key) {
    if (Key == '5') Key = 0;
  };
  Edit->OnKeyDown = [](TObject*, Word& Key, TShiftState) {
    if (Key == VK_RIGHT) Key = 0;
  };
  Keys("5<R>");
  EXPECT_EQ(Edit->Text(), "12/31/99");
  EXPECT_EQ(Selected(), "12");
}

TEST_F(DovrelTest, PartialDateHelpersAndYearCells) {
  EXPECT_FALSE(Edit->IsValidMonth(2, 29, 0));
  EXPECT_TRUE(Edit->IsValidMonth(2, 29, 2000));
  EXPECT_FALSE(Edit->IsValidYear(2, 29, 1900));
  EXPECT_TRUE(Edit->IsValidDay(0, 31, 0));
  EXPECT_FALSE(Edit->IsValidDay(4, 31, 0));
  EXPECT_EQ(Edit->GetCell(1, ctYYYY, "99"), 1999);
  EXPECT_EQ(Edit->GetCell(1, ctYY, "5"), 1905);
  EXPECT_EQ(Edit->GetCell(1, ctYYYY, "2005"), 2005);
  input::SetToday(EncodeDate(2005, 1, 1));
  EXPECT_EQ(Edit->GetCell(1, ctYY, "99"), 2099) << "no sliding window";
}

TEST_F(DovrelTest, AMonthAndYearFormatKeepsTheFirstOfTheMonth) {
  Enter("MM/YY");
  Edit->SetIsBlank(true);
  EXPECT_EQ(Edit->Day(), 1);
  Keys("0699");
  EXPECT_EQ(Edit->Text(), "06/99");
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 6, 1));
}

TEST_F(DovrelTest, AnotherLocalesNamesAndOrder) {
  SetLocale("de_DE");
  Edit->SetEditFormat(efWindowsShort);
  Edit->SetDisplayFormat(dfWindowsLong);
  Edit->SetFocus();
  EXPECT_EQ(Edit->CurrentFormat(), FormatSettings().ShortDateFormat);
  Keys("311299");
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 12, 31));
  Other->SetFocus();
  EXPECT_EQ(Edit->Text(), "Freitag, 31. Dezember 1999");
  Edit->SetCustomEditFormat("d. MMMM yyyy");
  Edit->SetFocus();
  Keys("<R>m");
  EXPECT_EQ(Edit->Text(), "31. M\xE4rz 1999");
  EXPECT_EQ(Edit->Month(), 3);
}

TEST_F(DovrelTest, ALoadedEditStartsBlank) {
  RegisterClass(TForm::StaticClass());
  RegisterClass(TDovrel::StaticClass());
  RegisterClass(TEdit::StaticClass());
  RegisterClass(TButton::StaticClass());
  Form->SetName("Dates");
  Edit->SetName("Due");
  Other->SetName("Note");
  Edit->SetCustomEditFormat("MM/DD/YY");
  Edit->SetDisplayFormat(dfWindowsLong);
  Edit->SetCanBeBlank(true);
  Edit->SetDate(EncodeDate(1999, 12, 31));
  Edit->CalendarOptions()->SetStartOfWeek(swMonday);
  const std::string Text = WriteComponentText(Form);
  std::unique_ptr<TComponent> Read(ReadComponentText(Text));
  auto* Copy = dynamic_cast<TDovrel*>(Read->FindComponent("Due"));
  ASSERT_TRUE(Copy);
  EXPECT_TRUE(Copy->IsBlank());
  EXPECT_EQ(Copy->Text(), "");
  EXPECT_EQ(Copy->EditFormat(), efCustom);
  EXPECT_EQ(Copy->CustomEditFormat(), "MM/DD/YY");
  EXPECT_EQ(Copy->DisplayFormat(), dfWindowsLong);
  EXPECT_TRUE(Copy->CanBeBlank());
  EXPECT_EQ(Copy->CalendarOptions()->StartOfWeek(), swMonday);
  EXPECT_EQ(WriteComponentText(Read.get()), Text);
}

}  // namespace
}  // namespace tarvex::test
