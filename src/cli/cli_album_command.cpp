#include <sstream>

#include "cli/cli_commands.h"
#include "photos/album_thumbnails.h"
#include "photos/photo_album.h"
#include "store/family_files.h"

namespace brinox {
namespace {

std::string yesNo(bool yes) { return yes ? "yes" : "no"; }

// The PageUp and PageDown keys of LIST, in order; empty after a usage error.
std::optional<std::vector<bool>> pageKeys(CliContext& context) {
    std::vector<bool> forward;
    std::istringstream names(context.option("keys").value_or(""));
    for (std::string key; std::getline(names, key, ',');) {
        if (key != "up" && key != "down") {
            context.usage("--keys knows up and down, not " + key);
            return std::nullopt;
        }
        forward.push_back(key == "up");
    }
    return forward;
}

void printPage(CliContext& context, const AlbumPage& page) {
    std::array<std::filesystem::path, kAlbumCells> files;
    for (int i = 0; i < kAlbumCells; ++i) files[i] = page[i].file;
    ThumbnailCache thumbnails;
    const auto shown = thumbnails.thumbnails(files, kAlbumThumbnailWidth, kAlbumThumbnailHeight);
    for (int i = 0; i < kAlbumCells; ++i) {
        const Thumbnail& thumbnail = *shown[i];
        const bool readable = !thumbnail.picture.empty();
        printLine(context.out, "cell",
                  {std::to_string(i + 1), std::to_string(page[i].entry), page[i].name,
                   readable ? std::to_string(thumbnail.shown.width) : "",
                   readable ? std::to_string(thumbnail.shown.height) : ""});
    }
}

}  // namespace

int cliAlbum(CliContext& context, const std::vector<std::string>&) {
    auto& session = context.session;
    const auto offset = parseNumberText(context.option("offset").value_or("0"));
    if (!offset) return context.usage("--offset needs a number of photos");
    const auto keys = pageKeys(context);
    if (!keys) return kExitUsage;
    std::optional<std::uint16_t> click;
    if (const auto text = context.option("click")) {
        click = parseNumberText(*text);
        if (!click || *click < 1 || *click > kAlbumCells) return context.usage("--click needs a cell 1..20");
    }

    const auto entries = listAlbum(familyFiles(session.dataDirectory, session.familyCode).directory);
    const int count = static_cast<int>(entries.size());
    session.albumPageOffset = *offset;
    for (const bool forward : *keys) {
        session.albumPageOffset =
            forward ? nextPageOffset(session.albumPageOffset, count) : previousPageOffset(session.albumPageOffset);
    }
    auto typed = context.option("goto");
    if (typed) {
        if (const auto choice = quickPageChoice(*typed, entries, session.persons.count())) {
            session.albumPageOffset = choice->offset;
            if (choice->edit) typed = choice->edit;
        }
    }

    printLine(context.out, "caption", {albumCaption(count)});
    printLine(context.out, "offset", {std::to_string(session.albumPageOffset)});
    printLine(context.out, "pageup", {yesNo(pageUpEnabled(session.albumPageOffset, count))});
    printLine(context.out, "pagedown", {yesNo(pageDownEnabled(session.albumPageOffset))});
    if (typed) printLine(context.out, "edit", {*typed});
    const AlbumPage page = albumPage(entries, session.albumPageOffset, placeholderPicture(session.dataDirectory));
    printPage(context, page);
    if (click && selectFromAlbum(session, context.prompt, page[*click - 1])) {
        printLine(context.out, "selected", {toText(session.selectedPerson)});
    }
    return kExitOk;
}

}  // namespace brinox
