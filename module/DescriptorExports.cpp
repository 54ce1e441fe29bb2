// What the host lists and enables the element by.
#include "ElementExports.h"

namespace {
const char kElementName[] = "Slave Management";
const char kElementClass[] = "Assignment && Data Transfer";
const int kOrderID = 20533;
}  // namespace

const char* GetName() { return kElementName; }

const char* GetClassName() { return kElementClass; }

int GetOrderID() { return kOrderID; }

// Offered only on a motion controller; the kernel's answer passes through unchanged.
int IsEnabled(CMC_Setup* pSetup) { return pSetup != nullptr ? pSetup->IsMotionController() : 0; }
