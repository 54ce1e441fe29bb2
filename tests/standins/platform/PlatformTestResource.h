// The platform tests' own dialogs: one per way a template may place its dialog.
#pragma once

#define IDD_TEST_PLAIN 310
#define IDD_TEST_DS_CENTER 311
#define IDD_TEST_DS_CENTERMOUSE 312
#define IDD_TEST_DS_ABSALIGN 313

#define IDC_TEST_ACT 1010
