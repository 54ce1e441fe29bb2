#include "HostCommands.h"

std::unique_ptr<CMC_DriveNetwork> LoadNetwork(const HostOptions& options) {
  if (options.networkPath.IsEmpty()) return CMC_DriveNetwork::LoadDefault();
  CString error;
  std::unique_ptr<CMC_DriveNetwork> network = CMC_DriveNetwork::LoadFile(options.networkPath, error);
  if (!network) ReportError(error);
  return network;
}

bool LoadModule(const HostOptions& options, CElementModule& module) {
  CString error;
  CString path = options.modulePath.IsEmpty() ? CElementModule::GetDefaultPath() : options.modulePath;
  if (module.Load(path, error)) return true;
  ReportError(error);
  return false;
}
