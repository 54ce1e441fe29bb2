// The editing export: the modal editor on the element's parameter text.
#include "EditorDlg.h"
#include "ElementExports.h"

int EditMotionSequence(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText) {
  if (pSetup == nullptr || pMotion == nullptr || pText == nullptr) return 0;
  CEditorDlg dialog(*pSetup, *pMotion, *pText, nullptr);
  return dialog.DoModal() == IDOK ? 1 : 0;
}
