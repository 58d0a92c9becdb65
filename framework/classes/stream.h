#pragma once

#include <cstdint>

#include "framework/classes/object.h"

namespace framework {

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// A sequence of bytes with a position: what strings, pictures and stored forms are read from and
// written to.
class TStream : public TObject {
  DECLARE_CLASS(TStream, TObject)

 public:
  // Read and Write transfer at most Count bytes at the position, advance it, and return how
  // many bytes they transferred.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
  virtual void SetSize(int64_t NewSize) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
  int64_t Size();

  // Transfer exactly Count bytes, or raise EReadError ("Stream read error") / EWriteError
  // ("Stream write error").
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  // Copies Count bytes from Source's position, or all of Source from its start when Count is 0;
  // returns the number of bytes copied.
  int64_t CopyFrom(TStream& Source, int64_t Count);
};

}  // namespace framework
