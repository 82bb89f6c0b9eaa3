#include <sstream>

#include "cli/cli_commands.h"
#include "photos/caption_file.h"
#include "photos/jpeg_decoder.h"
#include "photos/photo_views.h"
#include "photos/slide_show.h"
#include "store/ansi_text.h"
#include "store/io_errors.h"

namespace brinox {
namespace {

std::string fileName(const std::filesystem::path& file) {
    return utf8ToAnsi(file.filename().string()).value_or(pathForMessage(file.filename()));
}

std::string yesNo(bool yes) { return yes ? "yes" : "no"; }

// The slide viewer's picture: a photo that is not there leaves the last one.
void loadSlide(const Session& session, Picture& picture) {
    std::error_code ec;
    if (std::filesystem::exists(session.currentPhotoFile, ec)) readJpegFile(session.currentPhotoFile, picture);
}

void printShownSlide(CliContext& context, const SlideShow& show, const Picture& picture) {
    printLine(context.out, "caption", {show.caption});
    printLine(context.out, "status", {show.status});
    printLine(context.out, "file", {fileName(context.session.currentPhotoFile)});
    printLine(context.out, "size", {std::to_string(picture.width), std::to_string(picture.height)});
    printLine(context.out, "zoom", {yesNo(show.zoom)});
}

}  // namespace

int cliCaptions(CliContext& context, const std::vector<std::string>&) {
    const auto path = captionFilePath(context.session);
    const auto read = readCaptionFile(path);
    if (const auto* failure = std::get_if<ReadError>(&read)) {
        reportReadError(context.prompt, *failure, path);
        return kExitFileError;
    }
    for (const auto& record : std::get<CaptionFile>(read).records()) {
        printLine(context.out, "caption", {captionKey(record), captionText(record)});
    }
    return kExitOk;
}

int cliSlides(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    std::vector<std::string> steps;
    if (const auto list = context.option("steps")) {
        std::istringstream names(*list);
        for (std::string step; std::getline(names, step, ',');) {
            if (step != "next" && step != "prev" && step != "zoom" && step != "reopen") {
                return context.usage("--steps knows next, prev, zoom and reopen, not " + step);
            }
            steps.push_back(step);
        }
    }
    auto& session = context.session;
    session.photoPerson = *person;
    session.photoRestart = true;
    const CaptionFile captions = captionsOf(session, context.prompt);
    SlideShow show = openSlideShow(session, captions);
    Picture picture;
    loadSlide(session, picture);

    printLine(context.out, "count", {std::to_string(show.count)});
    for (int position = 1; position <= kSlidePositions; ++position) {
        const auto& file = show.photos[static_cast<std::size_t>(position - 1)];
        if (file.empty()) continue;
        printLine(context.out, "photo", {std::to_string(position), std::string(1, static_cast<char>('A' + position - 1)),
                                         fileName(file)});
    }
    printLine(context.out, "browse", {yesNo(show.browsable())});
    printLine(context.out, "hint", {show.hint});
    printShownSlide(context, show, picture);
    for (const auto& step : steps) {
        if (step == "next" && showNextSlide(show, session, captions)) loadSlide(session, picture);
        if (step == "prev" && showPreviousSlide(show, session, captions)) loadSlide(session, picture);
        if (step == "zoom") show.zoom = !show.zoom;
        if (step == "reopen") {
            show = openSlideShow(session, captions);
            loadSlide(session, picture);
        }
        printLine(context.out, "step", {step});
        printShownSlide(context, show, picture);
    }
    return kExitOk;
}

int cliPhoto(CliContext& context, const std::vector<std::string>& words) {
    const std::filesystem::path file = words.at(0);
    Picture picture;
    readJpegFile(file, picture);
    const SinglePhoto photo = singlePhotoOf(file);
    context.session.photoPerson = photo.person;
    const CaptionFile captions = captionsOf(context.session, context.prompt);
    printLine(context.out, "key", {photo.key});
    printLine(context.out, "person", {toText(photo.person)});
    printLine(context.out, "caption", {singlePhotoCaption(context.session.persons, photo, picture.width, picture.height)});
    printLine(context.out, "status", {photoStatus(captions, photo.key, file)});
    return kExitOk;
}

}  // namespace brinox
