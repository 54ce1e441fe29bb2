#include "afxexcept.h"

CException::~CException() = default;

void CException::Delete() {
  if (IsAutoDelete()) delete this;
}

void AfxThrowMemoryException() {
  static CMemoryException s_memoryException;
  throw static_cast<CMemoryException*>(&s_memoryException);
}

void AfxThrowUserException() {
  static CUserException s_userException;
  throw static_cast<CUserException*>(&s_userException);
}
