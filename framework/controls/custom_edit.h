#pragma once

#include <cstdint>
#include <string>

#include "framework/controls/border_style.h"
#include "framework/controls/win_control.h"

namespace framework {

enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
const TTypeInfo& EnumTypeInfo(TEditCharCase);

// A single-line edit over the system EDIT class. The text, the selection, the modified flag and
// the length limit live in the window while there is one, and in the control while there is
// not, so a re-created window comes back as it was.
class TCustomEdit : public TWinControl {
  DECLARE_CLASS(TCustomEdit, TWinControl)

 public:
  explicit TCustomEdit(TComponent* AOwner);

  // Positions count from 0. A negative SelLength selects backwards, leaving the caret at the
  // start: SelStart 5 and SelLength -3 select 2..5 with the caret at 2.
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  std::string SelText() const;
  // Replaces the selection, as far as MaxLength lets the text grow.
  void SetSelText(const std::string& Value);
  void SelectAll();

  // These need the window: without a parent window they raise EInvalidOperation.
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  bool CanUndo();
  void ClearUndo();

  // The most characters the user may give; 0 for no limit. Raises EInvalidOperation below 0.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  // With bsSingle the height follows the font.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  bool Modified() const;
  void SetModified(bool Value);

  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;

  // Each change of the text, by the user or the program, once the window exists.
  virtual void Change();

 private:
  void GetSel(int& Start, int& End) const;
  void SetSel(int Anchor, int Caret);
  LRESULT EditMessage(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  void AdjustHeight();

  void WMLButtonDown(TMessage& Message);
  void CNCommand(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMCtl3DChanged(TMessage& Message);

  int FMaxLength = 0;
  TEditCharCase FCharCase = ecNormal;
  bool FAutoSelect = true;
  bool FAutoSize = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FReadOnly = false;
  bool FHideSelection = true;
  // The window's state while there is no window.
  bool FModified = false;
  int FSelAnchor = 0;
  int FSelCaret = 0;
};

}  // namespace framework
