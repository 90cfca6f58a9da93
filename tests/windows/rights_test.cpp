#include "windows/rights.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(Rights, OnlyTheExactAdministratorNameHasThemAll) {
    EXPECT_TRUE(may_open_settings("ADMINISTRATOR"));
    EXPECT_FALSE(may_open_settings("administrator"));
    EXPECT_FALSE(may_open_settings("ADMINISTRATOR "));
    EXPECT_FALSE(may_delete_operator("ADMINISTRATOR"));
    EXPECT_TRUE(may_delete_operator("Administrator"));
}

TEST(Rights, TheSettingsKeepClientsAndRecipesToTheAdministrator) {
    Settings settings;
    EXPECT_TRUE(may_change_clients(settings, "Jan"));
    EXPECT_TRUE(may_change_recipes(settings, "Jan"));
    settings.admin_change_client = true;
    EXPECT_TRUE(may_change_clients(settings, "ADMINISTRATOR"));
    EXPECT_FALSE(may_change_clients(settings, "Jan"));
    EXPECT_FALSE(may_change_clients(settings, "administrator"));
    EXPECT_TRUE(may_change_recipes(settings, "Jan"));
    settings.admin_change_recipe = true;
    EXPECT_FALSE(may_change_recipes(settings, "Jan"));
    EXPECT_TRUE(may_change_recipes(settings, "ADMINISTRATOR"));
}

}  // namespace
}  // namespace wazenie
