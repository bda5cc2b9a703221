#include "core/editor/PlantData.h"

namespace kuyu::editor {

struct PlantData::Impl {
    Text databasePath;
    Text folder;
    std::vector<Plant> plants;
};

namespace {
const Text NotYet = U"まだ使えません";
}

Text AttachmentFileName(const Text& plantName, FileSlot, const Text& extension) {
    return left(plantName, 8) + extension;
}
Text StateWords(int, const CategoryState&) {
    return {};
}
Text ToHalfWidthKatakana(const Text& typed) {
    return typed;
}

PlantData::PlantData() : impl_(std::make_unique<Impl>()) {}
PlantData::~PlantData() = default;
PlantData::PlantData(PlantData&&) noexcept = default;
PlantData& PlantData::operator=(PlantData&&) noexcept = default;

std::optional<PlantData> PlantData::open(const Text&, Text& why) {
    why = NotYet;
    return std::nullopt;
}
std::optional<PlantData> PlantData::create(const Text&, const Text&, Text& why) {
    why = NotYet;
    return std::nullopt;
}
const Text& PlantData::databasePath() const {
    return impl_->databasePath;
}
const Text& PlantData::folder() const {
    return impl_->folder;
}
int PlantData::count() const {
    return static_cast<int>(impl_->plants.size());
}
const Plant& PlantData::plant(int row) const {
    return impl_->plants.at(static_cast<std::size_t>(row));
}
CategoryState PlantData::primary(int, int) const {
    return {};
}
std::optional<CategoryState> PlantData::secondary(int, int) const {
    return std::nullopt;
}
int PlantData::classification(int) const {
    return 0;
}
int PlantData::addPlant() {
    impl_->plants.push_back(Plant{U"", U"", Text(30, U'0'), {}});
    return count() - 1;
}
Outcome PlantData::removePlant(int) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::setName(int, const Text&) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::setFamily(int, const Text&) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::setClassification(int, int) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::setPrimary(int, int, const CategoryState&) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::setSecondary(int, int, const std::optional<CategoryState>&) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::setAliases(int, const std::vector<Text>&) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::attachFile(int, FileSlot, const Text&) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::attachBytes(int, FileSlot, std::string, const Text&) {
    return Outcome::failure(NotYet);
}
Outcome PlantData::setNote(int, const Text&) {
    return Outcome::failure(NotYet);
}
Text PlantData::note(int) const {
    return {};
}
bool PlantData::hasFile(int, FileSlot) const {
    return false;
}
bool PlantData::canUndo() const {
    return false;
}
bool PlantData::canRedo() const {
    return false;
}
void PlantData::undo() {}
void PlantData::redo() {}
bool PlantData::modified() const {
    return false;
}
std::vector<Warning> PlantData::warnings() const {
    return {};
}
std::vector<Warning> PlantData::warnings(int) const {
    return {};
}
bool PlantData::changedOnDisk() const {
    return false;
}
Outcome PlantData::save() {
    return Outcome::failure(NotYet);
}

} // namespace kuyu::editor
