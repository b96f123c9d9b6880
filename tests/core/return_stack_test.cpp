// The eight-entry ring: overflow overwrites the oldest entry, underflow
// returns 0, and both tell the user.
#include "core/return_stack.h"

#include "core_test_support.h"

namespace {
TEST(ReturnStackTest, EightPushesComeBackNewestFirstWithoutMessages) {
    CRecordingMessageBox messages;
    CReturnStack stack;
    for (int i = 1; i <= 8; ++i) stack.Push(i * 10);
    for (int i = 8; i >= 1; --i) EXPECT_EQ(stack.Pop(), i * 10);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(ReturnStackTest, NinthPushOverwritesTheOldest) {
    CRecordingMessageBox messages;
    CReturnStack stack;
    for (int i = 1; i <= 9; ++i) stack.Push(i);
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Stek je pun"});
    for (int i = 9; i >= 2; --i) EXPECT_EQ(stack.Pop(), i);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(stack.Pop(), 0);
    EXPECT_EQ(messages.Messages().back(), "Stek je prazan");
}

TEST(ReturnStackTest, PopOnANewStackThenPushAndPop) {
    CRecordingMessageBox messages;
    CReturnStack stack;
    EXPECT_EQ(stack.Pop(), 0);
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Stek je prazan"});
    stack.Push(0x123);
    EXPECT_EQ(stack.Pop(), 0x123);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(stack.Count(), 0);
}

TEST(ReturnStackTest, RepeatedUnderflowKeepsReturningZero) {
    CRecordingMessageBox messages;
    CReturnStack stack;
    for (int i = 0; i < 20; ++i) EXPECT_EQ(stack.Pop(), 0);
    stack.Push(7);
    stack.Push(8);
    EXPECT_EQ(stack.Pop(), 8);
    EXPECT_EQ(stack.Pop(), 7);
    EXPECT_EQ(messages.Messages().size(), 20u);
}

TEST(ReturnStackTest, LongOverflowKeepsTheEightNewest) {
    CRecordingMessageBox messages;
    CReturnStack stack;
    for (int i = 1; i <= 30; ++i) stack.Push(i);
    EXPECT_EQ(stack.Count(), 8);
    for (int i = 30; i >= 23; --i) EXPECT_EQ(stack.Pop(), i);
    EXPECT_EQ(messages.Messages().size(), 22u);
}
}  // namespace
