// The error mask as two bit lists and the four move buttons.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "EditorFixture.h"

namespace {
// Bit numbers of a list's items, read back from their texts.
std::vector<int> BitsShown(const CDialogRobot& ui, int nListID) {
  std::vector<int> bits;
  for (const std::string& item : ui.ListItems(nListID)) bits.push_back(std::atoi(item.c_str() + 4));
  return bits;
}

uint32_t MaskOf(const std::vector<int>& bits) {
  uint32_t mask = 0;
  for (int bit : bits) mask |= 1u << bit;
  return mask;
}

uint32_t SelectedMask(const CDialogRobot& ui, int nListID) {
  std::vector<int> bits = BitsShown(ui, nListID);
  uint32_t mask = 0;
  for (int i : ui.ListSelection(nListID)) mask |= 1u << bits[static_cast<std::size_t>(i)];
  return mask;
}

// Slave B's error register: bits 0, 1, 4 to 7 and 12 to 15.
const uint32_t kSlaveB = 0xF0F3;

bool g_refuseArrays = false;
}  // namespace

// The editor's index arrays come from here in this program, so that a test can refuse them.
void* operator new[](std::size_t nBytes, const std::nothrow_t&) noexcept {
  return g_refuseArrays ? nullptr : std::malloc(nBytes != 0 ? nBytes : 1);
}

// Without room for the indexes of the selected items the selection reads as none, and nothing
// reaches the host.
TEST_F(EditorTest, ASelectionWithoutRoomForItsIndexesReadsAsNone) {
  Element(SendErrorMask, 1);
  m_dlg.m_data.m_errorMask = 0x13;
  Run([](CDialogRobot& ui) {
    g_refuseArrays = true;
    ui.SelectItems(IDC_SEND_BITS, {0, 2});
    g_refuseArrays = false;
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "1100") << "> has nothing to move";
    EXPECT_TRUE(ui.MessageBoxes().empty());
    ui.SelectItems(IDC_SEND_BITS, {0});
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "1110");
  });
}

TEST_F(EditorTest, MovingSelectedBitsSelectsThemInTheListThatReceivedThem) {
  EXPECT_EQ(m_dlg.m_ignoredMask | m_dlg.m_sendSelection | m_dlg.m_ignoredSelection, 0u) << "the masks as built";
  Element(SendErrorMask, 1);
  m_dlg.m_data.m_errorMask = 0x13;
  INT_PTR result = Run([](CDialogRobot& ui) {
    EXPECT_EQ(ui.ListItems(IDC_SEND_BITS), (std::vector<std::string>{"Bit 0: Bus", "Bit 1: Short", "Bit 4: Reserved"}));
    EXPECT_EQ(BitsShown(ui, IDC_IGNORED_BITS), (std::vector<int>{5, 6, 7, 12, 13, 14, 15}));
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "1000") << "<< follows its list at the first exchange";

    ui.SelectItems(IDC_SEND_BITS, {0, 2});
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "1110");
    ui.Click(IDC_SELECTED_TO_IGNORED);
    EXPECT_EQ(BitsShown(ui, IDC_SEND_BITS), (std::vector<int>{1}));
    EXPECT_TRUE(ui.ListSelection(IDC_SEND_BITS).empty());
    EXPECT_EQ(BitsShown(ui, IDC_IGNORED_BITS), (std::vector<int>{0, 4, 5, 6, 7, 12, 13, 14, 15}));
    EXPECT_EQ(ui.ListSelection(IDC_IGNORED_BITS), (std::vector<int>{0, 1}));
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "1101");

    ui.Click(IDC_SELECTED_TO_SEND);
    EXPECT_EQ(BitsShown(ui, IDC_SEND_BITS), (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(ui.ListSelection(IDC_SEND_BITS), (std::vector<int>{0, 2}));
    EXPECT_TRUE(ui.ListSelection(IDC_IGNORED_BITS).empty());
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "1110");

    ui.Click(IDC_ALL_TO_SEND);
    EXPECT_EQ(MaskOf(BitsShown(ui, IDC_SEND_BITS)), kSlaveB);
    EXPECT_TRUE(ui.ListSelection(IDC_SEND_BITS).empty());
    EXPECT_TRUE(ui.ListItems(IDC_IGNORED_BITS).empty());
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "1000");

    ui.Click(IDC_ALL_TO_IGNORED);
    EXPECT_TRUE(ui.ListItems(IDC_SEND_BITS).empty());
    EXPECT_EQ(MaskOf(BitsShown(ui, IDC_IGNORED_BITS)), kSlaveB);
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "0100");

    // A click in a list enables its button at once, without refilling.
    ui.SelectItems(IDC_IGNORED_BITS, {6});  // bit 12
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "0101");
    ui.Click(IDC_SELECTED_TO_SEND);
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(m_dlg.m_data.m_errorMask, 1u << 12);
  EXPECT_EQ(m_dlg.m_ignoredMask, kSlaveB & ~(1u << 12));
}

