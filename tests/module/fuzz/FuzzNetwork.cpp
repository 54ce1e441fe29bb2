#include "FuzzNetwork.h"

namespace {
std::unique_ptr<CMC_DriveSetup> MakeSetup(uint32_t nErrorMask, bool bMerMask, int nMotionController = 0) {
  auto setup = std::make_unique<CMC_DriveSetup>();
  setup->SetErrorRegMask(nErrorMask);
  setup->SetMotionController(nMotionController);
  if (bMerMask) setup->AddVariable("MER_MASK");
  return setup;
}

std::unique_ptr<CMC_DriveMotion> MakeMotion(std::initializer_list<const char*> functions) {
  auto motion = std::make_unique<CMC_DriveMotion>();
  for (const char* name : functions) motion->AddFunction(name);
  return motion;
}
}  // namespace

CFuzzNetwork::CFuzzNetwork() {
  m_master.SetMotionController(1);
  // Not a whole millisecond, so that times in every unit need converting.
  m_master.SetLoopPeriodMs(0.25);
  AddSlave(1, true, MakeSetup(0x00FF, true), MakeMotion({"Home", "Jog", "MoveAbs", "Stop"}));          // A
  AddSlave(2, true, MakeSetup(0xFFFFFFFF, true), MakeMotion({"F0", "F1", "F2", "F3", "F4", "F5"}));  // B
  AddSlave(3, true, MakeSetup(0x000F, false), nullptr);                                              // C: no program
  AddSlave(4, true, MakeSetup(0x0F00, true, 1), MakeMotion({"Sync"}));          // D: a motion controller
  AddSlave(5, false, MakeSetup(0x00FF, true), MakeMotion({"Home"}));           // E: no axis data
  AddSlave(0, true, MakeSetup(0x00FF, true), MakeMotion({"Home"}));            // F: no axis ID
  AddSlave(7, true, nullptr, MakeMotion({"Home"}));                            // G: no setup
  AddSlave(8, true, MakeSetup(0x0003, true), MakeMotion({}));                  // H: no functions
  AddSlave(9, true, MakeSetup(0, false, 2), MakeMotion({"Go", "\"q;\" =x"}));  // I: odd function name
}

void CFuzzNetwork::AddSlave(unsigned char nAxisID, bool bAxisData, std::unique_ptr<CMC_DriveSetup> setup,
                            std::unique_ptr<CMC_DriveMotion> motion) {
  Slave slave;
  slave.setup = std::move(setup);
  slave.motion = std::move(motion);
  m_master.AddSlave(nAxisID);
  if (bAxisData) {
    slave.axisData = std::make_unique<CMC_DriveAxisData>(slave.setup.get(), slave.motion.get());
    m_masterMotion.SetSlaveAxis(static_cast<int>(m_slaves.size()), slave.axisData.get());
  }
  m_slaves.push_back(std::move(slave));
}
