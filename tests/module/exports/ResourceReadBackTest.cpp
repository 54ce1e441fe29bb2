// The compiled resources read back from the built module and compared with the tables they
// implement; the resource compiler's own defaults only show up here.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ElementModule.h"
#include "ModuleVersion.h"
#include "afxres.h"
#include "resource.h"

namespace {
struct Bytes {
  const BYTE* p = nullptr;
  DWORD size = 0;
};

Bytes LoadResourceBytes(HMODULE h, LPCSTR name, LPCSTR type, WORD lang = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)) {
  HRSRC r = ::FindResourceExA(h, type, name, lang);
  if (r == nullptr) return {};
  return {static_cast<const BYTE*>(::LockResource(::LoadResource(h, r))), ::SizeofResource(h, r)};
}

// Reads an extended dialog template field by field.
class CTemplateReader {
public:
  explicit CTemplateReader(const BYTE* p) : m_p(p) {}
  WORD Word() { return Take<WORD>(); }
  DWORD DWord() { return Take<DWORD>(); }
  short Short() { return Take<short>(); }
  BYTE Byte() { return Take<BYTE>(); }
  // A name or an ordinal; ordinals of the predefined classes come back as their names.
  std::string NameOrOrdinal() {
    WORD first = Word();
    if (first == 0) return "";
    if (first == 0xFFFF) {
      WORD ord = Word();
      switch (ord) {
        case 0x80: return "Button";
        case 0x81: return "Edit";
        case 0x82: return "Static";
        case 0x83: return "ListBox";
        case 0x84: return "ScrollBar";
        case 0x85: return "ComboBox";
        default: return "#" + std::to_string(ord);
      }
    }
    std::string s(1, static_cast<char>(first));
    while (WORD c = Word()) s += static_cast<char>(c);
    return s;
  }
  void AlignDWord() {
    while (reinterpret_cast<uintptr_t>(m_p) % 4) ++m_p;
  }

private:
  template <class T>
  T Take() {
    T v;
    std::memcpy(&v, m_p, sizeof v);
    m_p += sizeof v;
    return v;
  }
  const BYTE* m_p;
};

struct ExpectedControl {
  int id;
  const char* cls;
  const char* caption;
  DWORD style;
  short x, y, cx, cy;
};

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kList = kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT;
const ExpectedControl kControls[] = {
    {1000, "Button", "Initialize slaves.", kChild | BS_AUTORADIOBUTTON | WS_GROUP, 12, 14, 65, 10},
    {1001, "Button", "Send error register(MER) to master", kChild | BS_AUTORADIOBUTTON, 12, 58, 124, 10},
    {1002, "Button", "C&all function", kChild | BS_AUTORADIOBUTTON, 12, 164, 55, 10},
    {1003, "Button", "&Abort last function call", kChild | BS_AUTORADIOBUTTON, 12, 203, 85, 10},
    {1506, "Edit", "", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 229, 13, 55, 14},
    {1507, "ComboBox", "", kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 289, 13, 55, 58},
    {-1, "Button", "On slave", kChild | BS_GROUPBOX, 4, 40, 353, 178},
    {12002, "ComboBox", "", kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 44, 38, 24, 55},
    {-1, "Static", "Send when any of the following bits change:", kChild | SS_LEFT | WS_GROUP, 44, 71, 131, 17},
    {-1, "Static", "Don't send when these bits change:", kChild | SS_LEFT | WS_GROUP, 220, 77, 132, 11},
    {4009, "ListBox", "", kList, 44, 92, 132, 55},
    {4010, "Button", ">>", kChild | BS_PUSHBUTTON | WS_TABSTOP, 186, 92, 24, 9},
    {4011, "Button", ">", kChild | BS_PUSHBUTTON | WS_TABSTOP, 186, 107, 24, 9},
    {4012, "Button", "<<", kChild | BS_PUSHBUTTON | WS_TABSTOP, 186, 122, 24, 9},
    {4013, "Button", "<", kChild | BS_PUSHBUTTON | WS_TABSTOP, 186, 137, 24, 9},
    {4014, "ListBox", "", kList, 220, 92, 132, 55},
    {1015, "ComboBox", "", kChild | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 105, 163, 183, 152},
    {1023, "Button", "then wait until function is completed", kChild | BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP, 44, 181, 128, 10},
    {1, "Button", "OK", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 223, 50, 14},
    {2, "Button", "Cancel", kChild | BS_PUSHBUTTON | WS_TABSTOP, 155, 223, 50, 14},
    {57671, "Button", "Help", kChild | BS_PUSHBUTTON | WS_TABSTOP, 221, 223, 50, 14},
    {-1, "Static", "E&xit from the wait loop after a time equal with", kChild | SS_LEFT | WS_GROUP, 86, 15, 140, 8},
};

