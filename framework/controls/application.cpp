#include "framework/controls/application.h"

#include "framework/controls/screen.h"
#include "framework/rtl/exceptions.h"
#include "framework/win/focus.h"
#include "framework/win/window_procedure.h"

namespace framework {

TApplication* Application = nullptr;

const TClass& TApplication::StaticClass() {
  return TClass::Describe<TApplication>("TApplication");
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  if (!Application) Application = this;
  if (!Screen) new TScreen(this);
  SetMessageFilter([this](TMsg& Msg) { return IsKeyMsg(Msg); });
}

// The forms go while Application and Screen still stand: their windows' last messages may need
// either.
TApplication::~TApplication() {
  DestroyComponents();
  SetMessageFilter(nullptr);
  if (Application == this) Application = nullptr;
}

void TApplication::HandleException(TObject* Sender) {
  const std::exception_ptr Current = std::current_exception();
  if (!Current) return;
  try {
    std::rethrow_exception(Current);
  } catch (const EAbort&) {
  } catch (const std::exception& E) {
    if (!OnException) return ShowException(E.what());
    // A handler that fails itself is recorded rather than let loose in the window system.
    try {
      OnException(Sender, E);
    } catch (const std::exception& Inner) {
      ShowException(Inner.what());
    } catch (...) {
      ShowException("Unknown exception");
    }
  } catch (...) {
    ShowException("Unknown exception");
  }
}

void TApplication::ShowException(const std::string& Message) {
  FLastExceptionMessage = Message;
  ++FExceptionCount;
}

void TApplication::ProcessMessages() {
  framework::ProcessMessages();
}

// A key goes first to the window it is for (the capture window while there is one) as CN_BASE
// plus its number; a control that answers non-zero has handled it.
bool TApplication::IsKeyMsg(TMsg& Msg) {
  if (Msg.message < WM_KEYDOWN || Msg.message > WM_SYSCHAR) return false;
  const HWND Capture = GetCapture();
  const HWND Wnd = Capture ? Capture : Msg.hwnd;
  return SendMessage(Wnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

void InitApplication() {
  if (!Application) new TApplication(nullptr);
}

void DoneApplication() {
  delete Application;
}

}  // namespace framework
