#include "framework/controls/screen.h"

#include <algorithm>
#include <string>

#include "framework/controls/custom_form.h"
#include "framework/rtl/exceptions.h"
#include "framework/win/focus.h"
#include "framework/win/messages.h"
#include "framework/win/mouse.h"
#include "framework/win/system_metrics.h"
#include "framework/win/window.h"

namespace framework {

TScreen* Screen = nullptr;

const TClass& TScreen::StaticClass() {
  return TClass::Describe<TScreen>("TScreen");
}

TScreen::TScreen(TComponent* AOwner)
    : TComponent(AOwner),
      FCursors{{crDefault, IDC_ARROW},
               {crNone, IDC_NONE},
               {crArrow, IDC_ARROW},
               {crCross, IDC_CROSS},
               {crIBeam, IDC_IBEAM},
               {crSizeNESW, IDC_SIZENESW},
               {crSizeNS, IDC_SIZENS},
               {crSizeNWSE, IDC_SIZENWSE},
               {crSizeWE, IDC_SIZEWE},
               {crUpArrow, IDC_UPARROW},
               {crHourGlass, IDC_WAIT},
               {crDrag, IDC_ARROW},
               {crNoDrop, IDC_NO},
               {crHSplit, IDC_SIZEWE},
               {crVSplit, IDC_SIZENS},
               {crMultiDrag, IDC_ARROW},
               {crSQLWait, IDC_WAIT},
               {crNo, IDC_NO},
               {crAppStart, IDC_APPSTARTING},
               {crHelp, IDC_HELP},
               {crHandPoint, IDC_HAND},
               {crSizeAll, IDC_SIZEALL}} {
  if (!Screen) Screen = this;
}

TScreen::~TScreen() {
  if (Screen == this) Screen = nullptr;
}

int TScreen::Width() const {
  return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
  return GetSystemMetrics(SM_CYSCREEN);
}

HCURSOR TScreen::Cursors(TCursor Index) const {
  const auto Found = FCursors.find(Index);
  return Found == FCursors.end() ? IDC_ARROW : Found->second;
}

void TScreen::SetCursors(TCursor Index, HCURSOR Value) {
  FCursors[Index] = Value;
}

// Back at crDefault, the window under the pointer chooses its cursor again.
void TScreen::SetCursor(TCursor Value) {
  FCursor = Value;
  if (Value != crDefault) {
    framework::SetCursor(Cursors(Value));
    return;
  }
  TPoint P;
  GetCursorPos(P);
  if (const HWND Under = WindowFromPoint(P))
    SendMessage(Under, WM_SETCURSOR, WPARAM(Under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

TCustomForm* TScreen::ActiveForm() const {
  const auto Found = std::find_if(FForms.begin(), FForms.end(), [](TCustomForm* Form) {
    return Form->HandleAllocated() && Form->Handle() == GetActiveWindow();
  });
  return Found == FForms.end() ? nullptr : *Found;
}

TWinControl* TScreen::ActiveControl() const {
  const TCustomForm* Form = ActiveForm();
  return Form ? Form->ActiveControl() : nullptr;
}

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount())
    throw EInvalidOperation("Form index out of bounds (" + std::to_string(Index) + ")");
  return FForms[size_t(Index)];
}

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
}

}  // namespace framework
