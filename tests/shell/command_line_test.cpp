#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel::shell {
namespace {

struct DispatchCase {
    std::string line;
    StartupKind kind;
    std::string path;
};

class DispatchTest : public testing::TestWithParam<DispatchCase> {};

TEST_P(DispatchTest, PicksActionAndPath) {
    const DispatchCase& c = GetParam();
    const StartupAction action = Dispatch(c.line);
    EXPECT_EQ(action.kind, c.kind) << '"' << c.line << '"';
    EXPECT_EQ(action.path, c.path) << '"' << c.line << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DispatchTest,
    testing::Values(DispatchCase{"", StartupKind::Normal, ""},
                    DispatchCase{"/reg", StartupKind::Register, ""},
                    // "/reg" is shorter than six characters, so only the exact line matches.
                    DispatchCase{"/reg ", StartupKind::Normal, ""},
                    DispatchCase{"/REG", StartupKind::Normal, ""},
                    DispatchCase{"/unreg", StartupKind::Unregister, ""},
                    DispatchCase{"/unreg C:\\x.vtl", StartupKind::Unregister, ""},
                    DispatchCase{"/unre", StartupKind::Normal, ""},
                    DispatchCase{"/open", StartupKind::Normal, ""},
                    DispatchCase{"/openx.vtl", StartupKind::Normal, ""},
                    DispatchCase{"/Open /a.vtl", StartupKind::Normal, ""},
                    DispatchCase{"/open ", StartupKind::Open, ""},
                    DispatchCase{"/open /home/ann/my frames/f 1.vtl", StartupKind::Open,
                                 "/home/ann/my frames/f 1.vtl"},
                    DispatchCase{"/open  x.vtl", StartupKind::Open, " x.vtl"},
                    DispatchCase{"/open \"/a b.vtl\"", StartupKind::Open, "\"/a b.vtl\""},
                    DispatchCase{"/print", StartupKind::InvalidCommand, ""},
                    DispatchCase{"/print ", StartupKind::Print, ""},
                    DispatchCase{"/print /srv/jobs/b 2.vtl", StartupKind::Print,
                                 "/srv/jobs/b 2.vtl"},
                    // The seventh character is skipped whatever it is.
                    DispatchCase{"/printX/a.vtl", StartupKind::Print, "/a.vtl"},
                    DispatchCase{"/print\xC3\xA9/a.vtl", StartupKind::Print, "/a.vtl"},
                    DispatchCase{"/print\xC3\xA9", StartupKind::Print, ""},
                    DispatchCase{"/prin", StartupKind::Normal, ""},
                    DispatchCase{"frame.vtl", StartupKind::Normal, ""}));

TEST(JoinArgumentsTest, JoinsWithSingleBlanks) {
    EXPECT_EQ(JoinArguments({}), "");
    EXPECT_EQ(JoinArguments({"/reg"}), "/reg");
    EXPECT_EQ(JoinArguments({""}), "");
    // A path passed as one argument arrives whole, its own blanks kept.
    EXPECT_EQ(JoinArguments({"/open", "/a  b/c.vtl"}), "/open /a  b/c.vtl");
    EXPECT_EQ(JoinArguments({"/open", "/a", "b.vtl"}), "/open /a b.vtl");
    EXPECT_EQ(JoinArguments({"/print", ""}), "/print ");
}

}  // namespace
}  // namespace vantrel::shell
