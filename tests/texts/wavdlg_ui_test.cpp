#include "texts/wavdlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include "support/fake_picker.h"
#include "support/fake_sound_player.h"
#include "texts/voice_family.h"
#include "texts/wave_maker.h"
#include "widgets/deferred_sound_player.h"

namespace brinox::testing {
namespace {

class VoiceDialog : public ::testing::Test {
protected:
    QString text(const char* label) { return window.findChild<QLabel*>(label)->text(); }
    QPushButton* button(const char* name) { return window.findChild<QPushButton*>(name); }

    VoiceFamily family;
    ScriptedPrompt prompt;
    FakeSoundPlayer sound;
    FakePicker picker{family.session};
    Twavdlg window{family.session, prompt, sound, picker};
};

TEST_F(VoiceDialog, ShowsThePersonLinksAChosenFileAndLeavesAPlayingSoundAlone) {
    EXPECT_EQ(window.windowTitle(), "Invoer van een stemfragment");
    EXPECT_EQ(button("wisbtn")->toolTip(), "De file wordt verwijderd");
    EXPECT_EQ(button("selbtn")->toolTip(), "geluid kan aan deze persoon worden gekoppeld");
    family.session.selectedPerson = RecordNo(2);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Stemfragment van 2  Anna Smit");
    EXPECT_EQ(text("persoonlabel"), "Anna Smit");
    EXPECT_EQ(text("filelabel"), "");
    EXPECT_EQ(text("tekstlabel"), "geen WAV-file geselecteerd");
    EXPECT_FALSE(button("speelbtn")->isEnabled());

    prompt.files = {family.other};
    button("Zoekbtn")->click();
    EXPECT_EQ(text("filelabel"), QString::fromStdString(family.other.string()));
    EXPECT_FALSE(button("speelbtn")->isEnabled());
    button("koppelbtn")->click();
    const QString fragment = QString::fromStdString((family.folder / "fam002.WAV").string());
    EXPECT_EQ(text("filelabel"), fragment);
    ASSERT_TRUE(button("speelbtn")->isEnabled());

    button("speelbtn")->click();
    EXPECT_EQ(text("tekstlabel"), "U hoort file " + fragment);
    button("cancelbtn")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(sound.stops + sound.closes, 0);  // still playing

    // Opened again after the sound ended: the next button lets go of it.
    window.show();
    button("speelbtn")->click();
    sound.ended = true;
    picker.choices = {"1"};
    button("selbtn")->click();
    EXPECT_EQ(sound.closes, 1);
    EXPECT_EQ(picker.lastReference(), RecordNo(2));
    EXPECT_EQ(window.windowTitle(), "Stemfragment van 1  Gerrit Dorkum");
    EXPECT_EQ(text("tekstlabel"), "gestopt");
    EXPECT_EQ(prompt.shown, Texts{});
}

bool hasWavParser() {
    for (const char* folder : {"/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib", "/usr/lib64"}) {
        if (std::filesystem::exists(std::filesystem::path(folder) / "gstreamer-1.0/libgstwavparse.so")) return true;
    }
    return false;
}

// Through the real sound module, without a sound card: each file must play
// to its end, the one with a pad byte after odd sound data too.
TEST(RealSoundPlayer, PlaysGeneratedWavFilesToTheirEnd) {
    if (!hasWavParser()) GTEST_SKIP() << "GStreamer's wavparse plug-in is not installed";
    TempDir dir;
    DeferredSoundPlayer sound(BRINOX_SOUND_MODULE);
    for (const int bits : {16, 8}) {
        const auto file = dir / ("toon" + std::to_string(bits) + ".wav");
        writeBytes(file, makeWave(bits, 2401));  // 0.3 s
        QElapsedTimer clock;
        clock.start();
        sound.play(file);
        ASSERT_TRUE(sound.loaded());
        while (!sound.stopped() && clock.elapsed() < 20000) QApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(sound.stopped()) << bits << " bits: still playing after 20 s";
        EXPECT_GE(clock.elapsed(), 250) << bits << " bits: ended before its sound was through";
        sound.close();
        EXPECT_FALSE(sound.stopped());
    }
}

}  // namespace
}  // namespace brinox::testing
