#include "afxconv.h"

BOOL AfxIsAscii(const char* p, int n) {
  for (int i = 0; i < n; ++i)
    if (static_cast<unsigned char>(p[i]) >= 0x80) return FALSE;
  return TRUE;
}
