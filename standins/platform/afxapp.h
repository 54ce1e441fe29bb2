// The application object and module-level initialisation of the window library.
#pragma once

#include "afxmsgmap.h"
#include "afxstate.h"
#include "afxstr.h"

class CException;
class CWnd;

class AFX_API CWinApp : public CCmdTarget {
public:
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // AfxMessageBox's box: captioned with m_pszAppName, owned by the application's active window,
  // with nIDPrompt as the help context while it is up (0 keeps the one there is).
  virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
  // An exception that left a handler of pMsg: reported (a memory exception as such, a user
  // exception not at all, which has told the user already) and the message's answer returned,
  // TRUE for WM_COMMAND as if handled, else 0. The caller deletes the exception.
  virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

  HINSTANCE m_hInstance = nullptr;
  // The constructor's name; else, from AfxWinInit on, the string AFX_IDS_APP_TITLE of the
  // application's module, else that module's file name without its extension.
  LPCSTR m_pszAppName;
  // The owner of dialogs built without a parent; null when the application has no main window.
  CWnd* m_pMainWnd = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = 0;
  AFX_MODULE_STATE* m_pModuleState;
  // Help context of the message box on screen, for the host's F1 help; 0 when none is up.
  DWORD m_dwPromptContext = 0;

  DECLARE_MESSAGE_MAP()

private:
  friend AFX_API BOOL AfxWinInit(HINSTANCE, HINSTANCE, LPSTR, int);
  void SetDefaultAppName();
  CString m_strAppName;
};

// An exception that left a handler of pMsg: the current application's ProcessWndProcException;
// without an application nothing is shown and the message fails (WM_CREATE -1, others 0).
AFX_API LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg);
AFX_API LRESULT AfxInternalProcessWndProcException(CException* e, const MSG* pMsg);

// Core initialisation of the current module state: the platform's own resources join its chain
// as a system record. FALSE when there was no memory for the record.
AFX_API BOOL AfxCoreInitModule();
// Window-library initialisation and termination for the current module state.
AFX_API BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
AFX_API void AfxWinTerm();

// Temporary objects (wrappers the platform makes for foreign handles) live per thread until the
// temporary maps are unlocked at idle time, at thread end or at a module's unload.
typedef void (*AFX_PFN_DELETE_TEMP)(void* p);
AFX_API void AfxAddTempObject(void* p, AFX_PFN_DELETE_TEMP pfnDelete);
AFX_API void AfxLockTempMaps();
AFX_API BOOL AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);
AFX_API std::size_t AfxGetTempObjectCount();
// Ends the platform's per-thread data of the calling thread. A module's own step passes its
// instance and is counted in the current state's m_nThreadsTerminated.
AFX_API void AfxTermThread(HINSTANCE hInstTerm = nullptr);
