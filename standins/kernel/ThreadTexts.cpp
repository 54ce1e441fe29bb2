#include "ThreadTexts.h"

#if defined(_WIN32)
namespace {
// A plain pointer: emulated TLS must not run destructors at thread end; the kernel's DllMain
// ends each thread's set instead.
thread_local MC_THREAD_TEXTS* t_pTexts = nullptr;
}  // namespace

MC_THREAD_TEXTS& MC_GetThreadTexts() {
  if (t_pTexts == nullptr) t_pTexts = new MC_THREAD_TEXTS;
  return *t_pTexts;
}

void MC_EndThreadTexts() {
  delete t_pTexts;
  t_pTexts = nullptr;
}
#else
namespace {
// Natively the thread's end destroys the set.
thread_local MC_THREAD_TEXTS t_texts;
}  // namespace

MC_THREAD_TEXTS& MC_GetThreadTexts() { return t_texts; }

void MC_EndThreadTexts() { t_texts = MC_THREAD_TEXTS(); }
#endif
