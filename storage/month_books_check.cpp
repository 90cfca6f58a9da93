#include "storage/month_books_check.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "storage/chain_entry.h"
#include "storage/hash_chain.h"
#include "storage/text_file.h"

namespace wazenie {

namespace {

const std::vector<std::string> kRecords = {"zapis", "zapisy", "zapisów"};
const std::vector<std::string> kCards = {"karta", "karty", "kart"};
const std::vector<std::string> kEntries = {"wpis", "wpisy", "wpisów"};

// A unit of the book as it now stands; its bytes are kept only when no entry has its hash, for telling
// lines added after a record from a record changed.
struct Actual {
    std::size_t line = 0;
    std::size_t lines = 0;
    std::string sha;
    std::string weight_doc;
    std::string start;
    bool record = false;
    std::string bytes;
};

std::string unit_name(BookKind kind, bool record, const std::string& weight_doc) {
    if (!record) {
        return kind == BookKind::log ? "nagłówek" : "wiersze przed pierwszą kartą";
    }
    return (kind == BookKind::log ? "zapis " : "karta procesu ") + weight_doc;
}

std::string key_of(bool record, const std::string& weight_doc, const std::string& start) {
    return record ? weight_doc + '\t' + start : std::string();
}

// The first `lines` lines of `bytes` hash to `sha`: the unit was signed whole and lines were added after it.
bool begins_with_signed(const std::string& bytes, std::size_t lines, const std::string& sha) {
    std::size_t end = 0;
    for (std::size_t k = 0; k < lines; ++k) {
        end = bytes.find('\n', end);
        if (end == std::string::npos) {
            return false;
        }
        ++end;
    }
    return sha256_hex(std::string_view(bytes).substr(0, end)) == sha;
}

// The positions (in `order`) outside one longest increasing run of `order`'s values: the units that moved.
std::vector<std::size_t> moved(const std::vector<std::size_t>& order) {
    std::vector<std::size_t> tails;  // index into order of the smallest tail of each run length
    std::vector<std::size_t> before(order.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), order[i],
                                         [&](std::size_t t, std::size_t value) { return order[t] < value; });
        if (at != tails.begin()) {
            before[i] = *(at - 1);
        }
        if (at == tails.end()) {
            tails.push_back(i);
        } else {
            *at = i;
        }
    }
    std::vector<bool> kept(order.size(), false);
    for (std::size_t i = tails.empty() ? order.size() : tails.back(); i < order.size(); i = before[i]) {
        kept[i] = true;
    }
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!kept[i]) {
            out.push_back(i);
        }
    }
    return out;
}

class BookCheck {
public:
    BookCheck(const std::filesystem::path& data_dir, const std::string& yyyymm, BookKind kind,
              const std::vector<ChainEntry>& entries)
        : kind_(kind),
          entries_(entries),
          file_(book_path(data_dir, yyyymm, kind)),
          name_(shown_file(data_dir, file_)),
          chain_name_(shown_file(data_dir, month_chain_path(data_dir, yyyymm))) {}

    void run(BookReport& report) {
        std::error_code ec;
        if (!std::filesystem::exists(file_, ec)) {
            if (!entries_.empty()) {
                report.found(name_ + ": brak pliku, a łańcuch " + chain_name_ + " ma jego " +
                             counted(entries_.size(), kEntries));
            }
            return;
        }
        if (!read()) {
            report.unreadable = true;
            report.lines.push_back(name_ + ": nie można odczytać pliku");
            return;
        }
        if (entries_.empty()) {
            report.lines.push_back(name_ + ": " +
                                   counted(records_, kind_ == BookKind::log ? kRecords : kCards) +
                                   ", bez podpisu");
            return;
        }
        compare();
        std::stable_sort(found_.begin(), found_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& finding : found_) {
            report.found(name_ + " linia " + std::to_string(finding.first) + ": " + finding.second);
        }
        const std::string late =
            unsigned_ > 0 ? " (w tym " + std::to_string(unsigned_) + " bez podpisu)" : "";
        report.lines.push_back(name_ + ": " + counted(records_, kind_ == BookKind::log ? kRecords : kCards) +
                               late + (found_.empty() ? ", zgodne" : ", niezgodne"));
    }

private:
    bool read() {
        std::unordered_set<std::string> expected;
        for (const ChainEntry& e : entries_) {
            expected.insert(e.sha);
        }
        UnitSplitter splitter(kind_);
        const auto take = [&](const BookUnit& unit) {
            Actual a{unit.line, unit.lines, {}, {}, {}, unit.record, {}};
            if (!entries_.empty()) {
                a.sha = sha256_hex(unit.bytes);
                if (!expected.contains(a.sha)) {
                    a.bytes = std::string(unit.bytes);
                }
            }
            if (unit.record) {
                a.weight_doc = unit_field(unit, 1);
                a.start = unit_field(unit, 2);
                ++records_;
            }
            actual_.push_back(std::move(a));
        };
        return static_cast<bool>(text_file::for_each_run(
            file_,
            [&](std::string_view run) {
                splitter.split(run, take);
                return true;
            },
            splitter.tag()));
    }

