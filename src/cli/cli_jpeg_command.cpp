#include "cli/cli_commands.h"
#include "photos/jpeg_decoder.h"

namespace brinox {

int cliJpeg(CliContext& context, const std::vector<std::string>& words) {
    Picture picture;
    const bool shown = readJpegFile(words.at(0), picture);
    printLine(context.out, "jpeg",
              {std::to_string(picture.width), std::to_string(picture.height), shown ? "yes" : "no"});
    return kExitOk;
}

}  // namespace brinox
