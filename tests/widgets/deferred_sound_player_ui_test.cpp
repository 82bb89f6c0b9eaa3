#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "widgets/deferred_sound_player.h"

namespace brinox::testing {
namespace {

TEST(DeferredSoundPlayer, LoadsTheModuleAtTheFirstFileThereIsAndStaysSilentOtherwise) {
    TempDir dir;
    writeBytes(dir / "kapot.wav", {'R', 'I', 'F', 'F'});  // no sound in it
    DeferredSoundPlayer sound(BRINOX_SOUND_MODULE);
    sound.play(dir / "geen.wav");
    EXPECT_FALSE(sound.loaded());
    sound.play(dir / "kapot.wav");
    EXPECT_TRUE(sound.loaded());
    sound.stop();

    DeferredSoundPlayer withoutModule(dir / "brinox_sound.so");
    withoutModule.play(dir / "kapot.wav");
    EXPECT_FALSE(withoutModule.loaded());
}

}  // namespace
}  // namespace brinox::testing
