// The export that gives the host the parameter text of a new element.
#include "ElementExports.h"
#include "InternalData.h"

void GetDefaultParameters(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pOut) {
  if (pOut == nullptr) return;
  if (pSetup == nullptr || pMotion == nullptr) {
    pOut->Empty();
    return;
  }
  CInternalData data(*pSetup, *pMotion);
  *pOut = data.BuildDefaultParameters();
}
