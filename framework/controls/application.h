#pragma once

#include <exception>
#include <string>

#include "framework/classes/component.h"
#include "framework/win/message_queue.h"

namespace framework {

using TExceptionEvent = TEvent<void(TObject* Sender, const std::exception& E)>;

// The running program: it hands every key message to the control it is for before the window
// system dispatches it (CN_KEYDOWN and its kin, the dialog-key protocol), and it receives the
// errors that escape message handlers. There are no message boxes: an error nobody handles is
// recorded (LastExceptionMessage, ExceptionCount) for the program and its tests to see.
class TApplication : public TComponent {
  DECLARE_CLASS(TApplication, TComponent)

 public:
  // Makes the Screen too, and becomes the window system's message filter.
  explicit TApplication(TComponent* AOwner);
  // Frees the forms it owns, then the Screen.
  ~TApplication() override;

  // Call from a catch handler: EAbort is dropped, any other error goes to OnException when it is
  // assigned, else it is recorded.
  void HandleException(TObject* Sender);
  const std::string& LastExceptionMessage() const { return FLastExceptionMessage; }
  int ExceptionCount() const { return FExceptionCount; }

  void ProcessMessages();
  // The key messages' preprocessing: true when the control took the key as a CN_ message.
  bool IsKeyMsg(TMsg& Msg);

  TExceptionEvent OnException;

 private:
  void ShowException(const std::string& Message);

  std::string FLastExceptionMessage;
  int FExceptionCount = 0;
};

extern TApplication* Application;

// Makes Application (and Screen) when there is none: the layer calls it wherever it needs them,
// so a program may start using controls at once.
void InitApplication();
// Frees Application, its forms and Screen: a clean slate for the next test.
void DoneApplication();

}  // namespace framework
