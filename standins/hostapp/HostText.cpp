// The host's text boundary. Outside, text is UTF-8: the command line as the user typed it,
// program files, what is printed. Inside, the kernel and the module hold every string in the
// process's ANSI code page. Text crosses here and nowhere else.
#include <cerrno>
#include <climits>
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

// Text is converted for output a piece at a time, so that printing needs no memory that grows
// with what is printed.
const std::size_t kPieceSize = 64 * 1024;

// The length of the piece that starts at pch: at most kPieceSize bytes, ending after a line end
// when one lies in that range, and never inside a character of a double-byte code page.
std::size_t PieceLength(const char* pch, std::size_t nLength) {
  if (nLength <= kPieceSize) return nLength;
  for (std::size_t n = kPieceSize; n > kPieceSize / 2; --n)
    if (pch[n - 1] == '\n') return n;
  if (AfxGetAnsiCodePage() == 65001) {
    std::size_t n = kPieceSize;
    while (n > 0 && (static_cast<unsigned char>(pch[n]) & 0xC0) == 0x80) --n;
    return n > 0 ? n : kPieceSize;
  }
  std::size_t n = 0;
  while (n < kPieceSize) {
    std::size_t step = ::IsDBCSLeadByte(static_cast<BYTE>(pch[n])) ? 2 : 1;
    if (n + step > kPieceSize) break;
    n += step;
  }
  return n;
}

// Writes the text as UTF-8. Out of memory for the conversion: on stdout, CHostOutOfMemory for
// "writing the output"; on stderr, whose messages must get out, the bytes as they are.
void Write(FILE* stream, const char* pch, std::size_t nLength) {
  if (g_writeError != 0 && stream == stdout) return;
  while (nLength > 0) {
    std::size_t nPiece = PieceLength(pch, nLength);
    const char* pPiece = pch;
    std::size_t nOut = nPiece;
    CString utf8;
    if (!AfxIsAscii(pch, static_cast<int>(nPiece))) {
      try {
        utf8 = AfxAnsiToUtf8(pch, static_cast<int>(nPiece));
        pPiece = utf8.GetString();
        nOut = static_cast<std::size_t>(utf8.GetLength());
      } catch (CMemoryException* e) {
        e->Delete();
        if (stream == stdout) throw CHostOutOfMemory{"writing the output", nullptr, nullptr};
      }
    }
    if (std::fwrite(pPiece, 1, nOut, stream) != nOut && stream == stdout) {
      g_writeError = errno != 0 ? errno : EIO;
      return;
    }
    pch += nPiece;
    nLength -= nPiece;
  }
}

void Flush() {
  if (g_writeError == 0 && std::fflush(stdout) != 0) g_writeError = errno != 0 ? errno : EIO;
}

}  // namespace

CString CodePageMessage(const char* pszWhat) {
  CString message;
  message.Format("%s holds a character that the ANSI code page %u cannot hold", pszWhat, AfxGetAnsiCodePage());
  return message;
}

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
  // Longer than a string of the platform can be: no memory would hold it.
  if (line.size() > static_cast<std::size_t>(INT_MAX / 2)) AfxThrowMemoryException();
  if (AfxUtf8ToAnsi(line.data(), static_cast<int>(line.size()), text)) return true;
  CString what;
  what.Format("%s:%d: the line is no UTF-8 text, or", pszProgram, nLine);
  ReportError(CodePageMessage(what));
  return false;
}

bool StandardInputToText(const std::string& bytes, CString& text) {
  std::size_t start = bytes.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
  std::size_t end = bytes.size();
  if (end > start && bytes[end - 1] == '\n') {
    --end;
    if (end > start && bytes[end - 1] == '\r') --end;
  }
  // Longer than a string of the platform can be: no memory would hold it.
  if (end - start > static_cast<std::size_t>(INT_MAX / 2)) AfxThrowMemoryException();
  if (AfxUtf8ToAnsi(bytes.data() + start, static_cast<int>(end - start), text)) return true;
  ReportError(CodePageMessage("standard input is no UTF-8 text, or"));
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

void ReportOutOfMemory(const CHostOutOfMemory& oom) {
  std::fputs("mchost: out of memory", stderr);
  if (oom.pszWhat[0] != '\0') {
    std::fputs(" ", stderr);
    std::fputs(oom.pszWhat, stderr);
  }
  if (oom.pszName != nullptr) {
    std::fputs(" ", stderr);
    Write(stderr, oom.pszName, std::strlen(oom.pszName));
  }
  if (oom.pszNote != nullptr) {
    std::fputs(": ", stderr);
    std::fputs(oom.pszNote, stderr);
  }
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
