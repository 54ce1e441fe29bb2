// The kernel's buffers for the texts it hands out for the moment (see MC_ReusedText), one set
// per thread: a thread builds its next text while copies of another thread's may still be held.
#pragma once

#include "afx.h"

struct MC_THREAD_TEXTS {
  CString read;           // the last string read from parameter text
  CString printedValue;   // the last value printed
  CString printedForQEL;  // the last value printed in control-loop periods
};

// The calling thread's set, made on its first use.
MC_THREAD_TEXTS& MC_GetThreadTexts();
// Frees the calling thread's set (the kernel's DLL does so as each thread ends); a later use
// makes a new one.
void MC_EndThreadTexts();
