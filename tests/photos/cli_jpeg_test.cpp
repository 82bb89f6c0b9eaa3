#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/jpeg_maker.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

TEST(CliJpeg, TellsTheSizeOfAPhotoWithoutAFamily) {
    TempDir dir;  // holds no family
    writeBytes(dir / "foto.jpg", makeJpeg(30, 20, solid({10, 200, 10})));
    writeBytes(dir / "tekst.jpg", {'g', 'e', 'e', 'n'});
    const struct {
        const char* name;
        const char* out;
    } cases[] = {
        {"foto.jpg", "jpeg\t30\t20\tyes\n"},
        {"tekst.jpg", "jpeg\t0\t0\tno\n"},
        {"weg.jpg", "jpeg\t0\t0\tno\n"},
    };
    for (const auto& c : cases) {
        const auto result = runCommandLine({"--data", dir.path().string(), "jpeg", (dir / c.name).string()});
        EXPECT_EQ(result.code, 0) << c.name << result.err;
        EXPECT_EQ(result.out, c.out) << c.name;
    }
}

}  // namespace
}  // namespace brinox::testing
