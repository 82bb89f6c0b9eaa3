#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace brinox::testing {
namespace {

const std::string kDemo = BRINOX_DEMO_DIR;

// Hendrik (1) has a tall photo A of 480 × 640 and a wide photo B of 640 × 480.
TEST(IdentifyCommand, PrintsEachActivationsNameAndPhotoBox) {
    const std::string name = "name\t1  Hendrik van Dorkum (1842)\n";
    const std::string a = name + "photo\tfam001A.jpg\t164\t219\t4\t4\n";
    const auto run = runCommandLine({"--data", kDemo, "identify", "1", "--steps", "2"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, a + name + "photo\tfam001B.jpg\t193\t145\t4\t4\n" + a);

    EXPECT_EQ(runCommandLine({"--data", kDemo, "identify", "8"}).out,
              "name\t8  Trijntje de Boer (1877)\nnophoto\tGeen foto in het bestand aanwezig.\n");
    EXPECT_EQ(runCommandLine({"--data", kDemo, "identify", "1", "--steps", "x"}).code, 1);
}

}  // namespace
}  // namespace brinox::testing
