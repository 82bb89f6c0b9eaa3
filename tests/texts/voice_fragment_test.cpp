#include "texts/voice_fragment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "support/failing_calls.h"
#include "support/fake_sound_player.h"
#include "texts/voice_family.h"

namespace brinox::testing {
namespace {

class VoiceWindow : public ::testing::Test {
protected:
    // The window built for `person`, with `file` chosen when given.
    VoiceFragment& open(int person, const std::filesystem::path& file = {}) {
        family.session.selectedPerson = RecordNo(person);
        voice.build();
        if (!file.empty()) {
            prompt.files = {file};
            voice.chooseFile();
        }
        return voice;
    }

    std::string copyError(int error, const std::filesystem::path& source, const std::filesystem::path& target) {
        return "Fout " + std::to_string(error) + "\nOpgetreden bij het copieren van \n" + source.string() + " naar" +
               target.string();
    }

    VoiceFamily family;
    ScriptedPrompt prompt;
    FakeSoundPlayer sound;
    VoiceFragment voice{family.session, prompt, sound};
};

TEST_F(VoiceWindow, BuildsFromTheFragmentOnDiskAndLinkingMakesOrReplacesIt) {
    open(1);
    EXPECT_EQ(voice.caption(), "Stemfragment van 1  Gerrit Dorkum");
    EXPECT_EQ(voice.personName(), "Gerrit Dorkum");
    EXPECT_EQ(voice.file(), family.fragment);
    EXPECT_EQ(voice.status(), "gestopt");
    EXPECT_TRUE(voice.playEnabled());

    open(2);
    EXPECT_EQ(voice.fileText(), "");
    EXPECT_EQ(voice.status(), "geen WAV-file geselecteerd");
    EXPECT_FALSE(voice.playEnabled());
    open(2, family.other);
    EXPECT_EQ(voice.file(), family.other);
    EXPECT_EQ(voice.status(), "geen WAV-file geselecteerd");
    EXPECT_TRUE(voice.link());
    EXPECT_EQ(voice.file(), family.folder / "fam002.WAV");  // a new fragment is written as ".WAV"
    EXPECT_EQ(fileBytes(voice.file()), family.newBytes);
    EXPECT_TRUE(voice.playEnabled());

    // The existing spelling is kept: no second file beside it.
    open(1, family.other);
    EXPECT_TRUE(voice.link());
    EXPECT_EQ(voice.file(), family.fragment);
    EXPECT_EQ(fileBytes(family.fragment), family.newBytes);
    EXPECT_FALSE(std::filesystem::exists(family.folder / "fam001.WAV"));
    EXPECT_FALSE(std::filesystem::exists(family.folder / "fam001.wav.new"));
    EXPECT_EQ(prompt.shown, Texts{});
}

TEST_F(VoiceWindow, TheFragmentItselfUnderAnyNameIsNeverCopied) {
    ASSERT_EQ(::symlink(family.fragment.c_str(), (family.dir / "link.wav").c_str()), 0);
    ASSERT_EQ(::link(family.fragment.c_str(), (family.dir / "hard.wav").c_str()), 0);
    // Any file opened would fail and say so.
    FailingCall noOpening(FileCall::Open, EACCES);
    family.session.fileCalls = &noOpening;
    for (const auto& name : {family.fragment, family.folder / "." / "fam001.wav", family.folder / "../SMIT/fam001.wav",
                             family.dir / "link.wav", family.dir / "hard.wav", std::filesystem::path()}) {
        open(1, name).link();
        EXPECT_EQ(prompt.shown, Texts{}) << name;
        EXPECT_EQ(fileBytes(family.fragment), family.oldBytes) << name;
    }
}

TEST_F(VoiceWindow, AFailedCopyIsReportedAndLeavesTheOldFragmentAsItWas) {
    ASSERT_EQ(::mkfifo((family.dir / "pijp").c_str(), 0600), 0);
    struct Case {
        std::filesystem::path source;
        std::function<std::unique_ptr<FileCalls>()> calls;
        int error;
        MessageKind kind;
    };
    const auto failing = [](FileCall call, int error, int skip = 0) {
        return [=] { return std::make_unique<FailingCall>(call, error, skip); };
    };
    const auto system = [] { return std::make_unique<FileCalls>(); };
    const std::vector<Case> cases = {
        {family.other, failing(FileCall::Open, EACCES), EACCES, MessageKind::Warning},
        {family.other, failing(FileCall::Open, EROFS, 1), EROFS, MessageKind::Warning},  // the new file
        {family.dir / "elders", system, EINVAL, MessageKind::Warning},
        {family.dir / "pijp", system, EINVAL, MessageKind::Warning},
        {family.dir / "weg.wav", system, ENOENT, MessageKind::Warning},
        {family.other, [] { return std::make_unique<ShortWrites>(3); }, ENOSPC, MessageKind::Information},
        {family.other, failing(FileCall::Read, EIO), EIO, MessageKind::Information},
        {family.other, failing(FileCall::Sync, EIO), EIO, MessageKind::Information},
        {family.other, failing(FileCall::Rename, EXDEV), EXDEV, MessageKind::Information},
    };
    for (const auto& [source, makeCalls, error, kind] : cases) {
        const auto calls = makeCalls();
        family.session.fileCalls = calls.get();
        prompt.shown.clear();
        prompt.kinds.clear();
        EXPECT_FALSE(open(1, source).link()) << source;
        EXPECT_EQ(prompt.shown, Texts{copyError(error, source, family.fragment)}) << source;
        EXPECT_EQ(prompt.kinds, std::vector<MessageKind>{kind}) << source;
        EXPECT_EQ(fileBytes(family.fragment), family.oldBytes) << source;
        EXPECT_FALSE(std::filesystem::exists(family.folder / "fam001.wav.new")) << source;
        EXPECT_EQ(voice.file(), family.fragment);
    }
}

TEST_F(VoiceWindow, DeletesTheFileOfTheLabelAfterAskingAndSaysHowItWent) {
    const std::string question = "Wilt U de file " + family.fragment.string() + " echt verwijderen?";
    prompt.buttons = {Button::Cancel};
    EXPECT_TRUE(open(1).remove());
    EXPECT_TRUE(std::filesystem::exists(family.fragment));

    FailingCall refusing(FileCall::Unlink, EACCES);
    family.session.fileCalls = &refusing;
    EXPECT_FALSE(open(1).remove());
    family.session.fileCalls = &systemFileCalls();
    EXPECT_TRUE(open(1).remove());
    EXPECT_FALSE(std::filesystem::exists(family.fragment));
    EXPECT_EQ(voice.status(), "geen WAV-file geselecteerd");
    EXPECT_TRUE(open(1).remove());  // nothing to ask about

    // A chosen file is deleted as well: the label decides.
    EXPECT_TRUE(open(2, family.other).remove());
    EXPECT_FALSE(std::filesystem::exists(family.other));
    EXPECT_EQ(prompt.shown,
              (Texts{question, question, "Fout.\nIk heb " + family.fragment.string() + "\nniet kunnen verwijderen",
                     question, "File " + family.fragment.string() + " is verwijderd",
                     "Wilt U de file " + family.other.string() + " echt verwijderen?",
                     "File " + family.other.string() + " is verwijderd"}));
    EXPECT_EQ(prompt.kinds[2], MessageKind::Warning);
}

TEST_F(VoiceWindow, PlaysOnlyWhatThePlayButtonAllowsAndLetsGoOfASoundOnlyWhenItIsOver) {
    open(1).play();
    EXPECT_EQ(voice.status(), "U hoort file " + family.fragment.string());
    EXPECT_EQ(sound.played, std::vector<std::filesystem::path>{family.fragment});
    voice.chooseFile();  // cancelled: the file chosen before, none yet
    EXPECT_EQ(voice.fileText(), "");
    EXPECT_EQ(voice.status(), "U hoort file " + family.fragment.string());  // still playing
    EXPECT_EQ(sound.closes, 0);

    sound.ended = true;
    prompt.files = {family.other};
    voice.chooseFile();
    EXPECT_EQ(voice.status(), "gestopt");
    EXPECT_EQ(sound.closes, 1);
    voice.chooseFile();  // cancelled again: the last file chosen
    EXPECT_EQ(voice.file(), family.other);
    voice.play();  // a chosen file plays when the fragment made play possible
    EXPECT_EQ(sound.played.back(), family.other);
    open(2, family.other).play();  // and not without a fragment
    EXPECT_EQ(sound.played.size(), 2u);
}

}  // namespace
}  // namespace brinox::testing
