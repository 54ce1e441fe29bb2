// mchost default: the parameter text of a new element, as the module gives it.
#include "ElementExports.h"
#include "HostCommands.h"

int RunDefaultCommand(const HostOptions& options) {
  if (!options.args.empty()) {
    ReportError("default takes no arguments");
    return kExitUsage;
  }
  CElementSession session;
  PFN_GetDefaultParameters pfnGetDefaultParameters;
  if (!session.Open(options, "GetDefaultParameters", pfnGetDefaultParameters)) return kExitUsage;
  CString text;
  pfnGetDefaultParameters(session.Setup(), session.Motion(), &text);
  WriteOut(text);
  return kExitOk;
}
