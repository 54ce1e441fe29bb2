// uirobot: works another process's dialog the way a user does, for the command-line tests and
// the screenshots. Steps run in order; the first that fails ends the run with status 1.
//   wait CAPTION       wait (up to 30 s) for a top-level window with this caption
//   click ID           click a button (refused when disabled) and wait for its handler
//   press ID           click a button without waiting (its handler may show a message box)
//   choose ID TEXT     choose the entry with this text in a combo box
//   type ID TEXT       replace the text of an edit or of a combo box's edit field
//   select ID I,J,...  select these items of a list box
//   print ID           print a control's text on a line of its own
//   rect               print the window's rectangle as WxH+X+Y (for cropping a screenshot)
//   sleep MS           let the target repaint
//   gone               wait (up to 30 s) until the window has closed
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
HWND g_hTarget = nullptr;
const DWORD kPatienceMs = 30000;

bool Fail(const char* pszWhat, const char* pszArg) {
  std::fprintf(stderr, "uirobot: %s %s\n", pszWhat, pszArg);
  return false;
}

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(hWnd, message, wParam, lParam, SMTO_NORMAL, kPatienceMs, &result);
  return static_cast<LRESULT>(result);
}

HWND Control(const char* pszID) {
  HWND h = ::GetDlgItem(g_hTarget, std::atoi(pszID));
  if (h == nullptr) Fail("no control", pszID);
  else if (!::IsWindowEnabled(h)) {
    Fail("disabled control", pszID);
    h = nullptr;
  }
  return h;
}

void Notify(HWND hControl, WORD nCode) {
  Send(g_hTarget, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hControl), nCode), reinterpret_cast<LPARAM>(hControl));
}

bool Wait(const char* pszCaption) {
  for (DWORD waited = 0; waited < kPatienceMs; waited += 100) {
    g_hTarget = ::FindWindowA(nullptr, pszCaption);
    if (g_hTarget != nullptr && ::IsWindowVisible(g_hTarget)) return true;
    ::Sleep(100);
  }
  return Fail("no window", pszCaption);
}

bool Gone() {
  for (DWORD waited = 0; waited < kPatienceMs; waited += 100) {
    if (!::IsWindow(g_hTarget)) return true;
    ::Sleep(100);
  }
  return Fail("window still open", "");
}

bool Choose(const char* pszID, const char* pszText) {
  HWND h = Control(pszID);
  if (h == nullptr) return false;
  LRESULT nIndex = Send(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszText));
  if (nIndex < 0) return Fail("no entry", pszText);
  Send(h, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
  Notify(h, CBN_SELCHANGE);
  Notify(h, CBN_SELENDOK);
  return true;
}

bool Type(const char* pszID, const char* pszText) {
  HWND h = Control(pszID);
  if (h == nullptr) return false;
  if (HWND hEdit = ::FindWindowExA(h, nullptr, "Edit", nullptr)) h = hEdit;
  Send(h, EM_SETSEL, 0, -1);
  Send(h, WM_CHAR, VK_BACK, 0);
  for (const char* p = pszText; *p; ++p) Send(h, WM_CHAR, static_cast<unsigned char>(*p), 0);
  return true;
}

bool Select(const char* pszID, const char* pszItems) {
  HWND h = Control(pszID);
  if (h == nullptr) return false;
  Send(h, LB_SETSEL, FALSE, -1);
  for (const char* p = pszItems; *p;) {
    Send(h, LB_SETSEL, TRUE, std::atoi(p));
    p = std::strchr(p, ',');
    if (p == nullptr) break;
    ++p;
  }
  Notify(h, LBN_SELCHANGE);
  return true;
}

bool Print(const char* pszID) {
  HWND h = ::GetDlgItem(g_hTarget, std::atoi(pszID));
  if (h == nullptr) return Fail("no control", pszID);
  char text[1024] = "";
  ::GetWindowTextA(h, text, sizeof text);
  std::printf("%s\n", text);
  std::fflush(stdout);
  return true;
}

bool Rect() {
  RECT r;
  if (!::GetWindowRect(g_hTarget, &r)) return Fail("no rectangle", "");
  std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  std::fflush(stdout);
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string step = argv[i];
    auto arg = [&](int n) -> const char* { return i + n < argc ? argv[i + n] : ""; };
    bool ok = false;
    if (step == "wait") ok = Wait(arg(1)), i += 1;
    else if (g_hTarget == nullptr) ok = Fail("no window waited for before", step.c_str());
    else if (step == "click" || step == "press") {
      HWND h = Control(arg(1));
      if (h != nullptr && step == "click") Send(h, BM_CLICK, 0, 0);
      if (h != nullptr && step == "press") ::PostMessageA(h, BM_CLICK, 0, 0);
      ok = h != nullptr;
      i += 1;
    } else if (step == "print") ok = Print(arg(1)), i += 1; else if (step == "choose") ok = Choose(arg(1), arg(2)), i += 2;
    else if (step == "type") ok = Type(arg(1), arg(2)), i += 2;
    else if (step == "select") ok = Select(arg(1), arg(2)), i += 2;
    else if (step == "rect") ok = Rect();
    else if (step == "sleep") ok = (::Sleep(static_cast<DWORD>(std::atoi(arg(1)))), true), i += 1;
    else if (step == "gone") ok = Gone();
    else ok = Fail("unknown step", step.c_str());
    if (!ok) return 1;
  }
  return 0;
}
