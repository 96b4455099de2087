// Marking of a student's lines against a key: normalising, the four marks, missing lines, score.
#include "core/practice/marking.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/journal/journal.h"
#include "core/practice/exercise.h"

namespace varnello {
namespace {

TEST(Marking, AccountsSidesAndAmountsAsStudentsWriteThem) {
  EXPECT_EQ(NormalizeAccount(" 应交税费-应交增值税（销）（贷） "), "应交税费-应交增值税(销)");
  EXPECT_EQ(NormalizeAccount("交易性金融资产——成本"), "交易性金融资产-成本");
  EXPECT_EQ(NormalizeAccount("银行存款(借方)"), "银行存款");
  EXPECT_EQ(NormalizeAccount("短期借款"), "短期借款");
  EXPECT_EQ(ReadSide(" 借方"), Side::Debit);
  EXPECT_EQ(ReadSide("银行存款（贷）"), Side::Credit);
  EXPECT_EQ(ReadSide("短期借款"), std::nullopt);
  EXPECT_EQ(ReadCents("10,050 元"), 1005000);
  EXPECT_EQ(ReadCents("983.33"), Cents(983.333333333333));
  EXPECT_EQ(ReadCents("983.34"), 98334);
  // Half a 分 rounds up from the printed digits, whatever the binary value below them.
  EXPECT_EQ(Cents(12.345), 1235);
  EXPECT_EQ(Cents(-0.005), -1);
  EXPECT_EQ(Cents(1e300), Cents(1e300));
  // 10^13 元 is not 10^15 元; beyond 10^16 元 the printed digits still count.
  EXPECT_NE(Cents(1.5e13), Cents(1.5e15));
  EXPECT_EQ(ReadCents("1.23456789012346E+20"), Cents(1.2345678901234567e20));
  EXPECT_EQ(ReadCents(""), std::nullopt);
  EXPECT_EQ(ReadCents("abc"), std::nullopt);
  EXPECT_EQ(ReadCents("1e999"), std::nullopt);
}

const std::vector<KeyLine> kKey = {{"交易性金融资产-成本", Side::Debit, 9550},
                                   {"投资收益", Side::Debit, 500},
                                   {"银行存款", Side::Credit, 10050},
                                   {"应交税费", Side::Credit, 0}};

struct Case {
  const char* what;
  std::vector<AnswerLine> answer;
  std::vector<Mark> rows;
  size_t missing;
  double score;
};

TEST(Marking, MarksEachLineAndScores) {
  const Case cases[] = {
      {"all right, any order, zero line left out",
       {{"银行存款", "贷", "10050"}, {"投资收益", "借", "500"}, {"交易性金融资产——成本", "借", "9550.00"}},
       {Mark::Correct, Mark::Correct, Mark::Correct},
       0,
       1.0},
      {"zero line written counts",
       {{"银行存款", "贷", "10050"},
        {"投资收益", "借", "500"},
        {"交易性金融资产-成本", "借", "9550"},
        {"应交税费", "贷", "0"}},
       {Mark::Correct, Mark::Correct, Mark::Correct, Mark::Correct},
       0,
       1.0},
      {"side in the account",
       {{"银行存款（贷）", "", "10050"},
        {"投资收益(借)", "", "500"},
        {"交易性金融资产-成本（借）", "", "9550"}},
       {Mark::Correct, Mark::Correct, Mark::Correct},
       0,
       1.0},
      {"wrong side",
       {{"交易性金融资产-成本", "借", "9550"}, {"投资收益", "贷", "500"}, {"银行存款", "贷", "10050"}},
       {Mark::Correct, Mark::WrongSide, Mark::Correct},
       0,
       2.0 / 3},
      {"wrong amount and an extra line",
       {{"交易性金融资产-成本", "借", "9551"},
        {"投资收益", "借", "500"},
        {"银行存款", "贷", "10050"},
        {"库存现金", "贷", "1"}},
       {Mark::WrongAmount, Mark::Correct, Mark::Correct, Mark::NotInKey},
       0,
       1.0 / 3},
      {"a line twice: the second is not in the key",
       {{"投资收益", "借", "500"}, {"投资收益", "借", "500"}},
       {Mark::Correct, Mark::NotInKey},
       2,
       0.0},
      {"side and amount both wrong", {{"银行存款", "借", "1"}}, {Mark::WrongSide}, 2, 0.0},
  };
  for (const Case& c : cases) {
    Marking m = MarkLines(kKey, c.answer);
    EXPECT_EQ(m.rows, c.rows) << c.what;
    EXPECT_EQ(m.missing.size(), c.missing) << c.what;
    EXPECT_DOUBLE_EQ(m.score, c.score) << c.what;
  }
}

TEST(Marking, RightLineIsNotTakenByAWrongOne) {
  // The wrong 银行存款 line comes first; it must not take the key line the right one matches.
  std::vector<KeyLine> key = {{"银行存款", Side::Debit, 100}, {"银行存款", Side::Credit, 200}};
  Marking m = MarkLines(key, {{"银行存款", "借", "200"}, {"银行存款", "贷", "200"}});
  EXPECT_EQ(m.rows, (std::vector<Mark>{Mark::WrongAmount, Mark::Correct}));
}

}  // namespace
}  // namespace varnello

