#include "framework/win/system_classes.h"

#include "framework/win/button_control.h"
#include "framework/win/edit_control.h"
#include "framework/win/list_box_control.h"

namespace framework {

std::vector<TWndClass> SystemWindowClasses() {
  return {EditWindowClass(), ListBoxWindowClass(), ButtonWindowClass()};
}

}  // namespace framework
