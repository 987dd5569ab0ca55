// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every page shows the speed range of its own last look-up: the shared
// range written by another page in between never reaches its bar or labels.

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
    PageModel& milling = main.page(0);
    PageModel& turning = main.page(1);

    std::string label(PageModel& page, const char* name) {
        return page.get<Label>(name).caption;
    }
    const Bar& bar(PageModel& page, const char* name) { return page.get<Bar>(name); }
};

TEST_F(OwnSpeedRange, MillingKeepsItsRangeAfterATurningLookUp) {
    ASSERT_EQ(label(milling, "Label29"), "25");
    ASSERT_EQ(label(milling, "Label30"), "32");
    main.selectPage(1);
    ASSERT_TRUE(turning.userClick("SpeedButton26"));
    ASSERT_NE(bench.shell().state.vcMax, 32); // the turning range is now the shared one
    main.selectPage(0);
    ASSERT_TRUE(milling.userScroll("ScrollBar2", bar(milling, "ScrollBar2").position() + 1));
    EXPECT_EQ(label(milling, "Label29"), "25");
    EXPECT_EQ(label(milling, "Label30"), "32");
    const Bar& vc = bar(milling, "ScrollBar2");
    EXPECT_EQ(vc.min(), 25);
    EXPECT_EQ(vc.max(), 32);
    const double speed = bench.shell().numbers.parse(milling.get<Field>("Edit9").text());
    EXPECT_GE(speed, 25);
    EXPECT_LE(speed, 32);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(OwnSpeedRange, TurningWithoutARowKeepsItsOwnRange) {
    const std::string low = label(turning, "Label134");
    const std::string high = label(turning, "Label135");
    const int position = bar(turning, "ScrollBar11").position();
    // A milling look-up writes its range; then a turning look-up finds no row.
    ASSERT_TRUE(milling.userClick("SpeedButton7"));
    bench.shell().state.turningMaterialGroup = 11;
    ASSERT_TRUE(turning.userClick("SpeedButton28"));
    EXPECT_EQ(label(turning, "Label134"), low);
    EXPECT_EQ(label(turning, "Label135"), high);
    EXPECT_EQ(bar(turning, "ScrollBar11").position(), position);
}

} // namespace
