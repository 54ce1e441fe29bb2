// The command-line host's commands and what they share.
#pragma once

#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "ElementModule.h"
#include "MC_DriveNetwork.h"
#include "MC_EditDialogChoices.h"

// Exit statuses of every command.
enum HostExit { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

struct HostOptions {
  CString networkPath;       // empty: the built-in network
  CString modulePath;        // empty: SlaveManagement.dll beside the host
  // edit: how the base editor dialog behaves where hosts differ (MC_EditDialogChoices.h's options)
  MC_EDITDLG_CHOICES editChoices = MC_GetEditDialogChoices();
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
// "WHAT holds a character that the ANSI code page N cannot hold".
CString CodePageMessage(const char* pszWhat);
// Program files are UTF-8, with or without the byte-order mark that many editors write before
// the first line: it is skipped there.
void SkipByteOrderMark(std::string& line);
// A program file's line as parameter text; false after reporting, with its place, a line that
// is no UTF-8 or that the code page cannot hold.
bool ProgramLineToText(const char* pszProgram, int nLine, const std::string& line, CString& text);
// All of standard input as one parameter text: a byte-order mark before it is skipped, and one
// final line end ("\n" or "\r\n") is no part of it. False after reporting bytes that are no
// UTF-8 or a character that the code page cannot hold.
bool StandardInputToText(const std::string& bytes, CString& text);
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

// Memory that ran out while the host was doing something: the message names what ("reading the
// network file", with the file's name), and the command ends with kExitUsage. Thrown by
// WhileDoing; the pointers must live until main reports it.
struct CHostOutOfMemory {
  const char* pszWhat;
  const char* pszName;  // null, or the file it was reading
  const char* pszNote;  // null, or what the user can do about it
};
// "mchost: out of memory WHAT NAME: NOTE" on stderr, without needing memory for it.
void ReportOutOfMemory(const CHostOutOfMemory& oom);
// Runs f; memory that runs out inside it (std::bad_alloc, a string longer than a string can be,
// the platform's CMemoryException*) leaves as CHostOutOfMemory naming what f was doing. The
// innermost WhileDoing names it.
template <class F>
auto WhileDoing(const char* pszWhat, const char* pszName, const char* pszNote, F f) -> decltype(f()) {
  try {
    return f();
  } catch (CMemoryException* e) {
    e->Delete();
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  throw CHostOutOfMemory{pszWhat, pszName, pszNote};
}

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
