// brinox-cli photos N: the photo management window opened for N, and one of
// its commands.

#include <algorithm>

#include "cli/cli_commands.h"
#include "photos/caption_file.h"
#include "photos/jpeg_decoder.h"
#include "photos/photo_management.h"
#include "store/ansi_text.h"
#include "store/attachment_names.h"
#include "store/io_errors.h"

namespace brinox {
namespace {

std::string withoutShortcut(std::string caption) {
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

std::string fileName(const std::filesystem::path& file) {
    return utf8ToAnsi(file.filename().string()).value_or(pathForMessage(file.filename()));
}

void printWindow(CliContext& context, const PhotoManager& manager) {
    auto& out = context.out;
    printLine(out, "caption", {manager.windowCaption()});
    printLine(out, "status", {manager.statusText()});
    printLine(out, "delete", {withoutShortcut(manager.deleteCaption()), manager.deleteEnabled() ? "yes" : "no"});
    const CaptionFile captions = captionsOf(context.session, context.prompt);
    for (int slot = 1; slot <= manager.lastSlot(); ++slot) {
        const auto& file = manager.photos()[static_cast<std::size_t>(slot - 1)];
        Picture picture;
        readJpegThumbnail(file, picture, kThumbnailWidth, kThumbnailHeight);
        const ShownSize size = thumbnailSize(picture.storedWidth, picture.storedHeight);
        const bool shown = !picture.empty();
        const std::string key = PersonKey(context.session.selectedPerson) + slotLetter(slot);
        printLine(out, "slot",
                  {std::to_string(slot), std::string(1, slotLetter(slot)), fileName(file),
                   shown ? std::to_string(size.width) : "", shown ? std::to_string(size.height) : "",
                   captions.find(key).value_or("")});
    }
}

int exitCodeOf(ArrangeOutcome outcome) {
    switch (outcome) {
        case ArrangeOutcome::NoPassword: return kExitUsage;
        case ArrangeOutcome::Failed: return kExitFileError;
        case ArrangeOutcome::Unneeded:
        case ArrangeOutcome::Arranged: break;
    }
    return kExitOk;
}

// The letters of slots 1..n, each one of those slots' letters.
bool validOrder(const std::string& letters, int lastSlot) {
    return static_cast<int>(letters.size()) == lastSlot &&
           std::all_of(letters.begin(), letters.end(), [&](char c) { return c >= 'A' && c <= slotLetter(lastSlot); });
}

bool validLetter(const std::string& letter, int lastSlot) {
    return letter.size() == 1 && letter[0] >= 'A' && letter[0] <= slotLetter(lastSlot);
}

int setOrderAndArrange(PhotoManager& manager, const std::string& letters) {
    // As the user would: clicking each letter on until it shows the one wanted.
    for (int slot = 1; slot <= manager.lastSlot(); ++slot) {
        while (manager.orderLetter(slot) != letters[static_cast<std::size_t>(slot - 1)]) {
            manager.stepOrderLetter(slot, true);
        }
    }
    return exitCodeOf(manager.arrange());
}

int pickAndLink(CliContext& context, PhotoManager& manager, char letter, std::string text) {
    if (manager.manipulating()) manager.switchMode();
    manager.pointAt(letter - 'A' + 1);
    if (captionTyping(text.size()).cut) {
        inform(context.prompt, kCaptionTooLong);
        text.resize(kCaptionTextWidth);
    }
    switch (manager.link(text).value_or(LinkOutcome::Failed)) {
        case LinkOutcome::NoPassword: return kExitUsage;
        case LinkOutcome::Failed: return kExitFileError;
        case LinkOutcome::Linked: break;
    }
    return kExitOk;
}

int addCandidate(CliContext& context, PhotoManager& manager, const std::string& file) {
    context.prompt.answerFilesWith(file);
    if (!manager.chooseCandidate() || !manager.addEnabled()) return kExitOk;
    return manager.addCandidate() ? kExitOk : kExitFileError;
}

}  // namespace

int cliPhotos(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    const auto add = context.option("add");
    const auto order = context.option("order");
    const auto text = context.optionPair("text");
    const bool remove = context.hasFlag("delete");
    if (add.has_value() + order.has_value() + text.has_value() + remove > 1) {
        return context.usage("photos takes one of --add, --delete, --order and --text");
    }
    context.session.selectedPerson = *person;
    PhotoManager manager(context.session, context.prompt);
    manager.open();
    if (order && !validOrder(*order, manager.lastSlot())) {
        return context.usage("--order needs one letter for each of the " + std::to_string(manager.lastSlot()) +
                             " photos, each of them a photo's letter");
    }
    if (text && !validLetter(text->first, manager.lastSlot())) {
        return context.usage("--text needs the letter of a photo of " + toText(*person));
    }
    printWindow(context, manager);
    if (!add && !order && !text && !remove) return kExitOk;

    const std::size_t before = context.prompt.shownTexts().size();
    int code = kExitOk;
    if (add) code = addCandidate(context, manager, *add);
    if (remove) manager.deleteLastPhoto();
    if (order) code = setOrderAndArrange(manager, *order);
    if (text) code = pickAndLink(context, manager, text->first[0], text->second);
    printWindow(context, manager);
    return code == kExitFileError ? context.fileError(before) : code;
}

}  // namespace brinox
