// The frame's pure rules and its text format, without files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "devicelibs/sdk/VirtualFrame.h"

namespace {

using vframe::FrameState;

float FloatBits(uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// text with the first occurrence of `from` replaced; fails the test if absent.
std::string Edit(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "no '" << from << "' in the text";
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

std::string WithoutLine(const std::string& text, const std::string& line) { return Edit(text, line + "\r\n", ""); }

std::string FactoryText() { return vframe::FormatFrame(vframe::FactoryFrame()); }

TEST(FrameRules, SignalCheckSumCoversBytes29To38Plus0x55) {
    _ZR_DEVICE_CONFIG zero{};
    EXPECT_EQ(vframe::SignalCheckSum(zero), 0x55);

    _ZR_DEVICE_CONFIG example{};
    example.XFactor = 3;
    example.YFactor = 2;
    example.XStart = 10;
    example.XEnd = 300;
    example.YStart = 5;
    example.YEnd = 200;
    EXPECT_EQ(vframe::SignalCheckSum(example), 0x5E);

    // Neighbours of the block and the checksum itself do not count.
    _ZR_DEVICE_CONFIG outside = example;
    outside.SignalCheckSum = 0x77;
    outside.HotkeyEnable = 9;
    outside.Byte39 = 0xAB;
    EXPECT_EQ(vframe::SignalCheckSum(outside), 0x5E);

    _ZR_DEVICE_CONFIG full{};
    std::memset(&full.XFactor, 0xFF, 10);
    EXPECT_EQ(vframe::SignalCheckSum(full), (10 * 255 + 0x55) & 0xFF);
}

TEST(FrameRules, GeometryCheckFollowsDataLenAndCheckSum) {
    TOUCH_CONFIG_INFLASH_STRUCT standard{};
    standard.XTotal = 72;
    standard.YTotal = 36;
    vframe::SealGeometry(&standard);
    EXPECT_EQ(standard.DataLen, 525);
    EXPECT_EQ(standard.CheckSum, 108);  // 72 + 36: the only bytes in range that are not zero

    TOUCH_CONFIG_INFLASH_STRUCT empty{};
    vframe::SealGeometry(&empty);
    EXPECT_EQ(empty.DataLen, 93);
    EXPECT_EQ(empty.CheckSum, 0);

    TOUCH_CONFIG_INFLASH_STRUCT full{};
    full.XTotal = 600;
    full.YTotal = 400;
    full.LightDis[999] = 1.0f;  // the last byte of the record is summed too
    vframe::SealGeometry(&full);
    EXPECT_EQ(full.DataLen, 4093);

    struct Case {
        const char* name;
        std::function<void(TOUCH_CONFIG_INFLASH_STRUCT*)> change;
        uint8_t code;
    } cases[] = {
        {"sealed", [](TOUCH_CONFIG_INFLASH_STRUCT*) {}, 1},
        {"checksum off by one", [](TOUCH_CONFIG_INFLASH_STRUCT* g) { g->CheckSum++; }, 2},
        {"DataLen off", [](TOUCH_CONFIG_INFLASH_STRUCT* g) { g->DataLen += 4; }, 2},
        {"a summed byte changed", [](TOUCH_CONFIG_INFLASH_STRUCT* g) { g->Type ^= 1; }, 2},
        {"a byte past DataLen changed", [](TOUCH_CONFIG_INFLASH_STRUCT* g) { g->LightDis[500] = 3.0f; }, 1},
        {"counts changed after sealing", [](TOUCH_CONFIG_INFLASH_STRUCT* g) { g->XTotal++; }, 2},
        {"resealed with counts past the table",
         [](TOUCH_CONFIG_INFLASH_STRUCT* g) {
             g->XTotal = 601;
             g->YTotal = 400;
             vframe::SealGeometry(g);
         },
         2},
        {"counts that wrap DataLen into range",
         [](TOUCH_CONFIG_INFLASH_STRUCT* g) {
             g->XTotal = 16384;  // 93 + 4 * 16384 is 93 in 16 bits
             g->YTotal = 0;
             vframe::SealGeometry(g);
         },
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TOUCH_CONFIG_INFLASH_STRUCT g = standard;
        c.change(&g);
        EXPECT_EQ(vframe::GeometryReadCode(g), c.code);
    }
    EXPECT_EQ(vframe::GeometryReadCode(empty), 1);
    EXPECT_EQ(vframe::GeometryReadCode(full), 1);
}

TEST(FactoryFrame, HoldsSensibleValuesWithinTheControlRanges) {
    const FrameState f = vframe::FactoryFrame();
    const _ZR_DEVICE_CONFIG& c = f.config;
    EXPECT_EQ(c.EnableTouch, 1);
    EXPECT_EQ(c.EnableRightClick, 1);
    EXPECT_GE(c.TouchHeight, 3);
    EXPECT_LE(c.TouchHeight, 8);
    EXPECT_LE(c.TouchSmooth, 10);
    EXPECT_LE(c.TouchDelay, 500);
    EXPECT_GE(c.TouchDelay, 0);
    EXPECT_GE(c.RightClickTime, 1000);
    EXPECT_LE(c.RightClickTime, 5000);
    EXPECT_GE(c.RightClickArea, 100);
    EXPECT_LE(c.RightClickArea, 1500);
    EXPECT_GE(c.TouchJitter, 10);
    EXPECT_LE(c.TouchJitter, 15000);
    EXPECT_LE(c.ComProtocol, 7);
    EXPECT_LE(c.XFactor, 7);
    EXPECT_LE(c.YFactor, 7);
    EXPECT_LE(c.SignalSourceId, 254);
    EXPECT_LE(c.XMaxAngle, 254);
    EXPECT_LE(c.YMaxAngle, 254);
    for (uint8_t n : {c.XMinLNum1, c.YMinLNum1, c.XMinLNum2, c.YMinLNum2}) EXPECT_LE(n, 63);
    EXPECT_GE(c.WidthZoomOut, 1);
    EXPECT_EQ(c.SignalCheckSum, vframe::SignalCheckSum(c));

    EXPECT_EQ(f.calibration.Type, 1);
    EXPECT_EQ(f.calibration.CaliSt.A0, 1000.0f);
    EXPECT_EQ(f.calibration.CaliSt.B1, 1000.0f);
    for (float v : {f.calibration.CaliSt.B0, f.calibration.CaliSt.C0, f.calibration.CaliSt.A1,
                    f.calibration.CaliSt.C1, f.calibration.CaliSt.A2, f.calibration.CaliSt.B2}) {
        EXPECT_EQ(v, 0.0f);
        EXPECT_FALSE(std::signbit(v));  // "Rotate 0" holds positive zeros only
    }
    EXPECT_EQ(std::memcmp(&f.calibration, &f.factoryCalibration, sizeof f.calibration), 0);

    EXPECT_TRUE(f.geometrySupported);
    EXPECT_EQ(f.geometry.XTotal, 72);
    EXPECT_EQ(f.geometry.YTotal, 36);
    EXPECT_EQ(vframe::GeometryReadCode(f.geometry), 1);
    for (int i = 1; i < 72; ++i) EXPECT_GT(f.geometry.LightDis[i], f.geometry.LightDis[i - 1]) << i;
    for (int j = 73; j < 108; ++j) EXPECT_GT(f.geometry.LightDis[j], f.geometry.LightDis[j - 1]) << j;

    EXPECT_EQ(f.outputMode[1], 2);
    EXPECT_TRUE(f.failing.empty());
    EXPECT_EQ(f.resets, 0u);
}

TEST(FrameText, EveryValueReadsBackBitForBit) {
    FrameState s = vframe::FactoryFrame();
    std::memset(&s.config, 0xA5, sizeof s.config);
    s.config.RightClickTime = std::numeric_limits<int32_t>::min();
    s.config.TouchJitter = -1;
    s.config.TouchHeight = 0xFFFF;
    s.calibration.Type = std::numeric_limits<int32_t>::min();
    s.calibration.CaliSt = {-0.0f, 0.1f, 1234.5678f, FloatBits(1), std::numeric_limits<float>::max(),
                            -std::numeric_limits<float>::infinity(), FloatBits(0x7FC00123), FloatBits(0xFFC00000)};
    s.factoryCalibration.Type = 2;
    s.factoryCalibration.CaliSt.C1 = 3276.8f;
    const uint8_t mode[4] = {0, 255, 7, 128};
    std::memcpy(s.outputMode, mode, sizeof mode);
    s.geometrySupported = false;
    s.geometry.Type = 255;
    s.geometry.AA_StartX = -32768;
    s.geometry.resver[7] = std::numeric_limits<int32_t>::max();
    s.geometry.fRFirstLedPos.Y = -0.0f;
    s.geometry.XTotal = 2;
    s.geometry.YTotal = 1;
    s.geometry.LightDis[998] = 1e-7f;  // past the counts, and still kept
    s.geometry.CheckSum = 0xEE;        // stored as sent, sealed or not
    for (const std::string& name : vframe::OperationNames()) s.failing.insert(name);
    s.resets = std::numeric_limits<uint32_t>::max();

    const std::string text = vframe::FormatFrame(s);
    FrameState back;
    std::string error;
    ASSERT_TRUE(vframe::ParseFrame(text, &back, &error)) << error;
    EXPECT_TRUE(back == s);
    EXPECT_EQ(vframe::FormatFrame(back), text);
}

TEST(FrameText, WritesOneReadableLinePerValue) {
    const std::string text = FactoryText();
    for (const char* line : {"[frame]\r\nformat = 1\r\n", "\r\nfail =\r\n", "\r\nresets = 0\r\n",
                             "\r\nSignalCheckSum = 94\r\n", "\r\nByte3 = 18\r\n", "\r\nA0 = 1000\r\n",
                             "\r\nB0 = 0\r\n", "\r\nMode1 = 2\r\n", "\r\nXTotal = 72\r\n", "\r\nDataLen = 525\r\n",
                             "\r\nLightDis0 = 12.5\r\n", "\r\nLightDis107 = 922.5\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(text.find("LightDis108 ="), std::string::npos);  // zeros past the counts are left out

    FrameState nan;
    nan.calibration.CaliSt.A2 = FloatBits(0x7FC00123);
    EXPECT_NE(vframe::FormatFrame(nan).find("\r\nA2 = 0x7FC00123\r\n"), std::string::npos);
}

TEST(FrameText, TakesWhatAPersonWrites) {
    struct Case {
        const char* name;
        std::string text;
        std::function<void(FrameState*)> expect;  // changes to the factory frame
    } cases[] = {
        {"line feeds only, a UTF-8 mark, comments and blank lines",
         "\xEF\xBB\xBF# my frame\n\n" + Edit(FactoryText(), "TouchHeight = 5", "TouchHeight = 6   # was 5"),
         [](FrameState* f) { f->config.TouchHeight = 6; }},
        {"names in any case, hex and signed numbers",
         Edit(Edit(Edit(FactoryText(), "[config]", "[CONFIG]"), "SignalCheckSum = 94", "signalchecksum = 0x5f"),
              "A0 = 1000", "A0 = +2.5e3"),
         [](FrameState* f) {
             f->config.SignalCheckSum = 0x5F;
             f->calibration.CaliSt.A0 = 2500.0f;
         }},
        {"a float by its bits", Edit(FactoryText(), "B0 = 0", "B0 = 0x80000000"),
         [](FrameState* f) { f->calibration.CaliSt.B0 = -0.0f; }},
        {"faults separated by blanks or commas, in any case",
         Edit(FactoryText(), "fail =", "fail = systemreset, SetDriverConfig  Get_TouchLedPosData"),
         [](FrameState* f) { f->failing = {"SystemReset", "SetDriverConfig", "Get_TouchLedPosData"}; }},
        {"the optional frame keys left out",
         WithoutLine(WithoutLine(WithoutLine(FactoryText(), "geometry-support = yes"), "fail ="), "resets = 0"),
         [](FrameState*) {}},
        {"no geometry support", Edit(FactoryText(), "geometry-support = yes", "geometry-support = NO"),
         [](FrameState* f) { f->geometrySupported = false; }},
        {"a distance left out reads as zero", WithoutLine(FactoryText(), "LightDis5 = 127.5"),
         [](FrameState* f) { f->geometry.LightDis[5] = 0.0f; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrameState expected = vframe::FactoryFrame();
        c.expect(&expected);
        FrameState parsed;
        std::string error;
        ASSERT_TRUE(vframe::ParseFrame(c.text, &parsed, &error)) << error;
        EXPECT_TRUE(parsed == expected);
    }
}

TEST(FrameText, RefusesWhatIsNoFrameAndSaysWhy) {
    struct Case {
        const char* name;
        std::string text;
        const char* why;  // part of the message
    } cases[] = {
        {"an empty file", "", "no [frame] section"},
        {"some other text", "hello\r\n", "line 1: expected key = value"},
        {"an INI file of another kind", "[TouchConfig.Type]\r\nType=1\r\n", "unknown section [TouchConfig.Type]"},
        {"no format line", WithoutLine(FactoryText(), "format = 1"), "no [frame] section with format = 1"},
        {"a later format", Edit(FactoryText(), "format = 1", "format = 2"), "format '2'"},
        {"a misspelt key", Edit(FactoryText(), "TouchHeight =", "TouchHieght ="), "unknown key 'TouchHieght' in [config]"},
        {"a key given twice", Edit(FactoryText(), "TouchSmooth = 3", "TouchSmooth = 3\r\nTouchSmooth = 4"),
         "TouchSmooth appears twice"},
        {"a required key missing", WithoutLine(FactoryText(), "XEnd = 300"), "missing XEnd in [config]"},
        {"a byte out of range", Edit(FactoryText(), "Byte3 = 18", "Byte3 = 256"), "Byte3: '256' is not a whole number from 0 to 255"},
        {"a negative unsigned value", Edit(FactoryText(), "TouchHeight = 5", "TouchHeight = -1"), "TouchHeight"},
        {"text for a number", Edit(FactoryText(), "TouchSmooth = 3", "TouchSmooth = three"), "TouchSmooth"},
        {"a decimal comma", Edit(FactoryText(), "A0 = 1000", "A0 = 1000,5"), "A0: '1000,5' is not a float"},
        {"a float too large", Edit(FactoryText(), "A0 = 1000", "A0 = 1e39"), "A0"},
        {"an unknown fault", Edit(FactoryText(), "fail =", "fail = SetDriverConfig Explode"), "'Explode' is not an operation"},
        {"a distance past the table", FactoryText() + "LightDis1000 = 1\r\n", "unknown key 'LightDis1000'"},
        {"a value before any section", "format = 1\r\n" + FactoryText(), "line 1: 'format' comes before any section"},
        {"an unclosed section", Edit(FactoryText(), "[geometry]", "[geometry"), "closing ]"},
        {"binary data", FactoryText() + std::string(1, '\0'), "binary"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrameState untouched = vframe::FactoryFrame();
        untouched.resets = 77;
        FrameState state = untouched;
        std::string error;
        EXPECT_FALSE(vframe::ParseFrame(c.text, &state, &error));
        EXPECT_NE(error.find(c.why), std::string::npos) << error;
        EXPECT_TRUE(state == untouched);
    }
}

}  // namespace
