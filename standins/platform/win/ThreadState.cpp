#include "../afxstate.h"

namespace {
// Nothing to destroy at thread end, so a plain thread-local object serves.
thread_local _AFX_THREAD_STATE t_threadState;
}  // namespace

_AFX_THREAD_STATE* AfxGetThreadState() { return &t_threadState; }
