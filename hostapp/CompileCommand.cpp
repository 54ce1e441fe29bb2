// mchost compile: a program file, one element's parameter text a line, into the whole motion
// program; or, when any element is invalid, every invalid element's errors with its place.
// The file is read a line at a time and each element translated as it comes, so the cost stays
// linear in the program's size. The first pass reports the errors; only when there are none
// does a second pass translate the file again and print the program as it comes, so memory does
// not grow with the program either. A file that cannot be read twice (a pipe) keeps its program
// in memory for the print instead.
#include <filesystem>
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

namespace {
// Translates each element of the file from where it stands. Each valid element's lines go to
// onValid unless an invalid one came before; each invalid one is reported. Returns the number
// of invalid elements. One text and one out serve every line, so they stop growing.
// A line that does not convert to the module's code page is reported, ends the reading, and
// counts as -1.
template <class OnValid>
int TranslateProgram(std::istream& file, const char* pszProgram, PFN_TranslateMotionSequence pfnTranslate,
                     CElementSession& session, OnValid onValid) {
  std::string line;
  CString text, out;
  int invalid = 0;
  for (int number = 1; ReadLine(file, line); ++number) {
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
  if (!file) return CannotRead(pszProgram, "cannot open the program file");
  // Only a regular file is read twice: a pipe or a device may report a position and still not
  // give its lines again.
  std::error_code error;
  bool rereadable = std::filesystem::is_regular_file(pszProgram, error) &&
                    file.tellg() != std::streampos(-1);
  std::string program;
  long elements = 0;
  int invalid = TranslateProgram(file, pszProgram, pfnTranslate, session, [&](const CString& out) {
    ++elements;
    if (!rereadable) program.append(out.GetString(), static_cast<std::size_t>(out.GetLength()));
  });
  if (file.bad()) return CannotRead(pszProgram, "cannot read the program file");
  if (invalid < 0) return kExitUsage;
  if (invalid > 0) return kExitRefused;
  if (!rereadable) {
    WriteOut(program.data(), program.size());
    return kExitOk;
  }
  file.clear();
  file.seekg(0);
  long written = 0;
  invalid = TranslateProgram(file, pszProgram, pfnTranslate, session, [&](const CString& out) {
    ++written;
    WriteOutPart(out.GetString(), static_cast<std::size_t>(out.GetLength()));
  });
  WriteOut("");
  if (file.bad()) return CannotRead(pszProgram, "cannot read the program file");
  // Valid at the first reading and not, or not all of it, at the second: the file changed
  // meanwhile, and what was printed is no whole program.
  if (invalid > 0 || written != elements)
    return CannotRead(pszProgram, "the program file changed while it was compiled");
  return kExitOk;
}
