// A soak run of the module in one process, the way the host uses it: many translations, then
// editor open/close cycles that a robot ends with OK and Cancel in turn. The process's private
// memory, handles and GDI and USER objects are printed after a warm-up and at the end; the run
// fails when one of them grew or when an export gave another answer than it did at first.
//   soak [--translations N] [--edits N]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "BenchElements.h"
#include "DialogRobot.h"
#include "ElementExports.h"
#include "ElementModule.h"
#include "MC_DriveNetwork.h"
#include "ProcessCounters.h"

namespace {
struct SoakOptions {
  long translations = 1000000;
  long edits = 1000;
};

bool ParseOptions(int argc, char** argv, SoakOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--translations") == 0)
      options.translations = std::atol(argv[i + 1]);
    else if (std::strcmp(argv[i], "--edits") == 0)
      options.edits = std::atol(argv[i + 1]);
    else
      return false;
  }
  return argc % 2 == 1 && options.translations >= 0 && options.edits >= 0;
}

class CSoak {
public:
  bool Open(CString& error) {
    m_network = CMC_DriveNetwork::LoadDefault();
    if (!m_network || !m_module.Load(CElementModule::GetDefaultPath(), error)) return false;
    if (!m_module.Resolve("TranslateMotionSequence", m_translate, error) || !m_module.Resolve("EditMotionSequence", m_edit, error))
      return false;
    for (int i = 0; i < kMixSize; ++i) {
      m_texts.push_back(TextOf(kMix[i]));
      m_expected.push_back(CString());
      if (Translate(m_texts[i], m_expected[i]) != 1) {
        error.Format("the benchmark's element %s is refused", m_texts[i].GetString());
        return false;
      }
    }
    return true;
  }

  // Translation i of the run: the elements of the mix in turn, each giving what it gave first.
  bool TranslateOnce(long i) {
    CString out;
    int n = static_cast<int>(i % kMixSize);
    return Translate(m_texts[n], out) == 1 && out == m_expected[n];
  }

  // Editor cycle i: OK on even cycles, which writes back a text that translates as before; Cancel
  // on odd ones, which leaves the text alone.
  bool EditOnce(long i) {
    int n = static_cast<int>(i % kMixSize);
    bool ok = i % 2 == 0;
    CString text(m_texts[n]), out;
    CDialogRobot robot;
    INT_PTR result = robot.Run([&] { return static_cast<INT_PTR>(m_edit(Setup(), Motion(), &text)); },
                               [ok](CDialogRobot& ui) { ui.Click(ok ? IDOK : IDCANCEL); });
    if (result != (ok ? 1 : 0) || !robot.MessageBoxes().empty()) return false;
    if (!ok) return text == m_texts[n];
    return Translate(text, out) == 1 && out == m_expected[n];
  }

private:
  CMC_Setup* Setup() { return &m_network->GetMasterSetup(); }
  CMC_Motion* Motion() { return &m_network->GetMasterMotion(); }
  int Translate(CString& text, CString& out) { return m_translate(Setup(), Motion(), &text, &out); }

  std::unique_ptr<CMC_DriveNetwork> m_network;
  CElementModule m_module;
  PFN_TranslateMotionSequence m_translate = nullptr;
  PFN_EditMotionSequence m_edit = nullptr;
  std::vector<CString> m_texts, m_expected;
};

// Runs step for 0 .. count - 1; false at the first failing step, after saying which.
template <class Step>
bool RunPhase(const char* pszName, long count, Step step) {
  for (long i = 0; i < count; ++i)
    if (!step(i)) {
      std::printf("FAILED: %s %ld gave another answer than before\n", pszName, i);
      return false;
    }
  std::printf("%ld %s\n", count, pszName);
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  SoakOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: soak [--translations N] [--edits N]\n");
    return 2;
  }
  CSoak soak;
  CString error;
  if (!soak.Open(error)) {
    std::fprintf(stderr, "soak: %s\n", error.GetString());
    return 2;
  }
  // What is built once per process (the kernel's names, window classes, the dialog font) is
  // built before the first reading.
  auto translate = [&](long i) { return soak.TranslateOnce(i); };
  auto edit = [&](long i) { return soak.EditOnce(i); };
  if (!RunPhase("warm-up translations", 1000, translate) || !RunPhase("warm-up editor cycles", 2 * kMixSize, edit))
    return 1;
  PROCESS_COUNTERS start = ReadProcessCounters();
  PrintProcessCounters("start", start);
  if (!RunPhase("translations", options.translations, translate)) return 1;
  PrintProcessCounters("after the translations", ReadProcessCounters());
  if (!RunPhase("editor cycles, OK and Cancel in turn", options.edits, edit)) return 1;
  PROCESS_COUNTERS end = ReadProcessCounters();
  PrintProcessCounters("end", end);
  if (ReportGrowth(start, end)) return 1;
  std::printf("soak: nothing grew\n");
  return 0;
}