TEST_F(EditorTest, AnyOrderOfMovesKeepsBothListsAscendingAndComplete) {
  Element(SendErrorMask, 1);
  m_dlg.m_data.m_errorMask = 0x1001;
  Run([](CDialogRobot& ui) {
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) {
      seed = seed * 1103515245u + 12345u;
      return (seed >> 16) % n;
    };
    for (int step = 0; step < 40; ++step) {
      SCOPED_TRACE(step);
      for (int list : {IDC_SEND_BITS, IDC_IGNORED_BITS}) {
        int count = static_cast<int>(ui.ListItems(list).size());
        std::vector<int> pick;
        for (int i = 0; i < count; ++i)
          if (next(3) == 0) pick.push_back(i);
        ui.SelectItems(list, pick);
      }
      uint32_t sendBefore = SelectedMask(ui, IDC_SEND_BITS), ignoredBefore = SelectedMask(ui, IDC_IGNORED_BITS);
      std::vector<int> enabled;
      for (int id : MoveButtons())
        if (ui.Enabled(id)) enabled.push_back(id);
      ASSERT_FALSE(enabled.empty());
      int button = enabled[next(static_cast<unsigned>(enabled.size()))];
      ui.Click(button);

      std::vector<int> send = BitsShown(ui, IDC_SEND_BITS), ignored = BitsShown(ui, IDC_IGNORED_BITS);
      EXPECT_TRUE(std::is_sorted(send.begin(), send.end()));
      EXPECT_TRUE(std::is_sorted(ignored.begin(), ignored.end()));
      EXPECT_EQ(MaskOf(send) & MaskOf(ignored), 0u);
      EXPECT_EQ(MaskOf(send) | MaskOf(ignored), kSlaveB);
      uint32_t sendSelected = SelectedMask(ui, IDC_SEND_BITS), ignoredSelected = SelectedMask(ui, IDC_IGNORED_BITS);
      if (button == IDC_SELECTED_TO_IGNORED) {
        EXPECT_EQ(ignoredSelected, sendBefore);
        EXPECT_EQ(sendSelected, 0u);
      } else if (button == IDC_SELECTED_TO_SEND) {
        EXPECT_EQ(sendSelected, ignoredBefore);
        EXPECT_EQ(ignoredSelected, 0u);
      } else {
        EXPECT_EQ(sendSelected | ignoredSelected, 0u);
      }
      EXPECT_EQ(ui.Enabled(IDC_ALL_TO_IGNORED), !send.empty());
      EXPECT_EQ(ui.Enabled(IDC_ALL_TO_SEND), !ignored.empty());
      EXPECT_EQ(ui.Enabled(IDC_SELECTED_TO_IGNORED), sendSelected != 0);
      EXPECT_EQ(ui.Enabled(IDC_SELECTED_TO_SEND), ignoredSelected != 0);
    }
  });
}

TEST(EditorBitList, TheHighestBitIsListedWithItsMaskValueAndAnEmptyMaskListsNothing) {
  auto net = LoadTestNetwork(R"({ "master": {
    "setup": { "motionController": 1, "errorBits": ["Bus"] },
    "slaves": [ { "axisId": 1, "setup": { "errorMask": "0x80000001", "variables": ["MER_MASK"] }, "motion": null },
                { "axisId": 2, "setup": { "errorMask": 0, "variables": ["MER_MASK"] }, "motion": null } ] } })");
  CString text;
  CEditorDlg dlg(net->GetMasterSetup(), net->GetMasterMotion(), text, nullptr);
  dlg.m_data.m_type = SendErrorMask;
  dlg.m_data.m_slave = 0;
  dlg.m_data.ResolveSlave();
  dlg.m_data.m_errorMask = 0x80000000;
  CDialogRobot robot;
  robot.Run([&dlg] { return dlg.DoModal(); }, [](CDialogRobot& ui) {
    EXPECT_EQ(ui.ListItems(IDC_SEND_BITS), (std::vector<std::string>{"Bit 31: Reserved"}));
    EXPECT_EQ(static_cast<uint32_t>(::SendMessageA(ui.Item(IDC_SEND_BITS), LB_GETITEMDATA, 0, 0)), 0x80000000u);
    EXPECT_EQ(ui.ListItems(IDC_IGNORED_BITS), (std::vector<std::string>{"Bit 0: Bus"}));
    ui.Choose(IDC_SLAVE, "2");
    EXPECT_EQ(ui.RadioStates(Radios()), "0100");
    EXPECT_TRUE(ui.ListItems(IDC_SEND_BITS).empty());
    EXPECT_TRUE(ui.ListItems(IDC_IGNORED_BITS).empty());
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "0000");
  });
}

