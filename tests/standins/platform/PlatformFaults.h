// What the platform's fault tests share: the exceptions a handler may throw, an application
// that records the message boxes it is asked for instead of showing them, and a dialog on the
// tests' own templates whose exchange, initialisation and button run what a test gives them.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "PlatformTestResource.h"
#include "afxwin.h"

// An exception of no kind the platform knows, on the heap as such exceptions are.
class CTestFailure : public CException {
public:
  ~CTestFailure() override { ++s_nDeleted; }
  static inline int s_nDeleted = 0;
};

enum class Thrown { nothing, user, memory, other };

inline void Throw(Thrown kind) {
  switch (kind) {
    case Thrown::user: AfxThrowUserException();
    case Thrown::memory: AfxThrowMemoryException();
    case Thrown::other: throw static_cast<CException*>(new CTestFailure);
    case Thrown::nothing: break;
  }
}

inline CException* Caught(Thrown kind) {
  try {
    Throw(kind);
  } catch (CException* e) {
    return e;
  }
  return nullptr;
}

struct CRecordedBox {
  std::string prompt;
  UINT nType;
  bool operator==(const CRecordedBox& other) const { return prompt == other.prompt && nType == other.nType; }
};

inline void PrintTo(const CRecordedBox& box, std::ostream* os) { *os << '"' << box.prompt << "\" type 0x" << std::hex << box.nType; }

class CBoxRecordingApp : public CWinApp {
public:
  CBoxRecordingApp() : CWinApp("Recording") {}
  std::vector<CRecordedBox> m_boxes;

  int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) override {
    m_boxes.push_back({lpszPrompt, nType});
    return IDOK;
  }
};

// The platform's own wording of its reports.
constexpr const char* kOutOfMemory = "Out of memory.";
constexpr const char* kInternalFailure = "Internal application error.";
constexpr const char* kCommandFailure = "Command failed.";
constexpr const char* kNoErrorAvailable = "No error message is available.";

class CTestDialog : public CDialog {
public:
  explicit CTestDialog(UINT nIDTemplate = IDD_TEST_PLAIN, CWnd* pParent = nullptr) : CDialog(nIDTemplate, pParent) {}
  std::function<void()> m_onExchange, m_onInit, m_onAct;
  int m_acts = 0;
  // Where the dialog stood when its OnInitDialog ended (or threw).
  RECT m_rectAfterInit = {};

  BOOL OnInitDialog() override;

protected:
  void DoDataExchange(CDataExchange*) override;
  void OnAct();
  DECLARE_MESSAGE_MAP()
};
