#include "store/family_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <span>

#include "store/ansi_text.h"
#include "store/case_insensitive_files.h"

namespace brinox {
namespace {

// Feeds whole records of `size` bytes to `take` until the file ends or
// `take` answers false. Answers 0 or the errno of a failed read.
int readRecords(int fd, std::size_t size, const std::function<bool(std::span<const std::uint8_t>)>& take) {
    std::vector<std::uint8_t> buffer(size * 256);
    std::size_t filled = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        filled += static_cast<std::size_t>(n);
        std::size_t used = 0;
        for (; used + size <= filled; used += size) {
            if (!take(std::span<const std::uint8_t>(buffer.data() + used, size))) return 0;
        }
        std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(used),
                  buffer.begin() + static_cast<std::ptrdiff_t>(filled), buffer.begin());
        filled -= used;
        if (n == 0) return 0;
    }
}

template <typename Content>
std::variant<Content, ReadError> readWith(const std::filesystem::path& path, std::size_t size,
                                          const std::function<bool(Content&, std::span<const std::uint8_t>)>& take) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ReadError{true, errno};
    Content content;
    const int error = readRecords(fd, size, [&](std::span<const std::uint8_t> bytes) { return take(content, bytes); });
    ::close(fd);
    if (error != 0) return ReadError{false, error};
    return content;
}

}  // namespace

FamilyFiles familyFiles(const std::filesystem::path& dataDirectory, const std::string& familyCode) {
    const std::string name = ansiToUtf8(familyCode);
    FamilyFiles files;
    files.directory = resolveIgnoringCase(dataDirectory, name);
    files.persons = resolveIgnoringCase(files.directory, name + ".da1");
    files.unions = resolveIgnoringCase(files.directory, name + ".hu1");
    files.marker = files.directory / (name + ".saving");
    return files;
}

std::variant<PersonFileContent, ReadError> readPersonFile(const std::filesystem::path& path) {
    return readWith<PersonFileContent>(path, kPersonRecordSize,
                                       [](PersonFileContent& content, std::span<const std::uint8_t> bytes) {
                                           if (content.records.size() == PersonTable::kSlots) {
                                               content.overflow = true;
                                               return false;
                                           }
                                           content.records.push_back(decodePersonRecord(
                                               std::span<const std::uint8_t, kPersonRecordSize>(bytes)));
                                           return true;
                                       });
}

std::variant<UnionFileContent, ReadError> readUnionFile(const std::filesystem::path& path) {
    return readWith<UnionFileContent>(
        path, kUnionEntrySize, [](UnionFileContent& content, std::span<const std::uint8_t> bytes) {
            const auto entry = decodeUnionEntry(std::span<const std::uint8_t, kUnionEntrySize>(bytes));
            if (!entry.inUse()) return true;
            if (content.unions.size() == UnionTable::kLast) {
                content.overflow = true;
                return false;
            }
            content.unions.push_back(entry);
            return true;
        });
}

std::vector<std::uint8_t> encodePersonFile(const PersonTable& persons) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(persons.count()) * kPersonRecordSize);
    for (int r = 1; r <= persons.count(); ++r) {
        encodePersonRecord(persons.record(RecordNo(r)),
                           std::span<std::uint8_t, kPersonRecordSize>(bytes.data() + (r - 1) * kPersonRecordSize,
                                                                      kPersonRecordSize));
    }
    return bytes;
}

std::vector<std::uint8_t> encodeUnionFile(const UnionTable& unions) {
    std::vector<std::uint8_t> bytes(UnionTable::kEntries * kUnionEntrySize);
    for (int i = 0; i < UnionTable::kEntries; ++i) {
        encodeUnionEntry(unions[i],
                         std::span<std::uint8_t, kUnionEntrySize>(bytes.data() + i * kUnionEntrySize, kUnionEntrySize));
    }
    return bytes;
}

}  // namespace brinox
