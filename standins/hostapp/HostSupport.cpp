#include "HostCommands.h"
#include "HostInput.h"

std::unique_ptr<CMC_DriveNetwork> LoadNetwork(const HostOptions& options) {
  if (options.networkPath.IsEmpty())
    return WhileDoing("reading the built-in network", nullptr, nullptr, [] { return CMC_DriveNetwork::LoadDefault(); });
  const char* pszPath = options.networkPath;
  CString error;
  if (IsDeviceName(pszPath)) {
    error.Format("%s: is a device, not a network file", pszPath);
    ReportError(error);
    return nullptr;
  }
  std::unique_ptr<CMC_DriveNetwork> network = WhileDoing(
      "reading the network file", pszPath, nullptr, [&] { return CMC_DriveNetwork::LoadFile(pszPath, error); });
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
