// brinox-cli voice N: the voice fragment window built for N, and one of its
// buttons.

#include "cli/cli_commands.h"
#include "store/ansi_text.h"
#include "texts/voice_fragment.h"

namespace brinox {
namespace {

// The command line makes no sound: nothing is ever held, so nothing is over.
class SilentSoundPlayer : public SoundPlayer {
public:
    void play(const std::filesystem::path&) override {}
    void playBytes(std::vector<std::uint8_t>) override {}
    void stop() override {}
    bool stopped() const override { return false; }
    void close() override {}
};

void printWindow(CliContext& context, const VoiceFragment& voice) {
    auto& out = context.out;
    printLine(out, "caption", {voice.caption()});
    printLine(out, "person", {voice.personName()});
    printLine(out, "file", {voice.fileText()});
    printLine(out, "status", {voice.status()});
    printLine(out, "play", {voice.playEnabled() ? "yes" : "no"});
}

}  // namespace

int cliVoice(CliContext& context, const std::vector<std::string>& words) {
    const auto person = context.recordArgument(words.at(0));
    if (!person) return kExitUsage;
    const auto chosen = context.option("choose");
    const bool link = context.hasFlag("link");
    const bool remove = context.hasFlag("delete");
    const bool play = context.hasFlag("play");
    if (link + remove + play > 1) return context.usage("voice takes one of --link, --delete and --play");
    context.session.selectedPerson = *person;
    SilentSoundPlayer silence;
    VoiceFragment voice(context.session, context.prompt, silence);
    voice.build();
    if (chosen) {
        context.prompt.answerFilesWith(*chosen);
        voice.chooseFile();
    }
    const std::size_t before = context.prompt.shownTexts().size();
    bool done = true;
    if (link) done = voice.link();
    if (remove) done = voice.remove();
    if (play) voice.play();
    printWindow(context, voice);
    if (done) return kExitOk;
    const auto& shown = context.prompt.shownTexts();
    for (std::size_t i = before; i < shown.size(); ++i) context.err << ansiToUtf8(shown[i]) << '\n';
    return kExitFileError;
}

}  // namespace brinox
