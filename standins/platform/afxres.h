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

// Help commands: F1 and the caption's context-help mark give ID_HELP, a Help button sends
// ID_DEFAULT_HELP. Both route to the application.
#define ID_HELP 0xE146
#define ID_DEFAULT_HELP 0xE147

#ifndef RC_INVOKED
#  define RT_DLGINIT MAKEINTRESOURCEA(RT_DLGINIT_ID)
#endif
