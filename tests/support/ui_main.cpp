// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEnvironment.h"
#include "TestScope.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace
{
// Ends each test's scope once the test and its fixture are done.
class EndTestScope : public ::testing::EmptyTestEventListener
{
    void OnTestEnd(const ::testing::TestInfo &) override { TestScope::end(); }
};
} // namespace

int main(int argc, char **argv)
{
    TestEnvironment::setUp();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new EndTestScope); // gtest owns it
    const int result = RUN_ALL_TESTS();
    TestEnvironment::tearDown();
    return result;
}
