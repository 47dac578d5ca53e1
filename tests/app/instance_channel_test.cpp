// The messages instances send each other, within one process: names are claimed once, and a
// message reaches whoever listens under a name.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "instance_channel.h"
#include "program_folder.h"

namespace {

TEST(InstanceChannel, PrimaryNameIsClaimedOnceAndFreedOnRelease) {
  kelvo::test::ProgramFolder folder;
  InstanceChannel first, second;
  ASSERT_TRUE(first.ClaimPrimary());
  EXPECT_FALSE(second.ClaimPrimary());
  first.ReleasePrimary();
  EXPECT_TRUE(second.ClaimPrimary());
}

TEST(InstanceChannel, NamesBelongToTheProgramFolder) {
  kelvo::test::ProgramFolder one;
  InstanceChannel a;
  ASSERT_TRUE(a.ClaimPrimary());
  kelvo::test::ProgramFolder other;  // another installation of the program
  InstanceChannel b;
  EXPECT_TRUE(b.ClaimPrimary());
}

TEST(InstanceChannel, ShowReachesThePrimaryAndCloseReachesAChild) {
  kelvo::test::ProgramFolder folder;
  InstanceChannel primary, child;
  ASSERT_TRUE(primary.ClaimPrimary());
  ASSERT_TRUE(child.ListenAsChild(QStringLiteral("PID4242")));
  QSignalSpy shown(&primary, &InstanceChannel::showRequested);
  QSignalSpy closed(&child, &InstanceChannel::closeRequested);

  EXPECT_TRUE(InstanceChannel::SendToPrimary(InstanceChannel::kShowMessage));
  EXPECT_TRUE(shown.wait(2000));
  EXPECT_TRUE(InstanceChannel::ChildIsRunning(QStringLiteral("PID4242")));
  EXPECT_TRUE(InstanceChannel::SendToChild(QStringLiteral("PID4242"), InstanceChannel::kCloseMessage));
  EXPECT_TRUE(closed.wait(2000));
  EXPECT_FALSE(InstanceChannel::SendToChild(QStringLiteral("PID4343"), InstanceChannel::kCloseMessage));
  EXPECT_FALSE(InstanceChannel::ChildIsRunning(QStringLiteral("PID4343")));
}

}  // namespace
