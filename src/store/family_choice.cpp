#include "store/family_choice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "store/ansi_text.h"
#include "store/family_code.h"
#include "store/family_files.h"
#include "store/family_load.h"
#include "store/io_errors.h"
#include "store/save_command.h"

namespace brinox {
namespace {

// Creates an empty file unless one is there already; answers 0 or errno.
int createEmptyFileIfMissing(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno == EEXIST ? 0 : errno;
    return ::close(fd) == 0 ? 0 : errno;
}

int createFamily(const FamilyFiles& files) {
    if (::mkdir(files.directory.c_str(), 0755) != 0 && errno != EEXIST) return errno;
    if (const int error = createEmptyFileIfMissing(files.persons)) return error;
    return createEmptyFileIfMissing(files.unions);
}

}  // namespace

std::vector<std::string> listFamilyCodes(const std::filesystem::path& dataDirectory) {
    std::vector<std::string> codes;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dataDirectory, ec), end; !ec && it != end; it.increment(ec)) {
        const auto name = it->path().filename().string();
        if (!it->is_directory(ec) || name.find('.') != std::string::npos) continue;
        if (const auto ansi = utf8ToAnsi(name)) codes.push_back(ansiUpper(*ansi));
    }
    std::sort(codes.begin(), codes.end(),
              [](const std::string& a, const std::string& b) { return compareAnsiNoCase(a, b) < 0; });
    return codes;
}

std::optional<std::string> chooseFamilyCode(const std::filesystem::path& dataDirectory, Prompt& prompt,
                                            const std::string& typed) {
    const std::string code = normalFamilyCode(typed);
    if (const auto refusal = familyCodeRefusal(code)) {
        warn(prompt, *refusal);
        return std::nullopt;
    }
    const auto files = familyFiles(dataDirectory, code);
    std::error_code ec;
    if (std::filesystem::exists(files.persons, ec)) return code;

    const Button answer =
        prompt.message(MessageKind::Confirmation, "Bestand " + code + " werd niet gevonden.\nNieuw bestand creeren?",
                       {Button::Yes, Button::No, Button::Cancel});
    if (answer != Button::Yes) return code;
    if (const int error = createFamily(files)) {
        inform(prompt, "IO-fout " + std::to_string(error));
    } else {
        // The folder as it is spelled on disk, which may differ in case from the code.
        inform(prompt, "Het nieuwe bestand komt in " + pathForMessage(files.directory) + "/");
    }
    return code;
}

bool mayLeaveFamily(Session& session, Prompt& prompt) {
    if (!session.changed) return true;
    const Button answer = prompt.message(MessageKind::Warning, "Bestand werd gewijzigd.\n\nDeze wijzigingen opslaan?",
                                         {Button::No, Button::Ok, Button::Cancel});
    if (answer == Button::Cancel) return false;
    if (answer == Button::No) {
        warn(prompt, "Het bestand op disk werd niet bijgewerkt.");
        return true;
    }
    return saveCommand(session, prompt) == SaveOutcome::Saved;
}

void openFamily(Session& session, Prompt& prompt, const std::string& familyCode) {
    session.familyCode = familyCode;
    session.persons.clear();
    session.selectedPerson = RecordNo(1);
    LoadFamily(session, prompt);
}

std::string familyCaption(const std::string& familyCode) {
    return "  " + familyCode + "  *** Takkenbos ***       Kwartierstaat";
}

}  // namespace brinox
