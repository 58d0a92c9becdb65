#include <gtest/gtest.h>

#include "framework/classes/errors.h"
#include "framework/classes/memory_stream.h"
#include "framework/classes/reader.h"
#include "framework/classes/writer.h"
#include "sample_components.h"

namespace {

using namespace framework;
using namespace sample;

const char* const StoredForm = R"(object Form1: TSampleForm
  Count = -3
  Active = True
  Kind = skLeft
  Kinds = [skLeft, skRight]
  Caption = 'Orders'
  Ratio = 1.5
  Shade = shLight
  Font.Size = 10
  Items.Strings = (
    'one'
    'it''s'
    #233'clair'#13#10)
  OnChange = ItemChange
  object Edit1: TSample
    Caption = 'x'
    Buddy = List1
    OnChange = ItemChange
  end
  object List1: TSample
    Caption = ''
    Small = 65535
    Shade = 77
    Font.Name = 'Mono'
    object Cell1: TSample
      Caption = ''
      Buddy = Form1
    end
  end
end
)";

class FormStream : public ::testing::Test {
 protected:
  void SetUp() override { RegisterSamples(); }

  // The form StoredForm describes, built in code.
  static std::unique_ptr<TSampleForm> BuildForm() {
    auto Form = std::make_unique<TSampleForm>(nullptr);
    Form->SetName("Form1");
    Form->SetCount(-3);
    Form->SetActive(true);
    Form->SetKind(skLeft);
    Form->SetKinds({skLeft, skRight});
    Form->SetCaption("Orders");
    Form->SetRatio(1.5);
    Form->SetShade(shLight);
    Form->Font()->SetSize(10);
    Form->Items()->Add("one");
    Form->Items()->Add("it's");
    Form->Items()->Add(
        "\xE9"
        "clair\r\n");
    Form->OnChange = TNotifyEvent(Form.get(), &TSampleForm::ItemChange);
    auto* Edit = new TSample(Form.get());
    auto* List = new TSample(Form.get());
    auto* Cell = new TSample(Form.get());
    Edit->SetName("Edit1");
    List->SetName("List1");
    Cell->SetName("Cell1");
    Edit->SetParentComponent(Form.get());
    List->SetParentComponent(Form.get());
    Cell->SetParentComponent(List);
    Edit->SetCaption("x");
    Edit->SetBuddy(List);
    Edit->OnChange = Form->OnChange;
    List->SetSmall(65535);
    List->SetShade(TSampleShade(77));
    List->Font()->SetName("Mono");
    Cell->SetBuddy(Form.get());
    return Form;
  }

