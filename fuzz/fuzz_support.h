#pragma once

// What the fuzz targets share: a scratch data directory that lives as long
// as the process, a prompt that answers nothing, and a way for a short input
// to stand for a long file.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "pedigree/pedigree_model.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox::fuzzing {

// A property that must hold for every input. A broken one is reported the
// way the fuzzer reports a crash, so it is kept as an artifact and replayed.
inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// Closes every box with its first button and cancels every input, as a user
// who clicks whatever comes first would.
class QuietPrompt : public Prompt {
public:
    int messages = 0;

    Button message(MessageKind, const std::string&, std::initializer_list<Button> buttons) override {
        ++messages;
        return buttons.size() > 0 ? *buttons.begin() : Button::Ok;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    Colour chooseColour(Colour preset) override { return preset; }
};

inline void writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    require(!out.fail(), "the scratch file can be written");
}

// A data directory of its own for this process, with one family folder.
// TMPDIR decides where it goes; the fuzz runner points it at a fresh folder.
class Scratch {
public:
    static constexpr const char* kFamily = "FUZZ";

    Scratch() {
        m_dataDirectory =
            std::filesystem::temp_directory_path() / ("brinox-fuzz-" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(m_dataDirectory / kFamily);
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(m_dataDirectory, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::filesystem::path& dataDirectory() const { return m_dataDirectory; }
    std::filesystem::path personFile() const { return m_dataDirectory / kFamily / (std::string(kFamily) + ".da1"); }
    std::filesystem::path unionFile() const { return m_dataDirectory / kFamily / (std::string(kFamily) + ".hu1"); }
    std::filesystem::path configurationFile() const { return m_dataDirectory / "brinox.cfg"; }

    // A session pointed at the scratch family, not loaded yet.
    Session session() const {
        Session s;
        s.dataDirectory = m_dataDirectory;
        s.familyCode = kFamily;
        return s;
    }

private:
    std::filesystem::path m_dataDirectory;
};

// The file an input stands for. An input starting with "TILE" and a 16-bit
// little-endian count stands for the rest repeated that many times, so that
// full and overfull tables (600 persons are 170 kB) are reached from a few
// bytes; every other input is the file itself.
inline std::vector<std::uint8_t> fileFromInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 6;
    constexpr std::size_t kMaxFile = 256 * 1024;
    if (size >= kHeader && std::equal(data, data + 4, "TILE")) {
        const std::size_t times = static_cast<std::size_t>(data[4] | (data[5] << 8));
        const std::size_t body = size - kHeader;
        std::vector<std::uint8_t> file;
        if (body == 0) return file;
        file.reserve(std::min(times * body, kMaxFile));
        for (std::size_t i = 0; i < times && file.size() + body <= kMaxFile; ++i) {
            file.insert(file.end(), data + kHeader, data + size);
        }
        return file;
    }
    return std::vector<std::uint8_t>(data, data + size);
}

// Draws the pedigree of each of `people` (any number, in range or not) and
// checks what every pedigree must be, whatever the family holds.
inline void drawPedigrees(Session& session, const std::vector<int>& people) {
    for (const int person : people) {
        session.selectedPerson = RecordNo(person);
        const PedigreeView view = buildPedigree(session);
        if (session.persons.count() < 1) {
            require(!view.caption && !view.partnerLabel && view.children.empty(), "an empty family draws nothing");
            continue;
        }
        require(view.caption.has_value() && view.partnerLabel.has_value(), "a family sets caption and partner");
        require(view.persons[kZelf] == RecordNo(person), "the self panel shows the selected person");
        for (int i = 0; i < kPanelCount; ++i) {
            require(!view.persons[i].isNone() || view.panelTexts[i].empty(), "an empty panel has no text");
        }
        // The label is read back to follow a click on it; it must lead to a partner.
        require(view.partnerLabel->empty() || !partnerInLabel(*view.partnerLabel).isNone(),
                "a partner label names its partner's number");
    }
}

// The record numbers a family's own files point at: fathers, mothers and
// own numbers of its first records, plus the edges of the table.
inline std::vector<int> peopleToDraw(const PersonTable& persons) {
    std::vector<int> people = {0, 1, 2, persons.count(), persons.count() + 1, PersonTable::kSlots,
                               PersonTable::kSlots + 1, 65535};
    const int last = std::min(persons.count(), 6);
    for (int r = 1; r <= last; ++r) {
        people.push_back(persons.getFather(RecordNo(r)).value);
        people.push_back(persons.getMother(RecordNo(r)).value);
        people.push_back(persons.getNumber(RecordNo(r)).value);
    }
    return people;
}

}  // namespace brinox::fuzzing
