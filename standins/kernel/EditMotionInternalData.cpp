#include "MC_EditMotionInternalData.h"

CMC_EditMotionInternalData::CMC_EditMotionInternalData(CMC_Setup& setup, CMC_Motion& motion)
    : m_setup(setup), m_motion(motion) {}

CMC_EditMotionInternalData::~CMC_EditMotionInternalData() = default;

int CMC_EditMotionInternalData::ReadParameters(CString&, CString& errors) {
  errors.Empty();
  return 1;
}

void CMC_EditMotionInternalData::WriteParameters(CString&) {}
