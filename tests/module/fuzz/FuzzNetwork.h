// The drives the fuzzer translates for, built in code: a master whose slaves take every path of
// slave resolution and validation.
#pragma once

#include <memory>
#include <vector>

#include "MC_Kernel.h"

class CFuzzNetwork {
public:
  CFuzzNetwork();
  CFuzzNetwork(const CFuzzNetwork&) = delete;
  CFuzzNetwork& operator=(const CFuzzNetwork&) = delete;

  CMC_Setup& Setup() { return m_master; }
  CMC_Motion& Motion() { return m_masterMotion; }

private:
  struct Slave {
    std::unique_ptr<CMC_Setup> setup;
    std::unique_ptr<CMC_Motion> motion;
    std::unique_ptr<CMC_AxisData> axisData;
  };
  void AddSlave(unsigned char nAxisID, bool bAxisData, std::unique_ptr<CMC_Setup> setup,
                std::unique_ptr<CMC_Motion> motion);

  CMC_Setup m_master;
  CMC_Motion m_masterMotion;
  std::vector<Slave> m_slaves;
};
