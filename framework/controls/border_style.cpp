#include "framework/controls/border_style.h"

#include <string>

#include "framework/rtl/exceptions.h"

namespace framework {

void CheckControlBorderStyle(TBorderStyle Value) {
  if (Value != bsNone && Value != bsSingle)
    throw EInvalidOperation("Invalid border style for a control (" + std::to_string(Value) + ")");
}

void AddControlBorderStyle(TCreateParams& Params, TBorderStyle Style, bool Ctl3D) {
  if (Style != bsSingle) return;
  if (Ctl3D)
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    Params.Style |= WS_BORDER;
}

}  // namespace framework
