// The stored ALPHA decides the window's layered attributes at start-up.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>

#include "CaseName.h"
#include "IndicatorSession.h"

namespace {

struct TransparencyCase {
    const char* name;
    int alpha;          // stored ALPHA
    const char* back;   // stored BACK_COLOR, or null for the default
    DWORD flags;        // expected LWA_ flags
    int expectedAlpha;  // with LWA_ALPHA
    COLORREF colorKey;  // with LWA_COLORKEY
};

// Test lists and failure lines name a case by its name.
void PrintTo(const TransparencyCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eTransparency : public testing::TestWithParam<TransparencyCase> {};

TEST_P(E2eTransparency, AppliesTheStoredCommand) {
    const TransparencyCase& c = GetParam();
    IndicatorSession session;
    std::string settings = MainSection({{"ALPHA", std::to_string(c.alpha)}});
    if (c.back != nullptr) {
        settings += std::string("BACK_COLOR=") + c.back + "\r\n";
    }
    ASSERT_TRUE(session.Start(settings));
    ASSERT_TRUE(session.WaitForFirstTick());

    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(session.window, &key, &alpha, &flags))
        << "no layered attributes";
    EXPECT_EQ(flags, c.flags);
    if (c.flags == LWA_ALPHA) {
        EXPECT_EQ(alpha, c.expectedAlpha);
    } else {
        EXPECT_EQ(key, c.colorKey);
    }
    EXPECT_EQ(ReadMainValue(session.folder.SettingsPath(), "ALPHA"), std::to_string(c.alpha));
}

const TransparencyCase kCases[] = {
    {"Percent100", 40036, nullptr, LWA_ALPHA, 255, 0},
    {"Percent90", 40037, nullptr, LWA_ALPHA, 230, 0},
    {"Percent80", 40038, nullptr, LWA_ALPHA, 205, 0},
    {"Percent70", 40039, nullptr, LWA_ALPHA, 180, 0},
    {"Percent60", 40040, nullptr, LWA_ALPHA, 155, 0},
    {"Percent50", 40041, nullptr, LWA_ALPHA, 130, 0},
    {"Percent40", 40042, nullptr, LWA_ALPHA, 105, 0},
    {"Percent30", 40043, nullptr, LWA_ALPHA, 80, 0},
    {"Percent20", 40044, nullptr, LWA_ALPHA, 55, 0},
    {"Percent10", 40045, nullptr, LWA_ALPHA, 30, 0},
    {"BackgroundDefaultColour", 40046, nullptr, LWA_COLORKEY, 0, 0x00D9FFFF},
    {"BackgroundStoredColour", 40046, "1193046", LWA_COLORKEY, 0, 0x00123456},
    // A hand-edited value outside the list: the alpha rule taken modulo 256.
    {"OutOfRangeFive", 5, nullptr, LWA_ALPHA, 70, 0},
};

INSTANTIATE_TEST_SUITE_P(Commands, E2eTransparency, testing::ValuesIn(kCases), CaseName());

}  // namespace
