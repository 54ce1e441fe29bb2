// Names the kernel hands out again and again (unit names, item names): each is kept once and
// handed out as a shared copy, which costs no allocation. The set of such names is small and
// fixed by the code; past a limit a name is simply copied. Safe from any thread.
#pragma once

#include "afx.h"

CString MC_SharedName(const char* pszName);

// A short text the kernel hands out for the moment (a value printed, a string read). It is built
// in a buffer kept for the purpose, slot, and handed out as a shared copy; when the caller has let
// go of the last one, the next text reuses that buffer, so a caller who keeps no result across
// calls causes no allocation. Longer texts, and texts asked for while a copy is held, get a
// buffer of their own. The slot is the calling thread's own (MC_GetThreadTexts), so that no
// thread writes into a buffer that another thread's copies share.
//   fill(buffer) writes the text's n characters.
template <class Fill>
CString MC_ReusedText(CString& slot, int n, Fill fill) {
  const int kShort = 64;
  CString fresh;
  CString& text = n <= kShort ? slot : fresh;
  char* buffer = text.GetBuffer(n <= kShort ? kShort : n);
  text.ReleaseBuffer(fill(buffer));
  return text;
}
