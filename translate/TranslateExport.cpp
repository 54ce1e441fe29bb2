// The translation export: parameter text in, motion-program lines or error lines out.
#include "ElementKeys.h"
#include "ElementExports.h"
#include "InternalData.h"

namespace {
int Translate(CMC_Setup& setup, CMC_Motion& motion, CString& text, CString& out) {
  CInternalData data(setup, motion);
  CString errors;
  // Emptied but kept: a caller that passes the same out again has room for the lines already.
  out.Truncate(0);
  int result = data.ReadParameters(text, errors);
  if (result) {
    data.GenerateCode(out);
    // Valid parameters give no lines only when the host's program lost the function it found
    // while validating: that element is not translated either.
    if (out.IsEmpty()) {
      errors = InvalidValueLine(kKeyFunction);
      result = 0;
    }
  }
  if (!result) out = errors;
  return result;
}
}  // namespace

int TranslateMotionSequence(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText, CString* pOut) {
  if (pOut == nullptr) return 0;
  if (pSetup == nullptr || pMotion == nullptr || pText == nullptr) {
    pOut->Empty();
    return 0;
  }
  if (pText != pOut) return Translate(*pSetup, *pMotion, *pText, *pOut);
  // One string as text and out: out is emptied before the text is read, so the text is read
  // from a copy (which shares its buffer).
  CString text(*pText);
  return Translate(*pSetup, *pMotion, text, *pOut);
}
