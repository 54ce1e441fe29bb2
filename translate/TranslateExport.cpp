// The translation export: parameter text in, motion-program lines or error lines out.
#include "ElementKeys.h"
#include "ElementExports.h"
#include "InternalData.h"

int TranslateMotionSequence(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText, CString* pOut) {
  if (pOut == nullptr) return 0;
  if (pSetup == nullptr || pMotion == nullptr || pText == nullptr) {
    pOut->Empty();
    return 0;
  }
  CInternalData data(*pSetup, *pMotion);
  CString errors;
  // A host may pass one string as text and out: the text is then read from a copy (sharing its
  // buffer), since out is emptied before the text is read.
  CString ownText;
  if (pText == pOut) {
    ownText = *pText;
    pText = &ownText;
  }
  // Emptied but kept: a caller that passes the same out again has room for the lines already.
  pOut->Truncate(0);
  int result = data.ReadParameters(*pText, errors);
  if (result) {
    data.GenerateCode(*pOut);
    // Valid parameters give no lines only when the host's program lost the function it found
    // while validating: that element is not translated either.
    if (pOut->IsEmpty()) {
      errors = InvalidValueLine(kKeyFunction);
      result = 0;
    }
  }
  if (!result) *pOut = errors;
  return result;
}
