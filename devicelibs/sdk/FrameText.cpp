// The frame file's text: INI-like sections of "key = value" lines, one line
// per field, so that a person can change one value without tools.
#include "devicelibs/sdk/VirtualFrame.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace vframe {

namespace {

constexpr int kFormatVersion = 1;
// A frame is about 15 KB; anything far larger is some other file.
constexpr std::size_t kMaxFrameText = 1 << 20;
constexpr int kLightDisCount = int(sizeof(TOUCH_CONFIG_INFLASH_STRUCT::LightDis) / sizeof(float));

enum class Kind { U8, U16, I16, I32, U32, F32, YesNo, Operations };

struct Binding {
    const char* section;
    std::string key;
    Kind kind;
    void* value;
    bool optional;
};

// Every value of a frame file, in the order FormatFrame writes them. The
// distance table is not here: its keys are numbered (LightDis0...) and
// handled apart.
std::vector<Binding> Bind(FrameState& s) {
    std::vector<Binding> b;
    auto add = [&b](const char* section, std::string key, Kind kind, void* value, bool optional = false) {
        b.push_back({section, std::move(key), kind, value, optional});
    };

    add("frame", "geometry-support", Kind::YesNo, &s.geometrySupported, true);
    add("frame", "fail", Kind::Operations, &s.failing, true);
    add("frame", "resets", Kind::U32, &s.resets, true);

    _ZR_DEVICE_CONFIG& c = s.config;
    add("config", "EnableTouch", Kind::U8, &c.EnableTouch);
    add("config", "TouchMode", Kind::U8, &c.TouchMode);
    add("config", "EnableRightClick", Kind::U8, &c.EnableRightClick);
    add("config", "Byte3", Kind::U8, &c.Byte3);
    add("config", "Byte4", Kind::U8, &c.Byte4);
    add("config", "TouchSmooth", Kind::U8, &c.TouchSmooth);
    add("config", "RightClickTime", Kind::I32, &c.RightClickTime);
    add("config", "RightClickArea", Kind::I32, &c.RightClickArea);
    add("config", "TouchDelay", Kind::I32, &c.TouchDelay);
    add("config", "TouchJitter", Kind::I32, &c.TouchJitter);
    add("config", "TouchHeight", Kind::U16, &c.TouchHeight);
    add("config", "DeviceType", Kind::U8, &c.DeviceType);
    add("config", "TouchedBorder", Kind::U8, &c.TouchedBorder);
    add("config", "ComProtocol", Kind::U8, &c.ComProtocol);
    add("config", "HotkeyEnable", Kind::U8, &c.HotkeyEnable);
    add("config", "SignalCheckSum", Kind::U8, &c.SignalCheckSum);
    add("config", "XFactor", Kind::U8, &c.XFactor);
    add("config", "YFactor", Kind::U8, &c.YFactor);
    add("config", "XStart", Kind::U16, &c.XStart);
    add("config", "XEnd", Kind::U16, &c.XEnd);
    add("config", "YStart", Kind::U16, &c.YStart);
    add("config", "YEnd", Kind::U16, &c.YEnd);
    add("config", "Byte39", Kind::U8, &c.Byte39);
    add("config", "SignalSourceId", Kind::U8, &c.SignalSourceId);
    add("config", "HighOnWeakSignal", Kind::U8, &c.HighOnWeakSignal);
    add("config", "NoResetOnUsbTimeout", Kind::U8, &c.NoResetOnUsbTimeout);
    add("config", "XMaxAngle", Kind::U8, &c.XMaxAngle);
    add("config", "YMaxAngle", Kind::U8, &c.YMaxAngle);
    add("config", "XMinLNum1", Kind::U8, &c.XMinLNum1);
    add("config", "YMinLNum1", Kind::U8, &c.YMinLNum1);
    add("config", "XMinLNum2", Kind::U8, &c.XMinLNum2);
    add("config", "YMinLNum2", Kind::U8, &c.YMinLNum2);
    add("config", "LogicGroup1", Kind::U8, &c.LogicGroup1);
    add("config", "LogicGroup2", Kind::U8, &c.LogicGroup2);
    add("config", "WidthZoomOut", Kind::U8, &c.WidthZoomOut);
    add("config", "Byte52", Kind::U8, &c.Bytes52[0]);
    add("config", "Byte53", Kind::U8, &c.Bytes52[1]);

    auto calibration = [&add](const char* section, _ZR_CALIB_PARAM_HD& p) {
        add(section, "Type", Kind::I32, &p.Type);
        add(section, "A0", Kind::F32, &p.CaliSt.A0);
        add(section, "B0", Kind::F32, &p.CaliSt.B0);
        add(section, "C0", Kind::F32, &p.CaliSt.C0);
        add(section, "A1", Kind::F32, &p.CaliSt.A1);
        add(section, "B1", Kind::F32, &p.CaliSt.B1);
        add(section, "C1", Kind::F32, &p.CaliSt.C1);
        add(section, "A2", Kind::F32, &p.CaliSt.A2);
        add(section, "B2", Kind::F32, &p.CaliSt.B2);
    };
    calibration("calibration", s.calibration);
    calibration("factory-calibration", s.factoryCalibration);

    for (int i = 0; i < 4; ++i) add("output-mode", "Mode" + std::to_string(i), Kind::U8, &s.outputMode[i]);

    TOUCH_CONFIG_INFLASH_STRUCT& g = s.geometry;
    add("geometry", "DataLen", Kind::U16, &g.DataLen);
    add("geometry", "CheckSum", Kind::U8, &g.CheckSum);
    add("geometry", "Type", Kind::U8, &g.Type);
    add("geometry", "X_OpeningArea", Kind::I32, &g.X_OpeningArea);
    add("geometry", "Y_OpeningArea", Kind::I32, &g.Y_OpeningArea);
    add("geometry", "XTotal", Kind::U16, &g.XTotal);
    add("geometry", "YTotal", Kind::U16, &g.YTotal);
    add("geometry", "LedXdis", Kind::F32, &g.LedXdis);
    add("geometry", "LedYdis", Kind::F32, &g.LedYdis);
    add("geometry", "AA_StartX", Kind::I16, &g.AA_StartX);
    add("geometry", "AA_StartY", Kind::I16, &g.AA_StartY);
    add("geometry", "AA_EndX", Kind::I16, &g.AA_EndX);
    add("geometry", "AA_EndY", Kind::I16, &g.AA_EndY);
    for (int i = 0; i < 8; ++i) add("geometry", "resver" + std::to_string(i), Kind::I32, &g.resver[i]);
    auto point = [&add](const char* name, TOUCH_POINT_F& p) {
        add("geometry", std::string(name) + ".X", Kind::F32, &p.X);
        add("geometry", std::string(name) + ".Y", Kind::F32, &p.Y);
    };
    point("fBFirstLedPos", g.fBFirstLedPos);
    point("fTFirstLedPos", g.fTFirstLedPos);
    point("fLFirstLedPos", g.fLFirstLedPos);
    point("fRFirstLedPos", g.fRFirstLedPos);
    return b;
}

const char* const kSections[] = {"frame", "config", "calibration", "factory-calibration", "output-mode", "geometry"};

// Names in a frame file are matched as INI files match them, ignoring case.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char ch) { return (ch >= 'A' && ch <= 'Z') ? char(ch - 'A' + 'a') : ch; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string Trim(const std::string& s) {
    const char* blanks = " \t\r";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> words;
    std::string word;
    for (char ch : s + " ") {
        if (ch == ' ' || ch == '\t' || ch == ',') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += ch;
        }
    }
    return words;
}

