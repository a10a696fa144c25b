#include <fcntl.h>
#include <sys/resource.h>

#include <cstdlib>
#include <string>

#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

constexpr std::uint32_t kInk = 0x0000B0;
constexpr std::uint32_t kPaper = 0x30C060;

using Texts = OpenWindow;

template <class Draw>
std::uint64_t HashOfDrawing(Draw draw) {
    Rectangle(0, 0, 999, 749, kPaper, true);
    draw();
    return wt::BackHash();
}

TEST_F(Texts, NumbersAreWrittenInPlainDecimal) {
    SetFont(2, kInk);
    for (const std::int32_t n : {-305, 0, 1500, 2147483647, -2147483647}) {
        const std::uint64_t asInt = HashOfDrawing([n] { TextInt(n, 10, 10); });
        const std::uint64_t asText = HashOfDrawing([n] { Text(std::to_string(n).c_str(), 10, 10); });
        EXPECT_EQ(asInt, asText) << n;
    }
    EXPECT_EQ(HashOfDrawing([] { TextCard(1500, 10, 10); }), HashOfDrawing([] { Text("1500", 10, 10); }));
}

// A play writes a new score hundreds of times beside labels it writes every frame: the texts kept for
// drawing again come and go, and every text still looks as it did.
TEST_F(Texts, ManyTextsComeAndGoAndEveryOneStillLooksTheSame) {
    SetFont(2, kInk);
    const auto label = [] { Text("FUEL", 10, 10); };
    const std::uint64_t labelAlone = HashOfDrawing(label);
    const std::uint64_t firstScore = HashOfDrawing([] { TextInt(0, 300, 10); });
    for (int score = 1; score < 1200; ++score) {
        label();
        TextInt(score, 300, 10);
    }
    EXPECT_EQ(HashOfDrawing(label), labelAlone);
    EXPECT_EQ(HashOfDrawing([] { TextInt(0, 300, 10); }), firstScore);
}

TEST_F(Texts, OnlyTheGlyphsAreDrawnWithinTheMeasuredBox) {
    SetFont(5, kInk);
    Rectangle(0, 0, 999, 749, kPaper, true);
    Text("WIN 0123", 100, 200);
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    GetTextSize("WIN 0123", 5, width, height);
    ASSERT_GT(width, 0u);
    ASSERT_GT(height, 0u);

    int ink = 0;
    int paper = 0;
    const std::vector<std::uint32_t> frame = Wimdows::frames::BackFrame();
    for (std::int32_t y = 0; y < 750; ++y) {
        for (std::int32_t x = 0; x < 1000; ++x) {
            const std::uint32_t pixel = frame[static_cast<std::size_t>(y * 1000 + x)];
            const bool inBox = x >= 100 && x < 100 + static_cast<std::int32_t>(width) && y >= 200 &&
                               y < 200 + static_cast<std::int32_t>(height);
            if (!inBox) {
                ASSERT_EQ(pixel, kPaper) << x << "," << y;
            }
            ink += inBox && pixel == kInk ? 1 : 0;
            paper += inBox && pixel == kPaper ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_GT(paper, static_cast<int>(width * height / 2)) << "the picture shows between the letters";
}

TEST_F(Texts, FontNumbersAboveFiveAreFontZero) {
    SetFont(9, kInk);
    const std::uint64_t nine = HashOfDrawing([] { Text("Game", 10, 10); });
    SetFont(0, kInk);
    EXPECT_EQ(HashOfDrawing([] { Text("Game", 10, 10); }), nine);
}

TEST_F(Texts, FixedPitchFontsAreFixedPitch) {
    for (const std::uint32_t style : {2u, 4u, 5u}) {
        // The same last letter: a wide glyph may reach past its advance.
        std::uint32_t narrow = 0;
        std::uint32_t wide = 0;
        std::uint32_t height = 0;
        GetTextSize("iiiiX", style, narrow, height);
        GetTextSize("WWWWX", style, wide, height);
        EXPECT_EQ(narrow, wide) << style;
    }
}

TEST_F(Texts, DashboardLabelsEndBeforeWhatFollowsThem) {
    const struct {
        const char* label;
        std::uint32_t x;
        std::uint32_t next;
    } labels[] = {{"FUEL", 10, 40}, {"BOMBS", 270, 310}, {"SCORE: ", 540, 590}, {"LIFE:", 730, 770}};
    for (const auto& l : labels) {
        std::uint32_t width = 0;
        std::uint32_t height = 0;
        GetTextSize(l.label, 2, width, height);
        EXPECT_GT(width, 0u);
        EXPECT_LE(l.x + width, l.next) << l.label;
    }
}

// Lowers the descriptor limit and opens descriptors until none is left.
void TakeEveryDescriptor() {
    const rlimit few{64, 64};
    setrlimit(RLIMIT_NOFILE, &few);
    while (open("/dev/null", O_RDONLY | O_CLOEXEC) >= 0) {
    }
}

// With every descriptor taken the fonts cannot be opened: the line gives that reason, not a missing file.
TEST(FontFaults, NoDescriptorLeftIsSaidAsTheSystemSaysIt) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers' own checks open descriptors, and take a refused one for an error";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: fonts are opened once per process
    EXPECT_EXIT(
        {
            TakeEveryDescriptor();
            Window("Game", 1000, 750);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0),
        "Saltwing: cannot open the font file DejaVuSans\\.ttf in fonts/ or [^ ]+: Too many open files; its "
        "texts will not show");
}

}  // namespace
