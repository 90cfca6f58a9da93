#include "clients/client_process.h"

#include "fakes/scratch_dir.h"
#include "storage/process_file.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

// The WZ prints the client as the client file has it when the process is read back, not as it was.
TEST(ClientProcessTest, ClientFieldsComeFromTheClientFileOrAreCleared) {
    testing::ScratchDir dir;
    ASSERT_TRUE(text_file::write_lines(
        dir / "klienci.txt", {"INNY\tInna firma\tGdzieś\t   -   -  -  ",
                              "KOWALSKI\tJan Kowalski Budownictwo\tŁódź, ul. Żółta 5\t123-456-78-90"}));
    ProcessState saved;
    saved.r.weight_doc = "WZ/3";
    saved.r.recipe_client = "KOWALSKI";
    ASSERT_TRUE(save_process(saved, Settings{}, status_file_path(dir.path()), false));

    ProcessState p;
    ASSERT_TRUE(load_process_with_client(p, dir.path(), "0"));
    EXPECT_EQ(p.r.client_full_name, "Jan Kowalski Budownictwo");
    EXPECT_EQ(p.r.client_address, "Łódź, ul. Żółta 5");
    EXPECT_EQ(p.r.client_nip, "123-456-78-90");

    saved.r.recipe_client = "NIKT";
    ASSERT_TRUE(save_process(saved, Settings{}, status_file_path(dir.path()), false));
    ASSERT_TRUE(load_process_with_client(p, dir.path(), "0"));
    EXPECT_EQ(p.r.client_full_name, "");
    EXPECT_EQ(p.r.client_nip, "");

    const ProcessState before = p;
    EXPECT_FALSE(load_process_with_client(p, dir.path(), "202401", "WZ/3", "2024-01-01 00:00:00"));
    EXPECT_EQ(p, before);
}

}  // namespace
}  // namespace wazenie
