// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every page shows the speed range of its own last look-up: the shared
// range written by another page in between never reaches its bar or labels.

#include "milling/milling_page.h"
#include "turning/turning_page.h"
#include "workbench/workbench.h"

#include <gtest/gtest.h>

#include <string>

using namespace zerbo;

namespace {

struct OwnSpeedRange : ::testing::Test {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench{messages, help, ','};
    MainWindowModel& main = bench.main();
    MillingPage& milling = dynamic_cast<MillingPage&>(main.page(0));
    TurningPage& turning = dynamic_cast<TurningPage&>(main.page(1));
};

TEST_F(OwnSpeedRange, MillingKeepsItsRangeAfterATurningLookUp) {
    ASSERT_EQ(milling.speedMin.caption, "25");
    ASSERT_EQ(milling.speedMax.caption, "32");
    main.selectPage(1);
    ASSERT_TRUE(turning.userClick(turning.classButtons[0]));
    ASSERT_NE(bench.shell().state.vcMax, 32); // the turning range is now the shared one
    main.selectPage(0);
    ASSERT_TRUE(milling.userScroll(milling.speedBar, milling.speedBar.position() + 1));
    EXPECT_EQ(milling.speedMin.caption, "25");
    EXPECT_EQ(milling.speedMax.caption, "32");
    const Bar& vc = milling.speedBar;
    EXPECT_EQ(vc.min(), 25);
    EXPECT_EQ(vc.max(), 32);
    const double speed = bench.shell().numbers.parse(milling.cuttingSpeed.text());
    EXPECT_GE(speed, 25);
    EXPECT_LE(speed, 32);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(OwnSpeedRange, TurningWithoutARowKeepsItsOwnRange) {
    const std::string low = turning.speedMin.caption;
    const std::string high = turning.speedMax.caption;
    const int position = turning.speedBar.position();
    // A milling look-up writes its range; then a turning look-up finds no row.
    ASSERT_TRUE(milling.userClick(milling.groupButtons[2]));
    bench.shell().state.turningMaterialGroup = 11;
    ASSERT_TRUE(turning.userClick(turning.classButtons[2]));
    EXPECT_EQ(turning.speedMin.caption, low);
    EXPECT_EQ(turning.speedMax.caption, high);
    EXPECT_EQ(turning.speedBar.position(), position);
}

} // namespace
