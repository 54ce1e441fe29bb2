// Base of every element's data: keeps the setup and motion program of the drive being
// programmed, and offers the parameter-text operations.
#pragma once

#include <cstdint>

#include "mckernel.h"

class CMC_Setup;
class CMC_Motion;

class MCK_API CMC_EditMotionInternalData {
public:
  CMC_EditMotionInternalData(CMC_Setup& setup, CMC_Motion& motion);
  virtual ~CMC_EditMotionInternalData();
  CMC_EditMotionInternalData(const CMC_EditMotionInternalData&) = delete;
  CMC_EditMotionInternalData& operator=(const CMC_EditMotionInternalData&) = delete;

  // Reads parameter text into the element; nonzero when valid, else the error lines in errors.
  // The base reads nothing: it empties errors and answers 1.
  virtual int ReadParameters(CString& text, CString& errors);
  // Writes the element into parameter text; the base writes nothing.
  virtual void WriteParameters(CString& text);

  CMC_Setup& m_setup;
  CMC_Motion& m_motion;
};
