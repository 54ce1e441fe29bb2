// Resource codes of the platform, shared by resource scripts and the dialog layer: plain
// #defines, so that windres reads them too.
#pragma once

// Resource type of dialog initialisation data.
#define RT_DLGINIT_ID 240
// The 16-bit message codes that initialisation data is written with: add a string to a list box
// or to a combo box. The dialog layer translates them to today's messages.
#define AFX_LB_ADDSTRING 0x0401
#define AFX_CB_ADDSTRING 0x0403

// The application's title: its name when its constructor was given none.
#define AFX_IDS_APP_TITLE 0xE000

// The platform's own strings, in mcplatform.dll: reached through a system record of the
// resource chain, after every module's own, so that a module may carry its own wording.
#define AFX_IDP_NO_ERROR_AVAILABLE 0xF020
#define AFX_IDS_MEMORY_EXCEPTION 0xF023
#define AFX_IDP_INTERNAL_FAILURE 0xF108
#define AFX_IDP_COMMAND_FAILURE 0xF109

// Help commands: F1 and the caption's context-help mark give ID_HELP, a Help button sends
// ID_DEFAULT_HELP. Both route to the application.
#define ID_HELP 0xE146
#define ID_DEFAULT_HELP 0xE147

#ifndef RC_INVOKED
#  define RT_DLGINIT MAKEINTRESOURCEA(RT_DLGINIT_ID)
#endif
