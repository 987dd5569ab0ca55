// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared speed range is written by every page's look-up; the drilling,
// reaming, countersinking and sawing pages map their bars from the range of
// their own last look-up, even when another page has looked one up since.

#include "countersinking/countersinking_page.h"
#include "drilling/drilling_page.h"
#include "reaming/reaming_page.h"
#include "sawing/sawing_page.h"
#include "turning/turning_page.h"
#include "workbench/workbench.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace zerbo;

namespace {

TEST(PageSpeedRange, AnotherPagesLookUpLeavesTheBarAlone) {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench(messages, help, ',');
    MainWindowModel& main = bench.main();
    auto& turning = dynamic_cast<TurningPage&>(main.page(1));
    auto& drilling = dynamic_cast<DrillingPage&>(main.page(2));
    auto& reaming = dynamic_cast<ReamingPage&>(main.page(3));
    auto& countersinking = dynamic_cast<CountersinkingPage&>(main.page(4));
    auto& sawing = dynamic_cast<SawingPage&>(main.page(5));
    struct Case {
        int page;
        std::function<void()> ownLookUp, remap; // before and after the other page's
        const Bar& bar;
        const Label &low, &high;
        int min, max;
        std::string lowText, highText;
    };
    const Case cases[] = {
        // a carbide shell boring tool of 60 mm, then 61.5 mm: no speed entry
        {2,
         [&] {
             ASSERT_TRUE(drilling.userClick(drilling.carbideButton.name()));
             ASSERT_TRUE(drilling.userSelect(drilling.toolList.name(), kCarbideShellBoringTool));
             ASSERT_TRUE(drilling.userSelect(drilling.diameterList.name(), 42));
         },
         [&] { ASSERT_TRUE(drilling.userSelect(drilling.diameterList.name(), 43)); },
         drilling.speedBar, drilling.speedMin, drilling.speedMax, 35, 40, "35", "40"},
        // TiN: 15 .. 18, then 49 %; only a point marks the decimals that are cut
        {3, [&] { ASSERT_TRUE(reaming.userSelect(reaming.cuttingMaterialList.name(), 1)); },
         [&] { ASSERT_TRUE(reaming.userClick(reaming.speedStep.down.name())); }, reaming.speedBar,
         reaming.speedMin, reaming.speedMax, 150, 180, "14,9", "17,88"},
        {4, [] {},
         [&] { ASSERT_TRUE(countersinking.userSelect(countersinking.toolList.name(), 3)); },
         countersinking.speedBar, countersinking.speedMin, countersinking.speedMax, 26, 30, "26",
         "30"},
        {5, [&] { ASSERT_TRUE(sawing.userSelect(sawing.materialList.name(), 1)); },
         [&] {
             for (const List* list :
                  {&sawing.bladeDiameterList, &sawing.teethList, &sawing.thicknessList})
                 ASSERT_TRUE(sawing.userSelect(list->name(), 5));
         },
         sawing.speedBar, sawing.speedMin, sawing.speedMax, 15, 30, "15", "30"},
    };
    int turningClass = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(main.page(c.page).caption());
        main.selectPage(c.page);
        c.ownLookUp();
        main.selectPage(1);
        turningClass = turningClass == 0 ? 1 : 0;
        ASSERT_TRUE(turning.userClick(turning.classButtons[turningClass].name()));
        ASSERT_NE(bench.shell().state.vcMax, c.max);
        main.selectPage(c.page);
        c.remap();
        EXPECT_EQ(c.bar.min(), c.min);
        EXPECT_EQ(c.bar.max(), c.max);
        EXPECT_EQ(c.low.caption + " " + c.high.caption, c.lowText + " " + c.highText);
    }
    EXPECT_TRUE(messages.entries.empty());
}

} // namespace