bool IsHexBits(const std::string& text) {
    if (text.size() != 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return false;
    for (std::size_t i = 2; i < text.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// Decimal with an optional sign, or 0x followed by hex digits.
bool ParseInteger(const std::string& text, int64_t min, int64_t max, int64_t* value) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    int base = 10;
    if (text.size() - at > 2 && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }
    uint64_t magnitude = 0;
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    if (first == last) return false;
    const auto result = std::from_chars(first, last, magnitude, base);
    if (result.ec != std::errc() || result.ptr != last) return false;
    if (magnitude > uint64_t(std::numeric_limits<int64_t>::max())) return false;
    const int64_t v = negative ? -int64_t(magnitude) : int64_t(magnitude);
    if (v < min || v > max) return false;
    *value = v;
    return true;
}

bool ParseFloat(const std::string& text, float* value) {
    if (IsHexBits(text)) {
        const uint32_t bits = uint32_t(std::strtoul(text.c_str() + 2, nullptr, 16));
        std::memcpy(value, &bits, sizeof bits);
        return true;
    }
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    if (first == last) return false;
    const auto result = std::from_chars(first, last, *value);
    return result.ec == std::errc() && result.ptr == last;
}

// Stores a value of the binding's kind; the message says what was wrong.
bool ParseValue(const Binding& b, const std::string& text, std::string* problem) {
    auto integer = [&](int64_t min, int64_t max, int64_t* v) {
        if (ParseInteger(text, min, max, v)) return true;
        *problem = "'" + text + "' is not a whole number from " + std::to_string(min) + " to " + std::to_string(max);
        return false;
    };
    int64_t v = 0;
    switch (b.kind) {
        case Kind::U8:
            if (!integer(0, 0xFF, &v)) return false;
            *static_cast<uint8_t*>(b.value) = uint8_t(v);
            return true;
        case Kind::U16:
            if (!integer(0, 0xFFFF, &v)) return false;
            *static_cast<uint16_t*>(b.value) = uint16_t(v);
            return true;
        case Kind::I16:
            if (!integer(INT16_MIN, INT16_MAX, &v)) return false;
            *static_cast<int16_t*>(b.value) = int16_t(v);
            return true;
        case Kind::I32:
            if (!integer(INT32_MIN, INT32_MAX, &v)) return false;
            *static_cast<int32_t*>(b.value) = int32_t(v);
            return true;
        case Kind::U32:
            if (!integer(0, UINT32_MAX, &v)) return false;
            *static_cast<uint32_t*>(b.value) = uint32_t(v);
            return true;
        case Kind::F32:
            if (ParseFloat(text, static_cast<float*>(b.value))) return true;
            *problem = "'" + text + "' is not a float (a decimal number, or 0x and 8 hex digits for its bits)";
            return false;
        case Kind::YesNo:
            if (SameName(text, "yes") || SameName(text, "no")) {
                *static_cast<bool*>(b.value) = SameName(text, "yes");
                return true;
            }
            *problem = "'" + text + "' is neither yes nor no";
            return false;
        case Kind::Operations: {
            std::set<std::string> names;
            for (const std::string& word : Words(text)) {
                bool known = false;
                for (const std::string& name : OperationNames()) {
                    if (SameName(word, name)) {
                        names.insert(name);
                        known = true;
                    }
                }
                if (!known) {
                    *problem = "'" + word + "' is not an operation that can fail";
                    return false;
                }
            }
            *static_cast<std::set<std::string>*>(b.value) = names;
            return true;
        }
    }
    return false;
}

std::string ValueText(const Binding& b) {
    switch (b.kind) {
        case Kind::U8: return std::to_string(*static_cast<const uint8_t*>(b.value));
        case Kind::U16: return std::to_string(*static_cast<const uint16_t*>(b.value));
        case Kind::I16: return std::to_string(*static_cast<const int16_t*>(b.value));
        case Kind::I32: return std::to_string(*static_cast<const int32_t*>(b.value));
        case Kind::U32: return std::to_string(*static_cast<const uint32_t*>(b.value));
        case Kind::F32: return FloatText(*static_cast<const float*>(b.value));
        case Kind::YesNo: return *static_cast<const bool*>(b.value) ? "yes" : "no";
        case Kind::Operations: {
            std::string text;
            // In interface order, so that equal frames give equal files.
            const auto& failing = *static_cast<const std::set<std::string>*>(b.value);
            for (const std::string& name : OperationNames())
                if (failing.count(name)) text += (text.empty() ? "" : " ") + name;
            return text;
        }
    }
    return std::string();
}

bool LightDisIndex(const std::string& key, int* index) {
    const std::string prefix = "LightDis";
    if (key.size() <= prefix.size() || !SameName(key.substr(0, prefix.size()), prefix)) return false;
    int64_t v = 0;
    const std::string digits = key.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos) return false;
    if (!ParseInteger(digits, 0, kLightDisCount - 1, &v)) return false;
    *index = int(v);
    return true;
}

uint32_t Bits(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

// The table entries a frame file lists: every entry the counts use, and any
// later one that is not zero, so that the whole record survives.
int LightDisLinesOf(const TOUCH_CONFIG_INFLASH_STRUCT& g) {
    int count = std::min(int(g.XTotal) + int(g.YTotal), kLightDisCount);
    for (int i = kLightDisCount - 1; i >= count; --i) {
        if (Bits(g.LightDis[i]) != 0) {
            count = i + 1;
            break;
        }
    }
    return count;
}

}  // namespace

std::string FloatText(float value) {
    char text[32];
    if (value != value) {
        std::snprintf(text, sizeof text, "0x%08" PRIX32, Bits(value));
        return text;
    }
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string FormatFrame(const FrameState& state) {
    FrameState copy = state;
    const std::vector<Binding> bindings = Bind(copy);
    const TOUCH_CONFIG_INFLASH_STRUCT& g = copy.geometry;

    std::string text;
    auto line = [&text](const std::string& s) { text += s + "\r\n"; };
    line("# Virtual touch frame: what a touch frame keeps in its memory.");
    line("# Edit values freely; the format is described in docs/virtual-frames.md.");
    const char* section = nullptr;
    for (const Binding& b : bindings) {
        if (section == nullptr || std::strcmp(section, b.section) != 0) {
            if (section != nullptr) line("");
            section = b.section;
            line(std::string("[") + section + "]");
            if (std::strcmp(section, "frame") == 0) line("format = " + std::to_string(kFormatVersion));
        }
        const std::string value = ValueText(b);
        line(b.key + (value.empty() ? " =" : " = " + value));
    }

    const int lines = LightDisLinesOf(g);
    if (lines > 0) {
        const int xEnd = std::min<int>(g.XTotal, kLightDisCount);
        line("# LightDis0.." + std::to_string(lines - 1) + ": the X distances (" + std::to_string(xEnd) +
             "), then the Y distances");
    }
    for (int i = 0; i < lines; ++i) line("LightDis" + std::to_string(i) + " = " + FloatText(g.LightDis[i]));
    return text;
}

bool ParseFrame(const std::string& text, FrameState* state, std::string* error) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (text.size() > kMaxFrameText) return fail("too large for a frame file");
    if (text.find('\0') != std::string::npos) return fail("binary data, not a frame file");

    FrameState parsed;
    std::vector<Binding> bindings = Bind(parsed);
    std::vector<bool> seen(bindings.size(), false);
    std::vector<bool> seenLightDis(kLightDisCount, false);
    std::set<std::string> seenSections;
    bool formatSeen = false;
    std::string section;

    std::size_t start = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;  // a UTF-8 mark left by an editor
    for (int number = 1; start <= text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string content = text.substr(start, end - start);
        start = end + 1;
        const std::string at = "line " + std::to_string(number) + ": ";

        const std::size_t comment = content.find_first_of("#;");
        if (comment != std::string::npos) content.erase(comment);
        content = Trim(content);
        if (content.empty()) continue;

        if (content.front() == '[') {
            if (content.back() != ']') return fail(at + "a section name needs a closing ]");
            const std::string name = Trim(content.substr(1, content.size() - 2));
            section.clear();
            for (const char* known : kSections)
                if (SameName(name, known)) section = known;
            if (section.empty()) return fail(at + "unknown section [" + name + "]");
            if (!seenSections.insert(section).second) return fail(at + "section [" + section + "] appears twice");
            continue;
        }

        const std::size_t equals = content.find('=');
        if (equals == std::string::npos) return fail(at + "expected key = value");
        const std::string key = Trim(content.substr(0, equals));
        const std::string value = Trim(content.substr(equals + 1));
        if (section.empty()) return fail(at + "'" + key + "' comes before any section");

        if (section == "frame" && SameName(key, "format")) {
            int64_t version = 0;
            if (formatSeen) return fail(at + "format appears twice");
            if (!ParseInteger(value, 0, INT32_MAX, &version) || version != kFormatVersion)
                return fail(at + "format '" + value + "' is not one this library reads (" +
                            std::to_string(kFormatVersion) + ")");
            formatSeen = true;
            continue;
        }

        int lightDis = 0;
        if (section == "geometry" && LightDisIndex(key, &lightDis)) {
            if (seenLightDis[lightDis]) return fail(at + key + " appears twice");
            seenLightDis[lightDis] = true;
            if (!ParseFloat(value, &parsed.geometry.LightDis[lightDis]))
                return fail(at + key + ": '" + value + "' is not a float");
            continue;
        }

        std::size_t index = 0;
        while (index < bindings.size() && !(section == bindings[index].section && SameName(key, bindings[index].key)))
            ++index;
        if (index == bindings.size()) return fail(at + "unknown key '" + key + "' in [" + section + "]");
        if (seen[index]) return fail(at + key + " appears twice in [" + section + "]");
        seen[index] = true;
        std::string problem;
        if (!ParseValue(bindings[index], value, &problem)) return fail(at + key + ": " + problem);
    }

    if (!formatSeen) return fail("not a frame file: no [frame] section with format = " + std::to_string(kFormatVersion));
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        if (!seen[i] && !bindings[i].optional)
            return fail("missing " + bindings[i].key + " in [" + bindings[i].section + "]");
    }
    *state = parsed;
    return true;
}

}  // namespace vframe
