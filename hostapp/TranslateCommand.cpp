// mchost translate: one element's parameter text into program lines, or its error lines.
#include "ElementExports.h"
#include "HostCommands.h"

int RunTranslateCommand(const HostOptions& options) {
  if (options.args.size() != 1) {
    ReportError("translate takes one argument: the element's parameter text");
    return kExitUsage;
  }
  CElementSession session;
  PFN_TranslateMotionSequence pfnTranslate;
  if (!session.Open(options, "TranslateMotionSequence", pfnTranslate)) return kExitUsage;
  CString text(options.args[0]), out;
  int result = pfnTranslate(session.Setup(), session.Motion(), &text, &out);
  WriteOut(out);
  return result == 1 ? kExitOk : kExitRefused;
}
