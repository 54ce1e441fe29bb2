// How quickly the editor opens and closes, the way the host calls it: the time from the
// EditMotionSequence call until the dialog is ready for input (shown, painted, and its modal loop
// idle for the first time after WM_INITDIALOG), and from OK until the export returns. Median of
// 20 runs after a warm-up, for the built-in network and for one of 26 slaves, each with 32
// described error bits and 255 functions. Figures only; nothing here passes or fails.
//
// Idle is seen from inside the loop: once the dialog exists, a helper thread posts a marker
// message to the dialog's thread about every millisecond, and a message hook takes the first
// marker that the modal loop retrieves with the dialog visible and nothing else waiting.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ElementExports.h"
#include "ElementModule.h"
#include "MC_DriveNetwork.h"
#include "afxwindows.h"

namespace {
const int kRuns = 20;
const UINT kMarker = WM_APP + 0x2A;

struct Timing {
  LARGE_INTEGER start, ready, ok, end;
};

class CEditorTimer {
public:
  // Runs the export once on text, pressing OK as soon as the dialog is ready.
  bool Run(PFN_EditMotionSequence pfnEdit, CMC_DriveNetwork& network, const char* pszText, Timing& timing) {
    s_pTimer = this;
    m_hDialog = nullptr;
    m_created = false;
    m_ready = false;
    m_timing = &timing;
    m_thread = ::GetCurrentThreadId();
    HHOOK hInit = ::SetWindowsHookExA(WH_CBT, &CEditorTimer::OnCbt, nullptr, m_thread);
    HHOOK hGet = ::SetWindowsHookExA(WH_GETMESSAGE, &CEditorTimer::OnGetMessage, nullptr, m_thread);
    HANDLE hPoster = ::CreateThread(nullptr, 0, &CEditorTimer::Poster, this, 0, nullptr);
    CString text(pszText);
    ::QueryPerformanceCounter(&timing.start);
    int result = pfnEdit(&network.GetMasterSetup(), &network.GetMasterMotion(), &text);
    ::QueryPerformanceCounter(&timing.end);
    m_stop = true;
    ::WaitForSingleObject(hPoster, INFINITE);
    ::CloseHandle(hPoster);
    m_stop = false;
    ::UnhookWindowsHookEx(hGet);
    ::UnhookWindowsHookEx(hInit);
    // Markers posted after the dialog closed.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, kMarker, kMarker, PM_REMOVE)) {
    }
    s_pTimer = nullptr;
    return result == 1 && m_ready;
  }

private:
  static DWORD WINAPI Poster(LPVOID pParam) {
    auto* self = static_cast<CEditorTimer*>(pParam);
    while (!self->m_stop) {
      if (self->m_created && !self->m_ready) ::PostThreadMessageA(self->m_thread, kMarker, 0, 0);
      ::Sleep(1);
    }
    return 0;
  }

  // The dialog's window as it is created. Markers are taken from the queue only by the modal
  // loop, which runs after WM_INITDIALOG; a hook on every sent message would slow what it times.
  static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND && s_pTimer != nullptr && s_pTimer->m_hDialog == nullptr) {
      char cls[16] = "";
      ::GetClassNameA(reinterpret_cast<HWND>(wParam), cls, sizeof cls);
      if (std::string(cls) == "#32770") {
        s_pTimer->m_hDialog = reinterpret_cast<HWND>(wParam);
        s_pTimer->m_created = true;
      }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
  }

  static LRESULT CALLBACK OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && s_pTimer != nullptr && msg->message == kMarker) s_pTimer->OnMarker();
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
  }

  void OnMarker() {
    if (m_ready || m_hDialog == nullptr || !::IsWindowVisible(m_hDialog) || HIWORD(::GetQueueStatus(QS_ALLINPUT)) != 0)
      return;
    ::QueryPerformanceCounter(&m_timing->ready);
    m_ready = true;
    ::QueryPerformanceCounter(&m_timing->ok);
    ::PostMessageA(m_hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(m_hDialog, IDOK)));
  }

  static CEditorTimer* s_pTimer;
  HWND m_hDialog = nullptr;
  DWORD m_thread = 0;
  volatile bool m_created = false;
  volatile bool m_ready = false;
  volatile bool m_stop = false;
  Timing* m_timing = nullptr;
};
CEditorTimer* CEditorTimer::s_pTimer = nullptr;