namespace {
WNDPROC g_listProc = nullptr;
// A list box that has no room for the item of bit 2.
LRESULT CALLBACK RefusingListProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == LB_ADDSTRING && std::strncmp(reinterpret_cast<const char*>(lParam), "Bit 2:", 6) == 0) return LB_ERRSPACE;
  return ::CallWindowProcA(g_listProc, hWnd, message, wParam, lParam);
}
}  // namespace

// A bit whose string a list refuses is left out of that list, but not out of the element: the
// list only shows the masks, and the bit keeps its side until a move names it.
TEST_F(EditorTest, ABitTheListRefusesIsLeftOutOfTheListButStaysInTheMask) {
  const struct {
    int refusingList;
    std::vector<int> ignoredShown;  // after "<<" and ">" on the third item of the send list
    uint32_t errorMask, ignoredMask;
  } cases[] = {
      {IDC_SEND_BITS, {3}, 0xF7, 0x08},  // bit 2 never listed, so never moved: still sent
      {IDC_IGNORED_BITS, {}, 0xFB, 0x04},  // bit 2 moved, into a list that refuses to show it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refusingList);
    Element(SendErrorMask, 0);  // A: bits 0 to 7
    m_dlg.m_data.m_errorMask = 0x01;
    m_dlg.m_sendSelection = m_dlg.m_ignoredSelection = 0;
    CDialogRobot robot;
    INT_PTR result = RunDialog(m_dlg, robot, [&c](CDialogRobot& ui) {
      HWND hList = ui.Item(c.refusingList);
      g_listProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingListProc)));
      ui.SelectItems(IDC_SEND_BITS, {});  // an exchange, after which "<<" follows its list
      ui.Click(IDC_ALL_TO_SEND);
      // Item data stay with their items although one item may be missing.
      ui.SelectItems(IDC_SEND_BITS, {2});
      ui.Click(IDC_SELECTED_TO_IGNORED);
      EXPECT_EQ(BitsShown(ui, IDC_IGNORED_BITS), c.ignoredShown);
      ::SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listProc));
      ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_dlg.m_data.m_errorMask, c.errorMask);
    EXPECT_EQ(m_dlg.m_ignoredMask, c.ignoredMask);
  }
}

// The network's UTF-8 names reach the editor in the process's ANSI code page (1252 under the
// test's Wine), the same characters the user sees and types.
TEST_F(EditorTest, GermanNamesAreShownAsTheCharactersTheyAre) {
  std::unique_ptr<CMC_DriveNetwork> net = LoadTestNetwork(R"({ "master": { "setup": { "motionController": 1, "errorBits": ["Überstrom"] }, "slaves": [
    { "axisId": 1, "setup": { "errorMask": "0x1", "variables": ["MER_MASK"] },
      "motion": { "functions": ["Übergabe"] } } ] } })");
  CString text("Type=2;Slave=0;Function=\"\xDC" "bergabe\";");
  CEditorDlg dlg(net->GetMasterSetup(), net->GetMasterMotion(), text, nullptr);
  CDialogRobot robot;
  INT_PTR result = robot.Run([&dlg] { return dlg.DoModal(); }, [](CDialogRobot& ui) {
    EXPECT_EQ(ui.ComboItems(IDC_FUNCTION), (std::vector<std::string>{"\xDC" "bergabe"}));
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "\xDC" "bergabe");
    ui.Click(IDC_SEND_ERROR_MASK);
    ui.Click(IDC_ALL_TO_SEND);
    EXPECT_EQ(ui.ListItems(IDC_SEND_BITS), (std::vector<std::string>{"Bit 0: \xDC" "berstrom"}));
    ui.Click(IDC_CALL_FUNCTION);
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  CString errors;
  CInternalData readBack(net->GetMasterSetup(), net->GetMasterMotion());
  EXPECT_TRUE(readBack.ReadParameters(text, errors)) << errors;
  EXPECT_STREQ(readBack.m_functionName, "\xDC" "bergabe");
}
