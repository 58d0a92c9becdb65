#pragma once

#include <cstdint>

#include "framework/classes/event.h"
#include "framework/rtl/geometry.h"

namespace framework {

class TControl;

// Where the pointer is, for the control it is over, while something is dragged.
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

using TDragOverEvent =
    TEvent<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;

// The one drag in progress on the desktop: a control dragged with the left button held. The
// source holds the mouse capture; each move asks the control under the pointer whether it takes
// the drop (DragOver) and shows the source's drag cursor or the no-drop cursor; the release drops
// on a control that takes it and ends the drag at the source (EndDrag). A drag that is not
// immediate starts only once the pointer has moved a few pixels from the press, so that a click
// stays a click.
namespace drag {

// Starts dragging Source from the screen point of the press.
void Begin(TControl* Source, TPoint Screen, bool Immediate);
bool Dragging(const TControl* Source);
// The pointer moved to, or the button was released at, a screen point.
void Move(TPoint Screen);
void Release(TPoint Screen);
// Ends the drag without a drop, as when the source or the target goes away.
void Cancel();
// A control that goes leaves the drag.
void Forget(const TControl* Control);

}  // namespace drag

}  // namespace framework
