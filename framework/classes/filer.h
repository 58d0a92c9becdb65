#pragma once

#include <functional>
#include <string>

namespace framework {

class TReader;
class TWriter;
class TStream;

using TReaderProc = std::function<void(TReader& Reader)>;
using TWriterProc = std::function<void(TWriter& Writer)>;
using TStreamProc = std::function<void(TStream& Stream)>;

// What TPersistent::DefineProperties sees of a reader or a writer: a way to stream data that is
// not a published property under a name of its own.
class TFiler {
 public:
  virtual ~TFiler() = default;

  // The writer calls WriteData when HasData is True; the reader calls ReadData when the stored
  // form holds the property.
  virtual void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                              const TWriterProc& WriteData, bool HasData) = 0;
  // Binary data ({ hex }): ReadData reads from a memory stream that holds it; WriteData writes
  // into one.
  virtual void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;
};

}  // namespace framework
