// receptury.txt: the names, the totals, a recipe loaded into the process and into the editor's lists.
#include "fuzz/fuzz_input.h"
#include "recipes/recipe_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    fuzz::write_scratch("receptury.txt", {reinterpret_cast<const char*>(data), size});
    const auto& dir = fuzz::scratch_dir();
    const auto names = read_recipe_names(dir);
    read_recipe_totals(dir);
    const std::string name = names.empty() ? std::string("B20") : names.back();
    recipe_total(dir, name);
    ProcessState p;
    load_recipe(p, dir, name);
    auto lists = load_recipe_lists(dir, name);
    compute_percentages(lists);
    lists_total(lists);
    return 0;
}
