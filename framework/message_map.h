#pragma once
// Message maps: a static table per class of {message, notification code, control id, handler},
// read by the dialog procedure. A class's table names its base's table, and lookup falls
// through to it when no entry of the class matches. The first matching entry wins.
//
//   const MessageMap* CMyDialog::GetMessageMap() const {
//       static const MessageMapEntry entries[] = {
//           MapMessage(WM_PAINT, &CMyDialog::OnPaint),
//           MapCommand(BN_CLICKED, IDC_GO, &CMyDialog::OnGo),
//           MapNotify(NM_CLICK, IDC_LIST, &CMyDialog::OnClickList),
//       };
//       static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
//       return &map;
//   }
//
// The qualified call CDialog::GetMessageMap() is not virtual: it names the base's table.
// A class with no entries of its own: `static const MessageMap map{CDialog::GetMessageMap()};`.
// The handlers may be private members of the class.

#include <cstddef>

#include "win32_headers.h"

class CCmdTarget;

enum class HandlerSignature : unsigned char {
  Void,         // void Handler()                       commands, WM_PAINT, WM_CLOSE ...
  UintLparam,   // void Handler(UINT, LPARAM)           WM_SYSCOMMAND
  ReturnsIcon,  // HICON Handler()                      WM_QUERYDRAGICON
  Notify,       // void Handler(NMHDR*, LRESULT*)       WM_NOTIFY
};

using VoidHandler = void (CCmdTarget::*)();
using UintLparamHandler = void (CCmdTarget::*)(UINT, LPARAM);
using IconHandler = HICON (CCmdTarget::*)();
using NotifyHandler = void (CCmdTarget::*)(NMHDR*, LRESULT*);

struct MessageMapEntry {
  UINT message;
  UINT code;  // WM_COMMAND: notification code; WM_NOTIFY: NMHDR::code; otherwise 0
  UINT id;    // WM_COMMAND and WM_NOTIFY: control (or command) id; otherwise 0
  HandlerSignature signature;
  VoidHandler onVoid;
  UintLparamHandler onUintLparam;
  IconHandler onIcon;
  NotifyHandler onNotify;
};

struct MessageMap {
  const MessageMap* base;
  const MessageMapEntry* entries = nullptr;
  std::size_t count = 0;
};

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageMapEntry (&entries)[N]) {
  return MessageMap{base, entries, N};
}

template <class T>
MessageMapEntry MapMessage(UINT message, void (T::*handler)()) {
  return {message, 0,       0,      HandlerSignature::Void, static_cast<VoidHandler>(handler),
          nullptr, nullptr, nullptr};
}
template <class T>
MessageMapEntry MapMessage(UINT message, void (T::*handler)(UINT, LPARAM)) {
  return {message, 0,
          0,       HandlerSignature::UintLparam,
          nullptr, static_cast<UintLparamHandler>(handler),
          nullptr, nullptr};
}
template <class T>
MessageMapEntry MapMessage(UINT message, HICON (T::*handler)()) {
  return {message,
          0,
          0,
          HandlerSignature::ReturnsIcon,
          nullptr,
          nullptr,
          static_cast<IconHandler>(handler),
          nullptr};
}
// WM_COMMAND with this notification code (BN_CLICKED, CBN_SELCHANGE ...) from control `id`.
template <class T>
MessageMapEntry MapCommand(UINT code, UINT id, void (T::*handler)()) {
  return {WM_COMMAND, code,    id,     HandlerSignature::Void, static_cast<VoidHandler>(handler),
          nullptr,    nullptr, nullptr};
}
// WM_NOTIFY with this NMHDR code (NM_CLICK ...) from control `id`.
template <class T>
MessageMapEntry MapNotify(UINT code, UINT id, void (T::*handler)(NMHDR*, LRESULT*)) {
  return {WM_NOTIFY, code,    id,      HandlerSignature::Notify,
          nullptr,   nullptr, nullptr, static_cast<NotifyHandler>(handler)};
}

// The first entry for (message, code, id) in `map` or, failing that, in its bases.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id);

// Anything that handles messages or commands through a message map.
class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  virtual const MessageMap* GetMessageMap() const;
  static const MessageMap messageMap;  // empty; the root of every chain

  // Looks the message up in this object's map chain and calls the handler. Returns false
  // when no entry matches; `result` then stays untouched.
  bool DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};
