#include "MC_DriveVariable.h"

CMC_Variable::CMC_Variable() = default;
CMC_Variable::~CMC_Variable() = default;

CMC_DriveVariable::CMC_DriveVariable(const char* pszName) : m_name(pszName) {}
CMC_DriveVariable::~CMC_DriveVariable() = default;
