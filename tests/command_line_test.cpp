// command_line_test.cpp: the command line read into its plain result (info option, --open's drawing,
// refusal, GLUT's arguments), and the scene the window opens with.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/command_line.h"

// InfoOption by name in a failure's message.
void PrintTo(InfoOption option, std::ostream* out) {
    *out << (option == InfoOption::Help ? "Help" : option == InfoOption::Version ? "Version" : "None");
}

namespace {

// One command line (argv[0] left out) and what it must be read as; `id` names its unit test.
struct Reading {
    const char* id;
    std::vector<const char*> arguments;
    InfoOption info;
    const char* refusal;               // how the refusal starts; "" for none
    std::optional<double> halfWaves;   // the opened drawing's, when one opens
    std::vector<std::string> glut;     // GLUT's arguments after argv[0]
    bool describe = false;
};

constexpr const char* NEEDS_ADDRESS = "--open: needs an address after it, such as --open 'p=";

const Reading READINGS[] = {
    {"Nothing", {}, InfoOption::None, "", std::nullopt, {}},
    // The address is --open's alone: GLUT never sees it.
    {"SpaceForm", {"--open", "n=12"}, InfoOption::None, "", 12, {}},
    // The address is what follows the '='.
    {"EqualsForm", {"--open=n=12"}, InfoOption::None, "", 12, {}},
    {"GlutArgumentsKeepTheirOrderAroundOpen", {"-geometry", "+1+2", "--open", "n=12", "--bogus", "-display", ":1"},
     InfoOption::None, "", 12, {"-geometry", "+1+2", "--bogus", "-display", ":1"}},
    // An option in the address's place is neither the address nor an option.
    {"OpenThenHelp", {"--open", "--help"}, InfoOption::None, NEEDS_ADDRESS, std::nullopt, {}},
    // Help is answered first, whatever follows it.
    {"HelpThenOpen", {"--help", "--open"}, InfoOption::Help, NEEDS_ADDRESS, std::nullopt, {}},
    {"HelpAfterOpensAddress", {"--open", "n=12", "--help"}, InfoOption::Help, "", 12, {}},
    {"ShortHelpAmongGlutOptions", {"-geometry", "+0+0", "-h"}, InfoOption::Help, "", std::nullopt,
     {"-geometry", "+0+0"}},
    {"FirstInfoOptionCounts", {"--version", "--help"}, InfoOption::Version, "", std::nullopt, {}},
    {"OpenLastWithNothingAfter", {"-geometry", "+0+0", "--open"}, InfoOption::None, NEEDS_ADDRESS, std::nullopt,
     {"-geometry", "+0+0"}},
    {"EmptyAddress", {"--open", ""}, InfoOption::None, NEEDS_ADDRESS, std::nullopt, {}},
    // After '=' anything is the address, and the link reader refuses this one.
    {"EqualsFormTakesAnOptionAsTheAddress", {"--open=--help"}, InfoOption::None, "--open: '--help' is not",
     std::nullopt, {}},
    {"OpenTwice", {"--open=n=12", "--open", "n=11"}, InfoOption::None,
     "--open: given more than once; one drawing opens at a time", std::nullopt, {}},
    {"RefusedLink", {"--open", "n=13"}, InfoOption::None,
     "--open: the half-waves must be a whole number from 1 to 12, not '13'", std::nullopt, {}},
    {"OpenerIsNoOpen", {"--opener", "n=12"}, InfoOption::None, "", std::nullopt, {"--opener", "n=12"}},
    // The drawing in words: --open's, refused as --open refuses it; help still comes first.
    {"DescribeOpened", {"--describe", "--open", "n=12"}, InfoOption::None, "", 12, {}, true},
    {"DescribeRefusedLink", {"--open=n=13", "--describe"}, InfoOption::None, "--open: the half-waves", std::nullopt, {},
     true},
    {"HelpBeforeDescribe", {"--describe", "--help"}, InfoOption::Help, "", std::nullopt, {}, true},
};

void PrintTo(const Reading& reading, std::ostream* out) {
    *out << reading.id;
}

// The arguments after "quillmark", read from a writable argv as main's; GLUT's arguments as text.
struct Read {
    CommandLine line;
    std::vector<std::string> glut;
};
Read read(const std::vector<const char*>& arguments) {
    std::vector<std::string> words{"quillmark"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    Read result{readCommandLine(static_cast<int>(words.size()), argv.data()), {}};
    result.glut.assign(result.line.glutArguments.begin(), result.line.glutArguments.end());
    return result;
}

class CommandLineReading : public testing::TestWithParam<Reading> {};

TEST_P(CommandLineReading, IsAsTheTableSays) {
    const Reading& r = GetParam();
    const auto [line, glutArguments] = read(r.arguments);
    EXPECT_EQ(line.info, r.info);
    EXPECT_EQ(line.describe, r.describe);
    EXPECT_EQ(line.refusal.substr(0, std::string(r.refusal).size()), r.refusal) << line.refusal;
    EXPECT_EQ(line.refusal.empty(), std::string(r.refusal).empty()) << line.refusal;
    ASSERT_EQ(line.drawing.has_value(), r.halfWaves.has_value());
    if (r.halfWaves) {
        EXPECT_EQ(line.drawing->waveCount, *r.halfWaves);
    }
    std::vector<std::string> glut{"quillmark"};
    glut.insert(glut.end(), r.glut.begin(), r.glut.end());
    EXPECT_EQ(glutArguments, glut);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineReading, testing::ValuesIn(READINGS),
                         [](const testing::TestParamInfo<Reading>& info) { return std::string(info.param.id); });

// The start-up drawing comes first and the link's over it: the link's corners are the ones drawn.
TEST(SceneSetUp, TheWindowOpensWithTheLinksCornersOverTheStartUpDrawing) {
    SceneState state;
    state.controlPoints = {{{1, 1}, {1, 1}, {1, 1}, {1, 1}}};
    state.zoom = 4;
    setUpScene(read({"--open", "p=-0.4,-0.2,-0.4,-0.2,0.2,0.3,0.45,-0.1&n=12"}).line, state);
    const ControlPoints opened{{{-0.4, -0.2}, {-0.4, -0.2}, {0.2, 0.3}, {0.45, -0.1}}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(state.controlPoints[k].x, opened[k].x) << "P" << k;
        EXPECT_EQ(state.controlPoints[k].y, opened[k].y) << "P" << k;
    }
    EXPECT_EQ(state.waveCount, 12);
    EXPECT_EQ(state.zoom, startDrawing().zoom);
}

}  // namespace
