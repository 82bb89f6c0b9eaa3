#include "photos/photo_adding.h"

#include <string>

#include "store/ansi_text.h"
#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/file_copy.h"
#include "store/io_errors.h"

namespace brinox {

bool isJpegName(const std::filesystem::path& file) { return equalsIgnoringCase(file.extension().string(), ".jpg"); }

bool addPhoto(Session& session, Prompt& prompt, const std::filesystem::path& candidate, char letter) {
    const auto directory = familyFiles(session.dataDirectory, session.familyCode).directory;
    const auto target = AttachmentPath(directory, session.selectedPerson, std::string(1, letter), ".jpg");
    const int error = copyIntoPlace(candidate, target, *session.fileCalls);
    if (error == 0) return true;
    std::string text = "Fout " + std::to_string(error) + "\n";
    text += "opgetreden bij het copieren van \n";
    text += pathForMessage(candidate);
    text += " naar";
    text += pathForMessage(target);
    inform(prompt, text);
    return false;
}

bool deletePhoto(Session& session, Prompt& prompt, const std::filesystem::path& photo, char letter) {
    std::string question = "Weet U zeker dat U \nuit vak ";
    question += letter;
    question += "\nde foto " + pathForMessage(photo) + "\nwilt verwijderen?";
    if (prompt.message(MessageKind::Warning, question, {Button::Yes, Button::No}) != Button::Yes) return false;
    return session.fileCalls->unlink(photo) == 0;
}

}  // namespace brinox
