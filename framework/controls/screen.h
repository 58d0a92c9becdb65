#pragma once

#include <map>
#include <vector>

#include "framework/controls/control.h"
#include "framework/win/cursors.h"

namespace framework {

class TCustomForm;
class TWinControl;

// The desktop as the application sees it: its size, the forms, which of them is active, and the
// registry of cursor shapes that controls name by number.
class TScreen : public TComponent {
  DECLARE_CLASS(TScreen, TComponent)

 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  int Width() const;
  int Height() const;

  // The shape registered under Index; the arrow for a number nothing is registered under.
  HCURSOR Cursors(TCursor Index) const;
  void SetCursors(TCursor Index, HCURSOR Value);
  // Shown over every control while it is not crDefault (an hourglass during a long operation).
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);

  // The form whose window is active, and its active control; nullptr when none.
  TCustomForm* ActiveForm() const;
  TWinControl* ActiveControl() const;
  int FormCount() const { return int(FForms.size()); }
  // Raises EInvalidOperation for an index outside 0..FormCount() - 1.
  TCustomForm* Forms(int Index) const;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* Form) { FForms.push_back(Form); }
  void RemoveForm(TCustomForm* Form);

  std::map<int, HCURSOR> FCursors;
  TCursor FCursor = crDefault;
  std::vector<TCustomForm*> FForms;
};

// Made with Application (InitApplication) and freed with it.
extern TScreen* Screen;

}  // namespace framework
