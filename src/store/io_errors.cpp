#include "store/io_errors.h"

#include <cerrno>

#include "store/ansi_text.h"

namespace brinox {

std::string systemErrorText(int error) {
    switch (error) {
        case ENOENT: return "Bestand of map niet gevonden";
        case EACCES:
        case EPERM: return "Toegang geweigerd";
        case ENOSPC: return "De schijf is vol";
        case EDQUOT: return "Het schijfquotum is bereikt";
        case EROFS: return "De schijf is alleen-lezen";
        case EIO: return "Lees- of schrijffout op de schijf";
        case EEXIST: return "Het bestand bestaat al";
        case ENOTDIR: return "Een deel van het pad is geen map";
        case EISDIR: return "Dit is een map, geen bestand";
        case EBADMSG: return "De inhoud van het bestand is onbruikbaar";
        case EFBIG: return "Het bestand is te groot";
        case ENAMETOOLONG: return "De bestandsnaam is te lang";
        case EMFILE:
        case ENFILE: return "Te veel geopende bestanden";
        default: return "Systeemfout " + std::to_string(error);
    }
}

std::string pathForMessage(const std::filesystem::path& path) {
    const std::string text = path.string();
    std::string out;
    for (size_t i = 0; i < text.size();) {
        // One UTF-8 character at a time, so one foreign letter costs one "?".
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const auto piece = utf8ToAnsi(std::string_view(text).substr(i, length));
        out += piece ? *piece : "?";
        i += length;
    }
    return out;
}

void reportIoError(Prompt& prompt, int error, const std::filesystem::path& file) {
    prompt.message(MessageKind::Error, systemErrorText(error) + ".\n" + pathForMessage(file), {Button::Ok});
}

}  // namespace brinox
