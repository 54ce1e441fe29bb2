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
// Both of the above, network first.
bool LoadNetworkAndModule(const HostOptions& options, std::unique_ptr<CMC_DriveNetwork>& network, CElementModule& module);
// Writes bytes to stdout unchanged ("\r\n" stays "\r\n").
void WriteOut(const char* pszText);
void ReportError(const char* pszText);

int RunInfoCommand(const HostOptions& options);
// Exit 0 with the new text on stdout when the user confirmed, 1 when the user cancelled.
int RunEditCommand(const HostOptions& options);
