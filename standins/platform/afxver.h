// Linkage and the handful of Windows base types the portable core uses without <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(AFX_STATIC)
#  ifdef AFX_BUILDING_PLATFORM
#    define AFX_API __declspec(dllexport)
#  else
#    define AFX_API __declspec(dllimport)
#  endif
#else
#  define AFX_API
#endif

// Same definitions as the Windows headers, so either may come first.
typedef int BOOL;
typedef unsigned int UINT;
typedef char CHAR;
typedef const CHAR* LPCSTR;
typedef CHAR* LPSTR;
#ifndef FALSE
#  define FALSE 0
#endif
#ifndef TRUE
#  define TRUE 1
#endif
