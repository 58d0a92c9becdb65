#pragma once

#include <string>

#include "framework/rtl/exceptions.h"

namespace framework {

// The exceptions of the component and streaming layer.

class EClassNotFound : public Exception {
 public:
  using Exception::Exception;
};

class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

class EStringListError : public Exception {
 public:
  using Exception::Exception;
};

class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EFCreateError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

// A malformed form text: Message() is "Line 3: Text".
class EParserError : public EReadError {
 public:
  EParserError(int Line, std::string Text)
      : EReadError("Line " + std::to_string(Line) + ": " + Text),
        FLine(Line),
        FText(std::move(Text)) {}
  int Line() const { return FLine; }
  const std::string& Text() const { return FText; }

 private:
  int FLine;
  std::string FText;
};

}  // namespace framework
