// Extension modules: the records by which a DLL's resources join a module state's chain.
#pragma once

#include "afxmsgmap.h"
#include "afxstate.h"

struct AFX_EXTENSION_MODULE {
  BOOL bInitialized;
  HMODULE hModule;
  HMODULE hResource;
};

AFX_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the module's records from the current state's chain; bAll removes every record of
// the chain, those of the other modules too.
AFX_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// One link of a module state's resource chain; it joins the state current at construction.
class AFX_API CDynLinkLibrary : public CCmdTarget {
public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
  ~CDynLinkLibrary() override;

  HMODULE m_hModule;
  HMODULE m_hResource;
  // A system record (the platform's own) is searched after every non-system one.
  BOOL m_bSystem;
  CDynLinkLibrary* m_pNextDLL = nullptr;
  AFX_MODULE_STATE* m_pModuleState;

private:
  void Link();
};
