#include "storage/audit_trail.h"

#include "fakes/scratch_dir.h"
#include "storage/hash_chain.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using namespace wazenie::testing;

const DateTime kMarch5 = 45356.0;  // 2024-03-05 00:00:00

AuditEntry entry(double day, std::string object, std::string after) {
    return {kMarch5 + day, "Jan Łącki", {"receptura", std::move(object), "", std::move(after)}};
}

std::vector<std::string> lines_of(const std::filesystem::path& file) {
    return *text_file::read_lines(file);
}

TEST(AuditTrailTest, EveryLineIsChainedAndReadsBack) {
    ScratchDir dir;
    const auto file = audit_trail_path(dir.path());
    AuditTrail trail(file);
    ASSERT_TRUE(trail.append(entry(0.5, "B20\tstary", "dodana")));
    // A character the code page lacks must not read as a changed line.
    ASSERT_TRUE(trail.append(entry(1, "Beton ñ 1", "usunięta")));
    // A second writer appending meanwhile: the first one's next line chains to the file's last line.
    ASSERT_TRUE(AuditTrail(file).append(entry(2, "C30", "dodana")));
    ASSERT_TRUE(trail.append(entry(3, "C35", "dodana")));

    const auto lines = lines_of(file);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(broken_links(lines).empty());
    const std::string bytes = read_bytes(file);
    EXPECT_NE(bytes.find("\xa3\xb9"
                         "cki\t"),
              std::string::npos)
        << "Windows-1250";
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const auto read = read_audit_trail(file);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->damaged.empty());
    ASSERT_EQ(read->entries.size(), 4u);
    EXPECT_EQ(read->entries[0].change.object, "B20 stary") << "a tab never shifts the fields";
    EXPECT_EQ(read->entries[0].who, "Jan Łącki");
    EXPECT_EQ(read->entries[1].change.object, "Beton ? 1");
    EXPECT_EQ(read->entries[1].change.after, "usunięta");
    EXPECT_EQ(lines[0].substr(0, 19), "2024-03-05 12:00:00");
}

TEST(AuditTrailTest, ALineCutByACrashStaysOnItsOwnAndTheChainGoesOn) {
    ScratchDir dir;
    const auto file = audit_trail_path(dir.path());
    ASSERT_TRUE(AuditTrail(file).append(entry(0, "B20", "dodana")));
    const std::string whole = read_bytes(file);
    write_bytes(file, whole + whole.substr(0, 30));  // the second line cut short, no line end

    AuditTrail trail(file);
    ASSERT_TRUE(trail.append(entry(1, "C30", "dodana")));
    const auto lines = lines_of(file);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(broken_links(lines), std::vector<std::size_t>{1}) << "only the cut line is named";
    const auto read = read_audit_trail(file);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->entries.size(), 2u);
    EXPECT_EQ(read->entries[1].change.object, "C30");
    ASSERT_EQ(read->damaged.size(), 1u);
    EXPECT_EQ(read->damaged[0].substr(0, 8), "linia 2:");
}

TEST(AuditTrailTest, AMissingFileHoldsNothingAndAFailedWriteIsAnError) {
    ScratchDir dir;
    const auto read = read_audit_trail(audit_trail_path(dir.path()));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->entries.empty());
    text_file::inject_faults({true, -1, false});
    const Status written = AuditTrail(audit_trail_path(dir.path())).append(entry(0, "B20", "dodana"));
    text_file::reset_faults();
    EXPECT_FALSE(written);
}

TEST(AuditTrailTest, FiltersByWholeDaysAndText) {
    const std::vector<AuditEntry> entries = {entry(0.2, "B20", "dodana"), entry(1.9, "C30", "ŁĄKA"),
                                             entry(3, "C35", "dodana")};
    EXPECT_EQ(filter_audit(entries, kMarch5 + 1.5, kMarch5 + 1.5, "").size(), 1u) << "the whole day";
    EXPECT_EQ(filter_audit(entries, 0, kMarch5 + 1, "").size(), 2u);
    EXPECT_EQ(filter_audit(entries, 0, 0, " łąka ").size(), 1u);
    EXPECT_EQ(filter_audit(entries, 0, 0, "łącki").size(), 3u) << "who is searched too";
    EXPECT_EQ(filter_audit(entries, 0, 0, "2024-03-08").size(), 1u);
}

}  // namespace
}  // namespace wazenie
