// mchost compile: a program file, one element's parameter text a line, into the whole motion
// program; or, when any element is invalid, every invalid element's errors with its place.
// The file is read a line at a time and each element translated as it comes, so the cost stays
// linear in the program's size. The first pass reports the errors; only when there are none
// does a second pass translate the file again and print the program as it comes, so memory does
// not grow with the program either. The second reading must give exactly the bytes of the
// first. A program that cannot be read twice (standard input, "-", or a pipe) keeps its motion
// program in memory for the print instead; a device is no program file.
#include <algorithm>
#include <string>
#include <vector>

#include "ElementExports.h"
#include "HostCommands.h"
#include "HostInput.h"

namespace {
bool IsElementLine(const std::string& line) {
  std::size_t first = line.find_first_not_of(" \t");
  return first != std::string::npos && line[first] != '#';
}

// Each error line of the element, behind "PROGRAM:LINE: ".
void ReportElement(const char* pszProgram, int nLine, const CString& errors) {
  CString place;
  place.Format("%s:%d: ", pszProgram, nLine);
  const char* p = errors;
  const char* end = p + errors.GetLength();
  do {
    const char* next = p;
    while (next < end && *next != '\n') ++next;
    WriteOut(place);
    if (next < end) {
      WriteOut(p, static_cast<std::size_t>(next + 1 - p));
    } else {
      WriteOut(p, static_cast<std::size_t>(end - p));
      WriteOut("\r\n");
    }
    p = next + 1;
  } while (p < end);
}
}  // namespace

namespace {
// Translates each element of the file from where it stands. Each valid element's lines go to
// onValid unless an invalid one came before; each invalid one is reported. Returns the number
// of invalid elements. One text and one out serve every line, so they stop growing.
// A line that does not convert to the module's code page is reported, ends the reading, and
// counts as -1.
template <class OnValid>
int TranslateProgram(CInputFile& file, const char* pszProgram, PFN_TranslateMotionSequence pfnTranslate,
                     CElementSession& session, OnValid onValid) {
  std::string line;
  CString text, out;
  int invalid = 0;
  for (int number = 1; file.ReadLine(line); ++number) {
    if (number == 1) SkipByteOrderMark(line);
    if (!IsElementLine(line)) continue;
    if (!ProgramLineToText(pszProgram, number, line, text)) return -1;
    if (pfnTranslate(session.Setup(), session.Motion(), &text, &out) == 1) {
      if (invalid == 0) onValid(out);
    } else {
      ++invalid;
      ReportElement(pszProgram, number, out);
    }
  }
  return invalid;
}

int CannotRead(const char* pszProgram, const char* pszWhat) {
  CString message;
  message.Format("%s: %s", pszProgram, pszWhat);
  ReportError(message);
  return kExitUsage;
}

// The motion program of a program that is read once, kept until it is printed: in blocks that
// hold whole elements' lines, so that it grows without being copied and takes little more
// memory than its text (a 32-bit host has only 2 GB of addresses).
class CKeptProgram {
public:
  void Append(const CString& out) {
    std::size_t n = static_cast<std::size_t>(out.GetLength());
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < n) {
      m_blocks.emplace_back();
      m_blocks.back().reserve(std::max(kBlockSize, n));
    }
    m_blocks.back().append(out.GetString(), n);
  }
  void Print() const {
    for (const std::string& block : m_blocks) WriteOutPart(block.data(), block.size());
    WriteOut("");
  }

private:
  static const std::size_t kBlockSize = 1024 * 1024;
  std::vector<std::string> m_blocks;
};
}  // namespace

int RunCompileCommand(const HostOptions& options) {
  if (options.args.size() != 1) {
    ReportError("compile takes one argument: the program file (- reads it from standard input)");
    return kExitUsage;
  }
  const char* pszArg = options.args[0];
  CElementSession session;
  PFN_TranslateMotionSequence pfnTranslate;
  if (!session.Open(options, "TranslateMotionSequence", pfnTranslate)) return kExitUsage;
  CInputFile file;
  CString error;
  if (!file.Open(pszArg, error)) {
    ReportError(error);
    return kExitUsage;
  }
  const char* pszProgram = file.GetName();
  const bool bStandardInput = file.IsStandardInput();
  const bool bKept = !file.CanReadTwice();
  // What an out-of-memory message says was read.
  const char* pszWhat = bStandardInput ? "reading the program from standard input" : "reading the program file";
  const char* pszName = bStandardInput ? nullptr : pszArg;
  // A program read once holds its motion program until it is printed.
  const char* pszKept = "its motion program is held in memory until it is printed, since it cannot be read twice";
  const char* pszReadError = bStandardInput ? "cannot read standard input" : "cannot read the program file";

  CKeptProgram program;
  long elements = 0;
  int invalid = WhileDoing(pszWhat, pszName, nullptr, [&] {
    return TranslateProgram(file, pszProgram, pfnTranslate, session, [&](const CString& out) {
      ++elements;
      if (bKept) WhileDoing(pszWhat, pszName, pszKept, [&] { program.Append(out); });
    });
  });
  if (file.Failed()) return CannotRead(pszProgram, pszReadError);
  if (invalid < 0) return kExitUsage;
  if (invalid > 0) return kExitRefused;
  if (bKept) {
    program.Print();
    return kExitOk;
  }
  const std::uint64_t nBytes = file.GetBytesRead(), hash = file.GetHash();
  if (!file.Rewind()) return CannotRead(pszProgram, "cannot read the program file a second time");
  long written = 0;
  invalid = WhileDoing(pszWhat, pszName, nullptr, [&] {
    return TranslateProgram(file, pszProgram, pfnTranslate, session, [&](const CString& out) {
      ++written;
      WriteOutPart(out.GetString(), static_cast<std::size_t>(out.GetLength()));
    });
  });
  WriteOut("");
  if (file.Failed()) return CannotRead(pszProgram, pszReadError);
  // Valid at the first reading and not, or not all of it, at the second, or other bytes: the
  // file changed meanwhile, and what was printed is no whole program.
  if (invalid != 0 || written != elements || file.GetBytesRead() != nBytes || file.GetHash() != hash)
    return CannotRead(pszProgram, "the program file changed while it was compiled; what was printed is not its program");
  return kExitOk;
}
