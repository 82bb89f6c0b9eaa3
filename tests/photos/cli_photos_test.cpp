#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace brinox::testing {
namespace {

const std::string kDemo = BRINOX_DEMO_DIR;

std::string shown(const std::string& caption, const std::string& status, char letter, const std::string& size,
                  bool zoom = false) {
    return "caption\t" + caption + "\nstatus\t" + status + "\nfile\tfam012" + letter + ".jpg\nsize\t" + size +
           "\nzoom\t" + (zoom ? "yes" : "no") + "\n";
}

TEST(CliPhotos, SlidesBrowseZoomAndReopenOneFurther) {
    const auto run = runCommandLine({"--data", kDemo, "slides", "12", "--steps", "next,next,prev,zoom,reopen"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string b = kDemo + "/VDORKUM/fam012B.jpg";
    EXPECT_EQ(run.out,
              "count\t3\nphoto\t1\tA\tfam012A.jpg\nphoto\t2\tB\tfam012B.jpg\nphoto\t3\tC\tfam012C.jpg\nbrowse\tyes\n"
              "hint\tEsc = afsluiten\\nRechter muisknop = volgende foto\\nRechter muisknop + ALT-toets = vorige "
              "\\nToets Z = zoom\n" +
                  shown("12A Gerrit Hendrik  van Dorkum", "Gerrit Hendrik bij de boerderij in Drie\u00ebn", 'A',
                        "1600\t1200") +
                  "step\tnext\n" + shown("12B Gerrit Hendrik  van Dorkum", b, 'B', "480\t640") +
                  "step\tnext\n" +
                  shown("12C Gerrit Hendrik  van Dorkum", "Met de school op het ijs bij Emmen, 1929", 'C', "640\t480") +
                  "step\tprev\n" + shown("12B Gerrit Hendrik  van Dorkum", b, 'B', "480\t640") + "step\tzoom\n" +
                  shown("12B Gerrit Hendrik  van Dorkum", b, 'B', "480\t640", true) + "step\treopen\n" +
                  shown("12B Gerrit Hendrik  van Dorkum", "", 'B', "480\t640"));
}

TEST(CliPhotos, CaptionsAndTheSinglePhoto) {
    const auto captions = runCommandLine({"--data", kDemo, "captions"});
    ASSERT_EQ(captions.code, 0) << captions.err;
    EXPECT_EQ(captions.out.rfind("caption\t001A\tHendrik van Dorkum, omstreeks 1880\n", 0), 0u);
    EXPECT_NE(captions.out.find("\ncaption\t012B\t\n"), std::string::npos);

    const auto photo = runCommandLine({"--data", kDemo, "photo", kDemo + "/VDORKUM/fam012C.jpg"});
    EXPECT_EQ(photo.out, "key\t012C\nperson\t12\n"
                         "caption\t012C Gerrit Hendrik  van Dorkum        ( 480 x 640 )\n"
                         "status\tMet de school op het ijs bij Emmen, 1929\n");
}

}  // namespace
}  // namespace brinox::testing
