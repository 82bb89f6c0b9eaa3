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

std::string pathForMessage(const std::filesystem::path& path) { return ansiForMessage(path.string()); }

void reportIoError(Prompt& prompt, int error, const std::filesystem::path& file) {
    prompt.message(MessageKind::Error, systemErrorText(error) + ".\n" + pathForMessage(file), {Button::Ok});
}

}  // namespace brinox
