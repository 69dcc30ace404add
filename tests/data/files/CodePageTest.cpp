#include "data/files/CodePage.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <string>

namespace velkora::files {
namespace {

// The C library's converter is an independent reading of the same code pages.
std::string iconvToUtf8(const char* from, const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "<no iconv>";
    std::string in = bytes;
    std::string out(in.size() * 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        return "<undefined>";
    out.resize(out.size() - outLeft);
    return out;
}

TEST(CodePage, EveryByteDecodesLikeTheCLibraryAndEncodesBack) {
    struct Page {
        CodePage page;
        const char* iconvName;
    };
    for (const Page& p : {Page{CodePage::Oem850, "CP850"}, Page{CodePage::Ansi1252, "WINDOWS-1252"}}) {
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const std::string utf8 = toUtf8(p.page, byte);
            const std::string peer = iconvToUtf8(p.iconvName, byte);
            if (peer != "<undefined>") { // the five bytes Windows-1252 leaves open
                EXPECT_EQ(utf8, peer) << p.iconvName << " byte " << b;
            }
            EXPECT_EQ(fromUtf8(p.page, utf8), byte) << p.iconvName << " byte " << b;
        }
    }
}

TEST(CodePage, GermanTextRoundTripsAndMissingCharactersBecomeQuestionMarks) {
    const std::string text = "Müller & Söhne, Straße 3, ÄÖÜäöüß";
    EXPECT_EQ(utf8ToOem("Müller"), "M\x81ller");
    EXPECT_EQ(oemToUtf8(utf8ToOem(text)), text);
    EXPECT_EQ(ansiToUtf8(utf8ToAnsi(text)), text);
    EXPECT_EQ(utf8ToOem("5 €"), "5 ?");     // CP850 has no euro sign
    EXPECT_EQ(utf8ToAnsi("5 €"), "5 \x80"); // Windows-1252 has
    EXPECT_EQ(utf8ToAnsi("日本"), "??");
    EXPECT_EQ(utf8ToOem(std::string("a\xff"
                                    "b")),
              "a?b"); // a byte that is no UTF-8
    EXPECT_FALSE(byteOf(CodePage::Ansi1252, 0x1F600).has_value());
}

} // namespace
} // namespace velkora::files
