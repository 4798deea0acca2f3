#include "support/fake_platform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

struct AnswerCase {
    MessageButtons buttons;
    std::optional<MessageAnswer> queued;  // nothing: the queue is empty
    MessageAnswer expected;
    bool unexpected;
};

// The fallback is what closing the real box answers, so code under test
// sees a possible answer even when the script is wrong.
const std::vector<AnswerCase> kAnswerCases = {
    {MessageButtons::Ok, std::nullopt, MessageAnswer::Ok, true},
    {MessageButtons::OkCancel, std::nullopt, MessageAnswer::Cancel, true},
    {MessageButtons::YesNo, std::nullopt, MessageAnswer::No, true},
    {MessageButtons::YesNoCancel, std::nullopt, MessageAnswer::Cancel, true},
    {MessageButtons::Ok, MessageAnswer::Yes, MessageAnswer::Ok, true},
    {MessageButtons::YesNo, MessageAnswer::Cancel, MessageAnswer::No, true},
    {MessageButtons::YesNoCancel, MessageAnswer::Ok, MessageAnswer::Cancel, true},
    {MessageButtons::OkCancel, MessageAnswer::No, MessageAnswer::Cancel, true},
    {MessageButtons::OkCancel, MessageAnswer::Cancel, MessageAnswer::Cancel, false},
    {MessageButtons::YesNo, MessageAnswer::Yes, MessageAnswer::Yes, false},
    {MessageButtons::YesNoCancel, MessageAnswer::No, MessageAnswer::No, false},
};

TEST(FakePlatform, MessageAnswerTable) {
    for (const AnswerCase& c : kAnswerCases) {
        FakePlatform fake;
        if (c.queued) fake.answerMessages({*c.queued});
        MessageAnswer got = fake.message("T", "Question?", c.buttons, MessageIcon::Question);
        SCOPED_TRACE(std::string(buttonsName(c.buttons)) + " queued " +
                     (c.queued ? answerName(*c.queued) : "nothing"));
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(fake.unexpected.size(), c.unexpected ? 1u : 0u);
        EXPECT_EQ(fake.allAnswersUsed(), !c.unexpected);
    }
}

TEST(FakePlatform, MessagesAreRecordedAndAnsweredInOrderWithTheCallbackBeforeTheAnswer) {
    FakePlatform fake;
    fake.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
    std::vector<std::string> seen;
    fake.whileMessageShown = [&](const RecordedMessage& m) {
        // The box is up and not yet answered.
        seen.push_back(m.title + "|" + m.text + "|" + std::to_string(fake.messageAnswers.size()));
    };
    EXPECT_EQ(fake.message("A", "first", MessageButtons::YesNo, MessageIcon::Question), MessageAnswer::Yes);
    EXPECT_EQ(fake.message("B", "second", MessageButtons::Ok, MessageIcon::Critical), MessageAnswer::Ok);
    EXPECT_THAT(seen, ElementsAre("A|first|2", "B|second|1"));
    EXPECT_THAT(fake.messageTexts(), ElementsAre("first", "second"));
    EXPECT_EQ(fake.messages[1].icon, MessageIcon::Critical);
    EXPECT_TRUE(fake.allAnswersUsed());
}

TEST(FakePlatform, DialogsAnswerFromTheirOwnQueuesAndCancelWhenEmpty) {
    FakePlatform fake;
    fake.openAnswers = {std::string("/tmp/a.gph"), std::nullopt};
    fake.saveAnswers = {std::string("/tmp/b.gph")};

    EXPECT_EQ(fake.saveFileName({"Save As", "Graph Files (*.gph)|*.GPH", "gph", ""}), "/tmp/b.gph");
    EXPECT_EQ(fake.openFileName({"Open", "Graph Files (*.gph)|*.GPH", "", ""}), "/tmp/a.gph");
    EXPECT_EQ(fake.openFileName({"Open", "", "", ""}), std::nullopt);
    EXPECT_TRUE(fake.allAnswersUsed());

    fake.colorAnswers = {0x0000FFu};
    EXPECT_FALSE(fake.allAnswersUsed());
    CustomColors custom{};
    EXPECT_EQ(fake.chooseColor(0xFFFFFFu, custom), 0x0000FFu);
    EXPECT_EQ(custom[0], 0x0000FFu);
    custom[0] = 7;
    EXPECT_EQ(fake.chooseColor(0x00FF00u, custom), std::nullopt);
    EXPECT_EQ(custom[0], 7u);
    EXPECT_EQ(fake.saveFileName({"Export List", "", "txt", ""}), std::nullopt);

    ASSERT_THAT(fake.saveRequests, SizeIs(2));
    EXPECT_EQ(fake.saveRequests[0].defaultExtension, "gph");
    EXPECT_EQ(fake.saveRequests[1].title, "Export List");
    EXPECT_THAT(fake.openRequests, SizeIs(2));
    EXPECT_THAT(fake.colorRequests, ElementsAre(0xFFFFFFu, 0x00FF00u));
    ASSERT_THAT(fake.unexpected, SizeIs(2));
    EXPECT_THAT(fake.unexpected[0], HasSubstr("colour"));
    EXPECT_THAT(fake.unexpected[1], HasSubstr("Export List"));
}

TEST(FakePlatform, LeftoverAnswersAreReported) {
    FakePlatform fake;
    fake.answerMessages({MessageAnswer::Ok});
    EXPECT_THAT(fake.unexpected, IsEmpty());
    EXPECT_FALSE(fake.allAnswersUsed());
}

}  // namespace
}  // namespace qv
