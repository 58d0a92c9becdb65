#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

using namespace controls_test;

// A form with a source control that drags by itself and a target that takes a drop when Accept
// says so; every drag event is logged.
class DragTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Form->SetBounds(100, 100, 400, 300);
    Source = Place(Bounds(10, 10, 100, 50));
    Source->SetDragMode(dmAutomatic);
    Target = Place(Bounds(200, 10, 100, 50));
    Target->OnDragOver = [this](TObject*, TObject* From, int, int, TDragState State, bool& Take) {
      Log.push_back("over " + std::to_string(State) + (From == Source ? " from source" : ""));
      Take = Accept;
    };
    Target->OnDragDrop = [this](TObject*, TObject* From, int X, int Y) {
      Log.push_back("drop " + std::to_string(X) + "," + std::to_string(Y) +
                    (From == Source ? " from source" : ""));
    };
    Source->OnEndDrag = [this](TObject*, TObject* On, int, int) {
      Log.push_back(!On ? "end nowhere" : On == Target ? "end on target" : "end elsewhere");
    };
    Form->Show();
  }
  TTestControl* Place(TRect Bounds) {
    auto* Control = new TTestControl(Form);
    Control->SetParent(Form);
    Control->SetBoundsRect(Bounds);
    return Control;
  }

  TForm* Form = nullptr;
  TTestControl* Source = nullptr;
  TTestControl* Target = nullptr;
  bool Accept = true;
  std::vector<std::string> Log;
};

TEST_F(DragTest, ADropOnAControlThatTakesItEndsOnIt) {
  input::MouseDown(mbLeft, Source->ClientToScreen({20, 20}));
  EXPECT_TRUE(Source->Dragging());
  input::MouseMove(Target->ClientToScreen({10, 10}));
  input::MouseMove(Target->ClientToScreen({30, 20}));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crDrag));
  input::MouseUp(mbLeft, Target->ClientToScreen({30, 20}));
  EXPECT_FALSE(Source->Dragging());
  EXPECT_EQ(Log, (std::vector<std::string>{"over 0 from source", "over 2 from source",
                                           "drop 30,20 from source", "end on target"}));
}

TEST_F(DragTest, ARefusedOrMissedDropEndsNowhere) {
  Accept = false;
  input::MouseDown(mbLeft, Source->ClientToScreen({20, 20}));
  input::MouseMove(Target->ClientToScreen({10, 10}));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
  input::MouseMove(Form->ClientToScreen({150, 200}));
  input::MouseUp(mbLeft, Form->ClientToScreen({150, 200}));
  EXPECT_EQ(Log,
            (std::vector<std::string>{"over 0 from source", "over 1 from source", "end nowhere"}));
}

TEST_F(DragTest, APressThatHardlyMovesStaysAClick) {
  int Clicks = 0;
  Source->SetDragMode(dmManual);
  Source->OnClick = [&](TObject*) { ++Clicks; };
  input::Click(Source->ClientToScreen({20, 20}));
  EXPECT_EQ(Clicks, 1);
  Source->SetDragMode(dmAutomatic);
  input::MouseDown(mbLeft, Source->ClientToScreen({20, 20}));
  input::MouseMove(Source->ClientToScreen({22, 23}));
  input::MouseUp(mbLeft, Source->ClientToScreen({22, 23}));
  EXPECT_TRUE(Log.empty());
  EXPECT_FALSE(Source->Dragging());
}

TEST_F(DragTest, ATargetThatGoesLeavesTheDrag) {
  input::MouseDown(mbLeft, Source->ClientToScreen({20, 20}));
  input::MouseMove(Target->ClientToScreen({10, 10}));
  const TPoint Where = Target->ClientToScreen({10, 10});
  delete Target;
  Target = nullptr;
  input::MouseUp(mbLeft, Where);
  EXPECT_EQ(Log.back(), "end nowhere");
}

TEST_F(DragTest, TheStandardControlsPublishTheDragEvents) {
  TEdit Edit(nullptr);
  TListBox List(nullptr);
  TDrawGrid Grid(nullptr);
  for (TPersistent* Control : std::initializer_list<TPersistent*>{&Edit, &List, &Grid})
    for (const char* Event : {"OnDragDrop", "OnDragOver", "OnEndDrag"})
      EXPECT_TRUE(GetPropInfo(Control, Event)) << Event;
}

}  // namespace
}  // namespace framework::test
