// Out of memory in one session of the editor, through the real module as the host calls it: the
// N-th allocation of the module, the platform and the kernel fails, for N = 1, 2, ... until a
// session runs with none failed. Whatever N, nothing but the platform's memory exception leaves
// the export, the dialog ends or stays usable, and a text that OK writes holds no value that is
// neither the element's own nor one that the session set.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "DialogRobot.h"
#include "ElementExports.h"
#include "ModuleTest.h"
#include "TestNetworks.h"
#include "resource.h"

namespace {
// Slave B (index 1) sends bits 0, 1, 4 and 5; the session moves bit 0 to the don't-send list on
// slave A (index 0), which has the same bits, and shows the unused timeout in seconds.
const char kText[] = "Type=1;ATIME=250[ms];Slave=1;MER_MASK=0x33;";
const char kEdited[] = "Type=1;ATIME=250[ms];Slave=0;MER_MASK=0x32;";
const std::map<std::string, std::set<std::string>> kAllowedValues = {
    {"Type", {"1", "0"}}, {"ATIME", {"250[ms]", "0.25[s]"}}, {"Slave", {"1", "0"}}, {"MER_MASK", {"0x33", "0x32"}}};

bool Contains(const std::vector<std::string>& items, const char* item) {
  for (const std::string& s : items)
    if (s == item) return true;
  return false;
}

// A user's session; what a failure left disabled, unfilled or closed is passed over, as a user
// would pass it over.
void WorkTheEditor(CDialogRobot& ui) {
  auto open = [&ui] { return ::IsWindowVisible(ui.Dialog()) != FALSE; };
  auto usable = [&](int nID) { return open() && ui.Enabled(nID); };
  if (usable(IDC_SLAVE) && Contains(ui.ComboItems(IDC_SLAVE), "1")) ui.Choose(IDC_SLAVE, "1");
  if (usable(IDC_SEND_BITS) && !ui.ListItems(IDC_SEND_BITS).empty()) ui.SelectItems(IDC_SEND_BITS, {0});
  if (usable(IDC_SELECTED_TO_IGNORED)) ui.Click(IDC_SELECTED_TO_IGNORED);
  if (usable(IDC_INIT_SLAVES)) ui.Click(IDC_INIT_SLAVES);
  if (usable(IDC_TIMEOUT_UNIT) && Contains(ui.ComboItems(IDC_TIMEOUT_UNIT), "s")) ui.Choose(IDC_TIMEOUT_UNIT, "s");
  if (usable(IDC_SEND_ERROR_MASK)) ui.Click(IDC_SEND_ERROR_MASK);
  // A user who meets a report at OK gives up: Cancel must close the dialog and keep the text.
  for (int nID : {IDOK, IDCANCEL})
    if (open()) ui.Click(nID);
  EXPECT_FALSE(open()) << "the dialog cannot be closed";
}

// The values of a parameter text, by key.
std::map<std::string, std::string> Items(const char* pszText) {
  std::map<std::string, std::string> items;
  std::istringstream in(pszText);
  std::string item;
  while (std::getline(in, item, ';')) {
    std::size_t eq = item.find('=');
    items[item.substr(0, eq)] = eq == std::string::npos ? "" : item.substr(eq + 1);
  }
  return items;
}

class EditorOutOfMemory : public CModuleTest {
protected:
  void SetUp() override {
    CModuleTest::SetUp();
    ResolveExport("EditMotionSequence", m_edit);
  }

  PFN_EditMotionSequence m_edit = nullptr;
  std::unique_ptr<CMC_DriveNetwork> m_net = LoadStandardNetwork();
  // The host is an application, which reports to the user what leaves a message handler.
  CWinApp m_app{"Motion Host"};
};
}  // namespace

TEST_F(EditorOutOfMemory, EverySessionEndsWithNothingLostOrMadeUp) {
  std::map<std::string, std::string> outcomes;  // what the user met: the allocations whose failure led there
  long n = 1;
  for (;; ++n) {
    SCOPED_TRACE("allocation " + std::to_string(n));
    CString text(kText);
    bool threw = false;
    CDialogRobot robot;
    AfxSetAllocFailureCountdown(n);
    INT_PTR result = robot.Run(
        [&]() -> INT_PTR {
          try {
            return m_edit(&m_net->GetMasterSetup(), &m_net->GetMasterMotion(), &text);
          } catch (CMemoryException* e) {
            e->Delete();
          } catch (...) {
            ADD_FAILURE() << "an exception other than the platform's memory exception left the export";
          }
          threw = true;
          return 0;
        },
        &WorkTheEditor, false);
    const bool failed = AfxSetAllocFailureCountdown(0) == 0;
    if (!failed) {
      EXPECT_EQ(result, IDOK);
      EXPECT_STREQ(text, kEdited) << "the session with memory to spare";
      break;
    }
    for (const auto& item : Items(text)) {
      auto allowed = kAllowedValues.find(item.first);
      EXPECT_TRUE(allowed != kAllowedValues.end() && allowed->second.count(item.second))
          << item.first << "=" << item.second << " in " << text.GetString();
    }
    if (threw || result != IDOK) EXPECT_STREQ(text, kText) << "nothing confirmed, nothing changed";
    std::string outcome = threw ? "out of memory to the host" : !robot.Started() ? "no dialog, 0"
                          : result == IDOK ? "dialog, OK wrote" : "dialog, closed with 0";
    for (const std::string& box : robot.MessageBoxes()) outcome += ", box \"" + box + "\"";
    outcomes[outcome] += " " + std::to_string(n);
    if (HasFailure()) break;
  }
  std::printf("%ld allocations failed one at a time; what the user met:\n", n - 1);
  for (const auto& outcome : outcomes) std::printf("  %s:%s\n", outcome.first.c_str(), outcome.second.c_str());
  EXPECT_GT(n, 1) << "no allocation failed";
}
