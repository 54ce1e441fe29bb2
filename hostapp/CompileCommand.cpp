// mchost compile: a program file, one element's parameter text a line, into the whole motion
// program; or, when any element is invalid, every invalid element's errors with its place.
// The file is read a line at a time and each element translated as it comes, so the cost stays
// linear in the program's size.
#include <fstream>
#include <string>

#include "ElementExports.h"
#include "HostCommands.h"

namespace {
// One line of the file without its line end, any bytes kept; false at the end of the file.
bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

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

int RunCompileCommand(const HostOptions& options) {
  if (options.args.size() != 1) {
    ReportError("compile takes one argument: the program file");
    return kExitUsage;
  }
  const char* pszProgram = options.args[0];
  CElementSession session;
  PFN_TranslateMotionSequence pfnTranslate;
  if (!session.Open(options, "TranslateMotionSequence", pfnTranslate)) return kExitUsage;
  std::ifstream file(pszProgram, std::ios::binary);
  if (!file) {
    CString message;
    message.Format("%s: cannot open the program file", pszProgram);
    ReportError(message);
    return kExitUsage;
  }
  std::string line, program;
  int invalid = 0;
  for (int number = 1; ReadLine(file, line); ++number) {
    if (!IsElementLine(line)) continue;
    CString text(line.data(), static_cast<int>(line.size())), out;
    if (pfnTranslate(session.Setup(), session.Motion(), &text, &out) == 1) {
      if (invalid == 0) program.append(out.GetString(), static_cast<std::size_t>(out.GetLength()));
    } else {
      ++invalid;
      ReportElement(pszProgram, number, out);
    }
  }
  if (file.bad()) {
    CString message;
    message.Format("%s: cannot read the program file", pszProgram);
    ReportError(message);
    return kExitUsage;
  }
  if (invalid > 0) return kExitRefused;
  WriteOut(program.data(), program.size());
  return kExitOk;
}
