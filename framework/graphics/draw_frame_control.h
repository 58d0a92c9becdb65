#pragma once

#include "framework/graphics/device_context.h"
#include "framework/rtl/geometry.h"

namespace framework {

// DrawFrameControl's types and states.
enum : unsigned {
  DFC_SCROLL = 3,
  DFC_BUTTON = 4,

  // DFC_SCROLL parts: the arrow buttons of a scroll bar and a combo box's drop-down button.
  DFCS_SCROLLUP = 0x0000,
  DFCS_SCROLLDOWN = 0x0001,
  DFCS_SCROLLLEFT = 0x0002,
  DFCS_SCROLLRIGHT = 0x0003,
  DFCS_SCROLLCOMBOBOX = 0x0005,
  // DFC_BUTTON parts.
  DFCS_BUTTONCHECK = 0x0000,
  DFCS_BUTTONPUSH = 0x0010,

  DFCS_INACTIVE = 0x0100,
  DFCS_PUSHED = 0x0200,
  DFCS_CHECKED = 0x0400,
  DFCS_FLAT = 0x4000,
};

// Draws a control part of the classic look in the system colours into Rect (logical
// coordinates of DC, clipped like any drawing); false for a type or part it does not know.
//  - DFC_SCROLL: a raised button face with a small black triangle in its middle, pointing as the
//    part says (down for DFCS_SCROLLCOMBOBOX); DFCS_PUSHED flattens the frame to one shadow-grey
//    pixel and moves the triangle one pixel right and down; DFCS_FLAT draws the flat frame
//    alone; DFCS_INACTIVE draws the triangle in the grey text colour over a white shadow.
//  - DFC_BUTTON with DFCS_BUTTONCHECK: a 13x13 sunken box centred in Rect, white inside, with
//    the black check mark when DFCS_CHECKED; DFCS_INACTIVE or DFCS_PUSHED make the inside
//    button-face grey, DFCS_INACTIVE the mark grey; DFCS_FLAT gives it a one-pixel frame.
//  - DFC_BUTTON with DFCS_BUTTONPUSH: a push button's face, raised, or sunken when DFCS_PUSHED.
bool DrawFrameControl(HDC DC, const TRect& Rect, unsigned Type, unsigned State);

}  // namespace framework
