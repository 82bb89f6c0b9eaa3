#include "photos/slide_show.h"

#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/io_errors.h"

namespace brinox {
namespace {

constexpr char kFirstLetter = 'A';
constexpr char kLastLetter = 'A' + kSlidePositions - 1;

const char* const kShortHint = "Esc = afsluiten";
const char* const kBrowseHint =
    "Esc = afsluiten\nRechter muisknop = volgende foto\nRechter muisknop + ALT-toets = vorige \nToets Z = zoom";

std::filesystem::path familyDirectory(const Session& session) {
    return familyFiles(session.dataDirectory, session.familyCode).directory;
}

std::string windowCaption(const Session& session, char letter) {
    const RecordNo person = session.photoPerson;
    return toText(session.persons.getNumber(person)) + letter + " " + session.persons.getFirstNames(person) + "  " +
           session.persons.getFamilyName(person);
}

std::string keyOf(const Session& session, char letter) { return PersonKey(session.photoPerson) + letter; }

bool moveTo(SlideShow& show, Session& session, const CaptionFile& captions, int position) {
    show.zoom = false;
    show.position = position;
    const auto& file = show.photos[static_cast<std::size_t>(position - 1)];
    if (file.empty()) return false;
    const char letter = static_cast<char>(kFirstLetter + position - 1);
    show.caption = windowCaption(session, letter);
    session.currentPhotoFile = file;
    show.status = pathForMessage(file);
    const auto text = captions.find(keyOf(session, letter));
    if (text && !text->empty()) show.status = *text;
    return true;
}

}  // namespace

PhotoSequenceStep stepPhotoSequence(Session& session, RecordNo person) {
    const bool knownLetter = session.currentPhotoLetter >= kFirstLetter && session.currentPhotoLetter <= kLastLetter;
    if (session.photoRestart || !knownLetter) session.currentPhotoLetter = kFirstLetter;
    session.photoRestart = false;
    PhotoSequenceStep step{session.currentPhotoLetter, false};
    const char next = static_cast<char>(step.shown + 1);
    step.nextExists = next <= kLastLetter &&
                      attachmentExists(familyDirectory(session), person, std::string(1, next), ".jpg");
    session.currentPhotoLetter = step.nextExists ? next : kFirstLetter;
    return step;
}

SlideShow openSlideShow(Session& session, const CaptionFile& captions) {
    SlideShow show;
    const auto directory = familyDirectory(session);
    for (int position = 1; position <= kSlidePositions; ++position) {
        const std::string letter(1, static_cast<char>(kFirstLetter + position - 1));
        if (!attachmentExists(directory, session.photoPerson, letter, ".jpg")) continue;
        ++show.count;
        show.photos[static_cast<std::size_t>(position - 1)] =
            AttachmentPath(directory, session.photoPerson, letter, ".jpg");
    }
    const PhotoSequenceStep step = stepPhotoSequence(session, session.photoPerson);
    const char shown = step.shown;
    session.currentPhotoFile = AttachmentPath(directory, session.photoPerson, std::string(1, shown), ".jpg");
    show.hint = step.nextExists ? kBrowseHint : kShortHint;
    show.caption = windowCaption(session, shown);
    const auto text = captions.find(keyOf(session, shown));
    show.status = text ? *text : pathForMessage(session.currentPhotoFile);
    return show;
}

bool showNextSlide(SlideShow& show, Session& session, const CaptionFile& captions) {
    show.zoom = false;
    if (show.count == 0) return false;
    return moveTo(show, session, captions, show.position >= show.count ? 1 : show.position + 1);
}

bool showPreviousSlide(SlideShow& show, Session& session, const CaptionFile& captions) {
    show.zoom = false;
    if (show.count == 0) return false;
    return moveTo(show, session, captions, show.position <= 1 ? show.count : show.position - 1);
}

}  // namespace brinox
