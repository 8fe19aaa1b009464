#pragma once
// CString: a text value on std::string with the few operations the dialogs use.

#include <string>

#include "win32_headers.h"

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_text(text ? text : "") {}
  CString(const std::string& text) : m_text(text) {}

  CString& operator=(const char* text);

  // Loads string resource `id` of the program's module. An empty or missing resource leaves
  // the text empty and returns FALSE.
  BOOL LoadString(UINT id);

  // printf-style formatting of the whole text; the result is never truncated.
  void Format(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));

  int GetLength() const { return static_cast<int>(m_text.size()); }
  BOOL IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }

  // Index of the first occurrence at or after `start`, or -1.
  int Find(const char* part, int start = 0) const;

  operator const char*() const { return m_text.c_str(); }
  const std::string& str() const { return m_text; }

 private:
  std::string m_text;
};

inline bool operator==(const CString& a, const CString& b) {
  return a.str() == b.str();
}
inline bool operator==(const CString& a, const char* b) {
  return a.str() == (b ? b : "");
}
inline bool operator==(const char* a, const CString& b) {
  return b == a;
}
inline bool operator!=(const CString& a, const CString& b) {
  return !(a == b);
}
inline bool operator!=(const CString& a, const char* b) {
  return !(a == b);
}
inline bool operator!=(const char* a, const CString& b) {
  return !(b == a);
}