class Resources : public ::testing::Test {
protected:
  void SetUp() override {
    m_h = ::LoadLibraryExA(CElementModule::GetDefaultPath(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(m_h, nullptr);
  }
  void TearDown() override {
    if (m_h) ::FreeLibrary(m_h);
  }
  HMODULE m_h = nullptr;
};
}  // namespace

TEST_F(Resources, DialogTemplateMatchesTheEditorTable) {
  Bytes t = LoadResourceBytes(m_h, MAKEINTRESOURCEA(IDD_SLAVE_MANAGEMENT), RT_DIALOG);
  ASSERT_NE(t.p, nullptr) << "dialog 227 in language 1033";
  CTemplateReader r(t.p);
  EXPECT_EQ(r.Word(), 1);
  EXPECT_EQ(r.Word(), 0xFFFF) << "an extended template";
  EXPECT_EQ(r.DWord(), 0u) << "help ID";
  EXPECT_EQ(r.DWord(), 0u) << "extended style";
  EXPECT_EQ(r.DWord(), 0x80C820C0u) << "style";
  WORD count = r.Word();
  ASSERT_EQ(count, 22);
  EXPECT_EQ(r.Short(), 0);
  EXPECT_EQ(r.Short(), 0);
  EXPECT_EQ(r.Short(), 360);
  EXPECT_EQ(r.Short(), 244);
  EXPECT_EQ(r.NameOrOrdinal(), "") << "menu";
  EXPECT_EQ(r.NameOrOrdinal(), "") << "window class";
  EXPECT_EQ(r.NameOrOrdinal(), "Slave Management");
  EXPECT_EQ(r.Word(), 8) << "points";
  EXPECT_EQ(r.Word(), 0) << "weight";
  EXPECT_EQ(r.Byte(), 0) << "italic";
  EXPECT_EQ(r.Byte(), 0) << "character set";
  EXPECT_EQ(r.NameOrOrdinal(), "MS Sans Serif");
  for (const ExpectedControl& e : kControls) {
    SCOPED_TRACE(e.caption);
    r.AlignDWord();
    EXPECT_EQ(r.DWord(), 0u) << "help ID";
    EXPECT_EQ(r.DWord(), 0u) << "extended style";
    DWORD style = r.DWord();
    EXPECT_EQ(style, e.style) << std::hex << "differs in 0x" << (style ^ e.style);
    EXPECT_EQ(r.Short(), e.x);
    EXPECT_EQ(r.Short(), e.y);
    EXPECT_EQ(r.Short(), e.cx);
    EXPECT_EQ(r.Short(), e.cy);
    EXPECT_EQ(static_cast<int>(r.DWord()), e.id);
    EXPECT_EQ(r.NameOrOrdinal(), e.cls);
    EXPECT_EQ(r.NameOrOrdinal(), e.caption);
    EXPECT_EQ(r.Word(), 0) << "creation data";
  }
}

TEST_F(Resources, InitialisationDataAddsOneSpaceToTheSlaveList) {
  Bytes d = LoadResourceBytes(m_h, MAKEINTRESOURCEA(IDD_SLAVE_MANAGEMENT), RT_DLGINIT);
  ASSERT_NE(d.p, nullptr);
  const BYTE expected[] = {0xE2, 0x2E, 0x03, 0x04, 0x02, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00};
  ASSERT_EQ(d.size, sizeof expected);
  EXPECT_EQ(std::memcmp(d.p, expected, sizeof expected), 0);
}

TEST_F(Resources, ModuleIconIsA16By16SixteenColourBitmap) {
  Bytes b = LoadResourceBytes(m_h, "MODULEICON", RT_BITMAP);
  ASSERT_GE(b.size, sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER h;
  std::memcpy(&h, b.p, sizeof h);
  EXPECT_EQ(h.biWidth, 16);
  EXPECT_EQ(h.biHeight, 16);
  EXPECT_EQ(h.biBitCount, 4);
  EXPECT_TRUE(h.biClrUsed == 16 || h.biClrUsed == 0);
}

TEST_F(Resources, ManifestAsksForInvokerLevelAndDpiAwareness) {
  Bytes m = LoadResourceBytes(m_h, ISOLATIONAWARE_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  ASSERT_NE(m.p, nullptr);
  std::string text(reinterpret_cast<const char*>(m.p), m.size);
  EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(text.find("uiAccess=\"false\""), std::string::npos);
  EXPECT_NE(text.find(">true</dpiAware>"), std::string::npos);
}

// The version is the build's one (the project's in CMakeLists.txt, through ModuleVersion.h).
TEST(ModuleVersion, IsTheBuildsForUSEnglishUnicode) {
  const WORD version[] = {MC_VERSION_NUMBERS};
  const DWORD ms = static_cast<DWORD>(version[0]) << 16 | version[1], ls = static_cast<DWORD>(version[2]) << 16 | version[3];
  CString path = CElementModule::GetDefaultPath();
  DWORD handle = 0;
  DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwFileVersionMS, ms);
  EXPECT_EQ(fixed->dwFileVersionLS, ls);
  EXPECT_EQ(fixed->dwProductVersionMS, ms);
  EXPECT_EQ(fixed->dwProductVersionLS, ls);
  WORD* translation = nullptr;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &len));
  ASSERT_EQ(len, 4u) << "one language";
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 0x04B0);
  char* value = nullptr;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\FileVersion", reinterpret_cast<void**>(&value), &len));
  EXPECT_STREQ(value, MC_VERSION_TEXT);
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\ProductVersion", reinterpret_cast<void**>(&value), &len));
  EXPECT_STREQ(value, MC_VERSION_TEXT);
}