namespace varnello {
namespace {

std::string Shown(double amount) {
  std::string text = FormatAmount(amount);
  return text.substr(text[0] == ' ' ? 1 : 0, text.size() - (text[0] == ' ' ? 2 : 1));
}

TEST(Marking, SharePurchaseAsTheWorkedExample) {
  const TopicDesc* form6 = FindTopic("Form6");
  ASSERT_NE(form6, nullptr);
  std::map<int, std::string> texts = {{1, "10"}, {2, "0.5"}, {3, "1000"}, {4, "50"}};
  std::vector<AnswerLine> answer = {
      {"交易性金融资产-成本", "借", "9550"}, {"投资收益", "借", "500"},   {"银行存款", "贷", "10050"},
      {"短期投资-股票投资", "借", "10050"},  {"银行贷款", "贷", "10050"}, {"应收股利", "借", "500"},
      {"投资收益-股票投资", "贷", "500"},    {"银行存款", "借", "500"},   {"应收股利", "贷", "500"}};
  Marking m = MarkAnswer(*form6, texts, answer);
  EXPECT_EQ(m.score, 1.0);
  EXPECT_EQ(m.key.size(), answer.size());  // 入账价值 has no side: shown, not marked
  answer[1].side = "贷";
  m = MarkAnswer(*form6, texts, answer);
  EXPECT_EQ(m.rows[1], Mark::WrongSide);
  EXPECT_EQ(std::count(m.rows.begin(), m.rows.end(), Mark::Correct), 8);
}

// Every window with exercise figures: its own key given back scores 100 %, and every single-line
// change (side flipped, amount off by 1, a line dropped, a line added) is caught.
TEST(Marking, EveryWindowKeyScoresFullAndEveryChangeIsCaught) {
  for (const TopicDesc* desc : AllTopics()) {
    std::map<int, std::string> texts = MakeExercise(*desc, 1);
    AnswerKey key = KeyOf(*desc, texts);
    ASSERT_FALSE(key.fault) << desc->id;
    std::vector<AnswerLine> answer;
    for (const KeyLine& k : key.lines)
      answer.push_back({k.account, std::string(SideText(k.side)), Shown(k.amount)});
    ASSERT_EQ(MarkAnswer(*desc, texts, answer).score, 1.0) << desc->id;
    auto caught = [&](const std::vector<AnswerLine>& changed, const char* what, size_t i) {
      EXPECT_LT(MarkLines(key.lines, changed).score, 1.0) << desc->id << " " << what << " line " << i;
    };
    for (size_t i = 0; i < answer.size(); ++i) {
      std::vector<AnswerLine> changed = answer;
      changed[i].side = key.lines[i].side == Side::Debit ? "贷" : "借";
      caught(changed, "side flipped", i);
      changed = answer;
      changed[i].amount = Shown(key.lines[i].amount + 1);
      caught(changed, "amount off by 1", i);
      if (Cents(key.lines[i].amount) != 0) {
        changed = answer;
        changed.erase(changed.begin() + static_cast<long>(i));
        caught(changed, "dropped", i);
      }
    }
    std::vector<AnswerLine> added = answer;
    added.push_back(answer.empty() ? AnswerLine{"银行存款", "借", "1"} : answer.front());
    caught(added, "added", answer.size());
  }
}

}  // namespace
}  // namespace varnello
