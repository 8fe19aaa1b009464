#include "message_map.h"

const MessageMap CCmdTarget::messageMap{nullptr};

const MessageMap* CCmdTarget::GetMessageMap() const {
  return &messageMap;
}

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id) {
  for (; map; map = map->base) {
    for (std::size_t i = 0; i < map->count; ++i) {
      const MessageMapEntry& entry = map->entries[i];
      if (entry.message == message && entry.code == code && entry.id == id) return &entry;
    }
  }
  return nullptr;
}

bool CCmdTarget::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  UINT code = 0;
  UINT id = 0;
  if (message == WM_COMMAND) {
    code = HIWORD(wParam);
    id = LOWORD(wParam);
  } else if (message == WM_NOTIFY) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return false;
    code = header->code;
    id = static_cast<UINT>(header->idFrom);
  }
  const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), message, code, id);
  if (!entry) return false;

  switch (entry->signature) {
    case HandlerSignature::Void:
      (this->*entry->onVoid)();
      result = 0;
      break;
    case HandlerSignature::UintLparam:
      (this->*entry->onUintLparam)(static_cast<UINT>(wParam), lParam);
      result = 0;
      break;
    case HandlerSignature::ReturnsIcon:
      result = reinterpret_cast<LRESULT>((this->*entry->onIcon)());
      break;
    case HandlerSignature::Notify: {
      LRESULT notifyResult = 0;
      (this->*entry->onNotify)(reinterpret_cast<NMHDR*>(lParam), &notifyResult);
      result = notifyResult;
      break;
    }
  }
  return true;
}
