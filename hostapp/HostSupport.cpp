#include <cstdio>

#include "HostCommands.h"

void WriteOut(const char* pszText) {
  std::fputs(pszText, stdout);
  std::fflush(stdout);
}

void WriteOut(const char* pch, std::size_t nLength) {
  std::fwrite(pch, 1, nLength, stdout);
  std::fflush(stdout);
}

void WriteOutPart(const char* pch, std::size_t nLength) { std::fwrite(pch, 1, nLength, stdout); }

void WriteOut(const CString& text) { WriteOut(text.GetString(), static_cast<std::size_t>(text.GetLength())); }

void ReportError(const char* pszText) {
  std::fprintf(stderr, "mchost: %s\n", pszText);
  std::fflush(stderr);
}

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
