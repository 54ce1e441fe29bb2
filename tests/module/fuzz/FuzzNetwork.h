// The drives the fuzzer translates for, built in code: a master whose slaves take every path of
// slave resolution and validation.
#pragma once

#include <memory>
#include <vector>

#include "MC_DriveAxisData.h"
#include "MC_DriveMotion.h"
#include "MC_DriveSetup.h"

class CFuzzNetwork {
public:
  CFuzzNetwork();
  CFuzzNetwork(const CFuzzNetwork&) = delete;
  CFuzzNetwork& operator=(const CFuzzNetwork&) = delete;

  CMC_Setup& Setup() { return m_master; }
  CMC_Motion& Motion() { return m_masterMotion; }

private:
  struct Slave {
    std::unique_ptr<CMC_DriveSetup> setup;
    std::unique_ptr<CMC_DriveMotion> motion;
    std::unique_ptr<CMC_DriveAxisData> axisData;
  };
  void AddSlave(unsigned char nAxisID, bool bAxisData, std::unique_ptr<CMC_DriveSetup> setup,
                std::unique_ptr<CMC_DriveMotion> motion);

  CMC_DriveSetup m_master;
  CMC_DriveMotion m_masterMotion;
  std::vector<Slave> m_slaves;
};
