#pragma once

#include <array>
#include <memory>
#include <string>

#include "date/cell_types.h"
#include "date/dovrel_types.h"
#include "framework/controls/custom_edit.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/date_time.h"

namespace tarvex {

using framework::TBitmap;
using framework::TComponent;
using framework::TCursor;
using framework::TDateTime;
using framework::TMessage;
using framework::TOperation;
using framework::TRect;
using framework::TShiftState;
using framework::Word;

class TCalendarOptions;
class TDropDownCalendar;

// The days of the months of a year that is not a leap year, January first.
extern const std::array<Word, 12> MonthDays;

// A one-line edit that holds a date as month, day and year parts plus the last valid date, shown
// as text laid out by a date format of cells: the edit format while it has the focus, where the
// user types cell by cell, and the display format otherwise. A partly typed or impossible date
// can stand in the text; the date follows only when the parts form a valid date. A button at the
// right end drops down a month calendar.
//
// The value and formats are in custom_dovrel.cpp, cell-wise typing in custom_dovrel_keys.cpp, the
// button, painting and the drop-down in custom_dovrel_drop_down.cpp.
class TCustomDovrel : public framework::TCustomEdit {
  DECLARE_CLASS(TCustomDovrel, TCustomEdit)

 public:
  explicit TCustomDovrel(TComponent* AOwner);
  ~TCustomDovrel() override;

  TDateTime Date() const { return FDate; }
  void SetDate(TDateTime Value);
  Word Day() const { return FDay; }
  void SetDay(Word Value);
  Word Month() const { return FMonth; }
  void SetMonth(Word Value);
  Word Year() const { return FYear; }
  void SetYear(Word Value);
  bool IsBlank() const { return FIsBlank; }
  void SetIsBlank(bool Value);

  int GetNumCells() const;
  TCellType GetCellTypes(int Index) const;
  std::string GetCellValues(int Index) const;

  TAutoDropDown AutoDropDown() const { return FAutoDropDown; }
  void SetAutoDropDown(TAutoDropDown Value) { FAutoDropDown = Value; }
  TBitmap* ButtonBitmap() const { return FButtonBitmap.get(); }
  void SetButtonBitmap(const TBitmap* Value);
  TCursor ButtonCursor() const { return FButtonCursor; }
  void SetButtonCursor(TCursor Value) { FButtonCursor = Value; }
  TButtonDisplay ButtonDisplay() const { return FButtonDisplay; }
  void SetButtonDisplay(TButtonDisplay Value);
  TDropDownButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TDropDownButtonStyle Value);
  bool CanBeBlank() const { return FCanBeBlank; }
  void SetCanBeBlank(bool Value) { FCanBeBlank = Value; }
  TCalendarOptions* CalendarOptions() const { return FCalendarOptions.get(); }
  std::string CustomDisplayFormat() const;
  std::string CustomEditFormat() const;
  TDisplayFormat DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(TDisplayFormat Value);
  TEditFormat EditFormat() const { return FEditFormat; }
  void SetEditFormat(TEditFormat Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);

  // Places the edit over a rectangle of its parent's client area (a grid's cell) and shows it.
  void FloatOverGrid(const TRect& R, bool Focus);

  // The cells of a text and a format (Text 1-based positions, cells from 1).
  int GetTotalCells(const std::string& Text) const;
  int GetCellNumber(const std::string& Text, int Position) const;
  void GetCellValue(int Cell, const std::string& Text, std::string& Value) const;
  TCellType GetCellType(int Cell, const std::string& Format) const;
  int GetCellStart(int Cell, const std::string& Text) const;
  int GetCellEnd(int Cell, const std::string& Text) const;
  void GetSeparator(int Cell, const std::string& S, std::string& Separator) const;
  bool IsValidSeparator(char Ch) const;
  void AdvanceToNextCell(int Cell, std::string& Text, int& SelStart, int& SelLength,
                         const std::string& Format) const;
  void CopyFormat(std::string& Text, const std::string& Format) const;
  void SetMonthCell(std::string& Text, const std::string& Format, Word Month) const;
  void SetDayCell(std::string& Text, const std::string& Format, Word Day) const;
  void SetYearCell(std::string& Text, const std::string& Format, Word Year) const;
  void SetDayNameCell(std::string& Text, const std::string& Format, Word DayOfWeek);
  Word GetCell(int Cell, TCellType CellType, const std::string& Text) const;
  int GetCurrentCell() const;
  void SetCurrentCell(int Cell);
  void InsertCellData(const std::string& Data, std::string& Text, int& SelStart,
                      int& SelLength) const;
  void SetNewText(const std::string& NewText, int SelStart);
  bool IsValidCellData(const std::string& Value, TCellType CellType) const;
  bool IsValidInteger(const std::string& Value) const;
  bool IsZeroOK(const std::string& Value, TCellType CellType) const;
  bool IsValidMonth(Word Month, Word Day, Word Year) const;
  bool IsValidDay(Word Month, Word Day, Word Year) const;
  bool IsValidYear(Word Month, Word Day, Word Year) const;

