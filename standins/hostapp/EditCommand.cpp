// mchost edit: the element's editor on a parameter text, as the host opens it on a program line.
#include "ElementExports.h"
#include "HostApp.h"
#include "HostCommands.h"

int RunEditCommand(const HostOptions& options) {
  if (options.args.size() > 1) {
    ReportError("edit takes at most one parameter text");
    return kExitUsage;
  }
  CElementSession session;
  PFN_EditMotionSequence pfnEdit;
  if (!session.Open(options, "EditMotionSequence", pfnEdit)) return kExitUsage;
  CString text, error;
  if (options.args.empty()) {
    PFN_GetDefaultParameters pfnDefault;
    if (!session.module.Resolve("GetDefaultParameters", pfnDefault, error)) {
      ReportError(error);
      return kExitUsage;
    }
    pfnDefault(session.Setup(), session.Motion(), &text);
  } else {
    text = options.args[0];
  }
  PFN_GetName pfnGetName;
  if (session.module.Resolve("GetName", pfnGetName, error)) theApp.SetHelpElement(pfnGetName());
  MC_SetEditDialogChoices(options.editChoices);
  // The export runs in the host's module state, where the module's resources are linked.
  if (!pfnEdit(session.Setup(), session.Motion(), &text)) return kExitRefused;
  WriteOut(text);
  return kExitOk;
}