  static std::unique_ptr<TSampleForm> Read(std::string_view Text) {
    return std::unique_ptr<TSampleForm>(static_cast<TSampleForm*>(ReadComponentText(Text)));
  }
};

TEST_F(FormStream, WritesWhatDiffersFromTheDefaults) {
  EXPECT_EQ(WriteComponentText(BuildForm().get()), StoredForm);
}

TEST_F(FormStream, ReadsBackWhatWasWritten) {
  auto Form = Read(StoredForm);
  EXPECT_EQ(Form->Name(), "Form1");
  EXPECT_EQ(Form->Count(), -3);
  EXPECT_EQ(Form->Kinds(), (TSampleKinds{skLeft, skRight}));
  EXPECT_EQ(Form->Ratio(), 1.5);
  EXPECT_EQ(Form->Font()->Size(), 10);
  EXPECT_EQ(Form->Items()->Text(),
            "one\r\nit's\r\n\xE9"
            "clair\r\n\r\n");
  ASSERT_EQ(Form->ComponentCount(), 3);
  auto* Edit = static_cast<TSample*>(Form->FindComponent("Edit1"));
  auto* List = static_cast<TSample*>(Form->FindComponent("List1"));
  auto* Cell = static_cast<TSample*>(Form->FindComponent("Cell1"));
  EXPECT_EQ(Edit->Buddy(), List);
  EXPECT_EQ(Cell->Buddy(), Form.get());
  EXPECT_EQ(Cell->GetParentComponent(), List);
  EXPECT_EQ(List->Small(), 65535);
  EXPECT_EQ(Form->Shade(), shLight);
  EXPECT_EQ(List->Shade(), 77);
  EXPECT_EQ(List->Font()->Name(), "Mono");

  Edit->OnChange(Edit);
  EXPECT_EQ(Form->Changes, std::vector<std::string>{"Edit1"});
  EXPECT_EQ(WriteComponentText(Form.get()), StoredForm);
}

TEST_F(FormStream, PropertiesAreSetWhileLoadingAndLoadedComesLast) {
  auto Form = Read(StoredForm);
  auto* Edit = static_cast<TSample*>(Form->FindComponent("Edit1"));
  EXPECT_TRUE(Edit->WasLoadingWhenCaptionSet);
  EXPECT_EQ(Edit->LoadedLog, std::vector<std::string>{"loading buddy List1"});
  EXPECT_EQ(Form->LoadedLog, std::vector<std::string>{"loading"});
  EXPECT_TRUE(Edit->ComponentState().Empty());
  EXPECT_TRUE(Form->ComponentState().Empty());
}

TEST_F(FormStream, ThroughAStream) {
  TMemoryStream Stream;
  WriteComponent(Stream, BuildForm().get());
  Stream.SetPosition(0);
  std::unique_ptr<TComponent> Form(ReadComponent(Stream));
  EXPECT_EQ(WriteComponentText(Form.get()), StoredForm);
}

struct BadForm {
  const char* Name;
  const char* Text;
  const char* Message;
};

class FormStreamErrors : public FormStream, public ::testing::WithParamInterface<BadForm> {};

// Each text is read with an owner; an error must leave the owner as it was.
TEST_P(FormStreamErrors, NameTheLineAndLeaveNothingBehind) {
  TComponent Owner(nullptr);
  try {
    ReadComponentText(GetParam().Text, nullptr, &Owner);
    FAIL() << "no error";
  } catch (const EParserError& E) {
    EXPECT_EQ(E.Message(), GetParam().Message);
  }
  EXPECT_EQ(Owner.ComponentCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Text, FormStreamErrors,
    ::testing::Values(
        BadForm{"UnknownRootClass", "object F: TNothing\nend\n",
                "Line 1: Cannot create F: Class TNothing not found"},
        BadForm{"UnknownChildClass", "object F: TSample\n  object E: TNothing\n  end\nend\n",
                "Line 2: Cannot create E: Class TNothing not found"},
        BadForm{"NotCreatable", "object F: TSample\n  object E: TAbstractSample\n  end\nend\n",
                "Line 2: Cannot create E: Cannot create an instance of TAbstractSample"},
        BadForm{"UnknownProperty", "object F: TSample\n  Colour = 1\nend\n",
                "Line 2: Error reading F.Colour: Property Colour does not exist in TSample"},
        BadForm{"UnknownSubObjectProperty", "object F: TSample\n  Font.Colour = 1\nend\n",
                "Line 2: Error reading F.Font.Colour: Property Colour does not exist in "
                "TSampleFont"},
        BadForm{"PathThroughAValue", "object F: TSample\n  Count.Size = 1\nend\n",
                "Line 2: Error reading F.Count.Size: TSample has no sub-object Count"},
        BadForm{"WrongKind", "object F: TSample\n  Count = 'many'\nend\n",
                "Line 2: Error reading F.Count: integer expected but string found"},
        BadForm{"OutOfRange", "object F: TSample\n\n  Small = 65536\nend\n",
                "Line 3: Error reading F.Small: Property Small: value 65536 out of range"},
        BadForm{"BadEnumeration", "object F: TSample\n  Kind = skUp\nend\n",
                "Line 2: Error reading F.Kind: Invalid property value skUp"},
        BadForm{"UnknownIdent", "object F: TSample\n  Shade = shPink\nend\n",
                "Line 2: Error reading F.Shade: Invalid property value shPink"},
        BadForm{"BadSetElement", "object F: TSample\n  Kinds = [skLeft, 3]\nend\n",
                "Line 2: Error reading F.Kinds: Invalid set element 3"},
        BadForm{"BadNumber", "object F: TSample\n  Count = 12x\nend\n",
                "Line 2: Error reading F.Count: Invalid number 12x"},
        BadForm{"HugeNumber", "object F: TSample\n  Count = 99999999999999999999\nend\n",
                "Line 2: Error reading F.Count: Invalid integer 99999999999999999999"},
        BadForm{"UnterminatedString", "object F: TSample\n  Caption = 'open\nend\n",
                "Line 2: Error reading F.Caption: Unterminated string"},
        BadForm{"BadCharacterCode", "object F: TSample\n  Caption = #256\nend\n",
                "Line 2: Error reading F.Caption: Invalid character code in string"},
        BadForm{"UnterminatedBlock", "object F: TSample\n  object E: TSample\n  end\n",
                "Line 4: 'end' expected for F"},
        BadForm{"TextAfterTheEnd", "object F: TSample\nend\nobject G: TSample\nend\n",
                "Line 3: end of text expected but 'object' found"},
        BadForm{"MissingEquals", "object F: TSample\n  Count 1\nend\n",
                "Line 2: Error reading F.Count: '=' expected but '1' found"},
        BadForm{"DanglingReference",
                "object F: TSample\n  object E: TSample\n    Buddy = Nobody\n  end\nend\n",
                "Line 3: Error reading E.Buddy: Component Nobody not found"},
        BadForm{"ReferenceOfAnotherClass",
                "object F: TSample\n  object C: TComponent\n  end\n  object E: TSample\n"
                "    Buddy = C\n  end\nend\n",
                "Line 5: Error reading E.Buddy: Property Buddy: a TComponent is not a TSample"},
        BadForm{"UnknownMethod", "object F: TSampleForm\n  OnChange = Nothing\nend\n",
                "Line 2: Error reading F.OnChange: Method Nothing not found in TSampleForm"},
        BadForm{"DuplicateName",
                "object F: TSample\n  object E: TSample\n  end\n  object e: TSample\n  end\nend\n",
                "Line 4: Invalid name e: A component named e already exists"},
        BadForm{"InvalidName", "object F: TSample\n  object 2E: TSample\n  end\nend\n",
                "Line 2: Invalid number 2E"},
        BadForm{"BadBinary", "object F: TSample\n  Items.Strings = {0A1}\nend\n",
                "Line 2: Error reading F.Items.Strings: Odd number of digits in binary value"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(FormStream, AnErrorReadingIntoAnInstanceLeavesItWithoutTheNewChildren) {
  TSampleForm Form(nullptr);
  const char* Text = "object Form1: TSampleForm\n  object E: TSample\n  end\n  Count = x\nend\n";
  EXPECT_THROW(ReadComponentText(Text, &Form), EParserError);
  EXPECT_EQ(Form.ComponentCount(), 0);
  EXPECT_TRUE(Form.ComponentState().Empty());
}

}  // namespace
