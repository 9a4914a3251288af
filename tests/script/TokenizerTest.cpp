#include "script/Tokenizer.h"

#include <gtest/gtest.h>

namespace quirn::script {
namespace {

struct WordsCase {
    const char* line;
    std::vector<std::string> words;
};

class TokenizerWords : public ::testing::TestWithParam<WordsCase> {};

TEST_P(TokenizerWords, SplitsTheLine) {
    const TokenizedLine result = tokenizeLine(GetParam().line);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TokenizerWords,
    ::testing::Values(WordsCase{"", {}}, WordsCase{"   \t ", {}}, WordsCase{"# a comment", {}},
                      WordsCase{"   # indented comment \"", {}},
                      WordsCase{"press 23 1", {"press", "23", "1"}},
                      WordsCase{"  press\t23   1  ", {"press", "23", "1"}},
                      WordsCase{"state\r", {"state"}},
                      WordsCase{"type Text3 \"two words\"", {"type", "Text3", "two words"}},
                      WordsCase{"answer input \"\"", {"answer", "input", ""}},
                      WordsCase{R"(answer input "say \"hi\"")", {"answer", "input", "say \"hi\""}},
                      WordsCase{R"(x "back\\slash")", {"x", "back\\slash"}},
                      WordsCase{R"(x "\\")", {"x", "\\"}}, WordsCase{R"(x a\b)", {"x", "a\\b"}},
                      WordsCase{"x \"#not a comment\"", {"x", "#not a comment"}},
                      WordsCase{"x \"caf\xc3\xa9\"", {"x", "caf\xc3\xa9"}},
                      WordsCase{"\"a\" \"b\"", {"a", "b"}}));

class TokenizerErrors : public ::testing::TestWithParam<const char*> {};

TEST_P(TokenizerErrors, RejectsTheLine) {
    const TokenizedLine result = tokenizeLine(GetParam());
    EXPECT_FALSE(result.ok());
}

INSTANTIATE_TEST_SUITE_P(Malformed, TokenizerErrors,
                         ::testing::Values("type Text3 \"open", "x \"", R"(x "a\")",
                                           R"(x "bad \n escape")", R"(x "a"b)", R"(x a"b")",
                                           R"(x "trailing\)"));

} // namespace
} // namespace quirn::script
