#include "texts/life_texts.h"

#include <cerrno>

#include "store/attachment_names.h"
#include "store/case_insensitive_files.h"
#include "store/safe_save.h"
#include "texts/rtf_reader.h"
#include "texts/rtf_writer.h"

namespace brinox {
namespace {

constexpr char kFirstLetter = 'A';

char letterAt(int slot) { return static_cast<char>(kFirstLetter + slot); }

int slotOf(char letter) { return letter - kFirstLetter; }

bool isSlotLetter(char letter) { return letter >= kFirstLetter && slotOf(letter) < kLifeTextSlots; }

std::string lifeTextName(RecordNo person, char letter) { return attachmentName(person, std::string(1, letter), ".doc"); }

}  // namespace

LifeTextList::LifeTextList(const std::filesystem::path& familyDirectory, RecordNo person) {
    for (int slot = 0; slot < kLifeTextSlots; ++slot) {
        auto found = findIgnoringCase(familyDirectory, lifeTextName(person, letterAt(slot)));
        if (!found) continue;
        m_slots[static_cast<std::size_t>(slot)] = *found;
        m_existing.push_back(*found);
    }
}

const std::filesystem::path& LifeTextList::file(char letter) const {
    static const std::filesystem::path none;
    return isSlotLetter(letter) ? m_slots[static_cast<std::size_t>(slotOf(letter))] : none;
}

std::optional<char> LifeTextList::firstFreeLetter() const {
    for (int slot = 0; slot < kLifeTextSlots; ++slot) {
        if (m_slots[static_cast<std::size_t>(slot)].empty()) return letterAt(slot);
    }
    return std::nullopt;
}

std::optional<char> LifeTextList::lastLetter() const {
    for (int slot = kLifeTextSlots - 1; slot >= 0; --slot) {
        if (!m_slots[static_cast<std::size_t>(slot)].empty()) return letterAt(slot);
    }
    return std::nullopt;
}

std::optional<char> LifeTextList::letterOf(const std::filesystem::path& file) const {
    if (file.empty()) return std::nullopt;
    for (int slot = 0; slot < kLifeTextSlots; ++slot) {
        if (m_slots[static_cast<std::size_t>(slot)] == file) return letterAt(slot);
    }
    return std::nullopt;
}

std::string lifeTextDisplayName(const std::string& familyCode, const std::filesystem::path& file) {
    return familyCode + "\\" + file.filename().string();
}

std::optional<LoadedText> readLifeText(std::span<const std::uint8_t> bytes) {
    if (looksLikeRtf(bytes)) {
        if (auto rich = readRtf(bytes)) return LoadedText{std::move(*rich), true};
        return std::nullopt;
    }
    if (auto plain = readPlainText(bytes)) return LoadedText{std::move(*plain), false};
    return std::nullopt;
}

std::variant<LoadedText, ReadError> loadLifeText(const std::filesystem::path& file, FileCalls& calls) {
    auto read = readRegularFile(file, kRichTextFileLimit, calls);
    if (auto* failure = std::get_if<ReadError>(&read)) return *failure;
    const auto& content = std::get<FileBytes>(read);
    if (content.beyondLimit) return ReadError{ReadProblem::Failed, EFBIG};
    if (auto loaded = readLifeText(content.bytes)) return std::move(*loaded);
    return ReadError{ReadProblem::Failed, EBADMSG};
}

RichText shownLifeText(const std::filesystem::path& file, Prompt& prompt, FileCalls& calls) {
    auto loaded = loadLifeText(file, calls);
    if (auto* failure = std::get_if<ReadError>(&loaded)) {
        reportReadError(prompt, *failure, file);
        return {};
    }
    return std::get<LoadedText>(std::move(loaded)).text;
}

int saveLifeText(const std::filesystem::path& file, const RichText& text, FileCalls& calls) {
    const std::string bytes = writeRtf(text);
    return writeFileAtomically(file, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, calls);
}

int removeLifeText(const std::filesystem::path& file, FileCalls& calls) {
    if (calls.unlink(file) != 0) return errno;
    if (calls.syncDirectory(file.parent_path()) != 0) return errno;
    return 0;
}

}  // namespace brinox
