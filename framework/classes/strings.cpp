#include "framework/classes/strings.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "framework/classes/errors.h"
#include "framework/classes/file_stream.h"
#include "framework/classes/reader.h"
#include "framework/classes/writer.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

// BeginUpdate for the guard's lifetime. EndUpdate may fire a change event, whose handler may
// raise: the destructor lets that through, unless an error is already on its way out, which
// then goes on alone (two at once would end the program).
class TUpdateGuard {
 public:
  explicit TUpdateGuard(TStrings& Strings)
      : FStrings(Strings), FErrors(std::uncaught_exceptions()) {
    FStrings.BeginUpdate();
  }
  ~TUpdateGuard() noexcept(false) {
    if (std::uncaught_exceptions() == FErrors) {
      FStrings.EndUpdate();
      return;
    }
    try {
      FStrings.EndUpdate();
    } catch (...) {
    }
  }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

 private:
  TStrings& FStrings;
  int FErrors;
};

}  // namespace

const TClass& TStrings::StaticClass() {
  return TClass::Describe<TStrings>("TStrings");
}

int TStrings::Add(const std::string& S) {
  const int Index = GetCount();
  Insert(Index, S);
  return Index;
}

void TStrings::Exchange(int Index1, int Index2) {
  TUpdateGuard Update(*this);
  const std::string Temp = Get(Index1);
  Put(Index1, Get(Index2));
  Put(Index2, Temp);
}

int TStrings::IndexOf(std::string_view S) const {
  for (int I = 0; I < GetCount(); ++I)
    if (AnsiCompareText(Get(I), S) == 0) return I;
  return -1;
}

void TStrings::AddStrings(const TStrings& Strings) {
  // Taken first, so that adding a list to itself does not see its own additions.
  std::vector<std::string> Lines;
  Lines.reserve(size_t(Strings.Count()));
  for (int I = 0; I < Strings.Count(); ++I) Lines.push_back(Strings.Get(I));
  TUpdateGuard Update(*this);
  for (const std::string& Line : Lines) Add(Line);
}

void TStrings::Assign(const TPersistent* Source) {
  const auto* Strings = dynamic_cast<const TStrings*>(Source);
  if (!Strings) return TPersistent::Assign(Source);
  if (Strings == this) return;
  TUpdateGuard Update(*this);
  Clear();
  AddStrings(*Strings);
}

bool TStrings::Equals(const TStrings& Strings) const {
  if (Strings.Count() != Count()) return false;
  for (int I = 0; I < Count(); ++I)
    if (Strings.Get(I) != Get(I)) return false;
  return true;
}

std::string TStrings::Text() const {
  std::string Result;
  for (int I = 0; I < GetCount(); ++I) {
    Result += Get(I);
    Result += "\r\n";
  }
  return Result;
}

void TStrings::SetText(std::string_view Value) {
  TUpdateGuard Update(*this);
  Clear();
  size_t Start = 0;
  while (Start < Value.size()) {
    const size_t End = std::min(Value.find_first_of("\r\n", Start), Value.size());
    Add(std::string(Value.substr(Start, End - Start)));
    Start = End;
    if (Start < Value.size() && Value[Start] == '\r') ++Start;
    if (Start < Value.size() && Value[Start] == '\n') ++Start;
  }
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  --FUpdateCount;
  if (FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream& Stream) {
  std::string Data(size_t(std::max<int64_t>(0, Stream.Size() - Stream.Position())), '\0');
  Stream.ReadBuffer(Data.data(), int64_t(Data.size()));
  SetText(Data);
}

void TStrings::SaveToStream(TStream& Stream) const {
  const std::string Data = Text();
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
}

void TStrings::LoadFromFile(const std::string& FileName) {
  TFileStream File(FileName, fmOpenRead);
  LoadFromStream(File);
}

void TStrings::SaveToFile(const std::string& FileName) const {
  TFileStream File(FileName, fmCreate);
  SaveToStream(File);
}

void TStrings::Put(int Index, const std::string& S) {
  TUpdateGuard Update(*this);
  Delete(Index);
  Insert(Index, S);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::DefineProperties(TFiler& Filer) {
  Filer.DefineProperty(
      "Strings", [this](TReader& Reader) { ReadData(Reader); },
      [this](TWriter& Writer) { WriteData(Writer); }, Count() > 0);
}

void TStrings::IndexError(int Index) {
  throw EStringListError("List index out of bounds (" + IntToStr(Index) + ")");
}

// The whole list is read before the strings change, so that a malformed list leaves them as
// they were.
void TStrings::ReadData(TReader& Reader) {
  std::vector<std::string> Lines;
  Reader.ReadListBegin();
  while (!Reader.EndOfList()) Lines.push_back(Reader.ReadString());
  Reader.ReadListEnd();
  TUpdateGuard Update(*this);
  Clear();
  for (const std::string& Line : Lines) Add(Line);
}

void TStrings::WriteData(TWriter& Writer) const {
  Writer.WriteListBegin();
  for (int I = 0; I < Count(); ++I) Writer.WriteString(Get(I));
  Writer.WriteListEnd();
}

}  // namespace framework
