// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workbench/workbench.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zerbo;

namespace {

struct MainWindowTest : ::testing::Test {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench{messages, help, ','};
    MainWindowModel& main = bench.main();
};

TEST_F(MainWindowTest, StartsOnMillingWithTheDefaults) {
    EXPECT_EQ(main.pageIndex(), 0);
    EXPECT_EQ(main.title(), "Schnittwerttabelle");
    main.activate();
    EXPECT_EQ(main.title(), "Zerbo");
    const char* captions[] = {"Fräsen", "Drehen", "Bohren", "Reiben", "Senken", "Sägen", "Rechner"};
    for (int i = 0; i < kPageCount; ++i)
        EXPECT_EQ(main.page(i).caption(), captions[i]);
    EXPECT_EQ(bench.shell().state.helpContext, 104);
    EXPECT_FALSE(main.hintsShown());
    EXPECT_FALSE(main.helpButton.visible);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MainWindowTest, PageChangesSetAdvisorButtonAndHelpTopic) {
    const bool advisor[] = {true, true, true, true, false, true, false};
    for (int i : {1, 2, 3, 4, 5, 6, 0, 4, 6, 3}) {
        main.selectPage(i);
        EXPECT_EQ(main.advisorButton.enabled, advisor[i]) << i;
        EXPECT_EQ(bench.shell().state.forceDialogMode, i == 0 ? 1 : 2) << i;
    }
    // "Rechner" keeps the topic of the page shown before it.
    main.selectPage(2);
    main.selectPage(6);
    main.helpKey();
    main.selectPage(5);
    main.helpKey();
    EXPECT_EQ(help.topics, (std::vector<int>{106, 109}));
}

TEST_F(MainWindowTest, HintSwitchTogglesAndReassigns) {
    main.okButton.hint.clear();
    EXPECT_TRUE(main.userClick(main.hintButton));
    EXPECT_TRUE(main.hintsShown());
    EXPECT_EQ(main.okButton.hint,
              "Elektronische Tabelle beenden; Werte in Schnittwertrechner übertragen");
    EXPECT_TRUE(main.userClick(main.hintButton));
    EXPECT_FALSE(main.hintsShown());
    EXPECT_FALSE(main.hintButton.down());
    EXPECT_EQ(main.hintButton.hint, "Kurzinfo Ein/Aus");
}

TEST_F(MainWindowTest, BeendenCloses) {
    EXPECT_FALSE(main.closed());
    EXPECT_TRUE(main.userClick(main.okButton));
    EXPECT_TRUE(main.closed());
    EXPECT_FALSE(main.userClick(main.helpButton)); // hidden: no user can press it
    EXPECT_FALSE(main.userClick("NoSuchButton"));
}

} // namespace
