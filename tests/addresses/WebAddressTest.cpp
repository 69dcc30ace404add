#include "addresses/WebAddress.h"

#include <gtest/gtest.h>

namespace velkora::addresses {
namespace {

std::string opened(std::string_view text) {
    return webAddress(text).value_or("(none)");
}

TEST(WebAddress, WebAndMailAddressesOpenAsTheyAre) {
    EXPECT_EQ(opened("https://example.de/a?b=1"), "https://example.de/a?b=1");
    EXPECT_EQ(opened("HTTP://Example.DE"), "HTTP://Example.DE");
    EXPECT_EQ(opened("ftp://ftp.example.de"), "ftp://ftp.example.de");
    EXPECT_EQ(opened("http://user@intranet:8080/"), "http://user@intranet:8080/");
    EXPECT_EQ(opened("mailto:info@example.de"), "mailto:info@example.de");
    EXPECT_EQ(opened("mailto:info@example.de?subject=Angebot"), "mailto:info@example.de?subject=Angebot");
    EXPECT_EQ(opened("  https://example.de  "), "https://example.de");
}

TEST(WebAddress, AHostNameOpensAsAWebAddress) {
    EXPECT_EQ(opened("firma.de"), "http://firma.de");
    EXPECT_EQ(opened("www.example.de"), "http://www.example.de");
    EXPECT_EQ(opened("shop.firma.co.uk/kontakt?x=1"), "http://shop.firma.co.uk/kontakt?x=1");
    EXPECT_EQ(opened("firma.de:8080"), "http://firma.de:8080");
    EXPECT_EQ(opened("müller-bau.de"), "http://müller-bau.de");
    EXPECT_EQ(opened("firma.com"), "http://firma.com");
}

TEST(WebAddress, AMailAddressOpensAsAMailtoAddress) {
    EXPECT_EQ(opened("info@firma.de"), "mailto:info@firma.de");
    EXPECT_EQ(opened("vorname.name+angebot@mail.firma.de"), "mailto:vorname.name+angebot@mail.firma.de");
    EXPECT_EQ(opened("info@firma"), "(none)");
    EXPECT_EQ(opened("@firma.de"), "(none)");
    EXPECT_EQ(opened("info@firma.de/x"), "(none)");
    EXPECT_EQ(opened("mailto:"), "(none)");
}

TEST(WebAddress, NothingElseReachesTheDesktop) {
    for (const char* text : {"",
                             "   ",
                             "file:///etc/passwd",
                             "/usr/bin/xterm",
                             "./setup.exe",
                             "setup.exe",
                             "SETUP.EXE",
                             "install.sh.desktop",
                             "tool.AppImage",
                             "javascript:alert(1)",
                             "JavaScript:alert(1)",
                             "smb://server/share",
                             "http:///etc/passwd",
                             "http:firma.de",
                             "data:text/html,x",
                             "localhost:8080",
                             "firma",
                             "firma.",
                             ".de",
                             "firma..de",
                             "-firma.de",
                             "192.168.0.1",
                             "firma.de:port",
                             "Firma GmbH",
                             "firma.de x",
                             "firma.de\nfile:///etc/passwd",
                             "\"firma.de\"",
                             "firma.de\\..\\x"})
        EXPECT_EQ(opened(text), "(none)") << text;
}

} // namespace
} // namespace velkora::addresses
