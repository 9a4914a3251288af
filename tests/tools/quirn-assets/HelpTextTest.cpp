// The help texts as the in-game viewer reads them: comma-separated fields, where only a
// whole quoted line may hold a comma.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(QUIRN_SOURCE_DIR) / "data";
// The viewer wraps long lines, so a line is a paragraph; past this it is a wall of text.
constexpr std::size_t kViewerColumns = 400;

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits at CR LF; a bare CR or LF anywhere is reported as a fault instead.
std::vector<std::string> crlfLines(const std::string& text, std::string& fault) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines.push_back(line);
            line.clear();
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            fault = "bare line end in line " + std::to_string(lines.size() + 1);
            return {};
        } else {
            line += text[i];
        }
    }
    if (!line.empty()) fault = "last line has no CR LF";
    return lines;
}

// Why the viewer would not show this line as written, or empty when it would.
std::string viewerProblem(const std::string& line) {
    if (line.size() > kViewerColumns) return "a paragraph too long to read";
    for (unsigned char c : line) {
        // Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D are not characters in Windows-1252.
        if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
            return "a byte Windows-1252 doesn't show";
    }
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) return line.empty() ? "" : "blank but not empty";
    const bool quoted = line[first] == '"';
    if (quoted) {
        if (line.find('"', first + 1) != line.size() - 1) return "quoted part must end the line";
        return "";
    }
    if (line.find(',') != std::string::npos) return "a comma would split the line";
    if (line.find('"') != std::string::npos) return "a stray double quote";
    const char c = line[first];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.' || c == '&')
        return "may be read as a number";
    return "";
}

TEST(HelpTexts, ViewerProblemSpotsLinesThatWouldShowWrongly) {
    struct Case {
        const char* line;
        bool fine;
    };
    const Case cases[] = {
        {"Draw one closed loop.", true},
        {"", true},
        {"\"A quoted line, with commas, is whole.\"", true},
        {"Unquoted, with a comma", false},
        {"\"Quoted\" then more", false},
        {"A stray \" quote", false},
        {"007 shows as 7", false},
        {"   ", false},
        {"Tab\there", false},
    };
    for (const Case& c : cases) EXPECT_EQ(viewerProblem(c.line).empty(), c.fine) << c.line;
    EXPECT_FALSE(viewerProblem(std::string(kViewerColumns + 1, 'x')).empty());
}

TEST(HelpTexts, ShowAsWrittenInTheViewer) {
    struct Case {
        const char* file;
        const char* mustMention;
    };
    const Case cases[] = {
        {"rules.txt", "A Perfect Score!"},
        {"creating.txt", "quirn-levels check"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string text = readAll(kData / c.file);
        std::string fault;
        const std::vector<std::string> lines = crlfLines(text, fault);
        ASSERT_EQ(fault, "");
        ASSERT_GT(lines.size(), 20u);
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(viewerProblem(lines[i]), "") << "line " << i + 1 << ": " << lines[i];
        EXPECT_NE(text.find(c.mustMention), std::string::npos);
    }
}

} // namespace
