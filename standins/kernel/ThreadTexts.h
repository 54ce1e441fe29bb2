// The kernel's state of each thread: the buffers for the texts it hands out for the moment (see
// MC_ReusedText) and the item indexes of the parameter texts being read. One set per thread: a
// thread builds its next text while copies of another thread's may still be held, and no index
// is shared between threads.
#pragma once

#include "afx.h"
#include "ParameterTextReader.h"

// Item indexes, each lent to one element-data object, its owner, from the owner's first read to
// its destruction. The few of them cover the elements that one thread reads at once; an owner
// that finds none free has its text scanned at each read. An owner destroyed on another thread
// keeps its index until this thread ends or an owner at its address is destroyed here.
class CTextItemIndexes {
public:
  CTextItemIndexes();

  // The owner's index, lent on its first call; null when all are lent to others.
  CTextItemIndex* Claim(const void* pOwner) { return m_owners[0] == pOwner ? &m_indexes[0] : ClaimOther(pOwner); }
  // Takes the owner's index back, if it has one.
  void Release(const void* pOwner);

private:
  CTextItemIndexes(const CTextItemIndexes&);
  CTextItemIndexes& operator=(const CTextItemIndexes&);
  CTextItemIndex* ClaimOther(const void* pOwner);

  enum { kIndexes = 4 };
  const void* m_owners[kIndexes];
  CTextItemIndex m_indexes[kIndexes];
};

struct MC_THREAD_TEXTS {
  CString read;           // the last string read from parameter text
  CString printedValue;   // the last value printed
  CString printedForQEL;  // the last value printed in control-loop periods
  CTextItemIndexes indexes;
};

#if defined(_WIN32)
// The calling thread's set, or null where it has none yet; on Windows in a slot of the system's
// thread-local storage that the kernel's DLL holds, as emulated TLS costs several times as much
// per read.
MC_THREAD_TEXTS* MC_FindThreadTexts();
// Keeps pTexts as the calling thread's set; false when the system has no room for it.
bool MC_SetThreadTexts(MC_THREAD_TEXTS* pTexts);
#else
// A plain pointer, null until the thread first uses it: __thread asks for no initialisation, so
// a read of it is one load in line.
extern __thread MC_THREAD_TEXTS* t_pThreadTexts;
inline MC_THREAD_TEXTS* MC_FindThreadTexts() { return t_pThreadTexts; }
inline bool MC_SetThreadTexts(MC_THREAD_TEXTS* pTexts) {
  t_pThreadTexts = pTexts;
  return true;
}
#endif
// Makes the calling thread's set.
MC_THREAD_TEXTS& MC_MakeThreadTexts();
// Frees the calling thread's set; a later use makes a new one. The kernel's DLL does so as each
// thread ends, natively the thread's end.
void MC_EndThreadTexts();

// The calling thread's set, made on its first use.
inline MC_THREAD_TEXTS& MC_GetThreadTexts() {
  MC_THREAD_TEXTS* pTexts = MC_FindThreadTexts();
  return pTexts != nullptr ? *pTexts : MC_MakeThreadTexts();
}
