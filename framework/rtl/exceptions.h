#pragma once

#include <exception>
#include <string>

namespace framework {

// Root of the framework's exception family. Messages are single-byte text, like every framework
// string.
class Exception : public std::exception {
 public:
  explicit Exception(std::string Message) : FMessage(std::move(Message)) {}
  const std::string& Message() const { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
};

// The silent exception: a refused action that the application's exception handler ignores.
class EAbort : public Exception {
 public:
  using Exception::Exception;
};

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

// An engine call failed; ErrorCode is the engine's code.
class EDBEngineError : public EDatabaseError {
 public:
  EDBEngineError(int ErrorCode, std::string Message)
      : EDatabaseError(std::move(Message)), FErrorCode(ErrorCode) {}
  int ErrorCode() const { return FErrorCode; }

 private:
  int FErrorCode;
};

// Raises the silent EAbort.
[[noreturn]] void Abort();

}  // namespace framework
