#include "ThreadTexts.h"

__thread MC_THREAD_TEXTS* t_pThreadTexts = nullptr;

#if !defined(_WIN32)
namespace {
// Natively the thread's end frees its set. On Windows, emulated TLS must not run destructors at
// thread end; the kernel's DllMain ends each thread's set instead.
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
  t_pThreadTexts = new MC_THREAD_TEXTS;
  return *t_pThreadTexts;
}

void MC_EndThreadTexts() {
  delete t_pThreadTexts;
  t_pThreadTexts = nullptr;
}
