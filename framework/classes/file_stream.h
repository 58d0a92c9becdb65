#pragma once

#include <cstdint>
#include <string>

#include "framework/classes/stream.h"

namespace framework {

// TFileStream modes: create (or truncate) for reading and writing, or open an existing file.
inline constexpr uint16_t fmCreate = 0xFFFF;
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;

// A stream over a file, open for the stream's lifetime. The constructor raises EFCreateError or
// EFOpenError naming the file and the system's reason; a failing read or write raises EReadError
// or EWriteError with the reason.
class TFileStream : public TStream {
  DECLARE_CLASS(TFileStream, TStream)

 public:
  TFileStream(const std::string& FileName, uint16_t Mode);
  ~TFileStream() override;

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  // Returns -1, and leaves the position, when the new position would be invalid.
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(int64_t NewSize) override;

  const std::string& FileName() const { return FFileName; }

 private:
  std::string FFileName;
  int FHandle;
};

}  // namespace framework
