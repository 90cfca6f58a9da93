#include "clients/client_file.h"

#include "fakes/scratch_dir.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::ScratchDir;

TEST(ClientFile, LookupTakesTheFirstExactLine) {
    ScratchDir dir;
    EXPECT_FALSE(find_client(dir.path(), "A"));
    EXPECT_FALSE(read_clients(dir.path()));
    ASSERT_TRUE(text_file::write_lines(clients_file_path(dir.path()),
                                       {"AB\tx\ty\tz", "A\tPierwszy", "A\tDrugi\tb\tc"}));
    auto a = find_client(dir.path(), "A");
    ASSERT_TRUE(a);
    EXPECT_EQ(*a, (Client{"A", "Pierwszy", "", ""}));
    auto all = read_clients(dir.path());
    ASSERT_TRUE(all);
    EXPECT_EQ(find_in(*all, "A")->full_name, "Pierwszy");
    EXPECT_EQ(find_in(*all, "a"), nullptr);
}

}  // namespace
}  // namespace wazenie
