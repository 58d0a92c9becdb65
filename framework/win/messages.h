#pragma once

#include "framework/win/win_types.h"

namespace framework {

// The framework's message record, as a window control's WndProc receives it.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Every number of the window system lives in this header: messages, notification codes, styles,
// flags and key codes.

// Window messages.
enum : UINT {
  WM_NULL = 0,
  WM_CREATE,
  WM_DESTROY,
  WM_NCCREATE,
  WM_NCDESTROY,
  WM_MOVE,
  WM_SIZE,
  WM_ACTIVATE,
  WM_SETFOCUS,
  WM_KILLFOCUS,
  WM_ENABLE,
  WM_SETTEXT,
  WM_GETTEXT,
  WM_GETTEXTLENGTH,
  WM_PAINT,
  WM_CLOSE,
  WM_ERASEBKGND,
  WM_SHOWWINDOW,
  WM_SETCURSOR,
  WM_MOUSEACTIVATE,
  WM_WINDOWPOSCHANGING,
  WM_WINDOWPOSCHANGED,
  WM_NCCALCSIZE,
  WM_NCHITTEST,
  WM_NCPAINT,
  WM_GETDLGCODE,
  WM_CANCELMODE,
  WM_CAPTURECHANGED,
  WM_COMMAND,
  WM_TIMER,
  WM_HSCROLL,
  WM_VSCROLL,
  WM_CTLCOLOREDIT,
  WM_CTLCOLORLISTBOX,
  WM_CUT,
  WM_COPY,
  WM_PASTE,
  WM_CLEAR,
  WM_UNDO,
  // Keyboard messages.
  WM_KEYDOWN = 0x0080,
  WM_KEYUP,
  WM_CHAR,
  WM_SYSKEYDOWN,
  WM_SYSKEYUP,
  WM_SYSCHAR,
  // Mouse messages in client coordinates; the non-client ones follow in the same order.
  WM_MOUSEMOVE = 0x0100,
  WM_LBUTTONDOWN,
  WM_LBUTTONUP,
  WM_LBUTTONDBLCLK,
  WM_RBUTTONDOWN,
  WM_RBUTTONUP,
  WM_RBUTTONDBLCLK,
  WM_MBUTTONDOWN,
  WM_MBUTTONUP,
  WM_MBUTTONDBLCLK,
  WM_NCMOUSEMOVE = 0x0120,
  WM_NCLBUTTONDOWN,
  WM_NCLBUTTONUP,
  WM_NCLBUTTONDBLCLK,
  WM_NCRBUTTONDOWN,
  WM_NCRBUTTONUP,
  WM_NCRBUTTONDBLCLK,
  WM_NCMBUTTONDOWN,
  WM_NCMBUTTONUP,
  WM_NCMBUTTONDBLCLK,
  // The first number free for a window class's own messages.
  WM_USER = 0x0800,
};

// Messages of the EDIT class.
enum : UINT {
  EM_GETSEL = 0x0400,
  EM_SETSEL,
  EM_GETRECT,
  EM_SETRECT,
  EM_SETRECTNP,
  EM_SCROLLCARET,
  EM_GETMODIFY,
  EM_SETMODIFY,
  EM_GETLINECOUNT,
  EM_REPLACESEL,
  EM_LIMITTEXT,
  EM_CANUNDO,
  EM_UNDO,
  EM_EMPTYUNDOBUFFER,
  EM_SETREADONLY,
  EM_SETMARGINS,
  EM_GETMARGINS,
  EM_POSFROMCHAR,
  EM_CHARFROMPOS,
};

// Messages of the LISTBOX class.
enum : UINT {
  LB_ADDSTRING = 0x0440,
  LB_INSERTSTRING,
  LB_DELETESTRING,
  LB_RESETCONTENT,
  LB_SETCURSEL,
  LB_GETCURSEL,
  LB_GETTEXT,
  LB_GETTEXTLEN,
  LB_GETCOUNT,
  LB_SETTOPINDEX,
  LB_GETTOPINDEX,
  LB_FINDSTRING,
  LB_FINDSTRINGEXACT,
  LB_GETITEMRECT,
  LB_SETITEMHEIGHT,
  LB_GETITEMHEIGHT,
  LB_ITEMFROMPOINT,
};

// What list-box messages answer on failure.
enum : LRESULT { LB_OKAY = 0, LB_ERR = -1, LB_ERRSPACE = -2 };

// The framework's own messages.
enum : UINT {
  CM_BASE = 0x4000,
  CM_ACTIVATE = CM_BASE + 0,
  CM_DEACTIVATE,
  CM_ENTER,
  CM_EXIT,
  CM_CANCELMODE,
  CM_DIALOGKEY,
  CM_DIALOGCHAR,
  CM_FOCUSCHANGED,
  CM_PARENTFONTCHANGED,
  CM_PARENTCOLORCHANGED,
  CM_PARENTCTL3DCHANGED,
  CM_VISIBLECHANGED,
  CM_ENABLEDCHANGED,
  CM_COLORCHANGED,
  CM_FONTCHANGED,
  CM_CURSORCHANGED,
  CM_CTL3DCHANGED,
  CM_TEXTCHANGED,
  CM_MOUSEENTER,
  CM_MOUSELEAVE,
  CM_WANTSPECIALKEY,
  CM_SHOWINGCHANGED,
  CM_GETDATALINK,
  CM_CHILDKEY,
  CM_SHOWHINTCHANGED,
  CM_PARENTSHOWHINTCHANGED,
};

// A message reflected back to the control that caused it: CN_BASE plus the message's number.
enum : UINT {
  CN_BASE = 0x6000,
  CN_COMMAND = CN_BASE + WM_COMMAND,
  CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT,
  CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX,
  CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
  CN_KEYUP = CN_BASE + WM_KEYUP,
  CN_CHAR = CN_BASE + WM_CHAR,
  CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN,
  CN_SYSCHAR = CN_BASE + WM_SYSCHAR,
  CN_HSCROLL = CN_BASE + WM_HSCROLL,
  CN_VSCROLL = CN_BASE + WM_VSCROLL,
};

// Notification codes, in the high word of WM_COMMAND's WParam.
enum : WORD {
  BN_CLICKED = 0,
  EN_CHANGE = 0x0101,
  EN_UPDATE = 0x0102,
  LBN_SELCHANGE = 0x0201,
  LBN_DBLCLK = 0x0202,
};

// WM_NCHITTEST's answers.
enum : LRESULT {
  HTERROR = -2,
  HTTRANSPARENT = -1,
  HTNOWHERE = 0,
  HTCLIENT = 1,
  HTCAPTION = 2,
  HTBORDER = 3,
  HTHSCROLL = 4,
  HTVSCROLL = 5,
};

// WM_GETDLGCODE's answer: the keys a control wants for itself.
enum : LRESULT {
  DLGC_WANTARROWS = 0x0001,
  DLGC_WANTTAB = 0x0002,
  DLGC_WANTCHARS = 0x0004,
  DLGC_WANTALLKEYS = 0x0008,
  DLGC_HASSETSEL = 0x0010,
};

// Scroll-bar requests, in the low word of WM_VSCROLL's and WM_HSCROLL's WParam.
enum : WORD {
  SB_TOP,
  SB_LEFT = SB_TOP,
  SB_LINEUP,
  SB_LINELEFT = SB_LINEUP,
  SB_PAGEUP,
  SB_PAGELEFT = SB_PAGEUP,
  SB_THUMBTRACK,
  SB_THUMBPOSITION,
  SB_PAGEDOWN,
  SB_PAGERIGHT = SB_PAGEDOWN,
  SB_LINEDOWN,
  SB_LINERIGHT = SB_LINEDOWN,
  SB_BOTTOM,
  SB_RIGHT = SB_BOTTOM,
  SB_ENDSCROLL,
};

// Mouse messages' WParam: the buttons and keys held.
enum : WPARAM {
  MK_LBUTTON = 0x0001,
  MK_RBUTTON = 0x0002,
  MK_MBUTTON = 0x0004,
  MK_SHIFT = 0x0008,
  MK_CONTROL = 0x0010,
};

// WM_MOUSEACTIVATE's answers.
enum : LRESULT {
  MA_ACTIVATE = 1,
  MA_NOACTIVATE,
  MA_ACTIVATEANDEAT,
  MA_NOACTIVATEANDEAT,
};

// WM_ACTIVATE's low word of WParam.
enum : WORD { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };

// WM_SIZE's WParam.
enum : WPARAM { SIZE_RESTORED = 0 };

// Window styles.
enum : DWORD {
  WS_OVERLAPPED = 0,
  WS_BORDER = 0x00000001,
  WS_CAPTION = 0x00000002,
  WS_VSCROLL = 0x00000004,
  WS_HSCROLL = 0x00000008,
  WS_TABSTOP = 0x00000010,
  WS_CLIPCHILDREN = 0x00000020,
  WS_CLIPSIBLINGS = 0x00000040,
  WS_DISABLED = 0x00000080,
  WS_VISIBLE = 0x00000100,
  WS_CHILD = 0x00000200,
  WS_POPUP = 0x00000400,
};

// Styles of the EDIT and LISTBOX classes, in the high half.
enum : DWORD {
  ES_LEFT = 0,
  ES_MULTILINE = 0x00010000,
  ES_AUTOHSCROLL = 0x00020000,
  ES_READONLY = 0x00040000,
  LBS_NOTIFY = 0x00010000,
  LBS_OWNERDRAWFIXED = 0x00020000,
  LBS_HASSTRINGS = 0x00040000,
};

// Extended window styles.
enum : DWORD {
  WS_EX_TOPMOST = 0x0001,
  WS_EX_TOOLWINDOW = 0x0002,
  WS_EX_CLIENTEDGE = 0x0004,
};

// Window class styles.
enum : UINT {
  CS_VREDRAW = 0x0001,
  CS_HREDRAW = 0x0002,
  CS_DBLCLKS = 0x0004,
  CS_SAVEBITS = 0x0008,
};

// GetWindowLong's and SetWindowLong's fields.
enum : int {
  GWL_WNDPROC = 1,
  GWL_ID,
  GWL_STYLE,
  GWL_EXSTYLE,
  GWL_USERDATA,
};

// GetWindow's relations.
enum : UINT {
  GW_HWNDFIRST,
  GW_HWNDLAST,
  GW_HWNDNEXT,
  GW_HWNDPREV,
  GW_OWNER,
  GW_CHILD,
};

// SetWindowPos's flags.
enum : UINT {
  SWP_NOSIZE = 0x0001,
  SWP_NOMOVE = 0x0002,
  SWP_NOZORDER = 0x0004,
  SWP_NOACTIVATE = 0x0008,
  SWP_NOREDRAW = 0x0010,
  SWP_SHOWWINDOW = 0x0020,
  SWP_HIDEWINDOW = 0x0040,
  SWP_FRAMECHANGED = 0x0080,
};

// ShowWindow's commands.
enum : int {
  SW_HIDE,
  SW_SHOW,
  SW_SHOWNORMAL,
  SW_SHOWNA,
  SW_SHOWNOACTIVATE,
};

// GetSystemMetrics's indexes.
enum : int {
  SM_CXSCREEN = 0,
  SM_CYSCREEN,
  SM_CXVSCROLL,
  SM_CYHSCROLL,
  SM_CYCAPTION,
  SM_CXBORDER,
  SM_CYBORDER,
  SM_CXDLGFRAME,
  SM_CYDLGFRAME,
  SM_CYVSCROLL,
  SM_CXHSCROLL,
  SM_CXHTHUMB,
  SM_CXCURSOR,
  SM_CYCURSOR,
  SM_CXFRAME,
  SM_CYFRAME,
  SM_CXDOUBLECLK,
  SM_CYDOUBLECLK,
  SM_CXEDGE,
  SM_CYEDGE,
};

// MessageBeep's sounds.
enum : UINT {
  MB_OK,
  MB_ICONHAND,
  MB_ICONQUESTION,
  MB_ICONEXCLAMATION,
  MB_ICONASTERISK,
};

// The smallest timer period; shorter periods are raised to it.
constexpr UINT USER_TIMER_MINIMUM = 10;

// Virtual-key codes. Letters and digits are their upper-case ASCII codes ('A', '0'); the keys
// that type a control character (Backspace, Tab, Enter, Escape, space) have its code.
enum : WORD {
  VK_LBUTTON = 0x01,
  VK_RBUTTON = 0x02,
  VK_MBUTTON = 0x03,
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL,
  VK_MENU,
  VK_CAPITAL,
  VK_NUMLOCK,
  VK_SCROLL,
  VK_PAUSE,
  VK_CLEAR,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_PRIOR = 0x80,
  VK_NEXT,
  VK_END,
  VK_HOME,
  VK_LEFT,
  VK_UP,
  VK_RIGHT,
  VK_DOWN,
  VK_INSERT,
  VK_DELETE,
  VK_NUMPAD0 = 0x90,
  VK_NUMPAD1,
  VK_NUMPAD2,
  VK_NUMPAD3,
  VK_NUMPAD4,
  VK_NUMPAD5,
  VK_NUMPAD6,
  VK_NUMPAD7,
  VK_NUMPAD8,
  VK_NUMPAD9,
  VK_MULTIPLY,
  VK_ADD,
  VK_SUBTRACT,
  VK_DECIMAL,
  VK_DIVIDE,
  VK_F1 = 0xA0,
  VK_F2,
  VK_F3,
  VK_F4,
  VK_F5,
  VK_F6,
  VK_F7,
  VK_F8,
  VK_F9,
  VK_F10,
  VK_F11,
  VK_F12,
  // The punctuation keys of the US layout, unshifted / shifted.
  VK_OEM_1 = 0xC0,  // ; :
  VK_OEM_PLUS,      // = +
  VK_OEM_COMMA,     // , <
  VK_OEM_MINUS,     // - _
  VK_OEM_PERIOD,    // . >
  VK_OEM_2,         // / ?
  VK_OEM_3,         // ` ~
  VK_OEM_4,         // [ {
  VK_OEM_5,         // \ |
  VK_OEM_6,         // ] }
  VK_OEM_7,         // ' "
  // A character that no key of the layout gives; the key event carries it.
  VK_PACKET = 0xF0,
};

// Bits of the LParam of key messages.
enum : LPARAM {
  KF_REPEATCOUNT = 0x0000FFFF,
  KF_ALTDOWN = LPARAM(1) << 16,
  KF_PREVDOWN = LPARAM(1) << 17,
  KF_UP = LPARAM(1) << 18,
};

}  // namespace framework
