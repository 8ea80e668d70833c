// controls_doc_test.cpp: the README's controls table and the manual page's CONTROLS section list
// exactly the controls that --help prints from the code, in the same words and order.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/usage.h"

namespace {

using ControlText = std::pair<std::string, std::string>;

std::vector<std::string> readLines(const char* path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot read " << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<ControlText> codeControls() {
    std::vector<ControlText> controls;
    for (const Control& c : CONTROLS) controls.emplace_back(c.input, c.effect);
    return controls;
}

// The rows "| input | effect |" of the table under "## Controls", its header row left out.
std::vector<ControlText> readmeControls(const std::vector<std::string>& lines) {
    std::vector<ControlText> rows;
    bool inSection = false;
    bool headerSeen = false;
    for (const std::string& line : lines) {
        if (startsWith(line, "## ")) inSection = line == "## Controls";
        if (!inSection || !startsWith(line, "| ") || line.size() < 4) continue;
        const std::string cells = line.substr(2, line.size() - 4);
        const std::size_t bar = cells.find(" | ");
        if (!headerSeen) {
            headerSeen = true;
        } else if (bar != std::string::npos) {
            rows.emplace_back(cells.substr(0, bar), cells.substr(bar + 3));
        }
    }
    return rows;
}

// The entries ".TP", ".B input", "effect" of the section ".SH CONTROLS".
std::vector<ControlText> manPageControls(const std::vector<std::string>& lines) {
    std::vector<ControlText> entries;
    bool inSection = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (startsWith(lines[k], ".SH ")) inSection = lines[k] == ".SH CONTROLS";
        if (inSection && lines[k] == ".TP" && k + 2 < lines.size() && startsWith(lines[k + 1], ".B ")) {
            entries.emplace_back(lines[k + 1].substr(3), lines[k + 2]);
        }
    }
    return entries;
}

// Each document against the code's list: a control added, dropped or reworded anywhere shows here.
TEST(ControlsDocumentation, ReadmeAndManualPageListTheCodesControls) {
    EXPECT_EQ(readmeControls(readLines(QUILLMARK_README)), codeControls()) << "README.md, ## Controls";
    EXPECT_EQ(manPageControls(readLines(QUILLMARK_MAN_PAGE)), codeControls()) << "packaging/quillmark.1.in";
}

}  // namespace
