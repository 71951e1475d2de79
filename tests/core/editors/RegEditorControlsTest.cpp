#include "core/editors/RegEditorControls.h"

#include <gtest/gtest.h>

#include <string>

using namespace tombrel;

TEST(RegEditorControls, SplitPointsKeepTheirOrder) {
    struct Case {
        SplitBox changed;
        SplitControls before;
        SplitControls after;
    };
    const Case cases[] = {
        {SplitBox::Accomp, {70, 54, 60}, {70, 70, 70}}, // raises Left, then Right
        {SplitBox::Accomp, {58, 54, 60}, {58, 58, 60}},
        {SplitBox::Accomp, {40, 54, 60}, {40, 54, 60}},
        {SplitBox::Left, {50, 70, 60}, {50, 70, 70}}, // raises Right
        {SplitBox::Left, {50, 40, 60}, {40, 40, 60}}, // lowers Accomp
        {SplitBox::Left, {0, 127, 127}, {0, 127, 127}},
        {SplitBox::Right, {50, 54, 45}, {45, 45, 45}}, // lowers Left, then Accomp
        {SplitBox::Right, {40, 54, 50}, {40, 50, 50}},
        {SplitBox::Right, {40, 54, 80}, {40, 54, 80}},
        // A box without a note (values that differed in Multi Change) is left alone.
        {SplitBox::Accomp, {70, kNoSelection, 60}, {70, kNoSelection, 70}},
        {SplitBox::Right, {kNoSelection, 54, 30}, {kNoSelection, 30, 30}},
    };
    for (const Case& c : cases) {
        SplitControls split = c.before;
        keepSplitOrder(split, c.changed);
        SCOPED_TRACE(std::to_string(static_cast<int>(c.changed)) + ": " +
                     std::to_string(c.before.accomp) + " " + std::to_string(c.before.left) + " " +
                     std::to_string(c.before.right));
        EXPECT_EQ(split.accomp, c.after.accomp);
        EXPECT_EQ(split.left, c.after.left);
        EXPECT_EQ(split.right, c.after.right);
    }
}

TEST(RegEditorControls, VolumePedalModeChange) {
    VolumePedalControls pedal{PedalMaster, 0xEF};
    pedal.mode = PedalIndividual;
    volumePedalModeChanged(pedal);
    EXPECT_EQ(pedal.parts, 0xEF);
    EXPECT_TRUE(volumePedalPartsEnabled(pedal));
    pedal.parts = 0x03;
    pedal.mode = PedalMaster;
    volumePedalModeChanged(pedal);
    EXPECT_EQ(pedal.parts, 0xFF);
    EXPECT_FALSE(volumePedalPartsEnabled(pedal));
}

TEST(RegEditorControls, FootswitchVisibility) {
    const struct {
        int function;
        bool parts;
        bool kitKey;
    } cases[] = {{0, true, false},  {5, true, false},   {6, false, false},
                 {30, false, true}, {31, false, false}, {kNoSelection, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.function);
        FootswitchControls fs;
        fs.function = c.function;
        EXPECT_EQ(footswitchVisibility(fs).parts, c.parts);
        EXPECT_EQ(footswitchVisibility(fs).kitKey, c.kitKey);
    }
}

TEST(RegEditorControls, FootswitchesWithTheSameFunctionShareTheirParts) {
    struct Case {
        const char* what;
        int function1, function2;
        bool partsFollow;
    };
    const Case cases[] = {
        {"same part function", 2, 2, true},
        {"different part functions", 2, 3, false},
        {"same function that has no parts", 10, 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FootswitchPair pair;
        pair[0] = {0, FootswitchR1, kNoSelection, 0};
        pair[1] = {c.function2, FootswitchLeft | FootswitchR3, kNoSelection, 0};
        pair[0].function = c.function1;
        footswitchFunctionChanged(pair, 0);
        EXPECT_EQ(pair[0].parts, c.partsFollow ? FootswitchLeft | FootswitchR3 : FootswitchR1);
    }

    // Clicking a check of one footswitch sets the same check of the other while both have the
    // same function, in either direction.
    FootswitchPair pair;
    pair[0] = {4, FootswitchR1, kNoSelection, 0};
    pair[1] = {4, FootswitchR1, kNoSelection, 0};
    pair[1].parts |= FootswitchR2;
    footswitchPartClicked(pair, 1, FootswitchR2);
    EXPECT_EQ(pair[0].parts, FootswitchR1 | FootswitchR2);
    pair[0].parts &= ~FootswitchR1;
    footswitchPartClicked(pair, 0, FootswitchR1);
    EXPECT_EQ(pair[1].parts, FootswitchR2);

    pair[1].function = 5;
    pair[1].parts |= FootswitchLeft;
    footswitchPartClicked(pair, 1, FootswitchLeft);
    EXPECT_EQ(pair[0].parts, FootswitchR2);
}

TEST(RegEditorControls, ListPositionsOfStoredValues) {
    const struct {
        int value, first, count, want;
    } cases[] = {
        {-2, kOctaveFirst, kOctaveCount, 0},
        {2, kOctaveFirst, kOctaveCount, 4},
        {3, kOctaveFirst, kOctaveCount, kNoSelection},
        {-24, kTransposeFirst, kTransposeCount, 0},
        {24, kTransposeFirst, kTransposeCount, 48},
        {-25, kTransposeFirst, kTransposeCount, kNoSelection},
    };
    for (const auto& c : cases)
        EXPECT_EQ(listPosition(c.value, c.first, c.count), c.want) << c.value;
}

TEST(RegEditorControls, InputMessagesFillTheirNumbers) {
    EXPECT_EQ(InputMessage::integerRange(32, 280).text(Language::English),
              "Please enter an integer between 32 and 280.");
    EXPECT_EQ(InputMessage::tooLong(16).text(Language::German),
              "Bitte geben Sie nicht mehr als 16 Zeichen ein.");
    EXPECT_EQ(InputMessage::plain(msg::TitleMustNotBeEmpty).text(Language::English),
              "The title must not be empty!");
    EXPECT_EQ(InputMessage{}.text(Language::English), "");
}

TEST(RegEditorControls, TypedNumbers) {
    const struct {
        const char* text;
        int want;
    } cases[] = {
        {"76", 76},
        {"0", 0},
        {"  20 ", 20},
        {"+5", 5},
        {"-1", -1},
        {"007", 7},
        {"2147483647", 2147483647},
        {"", kNotANumber},
        {"   ", kNotANumber},
        {"-", kNotANumber},
        {"abc", kNotANumber},
        {"12a", kNotANumber},
        {"1 2", kNotANumber},
        {"3.5", kNotANumber},
        {"--3", kNotANumber},
        {"2147483648", kNotANumber},
        {"99999999999999999999", kNotANumber},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typedNumber(c.text), c.want) << '"' << c.text << '"';
}
