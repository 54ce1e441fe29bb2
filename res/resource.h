// Resource symbols of the module.
#pragma once

#define IDD_SLAVE_MANAGEMENT 227

#define IDC_INIT_SLAVES 1000
#define IDC_SEND_ERROR_MASK 1001
#define IDC_CALL_FUNCTION 1002
#define IDC_ABORT_FUNCTION 1003
#define IDC_TIMEOUT 1506
#define IDC_TIMEOUT_UNIT 1507
#define IDC_FUNCTION 1015
// The Windows headers use this name for the hourglass cursor, which the module never loads.
#ifdef IDC_WAIT
#undef IDC_WAIT
#endif
#define IDC_WAIT 1023
#define IDC_SEND_BITS 4009
#define IDC_ALL_TO_IGNORED 4010
#define IDC_SELECTED_TO_IGNORED 4011
#define IDC_ALL_TO_SEND 4012
#define IDC_SELECTED_TO_SEND 4013
#define IDC_IGNORED_BITS 4014
#define IDC_SLAVE 12002

// The module's own messages: OK with no operation chosen, or a call with no function name.
#define IDS_OPERATION_REQUIRED 40001
#define IDS_FUNCTION_REQUIRED 40002

#ifndef ID_DEFAULT_HELP
#define ID_DEFAULT_HELP 0xE147
#endif
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
