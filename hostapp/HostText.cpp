// The host's text boundary. Outside, text is UTF-8: the command line as the user typed it,
// program files, what is printed. Inside, the kernel and the module hold every string in the
// process's ANSI code page. Text crosses here and nowhere else.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "HostCommands.h"
#include "afxconv.h"
#include "afxwindows.h"

#include <shellapi.h>

namespace {
const char kByteOrderMark[] = "\xEF\xBB\xBF";

// The first write that failed, kept for the end of the command: later writes are not tried.
int g_writeError = 0;

void Write(FILE* stream, const char* pch, std::size_t nLength) {
  if (g_writeError != 0 && stream == stdout) return;
  CString utf8;
  if (!AfxIsAscii(pch, static_cast<int>(nLength))) {
    utf8 = AfxAnsiToUtf8(pch, static_cast<int>(nLength));
    pch = utf8.GetString();
    nLength = static_cast<std::size_t>(utf8.GetLength());
  }
  if (std::fwrite(pch, 1, nLength, stream) != nLength && stream == stdout) g_writeError = errno != 0 ? errno : EIO;
}

void Flush() {
  if (g_writeError == 0 && std::fflush(stdout) != 0) g_writeError = errno != 0 ? errno : EIO;
}

CString CodePageMessage(const char* pszWhat) {
  CString message;
  message.Format("%s holds a character that the ANSI code page %u cannot hold", pszWhat, AfxGetAnsiCodePage());
  return message;
}
}  // namespace

bool ReadArguments(std::vector<CString>& args) {
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (argv == nullptr) {
    ReportError("cannot read the command line");
    return false;
  }
  bool ok = true;
  for (int i = 0; i < count && ok; ++i) {
    CString arg;
    ok = AfxWideToAnsi(argv[i], static_cast<int>(std::wcslen(argv[i])), arg);
    if (ok)
      args.push_back(arg);
    else {
      CString what;
      what.Format("argument %d", i);
      ReportError(CodePageMessage(what));
    }
  }
  ::LocalFree(argv);
  return ok;
}

void SkipByteOrderMark(std::string& line) {
  if (line.compare(0, 3, kByteOrderMark) == 0) line.erase(0, 3);
}

bool ProgramLineToText(const char* pszProgram, int nLine, const std::string& line, CString& text) {
  if (AfxUtf8ToAnsi(line.data(), static_cast<int>(line.size()), text)) return true;
  CString what;
  what.Format("%s:%d: the line is no UTF-8 text, or", pszProgram, nLine);
  ReportError(CodePageMessage(what));
  return false;
}

void WriteOut(const char* pszText) { WriteOut(pszText, std::strlen(pszText)); }

void WriteOut(const char* pch, std::size_t nLength) {
  Write(stdout, pch, nLength);
  Flush();
}

void WriteOutPart(const char* pch, std::size_t nLength) { Write(stdout, pch, nLength); }

void WriteOut(const CString& text) { WriteOut(text.GetString(), static_cast<std::size_t>(text.GetLength())); }

void ReportError(const char* pszText) {
  std::fputs("mchost: ", stderr);
  Write(stderr, pszText, std::strlen(pszText));
  std::fputs("\n", stderr);
  std::fflush(stderr);
}

int FinishOutput(int nExit) {
  Flush();
  if (g_writeError == 0) return nExit;
  CString message;
  message.Format("cannot write the output: %s", std::strerror(g_writeError));
  ReportError(message);
  return kExitUsage;
}
