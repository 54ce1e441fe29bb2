#include "ThreadTexts.h"

#if !defined(_WIN32)
__thread MC_THREAD_TEXTS* t_pThreadTexts = nullptr;

namespace {
// Natively the thread's end frees its set; on Windows the kernel's DllMain does.
struct CThreadTextsEnd {
  ~CThreadTextsEnd() { MC_EndThreadTexts(); }
};
}  // namespace
#endif

MC_THREAD_TEXTS& MC_MakeThreadTexts() {
#if !defined(_WIN32)
  static thread_local CThreadTextsEnd end;
  (void)end;
#endif
  MC_THREAD_TEXTS* pTexts = new MC_THREAD_TEXTS;
  if (!MC_SetThreadTexts(pTexts)) {
    delete pTexts;
    AfxThrowMemoryException();
  }
  return *pTexts;
}

void MC_EndThreadTexts() {
  delete MC_FindThreadTexts();
  MC_SetThreadTexts(nullptr);
}
