#include "photos/caption_file.h"

#include <algorithm>
#include <cerrno>

#include "store/family_files.h"
#include "store/safe_save.h"

namespace brinox {
namespace {

constexpr std::size_t kKeyLengthAt = 0;
constexpr std::size_t kTextLengthAt = 1 + kCaptionKeyWidth;

std::string field(const CaptionRecord& record, std::size_t lengthAt, std::size_t width) {
    const std::size_t length = std::min<std::size_t>(record[lengthAt], width);
    return std::string(reinterpret_cast<const char*>(record.data() + lengthAt + 1), length);
}

void putField(CaptionRecord& record, std::size_t lengthAt, std::size_t width, std::string_view text) {
    const std::size_t length = std::min(text.size(), width);
    record[lengthAt] = static_cast<std::uint8_t>(length);
    std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(lengthAt + 1), width, std::uint8_t{0});
    std::copy_n(text.begin(), length, record.begin() + static_cast<std::ptrdiff_t>(lengthAt + 1));
}

bool hasKey(const CaptionRecord& record, std::string_view key) {
    return record[kKeyLengthAt] == kCaptionKeyWidth && captionKey(record) == key;
}

}  // namespace

std::string captionKey(const CaptionRecord& record) { return field(record, kKeyLengthAt, kCaptionKeyWidth); }

std::string captionText(const CaptionRecord& record) { return field(record, kTextLengthAt, kCaptionTextWidth); }

CaptionRecord makeCaptionRecord(std::string_view key, std::string_view text) {
    CaptionRecord record{};
    putField(record, kKeyLengthAt, kCaptionKeyWidth, key);
    putField(record, kTextLengthAt, kCaptionTextWidth, text);
    return record;
}

CaptionFile CaptionFile::decode(std::span<const std::uint8_t> bytes) {
    CaptionFile captions;
    const std::size_t whole = bytes.size() / kCaptionRecordSize;
    captions.m_records.resize(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(i * kCaptionRecordSize), kCaptionRecordSize,
                    captions.m_records[i].begin());
    }
    captions.m_tail.assign(bytes.begin() + static_cast<std::ptrdiff_t>(whole * kCaptionRecordSize), bytes.end());
    return captions;
}

std::vector<std::uint8_t> CaptionFile::encode() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(m_records.size() * kCaptionRecordSize + m_tail.size());
    for (const auto& record : m_records) bytes.insert(bytes.end(), record.begin(), record.end());
    bytes.insert(bytes.end(), m_tail.begin(), m_tail.end());
    return bytes;
}

std::optional<std::string> CaptionFile::find(std::string_view key) const {
    const auto last = std::find_if(m_records.rbegin(), m_records.rend(),
                                   [key](const CaptionRecord& record) { return hasKey(record, key); });
    if (last == m_records.rend()) return std::nullopt;
    return captionText(*last);
}

void CaptionFile::store(std::string_view key, std::string_view text, bool addEmpty) {
    bool stored = false;
    for (auto& record : m_records) {
        if (!hasKey(record, key)) continue;
        putField(record, kTextLengthAt, kCaptionTextWidth, text);
        stored = true;
    }
    if (stored || (!addEmpty && text.empty())) return;
    m_records.push_back(makeCaptionRecord(key, text));
    m_tail.clear();
}

std::filesystem::path captionFilePath(const Session& session) {
    return familyFiles(session.dataDirectory, session.familyCode).captions;
}

std::variant<CaptionFile, ReadError> readCaptionFile(const std::filesystem::path& path, FileCalls& calls) {
    auto read = readRegularFile(path, kCaptionFileLimit, calls);
    if (const auto* failure = std::get_if<ReadError>(&read)) {
        if (failure->problem == ReadProblem::Missing) return CaptionFile();
        return *failure;
    }
    const auto& content = std::get<FileBytes>(read);
    // Saving what fits would drop the rest: such a file is refused whole.
    if (content.beyondLimit) return ReadError{ReadProblem::Failed, EFBIG};
    return CaptionFile::decode(content.bytes);
}

CaptionFile captionsOf(const Session& session, Prompt& prompt) {
    if (session.familyCode.empty()) return CaptionFile();
    const auto path = captionFilePath(session);
    auto read = readCaptionFile(path, *session.fileCalls);
    if (auto* captions = std::get_if<CaptionFile>(&read)) return std::move(*captions);
    reportReadError(prompt, std::get<ReadError>(read), path);
    return CaptionFile();
}

int writeCaptionFile(const std::filesystem::path& path, const CaptionFile& captions, FileCalls& calls) {
    return writeFileAtomically(path, captions.encode(), calls);
}

}  // namespace brinox
