#include <gtest/gtest.h>

#include "InternalData.h"
#include "TestNetworks.h"

namespace {
// Axis data that count the host calls made of them.
class CCountingAxisData : public CMC_DriveAxisData {
public:
  CCountingAxisData(CMC_Setup* pSetup, CMC_Motion* pMotion) : CMC_DriveAxisData(pSetup, pMotion) {}
  CMC_Setup* GetAxisSetup() override {
    ++m_setupCalls;
    return CMC_DriveAxisData::GetAxisSetup();
  }
  CMC_Motion* GetAxisMotion() override {
    ++m_motionCalls;
    return CMC_DriveAxisData::GetAxisMotion();
  }
  int m_setupCalls = 0;
  int m_motionCalls = 0;
};

class ElementData : public ::testing::Test {
protected:
  void SetUp() override { m_network = LoadStandardNetwork(); }
  CInternalData MakeData() { return CInternalData(m_network->GetMasterSetup(), m_network->GetMasterMotion()); }
  // Resolves slave n in a fresh element.
  std::unique_ptr<CInternalData> Resolved(int nSlave) {
    auto data = std::make_unique<CInternalData>(m_network->GetMasterSetup(), m_network->GetMasterMotion());
    data->m_slave = nSlave;
    data->ResolveSlave();
    return data;
  }
  std::unique_ptr<CMC_DriveNetwork> m_network;
};
}  // namespace

TEST_F(ElementData, StartsAsInitSlavesWithoutSlave) {
  CInternalData data(m_network->GetMasterSetup(), m_network->GetMasterMotion());
  EXPECT_EQ(data.m_type, InitSlaves);
  EXPECT_EQ(data.m_timeoutUsed, 1);
  EXPECT_EQ(data.m_slave, -1);
  EXPECT_EQ(data.m_slaveSetup, nullptr);
  EXPECT_EQ(data.m_slaveMotion, nullptr);
  EXPECT_EQ(data.m_errorMask, 0u);
  EXPECT_TRUE(data.m_functionName.IsEmpty());
  EXPECT_EQ(data.m_waitForCompletion, 0);
  EXPECT_EQ(&data.m_setup, &m_network->GetMasterSetup());
  EXPECT_EQ(&data.m_motion, &m_network->GetMasterMotion());
  EXPECT_EQ(data.CanSendErrorMask(), 0);
  EXPECT_EQ(data.CanCallFunction(), 0);
}

TEST_F(ElementData, DestroysThroughTheHostBase) {
  long long live = AfxGetLiveAllocationCount();
  CMC_EditMotionInternalData* p = new CInternalData(m_network->GetMasterSetup(), m_network->GetMasterMotion());
  static_cast<CInternalData*>(p)->m_functionName = "a name long enough to need the heap";
  delete p;
  EXPECT_EQ(AfxGetLiveAllocationCount(), live);
}

TEST_F(ElementData, ResolvesAKnownSlaveToItsOwnSetupAndProgram) {
  auto data = Resolved(0);
  EXPECT_EQ(data->m_slave, 0);
  EXPECT_EQ(data->m_slaveSetup, m_network->GetSlaveSetup(0));
  EXPECT_EQ(data->m_slaveMotion, m_network->GetSlaveMotion(0));
  EXPECT_EQ(data->CanSendErrorMask(), 1);
  EXPECT_EQ(data->CanCallFunction(), 1);
}

TEST_F(ElementData, NoSlaveAsksTheHostNothing) {
  CMC_DriveSetup master;
  CMC_DriveMotion motion;
  CCountingAxisData axis(m_network->GetSlaveSetup(0), m_network->GetSlaveMotion(0));
  motion.SetSlaveAxis(0, &axis);
  CInternalData data(master, motion);
  data.m_slaveSetup = m_network->GetSlaveSetup(0);  // stale pointers from an earlier slave
  data.m_slaveMotion = m_network->GetSlaveMotion(0);
  data.ResolveSlave();
  EXPECT_EQ(data.m_slave, -1);
  EXPECT_EQ(data.m_slaveSetup, nullptr);
  EXPECT_EQ(data.m_slaveMotion, nullptr);
  EXPECT_EQ(axis.m_setupCalls + axis.m_motionCalls, 0);
}

TEST_F(ElementData, DropsASlaveTheMasterProgramDoesNotKnow) {
  for (int slave : {4, 42}) {
    auto data = Resolved(slave);
    EXPECT_EQ(data->m_slave, -1) << slave;
    EXPECT_EQ(data->m_slaveSetup, nullptr);
    EXPECT_EQ(data->m_slaveMotion, nullptr);
  }
}

TEST_F(ElementData, DropsAxisDataWithoutSetupWithoutAskingForTheProgram) {
  CMC_DriveSetup master;
  CMC_DriveMotion motion, slaveMotion;
  slaveMotion.AddFunction("Home");
  CCountingAxisData axis(nullptr, &slaveMotion);
  motion.SetSlaveAxis(0, &axis);
  CInternalData data(master, motion);
  data.m_slave = 0;
  data.ResolveSlave();
  EXPECT_EQ(data.m_slave, -1);
  EXPECT_EQ(data.m_slaveSetup, nullptr);
  EXPECT_EQ(data.m_slaveMotion, nullptr);
  EXPECT_EQ(axis.m_setupCalls, 1);
  EXPECT_EQ(axis.m_motionCalls, 0);
  EXPECT_EQ(Resolved(6)->m_slave, -1);  // the same case from a network file
}

TEST_F(ElementData, KeepsASlaveWithoutProgramButCannotCallIt) {
  auto data = Resolved(2);  // no motion program, no MER_MASK
  EXPECT_EQ(data->m_slave, 2);
  EXPECT_EQ(data->m_slaveSetup, m_network->GetSlaveSetup(2));
  EXPECT_EQ(data->m_slaveMotion, nullptr);
  EXPECT_EQ(data->CanCallFunction(), 0);
  EXPECT_EQ(data->CanSendErrorMask(), 0);

  CMC_DriveSetup master, slaveSetup;
  slaveSetup.AddVariable("MER_MASK");
  CMC_DriveMotion motion;
  CMC_DriveAxisData axis(&slaveSetup, nullptr);
  motion.SetSlaveAxis(0, &axis);
  CInternalData other(master, motion);
  other.m_slave = 0;
  other.ResolveSlave();
  EXPECT_EQ(other.CanCallFunction(), 0);
  EXPECT_EQ(other.CanSendErrorMask(), 1);  // the variable still decides
}

TEST_F(ElementData, CallingNeedsFunctionsAndASlaveThatIsNoMotionController) {
  EXPECT_EQ(Resolved(7)->CanCallFunction(), 0);  // a program without functions
  EXPECT_EQ(Resolved(3)->CanCallFunction(), 0);  // IsMotionController 1
  EXPECT_EQ(Resolved(8)->CanCallFunction(), 1);  // IsMotionController 2: compared with 1 only
  EXPECT_EQ(Resolved(1)->CanCallFunction(), 1);
}

TEST_F(ElementData, ErrorMaskNeedsTheSlaveVariable) {
  EXPECT_EQ(Resolved(8)->CanSendErrorMask(), 0);  // no variables at all
  EXPECT_EQ(Resolved(3)->CanSendErrorMask(), 1);  // a motion controller may still take a mask
  EXPECT_EQ(Resolved(7)->CanSendErrorMask(), 1);
  EXPECT_EQ(Resolved(-1)->CanSendErrorMask(), 0);
}
