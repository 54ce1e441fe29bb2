// Module states and the resource chain. Each module that links the platform owns a module
// state; the one current on a thread decides where resources are looked up.
#pragma once

#include "afxwindows.h"

#include "afxver.h"

class CWinApp;
class CDynLinkLibrary;

class AFX_API AFX_MODULE_STATE {
public:
  explicit AFX_MODULE_STATE(BOOL bDLL);
  ~AFX_MODULE_STATE();
  AFX_MODULE_STATE(const AFX_MODULE_STATE&) = delete;
  AFX_MODULE_STATE& operator=(const AFX_MODULE_STATE&) = delete;

  CWinApp* m_pCurrentWinApp = nullptr;
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  HINSTANCE m_hCurrentResourceHandle = nullptr;
  LPCSTR m_lpszCurrentAppName = nullptr;
  BOOL m_bDLL;
  // A system module's own resources are searched after the non-system records of its chain.
  BOOL m_bSystem = FALSE;
  BOOL m_bWinInitialised = FALSE;
  // The resource chain, searched from the head after the state's own resource handle; a record
  // joins at the head, so the module loaded last is searched first.
  CDynLinkLibrary* m_pFirstLibrary = nullptr;
  AFX_MODULE_STATE* m_pNextState = nullptr;  // registry of live states
  // Threads whose platform data a module's own thread-end step (AfxTermThread with its instance)
  // ended while this state was current.
  LONG m_nThreadsTerminated = 0;
};

// The window library's state of one thread.
class AFX_API _AFX_THREAD_STATE {
public:
  // The window whose UpdateData runs on this thread: notifications from its controls are ignored
  // meanwhile, so that an exchange that sets a control does not run that control's handler.
  HWND m_hLockoutNotifyWindow = nullptr;
  // How often a window called UpdateData for itself inside its own exchange on this thread: a
  // fault that a debug build of the shared library asserts on (an extra, for the tests).
  LONG m_nLockoutReentries = 0;
};

AFX_API _AFX_THREAD_STATE* AfxGetThreadState();

// The state current on this thread; the process's application state when none was set.
AFX_API AFX_MODULE_STATE* AfxGetModuleState();
// Makes pNewState current on this thread and returns the state that was current.
AFX_API AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState);
// The live module state whose instance handle is hInstance, or null.
AFX_API AFX_MODULE_STATE* AfxFindModuleState(HINSTANCE hInstance);

// Switches to a module state for the life of the object and restores the caller's after it.
class AFX_MAINTAIN_STATE {
public:
  explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE* pNewState) : m_pPrevState(AfxSetModuleState(pNewState)) {}
  ~AFX_MAINTAIN_STATE() { AfxSetModuleState(m_pPrevState); }
  AFX_MAINTAIN_STATE(const AFX_MAINTAIN_STATE&) = delete;
  AFX_MAINTAIN_STATE& operator=(const AFX_MAINTAIN_STATE&) = delete;

private:
  AFX_MODULE_STATE* m_pPrevState;
};

// In a module DLL: the module's own state (the DLL's start-up, platformdll, defines it).
AFX_MODULE_STATE* AfxGetStaticModuleState();

AFX_API CWinApp* AfxGetApp();
// The module that holds the resource, searched in the current state: its own resource handle
// unless the state is a system one, the chain's non-system records, then the state's own handle
// if it is a system one, then the chain's system records. Null when none holds it.
AFX_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// The module that holds string nID, searched in the same order.
AFX_API HINSTANCE AfxFindStringResourceHandle(UINT nID);
