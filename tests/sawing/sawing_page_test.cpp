#include "sawing/sawing_page.h"

#include "shell/formulas.h"
#include "workbench/workbench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace zerbo;

namespace {

constexpr double kPiD = 3.14159265358979323846;

class SawingPageTest : public ::testing::TestWithParam<char> {
  protected:
    SawingPageTest() { page.startUp(); }

    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help, GetParam()};
    SawingPage page{shell};

    std::string field(const char* name) const { return page.get<Field>(name).text(); }
    double value(const char* name) const { return shell.numbers.parse(field(name)); }
    std::string label(const char* name) const { return page.get<Label>(name).caption; }
    const Bar& bar(const char* name) const { return page.get<Bar>(name); }
    std::string listText(const char* name) const { return page.get<List>(name).text(); }

    void select(const char* name, int index) { ASSERT_TRUE(page.userSelect(name, index)) << name; }
    void scroll(const char* name, int position) {
        ASSERT_TRUE(page.userScroll(name, position)) << name;
    }
    // Selects a list item by its text.
    void choose(const char* name, const std::string& item) {
        const auto& items = page.get<List>(name).items();
        const auto it = std::find(items.begin(), items.end(), item);
        ASSERT_NE(it, items.end()) << name << " " << item;
        select(name, static_cast<int>(it - items.begin()));
    }

    void expectBar(const char* name, int min, int max, int position) const {
        EXPECT_EQ(bar(name).min(), min) << name;
        EXPECT_EQ(bar(name).max(), max) << name;
        EXPECT_EQ(bar(name).position(), position) << name;
    }
    // The results as the formulas give them for the page's inputs, worked
    // out here in closed form: fz = 360 A / (Vc phi z) since the arc of
    // contact is Ds pi phi / 360.
    struct Expected {
        double n, phi, fz, vf, q, pe;
    };
    Expected expected(double ds, double z, double s, double vc, double dw, double a,
                      double kc11, double mc) const {
        Expected e{};
        e.n = vc * 1000 / (kPiD * ds);
        e.phi = 2 * std::asin(dw / ds) * 180 / kPiD;
        e.fz = 360 * a / (vc * e.phi * z);
        e.vf = z * e.fz * e.n;
        e.q = s / 10 * 4 * e.vf / 10;
        const double kc = 1.2 * 1.3 * 1.15 * kc11 / std::pow(e.fz, mc);
        e.pe = vc * (s * e.fz * kc * z * e.phi / 360) / 48000;
        return e;
    }
    void expectResults(const Expected& e) const {
        EXPECT_NEAR(value("Edit17"), e.n, e.n * 1e-12);
        EXPECT_NEAR(page.engagementAngle(), e.phi, e.phi * 1e-12);
        EXPECT_NEAR(value("Edit18"), e.fz, e.fz * 1e-12);
        EXPECT_NEAR(value("Edit19"), e.vf, e.vf * 1e-12);
        EXPECT_NEAR(value("Edit21"), e.q, e.q * 1e-12);
        // The root is Newton's with its tolerance: close to pow, not equal.
        EXPECT_NEAR(value("Edit22"), e.pe, e.pe * 1e-7);
    }
};

