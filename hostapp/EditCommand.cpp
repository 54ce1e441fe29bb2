// mchost edit: the element's editor on a parameter text, as the host opens it on a program line.
#include "ElementExports.h"
#include "HostCommands.h"

int RunEditCommand(const HostOptions& options) {
  if (options.args.size() > 1) {
    ReportError("edit takes at most one parameter text");
    return kExitUsage;
  }
  std::unique_ptr<CMC_DriveNetwork> network;
  CElementModule module;
  if (!LoadNetworkAndModule(options, network, module)) return kExitUsage;
  CString error;
  PFN_EditMotionSequence pfnEdit;
  if (!module.Resolve("EditMotionSequence", pfnEdit, error)) {
    ReportError(error);
    return kExitUsage;
  }
  CString text;
  if (options.args.empty()) {
    PFN_GetDefaultParameters pfnDefault;
    if (!module.Resolve("GetDefaultParameters", pfnDefault, error)) {
      ReportError(error);
      return kExitUsage;
    }
    pfnDefault(&network->GetMasterSetup(), &network->GetMasterMotion(), &text);
  } else {
    text = options.args[0];
  }
  // The export runs in the host's module state, where the module's resources are linked.
  if (!pfnEdit(&network->GetMasterSetup(), &network->GetMasterMotion(), &text)) return kExitRefused;
  WriteOut(text);
  return kExitOk;
}
