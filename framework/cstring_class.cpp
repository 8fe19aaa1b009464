#include "cstring_class.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

CString& CString::operator=(const char* text) {
  m_text = text ? text : "";
  return *this;
}

BOOL CString::LoadString(UINT id) {
  // With a zero buffer size LoadStringA cannot hand out a pointer as the wide version does,
  // so grow the buffer until the text fits with room to spare.
  std::vector<char> buffer(256);
  for (;;) {
    int length = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer.data(),
                               static_cast<int>(buffer.size()));
    if (length < static_cast<int>(buffer.size()) - 1) {
      m_text.assign(buffer.data(), length);
      return length > 0;
    }
    buffer.resize(buffer.size() * 2);
  }
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list probe;
  va_copy(probe, args);
  int length = std::vsnprintf(nullptr, 0, format, probe);
  va_end(probe);
  if (length < 0) {
    m_text.clear();
  } else {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    m_text.assign(buffer.data(), length);
  }
  va_end(args);
}

int CString::Find(const char* part, int start) const {
  if (!part || start < 0 || start > GetLength()) return -1;
  std::size_t at = m_text.find(part, static_cast<std::size_t>(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}
