#include "photos/photo_captions.h"

#include "photos/caption_file.h"
#include "store/arrange_journal.h"
#include "store/family_files.h"
#include "store/io_errors.h"
#include "store/save_command.h"

namespace brinox {
namespace {

constexpr std::size_t kBeepFrom = 96;

}  // namespace

CaptionTyping captionTyping(std::size_t length) { return {length >= kBeepFrom, length > kCaptionTextWidth}; }

LinkOutcome linkCaption(Session& session, Prompt& prompt, const std::string& key, const std::string& text) {
    if (!AskPassword(session, prompt)) {
        inform(prompt, "Alleen als U het wachtwoord kent,\nkan tekst aan het plaatje \nworden gekoppeld");
        return LinkOutcome::NoPassword;
    }
    // An arrange cut short after its commit still has to put its caption
    // file in place: finished later, it would undo this link.
    if (const auto unfinished = finishInterruptedArrange(familyFiles(session.dataDirectory, session.familyCode),
                                                         *session.fileCalls)) {
        reportIoError(prompt, unfinished->error, unfinished->file);
        return LinkOutcome::Failed;
    }
    const auto path = captionFilePath(session);
    auto read = readCaptionFile(path, *session.fileCalls);
    if (const auto* failure = std::get_if<ReadError>(&read)) {
        reportReadError(prompt, *failure, path);
        return LinkOutcome::Failed;
    }
    auto& captions = std::get<CaptionFile>(read);
    captions.store(key, text, true);
    if (const int error = writeCaptionFile(path, captions, *session.fileCalls)) {
        reportIoError(prompt, error, path);
        return LinkOutcome::Failed;
    }
    inform(prompt, "De tekst is aan het plaatje gekoppeld");
    return LinkOutcome::Linked;
}

}  // namespace brinox
