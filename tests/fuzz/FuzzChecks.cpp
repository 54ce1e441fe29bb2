#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

void FuzzCheck(bool ok, const char* pszProperty) {
  if (ok) return;
  std::fprintf(stderr, "property broken: %s\n", pszProperty);
  std::abort();
}

bool SameBytes(const CString& a, const CString& b) {
  return a.GetLength() == b.GetLength() &&
         std::memcmp(a.GetString(), b.GetString(), static_cast<std::size_t>(a.GetLength())) == 0;
}

bool AreLines(const CString& text, bool bIndented) {
  const char* p = text.GetString();
  int n = text.GetLength();
  int lineStart = 0;
  for (int i = 0; i < n; ++i) {
    if (p[i] == '\0' || (p[i] == '\r' && (i + 1 >= n || p[i + 1] != '\n'))) return false;
    if (p[i] != '\n') continue;
    if (i == 0 || p[i - 1] != '\r') return false;
    if (bIndented && (i - lineStart < 3 || p[lineStart] != ' ' || p[lineStart + 1] != ' ')) return false;
    lineStart = i + 1;
  }
  return lineStart == n;
}

bool SameFields(const CInternalData& a, const CInternalData& b) {
  if (a.m_type != b.m_type) return false;
  switch (a.m_type) {
    case InitSlaves:
      return a.m_timeout.GetValue() == b.m_timeout.GetValue() &&
             SameBytes(a.m_timeout.GetSelectedUnit(), b.m_timeout.GetSelectedUnit());
    case SendErrorMask: return a.m_slave == b.m_slave && a.m_errorMask == b.m_errorMask;
    case CallFunction:
      return a.m_slave == b.m_slave && SameBytes(a.m_functionName, b.m_functionName) &&
             a.m_waitForCompletion == b.m_waitForCompletion;
    default: return a.m_slave == b.m_slave;
  }
}
