#include "MC_EditMotionInternalData.h"
#include "ThreadTexts.h"

CMC_EditMotionInternalData::CMC_EditMotionInternalData(CMC_Setup& setup, CMC_Motion& motion)
    : m_setup(setup), m_motion(motion) {}

// The index of this element's text is the kernel's, lent by the thread that read it.
CMC_EditMotionInternalData::~CMC_EditMotionInternalData() {
  if (MC_THREAD_TEXTS* pTexts = MC_FindThreadTexts()) pTexts->indexes.Release(this);
}

int CMC_EditMotionInternalData::ReadParameters(CString&, CString& errors) {
  errors.Empty();
  return 1;
}

void CMC_EditMotionInternalData::WriteParameters(CString&) {}
