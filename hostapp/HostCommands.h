// The command-line host's commands and what they share.
#pragma once

#include <memory>
#include <vector>

#include "ElementModule.h"
#include "MC_DriveNetwork.h"

// Exit statuses of every command.
enum HostExit { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

struct HostOptions {
  CString networkPath;       // empty: the built-in network
  CString modulePath;        // empty: SlaveManagement.dll beside the host
  std::vector<CString> args; // what follows the options
};

// Loads the network of the options, or reports why not on stderr.
std::unique_ptr<CMC_DriveNetwork> LoadNetwork(const HostOptions& options);
// Loads the module of the options, or reports why not on stderr.
bool LoadModule(const HostOptions& options, CElementModule& module);
// Writes bytes to stdout unchanged ("\r\n" stays "\r\n").
void WriteOut(const char* pszText);
void WriteOut(const char* pch, std::size_t nLength);
void WriteOut(const CString& text);
// The same without flushing, for output that comes in many parts; the next WriteOut flushes.
void WriteOutPart(const char* pch, std::size_t nLength);
void ReportError(const char* pszText);

// What a command that runs an export needs: the network of the options and the module with
// that export resolved.
struct CElementSession {
  std::unique_ptr<CMC_DriveNetwork> network;
  CElementModule module;

  // False after reporting why on stderr.
  template <class PFN>
  bool Open(const HostOptions& options, const char* pszExport, PFN& pfn) {
    network = LoadNetwork(options);
    if (!network || !LoadModule(options, module)) return false;
    CString error;
    if (module.Resolve(pszExport, pfn, error)) return true;
    ReportError(error);
    return false;
  }
  CMC_Setup* Setup() { return &network->GetMasterSetup(); }
  CMC_Motion* Motion() { return &network->GetMasterMotion(); }
};

int RunInfoCommand(const HostOptions& options);
int RunDefaultCommand(const HostOptions& options);
int RunTranslateCommand(const HostOptions& options);
int RunCompileCommand(const HostOptions& options);
// Exit 0 with the new text on stdout when the user confirmed, 1 when the user cancelled.
int RunEditCommand(const HostOptions& options);
