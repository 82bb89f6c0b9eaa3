#include <gtest/gtest.h>

#include "photos/photo_family.h"
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

TEST(CliPhotos, PhotosPrintsTheManagementWindowAroundEachOfItsCommands) {
    PhotoFamily family;
    const auto photos = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments{"--data", family.dir.path().string(), "photos", "1"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runCommandLine(arguments);
    };
    const std::string head = "caption\tFoto's en Onderschriften.  Bij 1 Gerrit Dorkum\nstatus\tManipuleer-mode.   Om "
                             "Foto's te Rangschikken, Foto's Toe te voegen of Foto's te Verwijderen \n";
    const std::string window = head + "delete\tVerwijder foto C\tyes\nslot\t1\tA\tfam001A.jpg\t65\t49\tBoerderij\n"
                                      "slot\t2\tB\tfam001B.jpg\t55\t73\t\nslot\t3\tC\tfam001C.jpg\t73\t73\tIJs\n";
    EXPECT_EQ(photos({}).out, window);
    EXPECT_EQ(photos({"--order", "AB"}).code, 1);

    const auto refused = photos({"--order", "CAB", "--password", "7341PX"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.out, window + "message\tinformation\tGeef s.v.p. het goede wachtwoord\n"
                                    "message\tinformation\tAlleen als U het wachtwoord kent,\\nkan de volgorde worden "
                                    "gewijzigd.\\nDe filenamen zouden er door \\nworden veranderd\n" + window);
    EXPECT_EQ(family.order(), "ABC");

    const auto arranged = photos({"--order", "CAB", "--password", "Tjalko"});
    EXPECT_EQ(arranged.code, 0) << arranged.err;
    EXPECT_EQ(arranged.out, window + head + "delete\tVerwijder foto C\tyes\nslot\t1\tA\tfam001A.jpg\t55\t73\t\n"
                                            "slot\t2\tB\tfam001B.jpg\t73\t73\tIJs\n"
                                            "slot\t3\tC\tfam001C.jpg\t65\t49\tBoerderij\n");

    const auto linked = photos({"--text", "A", std::string(101, 'x'), "--password", "7341PX"});
    EXPECT_EQ(linked.code, 0);
    EXPECT_NE(linked.out.find("message\tinformation\tTekstlengte is \\nmaximaal 100 karakters\n"
                              "message\tinformation\tDe tekst is aan het plaatje gekoppeld\n"
                              "caption\tFoto's en Onderschriften.  Bij 1 Gerrit Dorkum\n"
                              "status\tTekst-mode.     Klik op een foto om de tekst eronder te bewerken\n"
                              "delete\tVerwijder foto C\tno\nslot\t1\tA\tfam001A.jpg\t55\t73\t" +
                              std::string(100, 'x') + "\n"),
              std::string::npos)
        << linked.out;

    const auto added = photos({"--add", family.photo('B').string()});
    EXPECT_NE(added.out.find("slot\t4\tD\tfam001D.jpg\t73\t73\t\n"), std::string::npos) << added.out;
    const auto removed = photos({"--delete"});
    EXPECT_NE(removed.out.find("message\twarning\tWeet U zeker dat U \\nuit vak D"), std::string::npos);
    EXPECT_TRUE(removed.out.ends_with("delete\tVerwijder foto C\tyes\nslot\t1\tA\tfam001A.jpg\t55\t73\t" +
                                      std::string(100, 'x') + "\nslot\t2\tB\tfam001B.jpg\t73\t73\tIJs\n"
                                      "slot\t3\tC\tfam001C.jpg\t65\t49\tBoerderij\n"));
}

}  // namespace
}  // namespace brinox::testing