  // The format the text is laid out in now.
  const std::string& CurrentFormat() const { return FCurrentFormat; }

  // The class's own virtual methods, in their slot order.
  virtual void GetCustomDisplayFormat(std::string& S) const;
  virtual void SetCustomDisplayFormat(const std::string& S);
  virtual void GetCustomEditFormat(std::string& S) const;
  virtual void SetCustomEditFormat(const std::string& S);
  virtual void InitControl();
  virtual void GetDisplayText(bool PaintCopy, std::string& S);
  virtual void CreateCalendar();
  virtual void DoDropDown(TDropDownState State);
  virtual void DoCloseUp();
  virtual void SetCanvasTextColors();
  virtual void SetCanvasBackGroundColors();
  virtual void SetDayLow(std::string& Text, const std::string& Format, Word Day);
  virtual void SetMonthLow(std::string& Text, const std::string& Format, Word Month);
  virtual void SetYearLow(std::string& Text, const std::string& Format, Word Year);
  virtual void SetEditing(bool Value);
  virtual void ClearDate();
  virtual void DoOnBadDate(TBadDateAction& Action);
  virtual void DropDown(TDropDownState State);
  virtual void CloseUp();
  virtual TDropDownCalendar* Calendar() const { return FCalendar; }
  virtual bool CanDropDown();
  virtual bool CanModify();
  virtual void UndoChanges();

  TDropDownEvent OnDropDown;
  framework::TNotifyEvent OnCloseUp;
  TBadDateEvent OnBadDate;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(framework::TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void Change() override;

  void SetCurrentFormat(const std::string& Format);
  TBadDateAction DoExitChecking();
  void DoDefaultExit();
  bool ParentIsGrid() const;
  // Only an application's own glyph is stored; the styles' glyphs come from the resources.
  bool IsButtonBitmapStored() const { return FButtonStyle == bsCustom; }

  // The drop-down button and painting.
  bool GetDropDownButtonVisible() const;
  void SetDropDownButtonPressed(bool Value);
  bool TrackButton(int X, int Y);
  void StopTracking();
  void SetFocused(bool Value);
  void GetTextMargins(framework::TPoint& Margins);
  void SetEditRect();
  void DrawDropDownButton();
  framework::LRESULT DovrelWndProc(framework::HWND Wnd, framework::UINT Msg, framework::WPARAM W,
                                   framework::LPARAM L);

 private:
  friend class TDropDownCalendar;

  using TLowSetter = void (TCustomDovrel::*)(std::string&, const std::string&, Word);

  bool IsLoadingOrDesigning() const { return !ComponentState().Empty(); }

  void SetPart(TLowSetter Low, Word Value);
  void KeyDownDelete(Word& Key);
  void KeyPressCharacter(char& Key);
  void AcceptTyped(const std::string& Text, int SelStart);
  bool CarryIntoNextCell(char Ch, std::string& Text, int& SelStart, int& SelLength, int Cell);
  void PassKeyToGrid(Word Key);
  void PassEscape();
  TRect ButtonHitRect() const;
  void ButtonRectChanged();

  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void WMMouseMove(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void CMCancelMode(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMCtl3DChanged(TMessage& Message);

  TDropDownCalendar* FCalendar = nullptr;
  // The last calendar closed, hidden until it is freed (it may have closed itself).
  TDropDownCalendar* FClosedCalendar = nullptr;
  std::unique_ptr<TCalendarOptions> FCalendarOptions;
  TAutoDropDown FAutoDropDown = adNever;
  std::unique_ptr<TBitmap> FButtonBitmap;
  TCursor FButtonCursor = framework::crDefault;
  TButtonDisplay FButtonDisplay = bdAlways;
  TDropDownButtonStyle FButtonStyle = bsCalendar;
  bool FCanBeBlank = false;
  std::unique_ptr<framework::TCanvas> FCanvas;
  std::string FCustomDisplayFormat;
  std::string FCustomEditFormat;
  std::string FCurrentFormat;
  TDisplayFormat FDisplayFormat = dfEditFormat;
  TEditFormat FEditFormat = efWindowsShort;
  bool FIsBlank = true;
  Word FMonth = 0;
  Word FDay = 0;
  Word FYear = 0;
  TDateTime FDate = 0;
  bool FReadOnly = false;
  bool FTracking = false;
  framework::WNDPROC FOldWndProc;
  framework::WNDPROC FNewWndProc;
  int FEditCell = 0;
  bool FHasMonthCell = false;
  bool FHasDayCell = false;
  bool FHasYearCell = false;
  bool FRefocusing = false;
  bool FChangeEnabled = true;
  int FButtonWidth = 0;
  // False until the constructor's end: SetEditing records nothing meanwhile.
  bool FEditingEnabled = false;
  bool FButtonPressed = false;
  bool FEditing = false;
  int FTextHeight = 0;
  Word FSavedMonth = 0;
  Word FSavedDay = 0;
  Word FSavedYear = 0;
  bool FSavedIsBlank = false;
  std::string FLastText;
  TRect FButtonRect;
  TRect FEditRect;
};

}  // namespace tarvex
