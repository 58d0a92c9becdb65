#pragma once

#include <string>
#include <vector>

#include "framework/classes/stream.h"

namespace framework {

// A stream over bytes in memory. The position may go past the end: reading there reads nothing,
// writing there fills the gap with zeros first.
class TMemoryStream : public TStream {
  DECLARE_CLASS(TMemoryStream, TStream)

 public:
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  // Grows with zeros; a position past the new end moves to it. Raises EWriteError for a negative
  // size.
  void SetSize(int64_t NewSize) override;

  // The bytes, valid until the size changes.
  void* Memory() { return FMemory.data(); }
  const void* Memory() const { return FMemory.data(); }
  void Clear();

  // Replace the bytes with the whole of Stream (or the file) and move to the start; on an error
  // the stream keeps what it held.
  void LoadFromStream(TStream& Stream);
  void LoadFromFile(const std::string& FileName);
  void SaveToStream(TStream& Stream) const;
  void SaveToFile(const std::string& FileName) const;

 private:
  std::vector<char> FMemory;
  int64_t FPosition = 0;
};

}  // namespace framework
