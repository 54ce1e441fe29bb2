// mchost info: the element's descriptors, and on which drives of the network it is offered.
#include <cstdio>

#include "ElementExports.h"
#include "HostCommands.h"

namespace {
void PrintDrive(const char* pszLabel, CMC_Setup* pSetup, PFN_IsEnabled pfnIsEnabled) {
  CString line;
  if (pSetup == nullptr)
    line.Format("  %-28s no setup\n", pszLabel);
  else {
    int enabled = pfnIsEnabled(pSetup);
    line.Format("  %-28s %s (IsEnabled %d)\n", pszLabel, enabled ? "enabled" : "not enabled", enabled);
  }
  WriteOut(line);
}
}  // namespace

int RunInfoCommand(const HostOptions& options) {
  if (!options.args.empty()) {
    ReportError("info takes no arguments");
    return kExitUsage;
  }
  std::unique_ptr<CMC_DriveNetwork> network = LoadNetwork(options);
  if (!network) return kExitUsage;
  CElementModule module;
  if (!LoadModule(options, module)) return kExitUsage;
  CString error;
  PFN_GetName pfnGetName;
  PFN_GetClassName pfnGetClassName;
  PFN_GetOrderID pfnGetOrderID;
  PFN_IsEnabled pfnIsEnabled;
  if (!module.Resolve("GetName", pfnGetName, error) || !module.Resolve("GetClassName", pfnGetClassName, error) ||
      !module.Resolve("GetOrderID", pfnGetOrderID, error) || !module.Resolve("IsEnabled", pfnIsEnabled, error)) {
    ReportError(error);
    return kExitUsage;
  }
  CString text;
  text.Format("Element:  %s\nClass:    %s\nOrder ID: %d\nDrives:\n", pfnGetName(), pfnGetClassName(), pfnGetOrderID());
  WriteOut(text);
  PrintDrive("master", &network->GetMasterSetup(), pfnIsEnabled);
  for (int i = 0; i < network->GetSlaveCount(); ++i)
    PrintDrive(network->GetSlaveLabel(i), network->GetSlaveSetup(i), pfnIsEnabled);
  return kExitOk;
}