    void compare() {
        std::unordered_map<std::string, std::deque<std::size_t>> where;
        for (std::size_t a = 0; a < actual_.size(); ++a) {
            where[actual_[a].sha].push_back(a);
        }
        std::vector<bool> used(actual_.size(), false);
        std::vector<std::size_t> order;  // the unit of each entry found whole, in the entries' order
        std::vector<const ChainEntry*> missing;
        for (const ChainEntry& e : entries_) {
            auto& places = where[e.sha];
            if (places.empty()) {
                missing.push_back(&e);
                continue;
            }
            const std::size_t a = places.front();
            places.pop_front();
            used[a] = true;
            order.push_back(a);
            if (e.how != Signed::at_write && actual_[a].record) {
                ++unsigned_;
            }
        }
        for (const std::size_t i : moved(order)) {
            const Actual& a = actual_[order[i]];
            note(a.line, "kolejność zapisów zmieniona (" + unit_name(kind_, a.record, a.weight_doc) + ")");
        }
        std::map<std::string, std::deque<std::size_t>> extra;
        for (std::size_t a = 0; a < actual_.size(); ++a) {
            if (!used[a]) {
                extra[key_of(actual_[a].record, actual_[a].weight_doc, actual_[a].start)].push_back(a);
            }
        }
        for (const ChainEntry* e : missing) {
            const bool record = !e->start.empty();
            const std::string name = unit_name(kind_, record, e->weight_doc);
            auto& same = extra[key_of(record, e->weight_doc, e->start)];
            if (same.empty()) {
                note(e->line, name + " usunięty");
                continue;
            }
            const std::size_t a = same.front();
            same.pop_front();
            used[a] = true;
            const Actual& now = actual_[a];
            if (now.lines > e->lines && begins_with_signed(now.bytes, e->lines, e->sha)) {
                note(now.line + e->lines, "wiersze dopisane po: " + name);
            } else {
                note(now.line, name + " zmieniony po zapisaniu");
            }
        }
        const std::size_t last_signed = order.empty() ? 0 : *std::max_element(order.begin(), order.end());
        for (std::size_t a = 0; a < actual_.size(); ++a) {
            if (used[a]) {
                continue;
            }
            const Actual& u = actual_[a];
            const std::string name = unit_name(kind_, u.record, u.weight_doc);
            if (!u.record) {
                note(u.line, "wiersze dopisane");
            } else if (order.empty() || a > last_signed) {
                note(u.line, name + " bez wpisu w " + chain_name_ +
                                 ": dopisany po ostatnim podpisanym zapisie albo łańcuch skrócony");
            } else {
                note(u.line, name + " dopisany");
            }
        }
    }

    void note(std::size_t line, std::string text) { found_.emplace_back(line, std::move(text)); }

    BookKind kind_;
    const std::vector<ChainEntry>& entries_;
    std::filesystem::path file_;
    std::string name_;
    std::string chain_name_;
    std::vector<Actual> actual_;
    std::size_t records_ = 0;
    std::size_t unsigned_ = 0;
    std::vector<std::pair<std::size_t, std::string>> found_;
};

// The chain's own links; the entries of each book in the chain's order.
std::array<std::vector<ChainEntry>, 2> check_chain(const std::filesystem::path& data_dir,
                                                   const std::string& yyyymm, BookReport& report) {
    std::array<std::vector<ChainEntry>, 2> entries;
    const auto file = month_chain_path(data_dir, yyyymm);
    const std::string name = shown_file(data_dir, file);
    const auto lines = text_file::read_lines(file);
    if (!lines) {
        report.unreadable = true;
        report.lines.push_back(name + ": nie można odczytać pliku");
        return entries;
    }
    const auto broken = broken_links(*lines);
    const bool held = broken.empty();
    std::size_t next_broken = 0;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string where = name + " linia " + std::to_string(i + 1) + ": ";
        const bool link_broken = next_broken < broken.size() && broken[next_broken] == i;
        next_broken += link_broken ? 1 : 0;
        ChainedLine line;
        if (!split_chained_line((*lines)[i], line)) {
            report.found(where + "wiersz uszkodzony, łańcuch przerwany");
            continue;
        }
        if (link_broken) {
            report.found(where + "łańcuch przerwany (wiersz zmieniony, usunięty lub wstawiony)");
        }
        if (const auto entry = read_chain_entry(line.text)) {
            entries[static_cast<std::size_t>(entry->kind)].push_back(*entry);
        } else if (!link_broken) {
            report.found(where + "wpis nieczytelny");
        }
    }
    report.lines.push_back(name + ": " + counted(lines->size(), kEntries) +
                           (held && report.findings.empty() ? ", zgodny" : ", niezgodny"));
    return entries;
}

}  // namespace

bool month_has_chain(const std::filesystem::path& data_dir, const std::string& yyyymm) {
    std::error_code ec;
    return std::filesystem::exists(month_chain_path(data_dir, yyyymm), ec);
}

BookReport check_month_books(const std::filesystem::path& data_dir, const std::string& yyyymm) {
    BookReport report;
    std::array<std::vector<ChainEntry>, 2> entries;
    if (month_has_chain(data_dir, yyyymm)) {
        entries = check_chain(data_dir, yyyymm, report);
    }
    for (const BookKind kind : {BookKind::log, BookKind::cards}) {
        BookCheck(data_dir, yyyymm, kind, entries[static_cast<std::size_t>(kind)]).run(report);
    }
    return report;
}

}  // namespace wazenie
