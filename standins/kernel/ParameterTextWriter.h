// The write side of parameter text: an item "key=value;" replaces the item of the same key where
// it stands, or is appended.
#pragma once

#include "afx.h"

// pszValue is the value as it is to stand in the text (already quoted or with its unit). Later
// items of the same key are dropped, so that the text reads back without a duplicate.
void MC_SetParameterItem(CString& text, const char* pszKey, const char* pszValue, int nValueLength);
void MC_SetParameterItem(CString& text, const char* pszKey, const char* pszValue);