TEST_P(SawingPageTest, StartsWithTheFirstItemsAndNoPreset) {
    EXPECT_EQ(listText("ComboBox1"), "20");
    EXPECT_EQ(listText("ComboBox2"), "Kreissägeblatt");
    EXPECT_EQ(listText("ComboBox3"), "Stahl bis 500 N/mm2");
    EXPECT_EQ(listText("ComboBox4"), "über 20 mm");
    EXPECT_EQ(listText("ComboBox9"), "24"); // the preset of Ds 20 would be 40
    EXPECT_EQ(listText("ComboBox10"), "0.2");
    EXPECT_TRUE(page.hssBtn.down());
    for (const char* hidden : {"SpeedButton11", "ComboBox4", "ScrollBar6", "Label51", "Label52"})
        EXPECT_FALSE(page.find(hidden)->visible) << hidden;

    expectBar("ScrollBar5", 25, 50, 37);
    EXPECT_EQ(field("Edit16"), "37");
    EXPECT_EQ(label("Label34"), "25");
    EXPECT_EQ(label("Label36"), "50");
    EXPECT_EQ(shell.state.vcMin, 25);
    EXPECT_EQ(shell.state.vcMax, 50);
    expectBar("ScrollBar19", 10, 14, 12);
    EXPECT_EQ(field("Edit63"), "12");
    EXPECT_EQ(label("Label176"), "10");
    EXPECT_EQ(label("Label177"), "14");
    expectBar("ScrollBar18", 1, 20, 10);
    EXPECT_EQ(field("Edit62"), "10");
    EXPECT_EQ(label("Label172"), "1");
    EXPECT_EQ(label("Label173"), "20");
    expectBar("ScrollBar6", 10, 25, 17);
    EXPECT_EQ(label("Label51"), "10");
    EXPECT_EQ(label("Label52"), "25");
    EXPECT_EQ(page.coolant.lines, (std::vector<std::string>{"Hochleistungskühlschmier-Konzentrat",
                                                            "Mischungsverhältnis: 1:20"}));

    EXPECT_EQ(field("Edit20"), "1550"); // kc1.1, not kc
    expectResults(expected(20, 24, 0.2, 37, 10, 12, 1550, 0.3));
    EXPECT_NEAR(page.teethInContact(), 4, 1e-12);
    EXPECT_NEAR(page.specificForce(), 1.794 * 1550 / std::pow(value("Edit18"), 0.3), 1e-4);
    // Pe differs from the power law in its 12th digit: the root is Newton's.
    const double kc = 1.2 * 1.3 * 1.15 * 1550 / std::pow(value("Edit18"), 0.3);
    const double pe = 37 * (0.2 * value("Edit18") * kc * page.teethInContact()) / 48000;
    EXPECT_NE(field("Edit22"), shell.numbers.write(pe));
    const std::string sep(1, GetParam());
    EXPECT_EQ(field("Edit17"), "588" + sep + "873289440013");
    EXPECT_EQ(field("Edit18"), "0" + sep + "0810810810810811");
    EXPECT_EQ(field("Edit19"), "1145" + sep + "91559026165");
    EXPECT_EQ(field("Edit21"), "9" + sep + "1673247220932");
    EXPECT_EQ(field("Edit22"), "0" + sep + "295425705966948");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(SawingPageTest, BladeDiameterAppliesItsPresetAndBoundsTheWorkpiece) {
    struct Case {
        std::string ds;
        int dwBefore; // moved to on a 1410 blade first; 0 = left at 10
        std::string z, s;
        int dwAfter;
    };
    const Case cases[] = {
        {"25", 0, "50", "1", 10},      {"1410", 0, "750", "9", 10},
        {"20", 100, "40", "1", 10},    {"25", 100, "50", "1", 12}, // 12.5 to the even 12
        {"63", 100, "80", "2", 32},    {"100", 100, "100", "2", 100},
        {"300", 100, "220", "2.5", 100}, {"560", 1400, "144", "5.7", 280},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ds + " after Dw " + std::to_string(c.dwBefore));
        if (c.dwBefore > 0) {
            choose("ComboBox1", "1410");
            scroll("ScrollBar18", c.dwBefore);
        } else {
            choose("ComboBox1", "20");
            scroll("ScrollBar18", 10);
        }
        choose("ComboBox1", c.ds);
        EXPECT_EQ(listText("ComboBox9"), c.z);
        EXPECT_EQ(listText("ComboBox10"), c.s);
        const int ds = std::stoi(c.ds);
        expectBar("ScrollBar18", 1, ds, c.dwAfter);
        EXPECT_EQ(field("Edit62"), std::to_string(c.dwAfter));
        EXPECT_EQ(label("Label173"), c.ds);
        expectResults(expected(ds, std::stoi(c.z), shell.numbers.parse(c.s), 37, c.dwAfter, 12,
                               1550, 0.3));
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(SawingPageTest, WorkpieceAsWideAsTheBladeEngagesHalfOfIt) {
    choose("ComboBox1", "100"); // z 100
    scroll("ScrollBar18", 100);
    EXPECT_EQ(page.engagementAngle(), 180);
    EXPECT_NEAR(page.arcOfContact(), kPiD * 100 / 2, 1e-12);
    EXPECT_EQ(page.teethInContact(), 50);
    expectResults(expected(100, 100, 2, 37, 100, 12, 1550, 0.3));
}

TEST_P(SawingPageTest, MaterialSetsItsRangesForceAndCoolant) {
    struct Case {
        int material;
        int vcMin, vcMax, vc;
        int aMin, aMax, a;
        std::string kc11;
        size_t coolantLines;
        std::string lastCoolant;
    };
    const Case cases[] = {
        {0, 25, 50, 37, 10, 14, 12, "1550", 2, "Mischungsverhältnis: 1:20"},
        {4, 25, 45, 35, 8, 10, 9, "935", 1, "Trocken oder Preßluft"},
        {5, 25, 30, 27, 8, 10, 9, "1140", 1, "Trocken oder Preßluft"},
        {7, 400, 1000, 700, 50, 200, 125, "0", 3, "oder Schmierstift"},
        {8, 1000, 2400, 1700, 80, 200, 140, "0", 1, "Schmierstift"},
        {9, 1500, 2400, 1950, 80, 200, 140, "0", 1, "Trocken"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.material);
        select("ComboBox3", c.material);
        expectBar("ScrollBar5", c.vcMin, c.vcMax, c.vc);
        EXPECT_EQ(field("Edit16"), std::to_string(c.vc));
        EXPECT_EQ(label("Label34"), std::to_string(c.vcMin));
        EXPECT_EQ(label("Label36"), std::to_string(c.vcMax));
        EXPECT_EQ(shell.state.vcMin, c.vcMin);
        EXPECT_EQ(shell.state.vcMax, c.vcMax);
        expectBar("ScrollBar19", c.aMin, c.aMax, c.a);
        EXPECT_EQ(field("Edit63"), std::to_string(c.a));
        EXPECT_EQ(field("Edit20"), c.kc11);
        ASSERT_EQ(page.coolant.lines.size(), c.coolantLines);
        EXPECT_EQ(page.coolant.lines.back(), c.lastCoolant);
        // Without a grade in the force table there is no force.
        EXPECT_EQ(field("Edit22") == "0", c.kc11 == "0");
        EXPECT_GT(value("Edit21"), 0);
    }
    // The feed-rate range follows too, though its bar stays hidden and Vf is
    // computed over it.
    expectBar("ScrollBar6", 70, 100, 85);
    EXPECT_EQ(label("Label51"), "70");
    EXPECT_NE(field("Edit19"), "85");
}

TEST_P(SawingPageTest, EveryInputRunsTheWholeChain) {
    struct Case {
        const char* what;
        std::function<void()> event;
        const char* result;
        double ratio; // result after / before
    };
    const Case cases[] = {
        {"Vc 50: n", [&] { scroll("ScrollBar5", 50); }, "Edit17", 50.0 / 37},
        {"Vc 50: fz", [&] { scroll("ScrollBar5", 50); }, "Edit18", 37.0 / 50},
        {"A 14: fz", [&] { scroll("ScrollBar19", 14); }, "Edit18", 14.0 / 12},
        {"A 14: Q", [&] { scroll("ScrollBar19", 14); }, "Edit21", 14.0 / 12},
        {"z 32: fz", [&] { choose("ComboBox9", "32"); }, "Edit18", 24.0 / 32},
        {"z 32: Vf", [&] { choose("ComboBox9", "32"); }, "Edit19", 1},
        {"s 1: Q", [&] { choose("ComboBox10", "1"); }, "Edit21", 5},
        {"s 1: Pe", [&] { choose("ComboBox10", "1"); }, "Edit22", 5},
        {"Dw 20: fz", [&] { scroll("ScrollBar18", 20); }, "Edit18", 60.0 / 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        page.startUp();
        const double before = value(c.result);
        c.event();
        EXPECT_NEAR(value(c.result) / before, c.ratio, 1e-9);
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_P(SawingPageTest, WorkpieceNoticesWhenBoundsAndPositionDisagree) {
    // Bounds wider than the blade: a position above Ds steps back by one.
    page.workpieceBar.setup(1, 100, 10);
    scroll("ScrollBar18", 30);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_FALSE(messages.entries[0].isError);
    EXPECT_EQ(messages.entries[0].text,
              "Werkstückdurchmesser darf nicht größer als Sägeblattdurchmesser werden.");
    EXPECT_EQ(bar("ScrollBar18").position(), 29);
    EXPECT_EQ(field("Edit62"), "10");

    // Bounds below 1: a position under 1 steps forward by one.
    page.workpieceBar.setup(-5, 20, 10);
    scroll("ScrollBar18", -2);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_FALSE(messages.entries[1].isError);
    EXPECT_EQ(messages.entries[1].text, "Werkstückdurchmesser darf nicht kleiner als 1mm werden.");
    EXPECT_EQ(bar("ScrollBar18").position(), -1);
    EXPECT_EQ(field("Edit62"), "10");
    const auto& declared = DeclaredMessageTexts();
    for (const auto& e : messages.entries)
        EXPECT_NE(std::find(declared.begin(), declared.end(), e.text), declared.end());
}

TEST_P(SawingPageTest, UnreadableThicknessKeepsForceAndRemovalRate) {
    page.thicknessList.fill({"0.2", "1,2.5"});
    const std::string q = field("Edit21");
    const std::string pe = field("Edit22");
    const std::string fz = field("Edit18");
    select("ComboBox10", 1);
    ASSERT_EQ(messages.entries.size(), 2u); // the force, then the removal rate
    for (const auto& e : messages.entries) {
        EXPECT_TRUE(e.isError);
        EXPECT_EQ(e.text, kDecimalErrorText);
    }
    scroll("ScrollBar19", 14);
    EXPECT_NE(field("Edit18"), fz); // the rest of the chain goes on
    EXPECT_EQ(field("Edit21"), q);
    EXPECT_EQ(field("Edit22"), pe);
}

TEST_P(SawingPageTest, FeedRateBarOnlyActsWhileShown) {
    EXPECT_FALSE(page.userScroll("ScrollBar6", 20));
    // Shown (a blade type with a feed-rate range): Vf is taken from the bar.
    page.feedRateBar.visible = true;
    scroll("ScrollBar6", 20);
    EXPECT_EQ(field("Edit19"), "20");
    EXPECT_NEAR(value("Edit21"), 0.2 / 10 * 40 / 10 * 20 / 10, 1e-15);
}

TEST_P(SawingPageTest, HintsOfThePage) {
    page.assignHints();
    EXPECT_EQ(page.get<Field>("Edit62").hint, "Werkstückabmessung bzw. Schnittiefe in mm.");
    EXPECT_EQ(page.get<Field>("Edit63").hint, "Spezifische Schnittfläche (x 1000!)");
    EXPECT_EQ(page.get<Field>("Edit18").hint, "Vorschub fz in mm pro Zahn");
    EXPECT_EQ(page.get<List>("ComboBox10").hint, "Stärke (Dicke) des Sägeblatts");
    EXPECT_EQ(page.get<Button>("SpeedButton11").hint, "Hartmetall");
    EXPECT_EQ(page.get<Bar>("ScrollBar19").hint, "Spezifische Schnittflächenschieber");
    for (const Control* c : page.controls()) {
        if (c->kind() != ControlKind::Label) {
            EXPECT_FALSE(c->hint.empty()) << c->name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, SawingPageTest, ::testing::Values(',', '.'));

// Another page's look-up between two sawing events leaves the sawing speed
// bar on the sawing range.
TEST(SawingPageInWorkbench, SpeedBarKeepsItsOwnRange) {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench(messages, help, ',');
    MainWindowModel& main = bench.main();
    PageModel& sawing = main.page(5);
    main.selectPage(5);
    ASSERT_TRUE(sawing.userSelect("ComboBox3", 1)); // 15..30
    main.selectPage(1);
    ASSERT_TRUE(main.page(1).userClick("SpeedButton39")); // a turning look-up
    ASSERT_NE(bench.shell().state.vcMin, 15);
    main.selectPage(5);
    const std::function<void()> events[] = {
        [&] { sawing.userSelect("ComboBox1", 5); }, [&] { sawing.userScroll("ScrollBar18", 3); },
        [&] { sawing.userScroll("ScrollBar19", 9); }, [&] { sawing.userSelect("ComboBox9", 3); },
        [&] { sawing.userSelect("ComboBox10", 4); }, [&] { sawing.userScroll("ScrollBar5", 16); }};
    for (const auto& event : events) {
        event();
        const Bar& bar = sawing.get<Bar>("ScrollBar5");
        EXPECT_EQ(bar.min(), 15);
        EXPECT_EQ(bar.max(), 30);
        EXPECT_EQ(sawing.get<Label>("Label34").caption, "15");
        EXPECT_EQ(sawing.get<Label>("Label36").caption, "30");
    }
    EXPECT_EQ(sawing.get<Field>("Edit16").text(), "16");
}

} // namespace
