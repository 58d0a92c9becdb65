#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/errors.h"
#include "framework/classes/file_stream.h"
#include "framework/classes/memory_stream.h"
#include "framework/classes/string_list.h"
#include "test_helpers.h"

namespace {

using namespace framework;
using classes_test::Lines;

std::string Contents(TMemoryStream& Stream) {
  return std::string(static_cast<const char*>(Stream.Memory()), size_t(Stream.Size()));
}

void WriteText(TStream& Stream, const std::string& Text) {
  Stream.WriteBuffer(Text.data(), int64_t(Text.size()));
}

std::string ReadText(TStream& Stream, int64_t Count) {
  std::string Text(size_t(Count), '\0');
  Text.resize(size_t(Stream.Read(Text.data(), Count)));
  return Text;
}

TEST(MemoryStream, ReadsWritesAndSeeks) {
  TMemoryStream S;
  WriteText(S, "hello");
  EXPECT_EQ(S.Size(), 5);
  EXPECT_EQ(S.Position(), 5);
  EXPECT_EQ(S.Seek(1, soBeginning), 1);
  EXPECT_EQ(ReadText(S, 3), "ell");
  EXPECT_EQ(S.Seek(-2, soCurrent), 2);
  EXPECT_EQ(S.Seek(-1, soEnd), 4);
  EXPECT_EQ(ReadText(S, 10), "o");
  EXPECT_EQ(ReadText(S, 10), "");
  S.SetPosition(1);
  WriteText(S, "ipp");
  EXPECT_EQ(Contents(S), "hippo");
}

TEST(MemoryStream, WritingPastTheEndFillsTheGapWithZeros) {
  TMemoryStream S;
  WriteText(S, "ab");
  EXPECT_EQ(S.Seek(3, soEnd), 5);
  EXPECT_EQ(ReadText(S, 1), "");
  EXPECT_EQ(S.Size(), 2);
  WriteText(S, "z");
  EXPECT_EQ(Contents(S), std::string("ab\0\0\0z", 6));
}

TEST(MemoryStream, SetSizeZeroFillsOrCutsAndKeepsThePositionInside) {
  TMemoryStream S;
  WriteText(S, "abcdef");
  S.SetSize(3);
  EXPECT_EQ(S.Position(), 3);
  EXPECT_EQ(Contents(S), "abc");
  S.SetSize(5);
  EXPECT_EQ(Contents(S), std::string("abc\0\0", 5));
  EXPECT_THROW(S.SetSize(-1), EWriteError);
  S.Clear();
  EXPECT_EQ(S.Size(), 0);
  EXPECT_EQ(S.Position(), 0);
}

TEST(MemoryStream, ShortTransfersRaise) {
  TMemoryStream S;
  WriteText(S, "abc");
  S.SetPosition(1);
  char Buffer[4];
  try {
    S.ReadBuffer(Buffer, 4);
    ADD_FAILURE() << "no EReadError";
  } catch (const EReadError& E) {
    EXPECT_EQ(E.Message(), "Stream read error");
  }
  S.SetPosition(-1);
  EXPECT_EQ(S.Read(Buffer, 1), 0);
  try {
    S.WriteBuffer("x", 1);
    ADD_FAILURE() << "no EWriteError";
  } catch (const EWriteError& E) {
    EXPECT_EQ(E.Message(), "Stream write error");
  }
  EXPECT_EQ(Contents(S), "abc");
}

TEST(Stream, CopyFromTakesCountFromThePositionOrAllFromTheStart) {
  std::string Data(200000, '\0');
  for (size_t I = 0; I < Data.size(); ++I) Data[I] = char(I * 7 % 251);
  TMemoryStream Source;
  WriteText(Source, Data);

  TMemoryStream All;
  EXPECT_EQ(All.CopyFrom(Source, 0), int64_t(Data.size()));
  EXPECT_EQ(Contents(All), Data);

  TMemoryStream Part;
  Source.SetPosition(100);
  EXPECT_EQ(Part.CopyFrom(Source, 70000), 70000);
  EXPECT_EQ(Contents(Part), Data.substr(100, 70000));
  EXPECT_EQ(Source.Position(), 70100);

  EXPECT_THROW(Part.CopyFrom(Source, 200000), EReadError);
}

class FileStream : public classes_test::TempDirTest {};

TEST_F(FileStream, CreateAndOpenErrorsNameTheFileAndTheReason) {
  const std::string Missing = PathOf("missing/data.bin");
  try {
    TFileStream S(Missing, fmCreate);
    ADD_FAILURE() << "no EFCreateError";
  } catch (const EFCreateError& E) {
    EXPECT_EQ(E.Message(), "Cannot create file \"" + Missing + "\": No such file or directory");
  }
  try {
    TFileStream S(Missing, fmOpenRead);
    ADD_FAILURE() << "no EFOpenError";
  } catch (const EFOpenError& E) {
    EXPECT_EQ(E.Message(), "Cannot open file \"" + Missing + "\": No such file or directory");
  }
}

TEST_F(FileStream, ADirectoryIsNotAFile) {
  try {
    TFileStream S(Dir.string(), fmOpenRead);
    ADD_FAILURE() << "no EFOpenError";
  } catch (const EFOpenError& E) {
    EXPECT_EQ(E.Message(), "Cannot open file \"" + Dir.string() + "\": Is a directory");
  }
}

TEST_F(FileStream, WritesReadsAndReopens) {
  const std::string Name = PathOf("data.bin");
  {
    TFileStream S(Name, fmCreate);
    WriteText(S, "0123456789");
    EXPECT_EQ(S.Size(), 10);
    S.SetPosition(2);
    EXPECT_EQ(ReadText(S, 3), "234");
    S.SetSize(4);
    EXPECT_EQ(S.Position(), 4);
  }
  {
    TFileStream S(Name, fmOpenReadWrite);
    S.Seek(0, soEnd);
    WriteText(S, "xy");
  }
  TFileStream S(Name, fmOpenRead);
  EXPECT_EQ(ReadText(S, 100), "0123xy");
  EXPECT_THROW(WriteText(S, "z"), EWriteError);
  TFileStream Truncated(Name, fmCreate);
  EXPECT_EQ(Truncated.Size(), 0);
}

TEST_F(FileStream, MemoryStreamRoundTripKeepsEveryByte) {
  std::string Data;
  for (int I = 0; I < 256; ++I) Data += char(I);
  TMemoryStream Out;
  WriteText(Out, Data);
  Out.SaveToFile(PathOf("bytes.bin"));
  TMemoryStream In;
  WriteText(In, "stale");
  In.LoadFromFile(PathOf("bytes.bin"));
  EXPECT_EQ(Contents(In), Data);
  EXPECT_EQ(In.Position(), 0);
}

TEST_F(FileStream, AFailedLoadKeepsWhatWasThere) {
  {
    TFileStream Create(PathOf("text.txt"), fmCreate);
    WriteText(Create, "new\r\n");
  }
  TFileStream WriteOnly(PathOf("text.txt"), fmOpenWrite);
  TMemoryStream Memory;
  WriteText(Memory, "old");
  EXPECT_THROW(Memory.LoadFromStream(WriteOnly), EReadError);
  EXPECT_EQ(Contents(Memory), "old");

  TStringList S;
  S.Add("old");
  EXPECT_THROW(S.LoadFromFile(PathOf("nothing.txt")), EFOpenError);
  WriteOnly.SetPosition(0);
  EXPECT_THROW(S.LoadFromStream(WriteOnly), EReadError);
  EXPECT_EQ(Lines(S), std::vector<std::string>{"old"});
}

TEST_F(FileStream, StringsRoundTrip) {
  TStringList Out;
  Out.SetText("one\r\n\r\n\xE9t\xE9\ttab\nlast");
  Out.SaveToFile(PathOf("lines.txt"));
  TMemoryStream Raw;
  Raw.LoadFromFile(PathOf("lines.txt"));
  EXPECT_EQ(Contents(Raw), "one\r\n\r\n\xE9t\xE9\ttab\r\nlast\r\n");
  TStringList In;
  In.LoadFromFile(PathOf("lines.txt"));
  EXPECT_TRUE(In.Equals(Out));
}

}  // namespace
