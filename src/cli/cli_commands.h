#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_context.h"

namespace brinox {

// Runs one command line (without the program name); answers the exit code.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The save command with its messages; answers the exit code for its outcome.
int cliSave(CliContext& context);

// The commands; `words` holds the command's own arguments.
int cliPersons(CliContext& context, const std::vector<std::string>& words);
int cliUnions(CliContext& context, const std::vector<std::string>& words);
int cliResave(CliContext& context, const std::vector<std::string>& words);
int cliPedigree(CliContext& context, const std::vector<std::string>& words);
int cliSelect(CliContext& context, const std::vector<std::string>& words);
int cliAnniversaries(CliContext& context, const std::vector<std::string>& words);
int cliDelete(CliContext& context, const std::vector<std::string>& words);
int cliDetails(CliContext& context, const std::vector<std::string>& words);
int cliDescendants(CliContext& context, const std::vector<std::string>& words);
int cliRelation(CliContext& context, const std::vector<std::string>& words);
int cliIdentify(CliContext& context, const std::vector<std::string>& words);
int cliTimeline(CliContext& context, const std::vector<std::string>& words);
int cliHistory(CliContext& context, const std::vector<std::string>& words);
int cliCaptions(CliContext& context, const std::vector<std::string>& words);
int cliSlides(CliContext& context, const std::vector<std::string>& words);
int cliPhotos(CliContext& context, const std::vector<std::string>& words);
int cliPhoto(CliContext& context, const std::vector<std::string>& words);
int cliAlbum(CliContext& context, const std::vector<std::string>& words);
int cliLifeTexts(CliContext& context, const std::vector<std::string>& words);
int cliLifeText(CliContext& context, const std::vector<std::string>& words);
int cliLifeSave(CliContext& context, const std::vector<std::string>& words);
int cliLifeDelete(CliContext& context, const std::vector<std::string>& words);
int cliGedcomExport(CliContext& context, const std::vector<std::string>& words);
// Needs no open family: --family names the new one.
int cliGedcomImport(CliContext& context, const std::vector<std::string>& words);
int cliCounts(CliContext& context, const std::vector<std::string>& words);
int cliVoice(CliContext& context, const std::vector<std::string>& words);
// Needs no family: whether the file is a photo the program can show, and its size.
int cliJpeg(CliContext& context, const std::vector<std::string>& words);

}  // namespace brinox
