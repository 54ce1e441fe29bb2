// The portable part of the MFC-style platform: strings, exceptions, memory, string resources.
#pragma once

#include "afxver.h"
#include "afxexcept.h"
#include "afxmem.h"
#include "afxstr.h"
#include "StringResource.h"
