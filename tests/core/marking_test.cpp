// Marking of a student's lines against a key: normalising, the four marks, missing lines, score.
#include "core/practice/marking.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(ReadCents(""), std::nullopt);
  EXPECT_EQ(ReadCents("abc"), std::nullopt);
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
