#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "texts/voice_family.h"

namespace brinox::testing {
namespace {

TEST(CliVoice, PrintsTheWindowAfterChoosingLinkingDeletingOrPlaying) {
    VoiceFamily family;
    const auto voice = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments{"--data", family.dir.path().string(), "voice"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runCommandLine(arguments);
    };
    const auto window = [](const std::string& person, const std::filesystem::path& file, const std::string& status,
                           bool play) {
        return "caption\tStemfragment van " + person + "\nperson\t" + person.substr(person.find("  ") + 2) +
               "\nfile\t" + file.string() + "\nstatus\t" + status + "\nplay\t" + (play ? "yes" : "no") + "\n";
    };
    const auto fragment2 = family.folder / "fam002.WAV";

    EXPECT_EQ(voice({"1", "--play"}).out,
              window("1  Gerrit Dorkum", family.fragment, "U hoort file " + family.fragment.string(), true));
    EXPECT_EQ(voice({"2", "--choose", family.other.string(), "--play"}).out,
              window("2  Anna Smit", family.other, "geen WAV-file geselecteerd", false));
    EXPECT_EQ(voice({"2", "--choose", family.other.string(), "--link"}).out,
              window("2  Anna Smit", fragment2, "gestopt", true));
    EXPECT_EQ(fileBytes(fragment2), family.newBytes);
    EXPECT_EQ(voice({"2", "--delete"}).out, "message\tinformation\tWilt U de file " + fragment2.string() +
                                                " echt verwijderen?\nmessage\tinformation\tFile " +
                                                fragment2.string() + " is verwijderd\n" +
                                                window("2  Anna Smit", "", "geen WAV-file geselecteerd", false));

    const auto missing = (family.dir / "weg.wav").string();
    const auto failed = voice({"1", "--link", "--choose", missing});
    EXPECT_EQ(failed.code, 2);
    const std::string message =
        "Fout 2\\nOpgetreden bij het copieren van \\n" + missing + " naar" + family.fragment.string();
    EXPECT_EQ(failed.out, "message\twarning\t" + message + "\n" +
                              window("1  Gerrit Dorkum", family.fragment, "gestopt", true));
    EXPECT_EQ(voice({"1", "--link", "--play"}).code, 1);
    EXPECT_EQ(voice({"3"}).code, 1);
}

}  // namespace
}  // namespace brinox::testing
