#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <climits>
#include <cstring>

#include "ElementKeys.h"
#include "TimeValue.h"
#include "ParameterTextReader.h"

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

bool ReadsBackAsWritten(const CInternalData& element, CString& text) {
  CInternalData copy(element.m_setup, element.m_motion);
  bool same = copy.ReadRadioParam(text, g_elementKeys[kKeyType], copy.m_type, INT_MIN, INT_MAX).IsEmpty() &&
              copy.m_type == element.m_type;
  if (element.m_type == InitSlaves) {
    // A timeout out of range reads back as the same number, and is refused as it was.
    int present = 0;
    bool read = copy.ReadOptionalDataParam(text, g_elementKeys[kKeyTimeout], nullptr, nullptr, copy.m_timeout, present).IsEmpty();
    return same && (read || !MC_IsTimeInRange(element.m_timeout)) && present == 1 && SameFields(element, copy);
  }
  same = same && copy.ReadRadioParam(text, g_elementKeys[kKeySlave], copy.m_slave, INT_MIN, INT_MAX).IsEmpty();
  if (element.m_type == SendErrorMask)
    same = same && copy.ReadHexaParam(text, g_elementKeys[kKeyErrorMask], copy.m_errorMask, 0, 0xFFFFFFFFu).IsEmpty();
  if (element.m_type == CallFunction)
    same = same && copy.ReadStringParam(text, g_elementKeys[kKeyFunction], copy.m_functionName).IsEmpty() &&
           copy.ReadRadioParam(text, g_elementKeys[kKeyWait], copy.m_waitForCompletion, INT_MIN, INT_MAX).IsEmpty();
  return same && SameFields(element, copy);
}

bool KeepsOtherItems(const CString& before, const CString& after) {
  CParameterTextReader reader(before, before.GetLength());
  const char* text = before.GetString();
  const char* end = after.GetString() + after.GetLength();
  MC_PARAM_ITEM item;
  while (reader.Next(item)) {
    bool own = false;
    for (const char* key : g_elementKeys) own = own || CParameterTextReader::KeyIs(item, key);
    if (!own && std::search(after.GetString(), end, text + item.begin, text + item.end) == end) return false;
  }
  return true;
}
