#include "TestNetworks.h"

#include <gtest/gtest.h>

std::unique_ptr<CMC_DriveNetwork> LoadTestNetwork(const char* pszJson) {
  CString error;
  std::unique_ptr<CMC_DriveNetwork> network = CMC_DriveNetwork::LoadText(pszJson, "test network", error);
  EXPECT_TRUE(network) << static_cast<const char*>(error);
  return network;
}

std::unique_ptr<CMC_DriveNetwork> LoadStandardNetwork() {
  return LoadTestNetwork(R"({ "master": {
    "setup": { "motionController": 1, "errorBits": ["Bus", "Short", "Setup", "Control"] },
    "slaves": [
      { "axisId": 1, "setup": { "errorMask": "0x00FF", "variables": ["MER_MASK"] },
        "motion": { "functions": ["Home", "Jog", "MoveAbs", "Stop"] } },
      { "axisId": 2, "setup": { "errorMask": "0xF0F3", "variables": ["MER_MASK"] },
        "motion": { "functions": ["F0","F1","F2","F3","F4","F5","F6","F7","F8","F9","F10","F11"] } },
      { "axisId": 3, "setup": { "errorMask": "0x000F" }, "motion": null },
      { "axisId": 4, "setup": { "motionController": 1, "errorMask": "0x0F00", "variables": ["MER_MASK"] },
        "motion": { "functions": ["Sync"] } },
      { "axisId": 5, "axisData": false, "setup": { "variables": ["MER_MASK"] }, "motion": { "functions": ["Home"] } },
      { "axisId": 0, "setup": { "variables": ["MER_MASK"] }, "motion": { "functions": ["Home"] } },
      { "axisId": 7, "setup": null, "motion": { "functions": ["Home"] } },
      { "axisId": 8, "setup": { "errorMask": "0x0003", "variables": ["MER_MASK"] }, "motion": { "functions": [] } },
      { "axisId": 9, "setup": { "motionController": 2 }, "motion": { "functions": ["Go"] } }
    ] } })");
}
