// The command-line host's commands and what they share.
#pragma once

#include <memory>
#include <string>
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
// The text boundary (HostText.cpp): UTF-8 outside, the ANSI code page inside.
// The command line's arguments, program name first; false after reporting one that the code page
// cannot hold.
bool ReadArguments(std::vector<CString>& args);
// Program files are UTF-8, with or without the byte-order mark that many editors write before
// the first line: it is skipped there.
void SkipByteOrderMark(std::string& line);
// A program file's line as parameter text; false after reporting, with its place, a line that
// is no UTF-8 or that the code page cannot hold.
bool ProgramLineToText(const char* pszProgram, int nLine, const std::string& line, CString& text);
// Writes text to stdout as UTF-8, line ends unchanged ("\r\n" stays "\r\n"). A failed write
// is kept for FinishOutput, and nothing more is written.
void WriteOut(const char* pszText);
void WriteOut(const char* pch, std::size_t nLength);
void WriteOut(const CString& text);
// The same without flushing, for output that comes in many parts; the next WriteOut flushes.
void WriteOutPart(const char* pch, std::size_t nLength);
// One line on stderr behind "mchost: ".
void ReportError(const char* pszText);
// The command's exit status once its output is flushed; after a failed write, that reported and
// kExitUsage.
int FinishOutput(int nExit);

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
