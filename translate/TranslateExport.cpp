// The translation export: parameter text in, motion-program lines or error lines out.
#include "Exports.h"
#include "InternalData.h"

int TranslateMotionSequence(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText, CString* pOut) {
  if (pOut == nullptr) return 0;
  if (pSetup == nullptr || pMotion == nullptr || pText == nullptr) {
    pOut->Empty();
    return 0;
  }
  CInternalData data(*pSetup, *pMotion);
  CString errors;
  pOut->Empty();
  int result;
  if (data.ReadParameters(*pText, errors)) {
    *pOut = data.GenerateCode();
    result = 1;
  } else {
    *pOut = errors;
    result = 0;
  }
  return result;
}
