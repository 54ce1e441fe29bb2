// A drive network: the master (a motion controller) with its setup and motion program, and its
// slaves with their axis IDs, setups and motion programs. Described in JSON; owns every object
// it hands out.
#pragma once

#include <memory>
#include <vector>

#include "MC_DriveAxisData.h"
#include "MC_DriveMotion.h"
#include "MC_DriveSetup.h"

class MCK_API CMC_DriveNetwork {
public:
  // Most slaves a network may have: slaves are named by the letters A to Z.
  static const int kMaxSlaves = 26;

  // Null with a one-line message naming the source and the fault; memory that runs out while a
  // network is read is thrown (std::bad_alloc, CMemoryException*), never taken for a fault.
  static std::unique_ptr<CMC_DriveNetwork> LoadFile(const char* pszPath, CString& error);
  static std::unique_ptr<CMC_DriveNetwork> LoadText(const char* pszJson, const char* pszSource, CString& error);
  // The built-in network (examples/default-network.json).
  static std::unique_ptr<CMC_DriveNetwork> LoadDefault();

  ~CMC_DriveNetwork();
  CMC_DriveNetwork(const CMC_DriveNetwork&) = delete;
  CMC_DriveNetwork& operator=(const CMC_DriveNetwork&) = delete;

  // The kernel's own drives, so that tests can configure them further.
  CMC_DriveSetup& GetMasterSetup() { return *m_masterSetup; }
  CMC_DriveMotion& GetMasterMotion() { return *m_masterMotion; }
  int GetSlaveCount() const { return static_cast<int>(m_slaves.size()); }
  // The slave's own setup and motion program as the network describes them; either may be null.
  CMC_DriveSetup* GetSlaveSetup(int nSlave) const;
  CMC_DriveMotion* GetSlaveMotion(int nSlave) const;
  // A short label for listings: the slave's index, letter and axis ID.
  CString GetSlaveLabel(int nSlave) const;

private:
  CMC_DriveNetwork();
  friend class CMC_DriveNetworkLoader;

  struct Slave {
    unsigned char axisId = 0;
    std::unique_ptr<CMC_DriveSetup> setup;
    std::unique_ptr<CMC_DriveMotion> motion;
    std::unique_ptr<CMC_DriveAxisData> axisData;
  };
  std::unique_ptr<CMC_DriveSetup> m_masterSetup;
  std::unique_ptr<CMC_DriveMotion> m_masterMotion;
  std::vector<Slave> m_slaves;
};
