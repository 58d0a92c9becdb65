#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"

namespace tarvex::test {

using namespace framework;

// A shown form with a date edit, an edit after it in tab order, and OK and Cancel buttons; en_US,
// today 15 June 1999 (so two-digit years are of the 1900s).
class DovrelTest : public framework::test::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    SetLocale("en_US");
    input::SetToday(EncodeDate(1999, 6, 15) + 0.25);
    Form = new TForm(Application);
    Form->SetBounds(100, 100, 400, 300);
    Edit = new TDovrel(Form);
    Edit->SetParent(Form);
    Edit->SetBounds(10, 10, 200, 24);
    Edit->OnChange = [this](TObject*) { ++Changes; };
    Other = new TEdit(Form);
    Other->SetParent(Form);
    Other->SetBounds(10, 50, 100, 24);
    auto* Ok = new TButton(Form);
    Ok->SetParent(Form);
    Ok->SetBounds(10, 200, 75, 25);
    Ok->SetDefault(true);
    Ok->OnClick = [this](TObject*) { Clicked.push_back("OK"); };
    auto* Cancel = new TButton(Form);
    Cancel->SetParent(Form);
    Cancel->SetBounds(100, 200, 75, 25);
    Cancel->SetCancel(true);
    Cancel->OnClick = [this](TObject*) { Clicked.push_back("Cancel"); };
    Form->Show();
    Other->SetFocus();
  }
  void TearDown() override {
    ControlsTest::TearDown();
    SetLocale("en_US");
  }

  // Focuses the edit in Format with the parts given, as a user finds it.
  void Enter(const std::string& Format, Word Y = 0, Word M = 0, Word D = 0) {
    Edit->SetCustomEditFormat(Format);
    if (Y) Edit->SetDate(EncodeDate(Y, M, D));
    Edit->SetFocus();
  }

  // Keys as text: "<L>" Left, "<R>" Right, "<S-L>" Shift+Left, "<BS>", "<DEL>", "<ESC>", "<CR>",
  // "<TAB>", "<END>"; "<ALL>" selects the whole text, "<@n>" puts the caret at n; anything else
  // is typed.
  void Keys(const std::string& Script) {
    static const std::vector<std::pair<std::string, std::pair<WORD, TShiftState>>> Named{
        {"<L>", {VK_LEFT, {}}},    {"<R>", {VK_RIGHT, {}}},    {"<S-L>", {VK_LEFT, {ssShift}}},
        {"<BS>", {VK_BACK, {}}},   {"<DEL>", {VK_DELETE, {}}}, {"<ESC>", {VK_ESCAPE, {}}},
        {"<CR>", {VK_RETURN, {}}}, {"<TAB>", {VK_TAB, {}}},    {"<END>", {VK_END, {}}}};
    for (size_t I = 0; I < Script.size();) {
      if (Script.compare(I, 5, "<ALL>") == 0) {
        Edit->SelectAll();
        I += 5;
        continue;
      }
      if (Script.compare(I, 2, "<@") == 0) {
        Edit->SetSelStart(Script[I + 2] - '0');
        I += 4;
        continue;
      }
      bool Matched = false;
      for (const auto& [Name, Key] : Named) {
        if (Script.compare(I, Name.size(), Name) != 0) continue;
        input::PressKey(Key.first, Key.second);
        I += Name.size();
        Matched = true;
        break;
      }
      if (!Matched) input::TypeText(Script.substr(I++, 1));
    }
  }

  std::string Selected() const { return Edit->SelText(); }

  TForm* Form = nullptr;
  TDovrel* Edit = nullptr;
  TEdit* Other = nullptr;
  int Changes = 0;
  std::vector<std::string> Clicked;
};

}  // namespace tarvex::test
