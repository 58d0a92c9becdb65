#include "framework/classes/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "framework/classes/errors.h"

namespace framework {

namespace {

template <class E>
[[noreturn]] void RaiseFileError(const char* What, const std::string& FileName, int Error) {
  throw E(std::string(What) + " \"" + FileName + "\": " + std::strerror(Error));
}

int OpenFile(const std::string& FileName, uint16_t Mode) {
  if (Mode == fmCreate) {
    const int Handle = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (Handle < 0) RaiseFileError<EFCreateError>("Cannot create file", FileName, errno);
    return Handle;
  }
  static constexpr int AccessFlags[] = {O_RDONLY, O_WRONLY, O_RDWR};
  const unsigned Access = Mode & 3u;
  if (Access > 2) RaiseFileError<EFOpenError>("Cannot open file", FileName, EINVAL);
  const int Handle = ::open(FileName.c_str(), AccessFlags[Access] | O_CLOEXEC);
  if (Handle < 0) RaiseFileError<EFOpenError>("Cannot open file", FileName, errno);
  // POSIX opens a directory for reading; its "size" is not that of any content.
  struct stat Status;
  if (::fstat(Handle, &Status) == 0 && S_ISDIR(Status.st_mode)) {
    ::close(Handle);
    RaiseFileError<EFOpenError>("Cannot open file", FileName, EISDIR);
  }
  return Handle;
}

// Repeats a partial read or write until Count bytes are done or the file ends; a failure leaves
// its errno in Error.
template <class F>
int64_t Transfer(int64_t Count, int& Error, F Call) {
  Error = 0;
  int64_t Done = 0;
  while (Done < Count) {
    const ssize_t N = Call(Done, size_t(Count - Done));
    if (N < 0 && errno == EINTR) continue;
    if (N < 0) Error = errno;
    if (N <= 0) break;
    Done += N;
  }
  return Done;
}

}  // namespace

const TClass& TFileStream::StaticClass() {
  return TClass::Describe<TFileStream>("TFileStream");
}

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode)
    : FFileName(FileName), FHandle(OpenFile(FileName, Mode)) {}

TFileStream::~TFileStream() {
  ::close(FHandle);
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  auto* Bytes = static_cast<char*>(Buffer);
  int Error;
  const int64_t Done = Transfer(Count, Error, [&](int64_t Offset, size_t Length) {
    return ::read(FHandle, Bytes + Offset, Length);
  });
  if (Error) throw EReadError(std::string("Stream read error: ") + std::strerror(Error));
  return Done;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  const auto* Bytes = static_cast<const char*>(Buffer);
  int Error;
  const int64_t Done = Transfer(Count, Error, [&](int64_t Offset, size_t Length) {
    return ::write(FHandle, Bytes + Offset, Length);
  });
  if (Error) throw EWriteError(std::string("Stream write error: ") + std::strerror(Error));
  return Done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  static constexpr int Whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  return ::lseek(FHandle, Offset, Whence[Origin]);
}

void TFileStream::SetSize(int64_t NewSize) {
  if (::ftruncate(FHandle, NewSize) != 0)
    throw EWriteError(std::string("Stream write error: ") + std::strerror(errno));
  if (Position() > NewSize) SetPosition(NewSize);
}

}  // namespace framework