// 26 slaves, each a drive with 32 described error bits, the variable MER_MASK and a program of
// 255 functions.
std::string LargeNetworkJson() {
  std::string bits, functions;
  for (int i = 0; i < 32; ++i) bits += (i ? ", \"" : "\"") + std::string("Error register bit ") + std::to_string(i) + "\"";
  for (int i = 0; i < 255; ++i) functions += (i ? ", \"" : "\"") + std::string("Function") + std::to_string(i) + "\"";
  std::string slave = "{ \"axisId\": %d, \"setup\": { \"errorMask\": \"0xFFFFFFFF\", \"errorBits\": [" + bits +
                      "], \"variables\": [\"MER_MASK\"] }, \"motion\": { \"functions\": [" + functions + "] } }";
  std::string json = "{ \"master\": { \"setup\": { \"motionController\": 1, \"loopPeriodMs\": 1, \"errorMask\": \"0xFFFFFFFF\", "
                     "\"errorBits\": [" + bits + "], \"variables\": [\"MER_MASK\"] }, \"motion\": { \"functions\": [] }, "
                     "\"slaves\": [";
  for (int i = 0; i < CMC_DriveNetwork::kMaxSlaves; ++i) {
    std::string one = slave;
    one.replace(one.find("%d"), 2, std::to_string(i + 1));
    json += (i ? ", " : "") + one;
  }
  return json + "] } }";
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool Measure(PFN_EditMotionSequence pfnEdit, CMC_DriveNetwork& network, const char* pszNetwork, const char* pszText) {
  CEditorTimer timer;
  Timing timing;
  if (!timer.Run(pfnEdit, network, pszText, timing)) {  // warm-up: classes, fonts, first allocations
    std::printf("  %-22s %-42s the dialog did not come up ready\n", pszNetwork, pszText);
    return false;
  }
  std::vector<double> open, close;
  for (int i = 0; i < kRuns; ++i) {
    if (!timer.Run(pfnEdit, network, pszText, timing)) return false;
    open.push_back(Milliseconds(timing.start, timing.ready));
    close.push_back(Milliseconds(timing.ok, timing.end));
  }
  std::printf("  %-22s %-42s %7.2f ms %7.2f ms   (open %.2f to %.2f, OK %.2f to %.2f)\n", pszNetwork, pszText, Median(open),
              Median(close), *std::min_element(open.begin(), open.end()), *std::max_element(open.begin(), open.end()),
              *std::min_element(close.begin(), close.end()), *std::max_element(close.begin(), close.end()));
  return true;
}
}  // namespace

int main() {
  CElementModule module;
  CString error;
  PFN_EditMotionSequence pfnEdit = nullptr;
  if (!module.Load(CElementModule::GetDefaultPath(), error) || !module.Resolve("EditMotionSequence", pfnEdit, error)) {
    std::fprintf(stderr, "editor_bench: %s\n", error.GetString());
    return 2;
  }
  std::unique_ptr<CMC_DriveNetwork> builtIn = CMC_DriveNetwork::LoadDefault();
  std::unique_ptr<CMC_DriveNetwork> large = CMC_DriveNetwork::LoadText(LargeNetworkJson().c_str(), "large network", error);
  if (!builtIn || !large) {
    std::fprintf(stderr, "editor_bench: %s\n", error.GetString());
    return 2;
  }
  std::printf("EditMotionSequence, median of %d runs: call to ready for input, OK to return\n", kRuns);
  bool ok = Measure(pfnEdit, *builtIn, "built-in network", "Type=0;ATIME=5[s];") &&
            Measure(pfnEdit, *builtIn, "built-in network", "Type=2;Slave=1;Function=\"F11\";Wait=1;") &&
            Measure(pfnEdit, *large, "26 x 32 bits, 255 fns", "Type=1;Slave=25;MER_MASK=0xFFFF;") &&
            Measure(pfnEdit, *large, "26 x 32 bits, 255 fns", "Type=2;Slave=25;Function=\"Function254\";Wait=1;");
  return ok ? 0 : 1;
}
