// uirobot: works another process's dialog the way a user does, for the command-line tests and
// the screenshots. Steps run in order; the first that fails ends the run with status 1. A control
// ID is a name of res/resource.h (IDC_SLAVE), IDOK or IDCANCEL, or a number.
//   wait CAPTION       wait (up to 30 s) for a top-level window with this caption
//   click ID           click a button (refused when disabled) and wait for its handler
//   press ID           click a button without waiting (its handler may show a message box)
//   choose ID TEXT     choose the entry with this text in a combo box
//   type ID TEXT       replace the text of an edit or of a combo box's edit field
//   select ID I,J,...  select these items of a list box
//   print ID           print a control's text on a line of its own
//   box                wait (up to 30 s) for a message box of the window's process, print its
//                      text on a line of its own and close it with OK
//   key NAME           press a key (F1, TAB, RETURN, ESCAPE) on the control that has the focus;
//                      F1 through the system's input, the others posted
//   help               the caption's context-help mark on the window: WM_HELP, answered meanwhile
//   rect               print the window's rectangle as WxH+X+Y (for cropping a screenshot)
//   sleep MS           let the target repaint
//   gone               wait (up to 30 s) until the window has closed
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ControlActions.h"

namespace {
HWND g_hTarget = nullptr;
const DWORD kPatienceMs = 30000;

bool Fail(const char* pszWhat, const char* pszArg) {
  std::fprintf(stderr, "uirobot: %s %s\n", pszWhat, pszArg);
  return false;
}

LRESULT WINAPI Send(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(hWnd, message, wParam, lParam, SMTO_NORMAL, kPatienceMs, &result);
  return static_cast<LRESULT>(result);
}

// Across processes a hung target must not hang the robot.
const CControlActions kActions(&Send);

HWND Control(const char* pszID) {
  HWND h = ::GetDlgItem(g_hTarget, ControlID(pszID));
  if (h == nullptr) Fail("no control", pszID);
  else if (!::IsWindowEnabled(h)) {
    Fail("disabled control", pszID);
    h = nullptr;
  }
  return h;
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
  return kActions.Choose(h, pszText) || Fail("no entry", pszText);
}

bool Type(const char* pszID, const char* pszText) {
  HWND h = Control(pszID);
  if (h == nullptr) return false;
  kActions.Type(h, pszText);
  return true;
}

bool Select(const char* pszID, const char* pszItems) {
  HWND h = Control(pszID);
  if (h == nullptr) return false;
  std::vector<int> items;
  for (const char* p = pszItems; *p;) {
    items.push_back(std::atoi(p));
    p = std::strchr(p, ',');
    if (p == nullptr) break;
    ++p;
  }
  kActions.SelectItems(h, items);
  return true;
}

struct CMessageBoxSearch {
  DWORD nProcess;
  HWND hFound;
};

// A named CALLBACK, not a lambda: 32-bit Windows calls it with the stdcall convention.
BOOL CALLBACK FindMessageBoxOf(HWND hWnd, LPARAM lParam) {
  auto* p = reinterpret_cast<CMessageBoxSearch*>(lParam);
  DWORD nProcess = 0;
  ::GetWindowThreadProcessId(hWnd, &nProcess);
  if (nProcess != p->nProcess || !::IsWindowVisible(hWnd) || !IsMessageBox(hWnd)) return TRUE;
  p->hFound = hWnd;
  return FALSE;
}

HWND FindMessageBox(DWORD nProcess) {
  CMessageBoxSearch search = {nProcess, nullptr};
  ::EnumWindows(FindMessageBoxOf, reinterpret_cast<LPARAM>(&search));
  return search.hFound;
}

bool Box() {
  DWORD nProcess = 0;
  ::GetWindowThreadProcessId(g_hTarget, &nProcess);
  for (DWORD waited = 0; waited < kPatienceMs; waited += 100) {
    if (HWND hBox = FindMessageBox(nProcess)) {
      std::printf("%s\n", MessageBoxText(hBox).c_str());
      std::fflush(stdout);
      CloseMessageBox(hBox);
      for (; waited < kPatienceMs && ::IsWindow(hBox); waited += 100) ::Sleep(100);
      return !::IsWindow(hBox) || Fail("message box still open", "");
    }
    ::Sleep(100);
  }
  return Fail("no message box", "");
}

bool Print(const char* pszID) {
  HWND h = ::GetDlgItem(g_hTarget, ControlID(pszID));
  if (h == nullptr) return Fail("no control", pszID);
  std::printf("%s\n", WindowText(h).c_str());
  std::fflush(stdout);
  return true;
}

// F1 as the keyboard gives it, through the system's input: the system makes its WM_HELP, which a
// posted key would not have.
bool RealKey(UINT vk) {
  ::SetForegroundWindow(g_hTarget);
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(vk);
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  if (::SendInput(2, inputs, sizeof(INPUT)) != 2) return Fail("input refused for key", "F1");
  return true;
}

bool Key(const char* pszName) {
  static const struct {
    const char* pszName;
    UINT vk;
  } kKeys[] = {{"F1", VK_F1}, {"TAB", VK_TAB}, {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}};
  for (const auto& key : kKeys) {
    if (std::strcmp(key.pszName, pszName) != 0) continue;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    HWND hFocus = g_hTarget;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(g_hTarget, nullptr), &info) && info.hwndFocus != nullptr)
      hFocus = info.hwndFocus;
    if (key.vk == VK_F1) return RealKey(key.vk);
    // Posted, as the keyboard's messages are: the target's modal loop takes them.
    ::PostMessageA(hFocus, WM_KEYDOWN, key.vk, 1);
    ::PostMessageA(hFocus, WM_KEYUP, key.vk, static_cast<LPARAM>(0xC0000001u));
    return true;
  }
  return Fail("unknown key", pszName);
}

// A named WINAPI function, not a lambda: 32-bit Windows starts threads with stdcall.
DWORD WINAPI SendHelp(LPVOID pTarget) {
  HWND hTarget = static_cast<HWND>(pTarget);
  HELPINFO info = {};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_WINDOW;
  info.hItemHandle = hTarget;
  Send(hTarget, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  return 0;
}

// WM_HELP carries a pointer and cannot be posted; it is sent from a thread of its own, since what
// it shows may be modal.
bool Help() {
  // The window travels with the thread: the next step may be waiting for another one already.
  HANDLE thread = ::CreateThread(nullptr, 0, SendHelp, g_hTarget, 0, nullptr);
  if (thread == nullptr) return Fail("no thread for", "help");
  ::CloseHandle(thread);
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
      if (h != nullptr && step == "click") kActions.Click(h);
      if (h != nullptr && step == "press") ::PostMessageA(h, BM_CLICK, 0, 0);
      ok = h != nullptr;
      i += 1;
    } else if (step == "print") ok = Print(arg(1)), i += 1; else if (step == "choose") ok = Choose(arg(1), arg(2)), i += 2;
    else if (step == "type") ok = Type(arg(1), arg(2)), i += 2;
    else if (step == "select") ok = Select(arg(1), arg(2)), i += 2;
    else if (step == "box") ok = Box();
    else if (step == "key") ok = Key(arg(1)), i += 1;
    else if (step == "help") ok = Help();
    else if (step == "rect") ok = Rect();
    else if (step == "sleep") ok = (::Sleep(static_cast<DWORD>(std::atoi(arg(1)))), true), i += 1;
    else if (step == "gone") ok = Gone();
    else ok = Fail("unknown step", step.c_str());
    if (!ok) return 1;
  }
  return 0;
}
