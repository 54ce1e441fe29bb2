// Linkage of the host's kernel library.
#pragma once

#include "afx.h"

#if defined(_WIN32) && !defined(MC_STATIC)
#  ifdef MC_BUILDING_KERNEL
#    define MCK_API __declspec(dllexport)
#  else
#    define MCK_API __declspec(dllimport)
#  endif
#else
#  define MCK_API
#endif
