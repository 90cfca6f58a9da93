#include "platform/free_space.h"

#include "fakes/scratch_dir.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(FreeSpace, AnExistingFolderHasSomeAndAMissingOneCannotBeAsked) {
    testing::ScratchDir scratch;
    const auto free = free_space(scratch.path());
    ASSERT_TRUE(free);
    EXPECT_GT(*free, 0);
    EXPECT_FALSE(free_space(scratch / "missing" / "deeper"));
}

}  // namespace
}  // namespace wazenie
