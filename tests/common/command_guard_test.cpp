#include "common/command_guard.h"
#include "common/errors.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

TEST(CommandGuard, FailureShownWithTheApplicationTitle)
{
    DesktopRecorder desktop;
    setApplicationTitle(u"Заголовок"_s);
    int after = 0;
    EXPECT_FALSE(runCommand(nullptr, [&] {
        throw EConvertError::notFloat(u"1,2.5"_s);
        ++after;
    }));
    EXPECT_EQ(after, 0);
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_EQ(desktop.errors.at(0), u"Заголовок|'1,2.5' is not a valid floating point value"_s);

    EXPECT_FALSE(runCommand(nullptr, [] { throw std::runtime_error("boom"); }));
    EXPECT_EQ(desktop.errors.at(1), u"Заголовок|boom"_s);
}

TEST(CommandGuard, SuccessShowsNothing)
{
    DesktopRecorder desktop;
    int ran = 0;
    auto handler = guarded(nullptr, [&] { ++ran; });
    handler(1, u"ignored"_s);
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(desktop.errors.isEmpty());
}
