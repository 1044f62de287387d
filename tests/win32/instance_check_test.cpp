// The single-instance mutex on the real kernel32.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/scoped.h"
#include "platform/win32/win32_instance_check.h"

namespace tarvio::platform::win32 {
namespace {

constexpr const char* kName = "TarvioTest.Instance";

// Windows 98 refuses "Local\" and the next name serves. NT takes "Local\X" and "X" as
// one name, so a first name that it refuses as well shows the step: one below a
// folder of the namespace that does not exist.
TEST(Win32InstanceCheck, ARefusedNameGivesWayToTheNextAndAGuardedOneCounts) {
  constexpr const char* kRefused = "Local\\TarvioTest\\NoSuchFolder";
  Win32InstanceCheck first{kRefused, kName};
  EXPECT_FALSE(first.AnotherInstanceRunning());
  EXPECT_FALSE(first.AnotherInstanceRunning());  // the answer stays
  EXPECT_TRUE((Win32InstanceCheck{kRefused, kName}.AnotherInstanceRunning()));
  EXPECT_TRUE((Win32InstanceCheck{kName}.AnotherInstanceRunning()));
  EXPECT_FALSE((Win32InstanceCheck{kRefused}.AnotherInstanceRunning()));  // no name served

  // An instance started with other rights holds a mutex this one may not open: it runs
  // all the same.
  SECURITY_DESCRIPTOR descriptor{};
  ACL noAccess{};  // an empty list: nobody may open it
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  InitializeAcl(&noAccess, sizeof noAccess, ACL_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, &noAccess, FALSE);
  SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
  const ScopedHandle held(CreateMutexA(&attributes, FALSE, "TarvioTest.Guarded"));
  ASSERT_TRUE(held);
  EXPECT_TRUE((Win32InstanceCheck{"TarvioTest.Guarded", kName}.AnotherInstanceRunning()));
}

}  // namespace
}  // namespace tarvio::platform::win32
