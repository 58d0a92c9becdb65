#include "framework/classes/stream.h"

#include <algorithm>
#include <vector>

#include "framework/classes/errors.h"

namespace framework {

namespace {

constexpr int64_t CopyBufferSize = 64 * 1024;

}  // namespace

const TClass& TStream::StaticClass() {
  return TClass::Describe<TStream>("TStream");
}

int64_t TStream::Size() {
  const int64_t Pos = Seek(0, soCurrent);
  const int64_t Result = Seek(0, soEnd);
  Seek(Pos, soBeginning);
  return Result;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count < 0 || Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count < 0 || Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count < 0) throw EReadError("Stream read error");
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  std::vector<char> Buffer(size_t(std::min(Count, CopyBufferSize)));
  for (int64_t Left = Count; Left > 0;) {
    const int64_t Chunk = std::min(Left, CopyBufferSize);
    Source.ReadBuffer(Buffer.data(), Chunk);
    WriteBuffer(Buffer.data(), Chunk);
    Left -= Chunk;
  }
  return Count;
}

}  // namespace framework
