#pragma once

#include "framework/controls/custom_form.h"
#include "framework/controls/win_control.h"

namespace framework {

// The border of a control that is no form: bsNone or bsSingle. Streamed as the form's values,
// whose first two it shares; a setter refuses the others.
using TBorderStyle = TFormBorderStyle;

// Raises EInvalidOperation for a border style that only a form has.
void CheckControlBorderStyle(TBorderStyle Value);
// The frame of a bsSingle control: a sunken client edge in 3-D, a line otherwise.
void AddControlBorderStyle(TCreateParams& Params, TBorderStyle Style, bool Ctl3D);

}  // namespace framework
