#include "cli/cli_commands.h"
#include "kinship/identification.h"
#include "photos/jpeg_decoder.h"
#include "store/number_text.h"

namespace brinox {
namespace {

// One activation of the identification window: the name line and the photo
// with its box, which a narrow photo leaves where the previous one put it.
void printActivation(CliContext& context, PhotoBox& box) {
    const auto shown = identifyPointedAt(context.session);
    printLine(context.out, "name", {shown->name});
    if (!shown->photoExists) {
        printLine(context.out, "nophoto", {kNoPhotoText});
        return;
    }
    Picture picture;
    readJpegThumbnail(shown->photo, picture, kIdentPhotoBox.width, kIdentPhotoBox.height);
    box = identificationPhotoBox(picture.storedWidth, picture.storedHeight, box);
    // A photo's name is "fam", digits, a letter and ".jpg": plain ASCII.
    printLine(context.out, "photo", {shown->photo.filename().string(), std::to_string(box.width),
                                     std::to_string(box.height), std::to_string(box.left), std::to_string(box.top)});
}

}  // namespace

int cliIdentify(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    int clicks = 0;
    if (const auto steps = context.option("steps")) {
        const auto number = parseNumberText(*steps);
        if (!number) return context.usage("--steps needs the number of right clicks");
        clicks = *number;
    }
    context.session.relationship.pointedAt = *person;
    context.session.photoRestart = true;
    PhotoBox box = kIdentPhotoBox;
    for (int activation = 0; activation <= clicks; ++activation) printActivation(context, box);
    return kExitOk;
}

}  // namespace brinox
