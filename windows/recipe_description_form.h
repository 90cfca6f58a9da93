#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/change_journal.h"
#include "core/dialogs.h"
#include "storage/recipe_descriptions.h"

namespace wazenie {

enum class DescriptionField { klasa, ekspozycja, chlorki, konsystencja, dmax, wc_maks, gestosc };
inline constexpr std::size_t kDescriptionFields = 7;

// The recipe editor's "Opis betonu (PN-EN 206)": the fields as typed; the numbers are checked as a
// field is left and all of them before the recipe is saved.
class RecipeDescriptionForm {
public:
    void show(const RecipeDescription& description);
    const std::string& text(DescriptionField field) const { return texts_[index(field)]; }
    void type(DescriptionField field, std::string text) { texts_[index(field)] = std::move(text); }
    // False after the message when a number field holds no number in its range; an empty field is
    // no value given.
    bool leave(DescriptionField field, Dialogs& dialogs) const;
    // The description the fields hold; nothing after the first refusal's message.
    std::optional<RecipeDescription> description(Dialogs& dialogs) const;

private:
    static std::size_t index(DescriptionField field) { return static_cast<std::size_t>(field); }
    std::array<std::string, kDescriptionFields> texts_;
};

// Changes data_dir's receptury_opis.txt; the file is written only when the change changed something,
// so a plant without descriptions never gets one. A file that cannot be read is not overwritten. On
// failure the message has been shown.
bool change_recipe_descriptions(const std::filesystem::path& data_dir, Dialogs& dialogs,
                                ChangeJournal& changes,
                                const std::function<void(RecipeDescriptions&)>& change);

}  // namespace wazenie
