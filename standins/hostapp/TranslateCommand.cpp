// mchost translate: one element's parameter text into program lines, or its error lines. The
// text is the argument, or standard input for "-" (a text longer than a command line can be).
#include "ElementExports.h"
#include "HostCommands.h"
#include "HostInput.h"

int RunTranslateCommand(const HostOptions& options) {
  if (options.args.size() != 1) {
    ReportError("translate takes one argument: the element's parameter text (- reads it from standard input)");
    return kExitUsage;
  }
  CElementSession session;
  PFN_TranslateMotionSequence pfnTranslate;
  if (!session.Open(options, "TranslateMotionSequence", pfnTranslate)) return kExitUsage;
  bool bStandardInput = IsStandardInputName(options.args[0]);
  CString text, out;
  if (bStandardInput) {
    if (!WhileDoing("reading the parameter text from standard input", nullptr, nullptr,
                    [&] { return ReadStandardInputText(text); }))
      return kExitUsage;
  } else {
    text = options.args[0];
  }
  int result = WhileDoing(bStandardInput ? "translating the parameter text from standard input"
                                         : "translating the parameter text",
                          nullptr, nullptr,
                          [&] { return pfnTranslate(session.Setup(), session.Motion(), &text, &out); });
  WriteOut(out);
  return result == 1 ? kExitOk : kExitRefused;
}
