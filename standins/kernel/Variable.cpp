#include "MC_Variable.h"

CMC_Variable::CMC_Variable(const char* pszName) : m_name(pszName) {}
