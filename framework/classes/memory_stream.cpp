#include "framework/classes/memory_stream.h"

#include <algorithm>
#include <cstring>

#include "framework/classes/errors.h"
#include "framework/classes/file_stream.h"

namespace framework {

const TClass& TMemoryStream::StaticClass() {
  return TClass::Describe<TMemoryStream>("TMemoryStream");
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  const int64_t Size = int64_t(FMemory.size());
  if (FPosition < 0 || Count <= 0 || FPosition >= Size) return 0;
  const int64_t Done = std::min(Count, Size - FPosition);
  std::memcpy(Buffer, FMemory.data() + FPosition, size_t(Done));
  FPosition += Done;
  return Done;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (FPosition < 0 || Count <= 0 || Count > INT64_MAX - FPosition) return 0;
  const int64_t End = FPosition + Count;
  if (End > int64_t(FMemory.size())) FMemory.resize(size_t(End));
  std::memcpy(FMemory.data() + FPosition, Buffer, size_t(Count));
  FPosition = End;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  switch (Origin) {
    case soBeginning: FPosition = Offset; break;
    case soCurrent: FPosition += Offset; break;
    case soEnd: FPosition = int64_t(FMemory.size()) + Offset; break;
  }
  return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EWriteError("Stream write error");
  FMemory.resize(size_t(NewSize));
  FPosition = std::min(FPosition, NewSize);
}

void TMemoryStream::Clear() {
  FMemory = {};
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  std::vector<char> Data(size_t(Stream.Size()));
  Stream.ReadBuffer(Data.data(), int64_t(Data.size()));
  FMemory = std::move(Data);
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
  TFileStream File(FileName, fmOpenRead);
  LoadFromStream(File);
}

void TMemoryStream::SaveToStream(TStream& Stream) const {
  Stream.WriteBuffer(FMemory.data(), int64_t(FMemory.size()));
}

void TMemoryStream::SaveToFile(const std::string& FileName) const {
  TFileStream File(FileName, fmCreate);
  SaveToStream(File);
}

}  // namespace framework
