// Marking of a student's lines against a key: normalising, the four marks, missing lines, score.
#include "core/practice/marking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/catalogue/catalogue.h"
#include "core/journal/journal.h"
#include "core/practice/exercise.h"

namespace varnello {
namespace {

TEST(Marking, AccountsSidesAndAmountsAsStudentsWriteThem) {
  // The table of forms: each pair must compare alike.
  const std::pair<std::string_view, std::string_view> alike[] = {
      {" 应交税费-应交增值税（销）（贷） ", "应交税费：应交增值税（销项税额）"},
      {"应交税费-应交增值税（进）", "应交税费 应交增值税 进项税额"},
      {"应交税费-应交增值税（进）", "应交税费——应交增值税(进项)"},
      {"应交增值税（进）", "应交税费:应交增值税－进项税额"},
      {"应交税金-应交营业税", "应交税费-应交营业税"},
      {"应交税费-消费税", "应交税费—应交消费税"},
      {"营业税金及附加", "税金及附加"},
      {"其他业务支出", "其他业务成本"},
      {"交易性金融资产——成本", "交易性金融资产-成本"},
      {"长期债券投资（利息）", "长期债券投资-利息"},
      {"银行存款(借方)", "银行存款"},
  };
  for (const auto& [a, b] : alike) EXPECT_EQ(NormalizeAccount(a), NormalizeAccount(b)) << a << " / " << b;
  EXPECT_EQ(NormalizeAccount(" 应交税费-应交增值税（销）（贷） "), "应交税费-应交增值税-销项税额");
  EXPECT_EQ(NormalizeAccount("应付账款/银行存款"), "应付账款/银行存款");
  EXPECT_NE(NormalizeAccount("应交税费-应交增值税（进）"), NormalizeAccount("应交税费-应交增值税（销）"));
  EXPECT_EQ(NormalizeAccount("短期借款"), "短期借款");
  EXPECT_EQ(ReadSide(" 借方"), Side::Debit);
  EXPECT_EQ(ReadSide("银行存款（贷）"), Side::Credit);
  EXPECT_EQ(ReadSide("短期借款"), std::nullopt);
  EXPECT_EQ(ReadCents("10,050 元"), 1005000);
  EXPECT_EQ(ReadCents("¥9,550.00"), 955000);
  EXPECT_EQ(ReadCents("￥９５５０．５"), 955050);
  EXPECT_EQ(ReadCents("３５４００"), 3540000);
  EXPECT_EQ(ReadCents("0.955万元"), 955000);
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
      // A key line may be answered by parts of its account and side that add up to it; parts on
      // the other side, without a side, or not adding up are not the line.
      {"split on the key's side",
       {{"交易性金融资产-成本", "借", "9000"},
        {"交易性金融资产-成本", "借", "550"},
        {"投资收益", "借", "500"},
        {"银行存款", "贷", "10050"}},
       {Mark::Correct, Mark::Correct, Mark::Correct, Mark::Correct},
       0,
       1.0},
      {"split on the other side",
       {{"交易性金融资产-成本", "贷", "9000"},
        {"交易性金融资产-成本", "贷", "550"},
        {"投资收益", "借", "500"},
        {"银行存款", "贷", "10050"}},
       {Mark::WrongSide, Mark::NotInKey, Mark::Correct, Mark::Correct},
       0,
       1.0 / 3},
      {"split with one part on the other side",
       {{"交易性金融资产-成本", "借", "9000"},
        {"交易性金融资产-成本", "贷", "550"},
        {"投资收益", "借", "500"},
        {"银行存款", "贷", "10050"}},
       {Mark::WrongAmount, Mark::NotInKey, Mark::Correct, Mark::Correct},
       0,
       1.0 / 3},
      {"split with one part without a side",
       {{"交易性金融资产-成本", "借", "9000"},
        {"交易性金融资产-成本", "", "550"},
        {"投资收益", "借", "500"},
        {"银行存款", "贷", "10050"}},
       {Mark::WrongAmount, Mark::NotInKey, Mark::Correct, Mark::Correct},
       0,
       1.0 / 3},
      {"split not adding up",
       {{"交易性金融资产-成本", "借", "9000"},
        {"交易性金融资产-成本", "借", "500"},
        {"投资收益", "借", "500"},
        {"银行存款", "贷", "10050"}},
       {Mark::WrongAmount, Mark::NotInKey, Mark::Correct, Mark::Correct},
       0,
       1.0 / 3},
      {"split on the other side of a credit line",
       {{"交易性金融资产-成本", "借", "9550"},
        {"投资收益", "借", "500"},
        {"银行存款", "借", "10000"},
        {"银行存款", "借", "50"}},
       {Mark::Correct, Mark::Correct, Mark::WrongSide, Mark::NotInKey},
       0,
       1.0 / 3},
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

namespace varnello {
namespace {

// 9550 -> ¥9,550.00 ; -0.5 -> ¥-0.50
std::string Written(double amount) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.2f", std::fabs(amount));
  std::string whole(digits, std::strchr(digits, '.') - digits), grouped;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += ',';
    grouped += whole[i];
  }
  return std::string("¥") + (amount < 0 ? "-" : "") + grouped + std::strchr(digits, '.');
}

std::string FullWidth(const std::string& text) {
  static const char* kDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  std::string out;
  for (char c : text) out += c >= '0' && c <= '9' ? kDigits[c - '0'] : c == '.' ? "．" : std::string(1, c);
  return out;
}

std::string Colons(std::string account) {
  for (size_t at = account.find('-'); at != std::string::npos; at = account.find('-', at))
    account.replace(at, 1, "：");
  return account;
}

// Every question of every window: its own entry in every accepted form scores 1.0 when marked as
// that entry; every single-line change of it is caught.
TEST(Marking, EveryEntryInEveryFormAndEveryChangeCaught) {
  for (const TopicDesc* desc : AllTopics()) {
    std::map<int, std::string> texts = MakeExercise(*desc, 3);
    AnswerKey key = KeyOf(*desc, texts);
    for (size_t e : key.questions) {
      const std::vector<KeyLine>& lines = key.entryLines[e];
      std::vector<AnswerLine> plain, colons, wide, english, intermediate;
      for (size_t i = 0; i < lines.size(); ++i) {
        const KeyLine& k = lines[i];
        Side other = k.side == Side::Debit ? Side::Credit : Side::Debit;
        plain.push_back({k.account, std::string(SideText(k.side)), PlainAmount(k.amount)});
        // A negative amount written positive on the other side.
        colons.push_back({Colons(k.account), std::string(SideText(k.amount < 0 ? other : k.side)),
                          Written(std::fabs(k.amount))});
        wide.push_back({k.account + (k.side == Side::Debit ? "（借）" : "（贷）"), "",
                        FullWidth(PlainAmount(k.amount))});
        // Sides in English, in turn as abbreviated, in capitals, with a full stop, and as batch writes.
        const char* const kEnglish[][2] = {{"Dr", "Cr"}, {"DR", "CR"}, {"dr.", "cr."}, {"debit", "credit"}};
        english.push_back({k.account, kEnglish[i % 4][k.side == Side::Debit ? 0 : 1], PlainAmount(k.amount)});
        // 中级: the first-level account, the amount in 万元 rounded half up to two decimals.
        std::string normal = NormalizeAccount(k.account);
        auto hundreds = (std::llabs(static_cast<long long>(Cents(k.amount))) + 5000) / 10000;
        char wan[32];
        std::snprintf(wan, sizeof wan, "%lld.%02lld", hundreds / 100, hundreds % 100);
        intermediate.push_back({normal.substr(0, normal.find_first_of("-/")),
                                std::string(SideText(k.amount < 0 ? other : k.side)), wan});
      }
      MarkOptions middle;
      ASSERT_TRUE(ApplyExamFormat("中级", middle));
      for (const auto& [answer, options] :
           {std::pair{&plain, MarkOptions{}}, std::pair{&colons, MarkOptions{}},
            std::pair{&wide, MarkOptions{}}, std::pair{&english, MarkOptions{}},
            std::pair{&intermediate, middle}}) {
        AnswerMarking m = MarkAnswer(*desc, texts, *answer, options, e);
        ASSERT_EQ(m.score, 1.0) << desc->id << " entry " << e << " " << answer->front().account << " "
                                << answer->front().side << " " << answer->front().amount;
      }
      auto caught = [&](const std::vector<AnswerLine>& changed, const char* what, size_t i) {
        EXPECT_LT(MarkLines(lines, changed).score, 1.0)
            << desc->id << " entry " << e << " " << what << " " << i;
      };
      for (size_t i = 0; i < plain.size(); ++i) {
        std::vector<AnswerLine> changed = plain;
        changed[i].side = lines[i].side == Side::Debit ? "贷" : "借";
        caught(changed, "side flipped", i);
        changed = plain;
        changed[i].amount = PlainAmount(lines[i].amount + 1);
        caught(changed, "amount off by 1", i);
        if (Cents(lines[i].amount) != 0) {
          changed = plain;
          changed.erase(changed.begin() + static_cast<long>(i));
          caught(changed, "dropped", i);
          // An account the entry lacks is one error, named with the key's account.
          changed = plain;
          for (const char* account : {"库存现金", "研发支出", "固定资产清理"}) {
            bool inEntry = false;
            for (const KeyLine& k : lines) {
              std::string normal = NormalizeAccount(k.account);
              inEntry = inEntry || normal.substr(0, normal.find_first_of("-/")) == account;
            }
            if (!inEntry) changed[i].account = account;
          }
          Marking m = MarkLines(lines, changed);
          EXPECT_EQ(m.rows[i], Mark::WrongAccount) << desc->id << " entry " << e << " line " << i;
          EXPECT_EQ(m.reasons[i], "科目错误：应为 " + lines[i].account) << desc->id << " entry " << e;
          EXPECT_TRUE(m.missing.empty()) << desc->id << " entry " << e << " line " << i;
          double n = static_cast<double>(lines.size());
          EXPECT_DOUBLE_EQ(m.score, (n - 1) / n) << desc->id << " entry " << e << " line " << i;
        }
        // The line in two parts that add up to it: right on its side; on the other side, or with
        // one part there, wrong.
        double cents = Cents(lines[i].amount), first = std::trunc(cents / 2);
        if (std::fabs(first) >= 1) {
          std::vector<AnswerLine> split = plain;
          split[i].amount = PlainAmount(first / 100);
          split.insert(split.begin() + static_cast<long>(i) + 1,
                       {plain[i].account, plain[i].side, PlainAmount((cents - first) / 100)});
          EXPECT_EQ(MarkLines(lines, split).score, 1.0) << desc->id << " entry " << e << " split " << i;
          const std::string other = lines[i].side == Side::Debit ? "贷" : "借";
          split[i + 1].side = other;
          caught(split, "split with a part on the other side", i);
          split[i].side = other;
          caught(split, "split on the other side", i);
        }
      }
      std::vector<AnswerLine> added = plain;
      added.push_back(plain.front());
      caught(added, "added", plain.size());
    }
  }
}

TEST(Marking, AsAnExaminerMarks) {
  const TopicDesc* form6 = FindTopic("Form6");
  ASSERT_NE(form6, nullptr);
  std::map<int, std::string> texts = {{1, "10"}, {2, "0.5"}, {3, "1000"}, {4, "50"}};
  AnswerKey key = KeyOf(*form6, texts);
  ASSERT_FALSE(key.questions.empty());
  size_t purchase = key.questions.front();
  EXPECT_EQ(key.entries[purchase].heading, "购入股票");
  const std::vector<AnswerLine> forms[] = {
      {{"交易性金融资产：成本", "借", "¥9,550.00"},
       {"投资收益", "借", "¥500.00"},
       {"银行存款", "贷", "¥10,050.00"}},
      {{"交易性金融资产——成本", "借", "９５５０"},
       {"投资收益", "借", "５００"},
       {"银行存款", "贷", "１００５０"}},
      // One line split into two of the same account and side.
      {{"交易性金融资产-成本", "借", "9000"},
       {"交易性金融资产-成本", "借", "550"},
       {"投资收益", "借", "500"},
       {"银行存款", "贷", "10050"}},
  };
  for (const auto& answer : forms) EXPECT_EQ(MarkAnswer(*form6, texts, answer, {}, purchase).score, 1.0);

  AnswerMarking m = MarkAnswer(
      *form6, texts,
      {{"交易性金融资产-成本", "借", "9550"}, {"投资收益", "贷", "500"}, {"银行存款", "贷", "10050"}}, {},
      purchase);
  EXPECT_EQ(m.rows[1], Mark::WrongSide);
  EXPECT_EQ(m.reasons[1], "方向错误：投资收益应记借方");
  EXPECT_LT(m.score, 1.0);

  // The amount is withheld until the answer is shown; a missing line names account and side.
  m = MarkAnswer(*form6, texts, {{"交易性金融资产-成本", "借", "9500"}, {"投资收益", "借", "500"}}, {},
                 purchase);
  EXPECT_EQ(m.reasons[0], "金额错误");
  ASSERT_EQ(m.missingReasons.size(), 1u);
  EXPECT_EQ(m.missingReasons[0], "少了一行：银行存款 贷");
  m = MarkAnswer(*form6, texts, {{"交易性金融资产-成本", "借", "9500"}, {"库存现金", "贷", "1"}},
                 {.reveal = true}, purchase);
  EXPECT_EQ(m.reasons[0], "金额错误：应为 9550");
  EXPECT_EQ(m.reasons[1], "本分录没有这一科目");
  EXPECT_EQ(m.missingReasons.back(), "少了一行：银行存款 贷 10050");

  // A line of another entry never earns credit in this one: at most it stands, with the wrong
  // account, for the line of its side and amount.
  m = MarkAnswer(*form6, texts, {{"应收股利", "借", "500"}}, {}, purchase);
  EXPECT_EQ(m.rows[0], Mark::WrongAccount);
  EXPECT_EQ(m.reasons[0], "科目错误：应为 投资收益");
  EXPECT_EQ(m.score, 0.0);

  // Without an entry, each entry is marked on its own and the score is their mean.
  m = MarkAnswer(*form6, texts, forms[0]);
  EXPECT_EQ(m.entries.size(), key.questions.size());
  EXPECT_DOUBLE_EQ(m.score, 1.0 / static_cast<double>(key.questions.size()));
}

TEST(Marking, RoundingDetailUnitAndEitherAccount) {
  const std::vector<KeyLine> key = {{"原材料", Side::Debit, 35249.225},
                                    {"应交税费-应交增值税（进）", Side::Debit, 750.775000000001},
                                    {"应付账款/银行存款", Side::Credit, 36000},
                                    {"营业外收入", Side::Credit, -20},
                                    {"管理费用", Side::Debit, -20}};
  // Rounded to the 分 and balanced: right.
  std::vector<AnswerLine> answer = {{"原材料", "借", "35249.23"},
                                    {"应交税费-应交增值税（进项税额）", "借", "750.77"},
                                    {"银行存款", "贷", "36000"},
                                    {"营业外收入", "借", "20"},
                                    {"管理费用", "贷", "20"}};
  EXPECT_EQ(MarkLines(key, answer).score, 1.0);
  // A 分 off in an entry that does not balance is wrong.
  answer[2].amount = "36000.01";
  EXPECT_LT(MarkLines(key, answer).score, 1.0);
  answer[2].amount = "36000";
  answer[2].account = "应付账款";
  EXPECT_EQ(MarkLines(key, answer).score, 1.0);
  // The first-level account is enough only when the detail is optional.
  answer[1].account = "应交税费";
  Marking m = MarkLines(key, answer);
  EXPECT_EQ(m.rows[1], Mark::WrongDetail);
  EXPECT_EQ(m.reasons[1], "明细科目不符：应为 应交税费-应交增值税（进）");
  EXPECT_EQ(MarkLines(key, answer, {.detailRequired = false}).score, 1.0);
  // In 万元.
  answer = {{"原材料", "借", "3.5249225"},
            {"应交税费-应交增值税（进）", "借", "0.0750775"},
            {"银行存款", "贷", "3.6"},
            {"营业外收入", "借", "0.002"},
            {"管理费用", "贷", "0.002"}};
  EXPECT_EQ(MarkLines(key, answer, {.inWan = true}).score, 1.0);
  EXPECT_LT(MarkLines(key, answer).score, 1.0);
}

}  // namespace
}  // namespace varnello

namespace varnello {
namespace {

// The worked answers of tests/cases/marking/answers.txt: each line's mark and reason, the key lines
// left unanswered and the score.
TEST(Marking, WorkedAnswers) {
  std::ifstream in(std::string(VARNELLO_CASES_DIR) + "/marking/answers.txt");
  ASSERT_TRUE(in) << VARNELLO_CASES_DIR;
  std::vector<KeyLine> key;
  bool keyDone = true;
  struct Answer {
    int line = 0;
    std::string what;
    MarkOptions options;
    std::vector<AnswerLine> lines;
    std::vector<std::string> marks, reasons;
    std::optional<size_t> missing;
  } answer;
  auto side = [](const std::string& word) { return word == "借" ? Side::Debit : Side::Credit; };
  int n = 0, cases = 0;
  for (std::string text; std::getline(in, text);) {
    ++n;
    std::istringstream words(text);
    std::string word;
    if (!(words >> word) || word.starts_with("#")) continue;
    if (word != "key") keyDone = true;
    if (word == "key") {
      if (keyDone) key.clear();
      keyDone = false;
      KeyLine k;
      std::string s;
      words >> k.account >> s >> k.amount;
      k.side = side(s);
      key.push_back(k);
    } else if (word == "case") {
      answer = Answer();
      answer.line = n;
      std::getline(words >> std::ws, answer.what);
    } else if (word == "format") {
      words >> word;
      EXPECT_TRUE(ApplyExamFormat(word, answer.options)) << "line " << n;
    } else if (word == "reveal") {
      answer.options.reveal = true;
    } else if (word == "line") {
      size_t arrow = text.find(" -> ");
      ASSERT_NE(arrow, std::string::npos) << "line " << n;
      std::istringstream given(text.substr(5, arrow - 5)), marked(text.substr(arrow + 4));
      AnswerLine& a = answer.lines.emplace_back();
      given >> a.account >> a.side >> a.amount;
      marked >> answer.marks.emplace_back();
      std::getline(marked >> std::ws, answer.reasons.emplace_back());
    } else if (word == "missing") {
      answer.missing.emplace();
      words >> *answer.missing;
    } else if (word == "score") {
      std::string s;
      words >> s;
      size_t slash = s.find('/');
      double score = slash == std::string::npos
                         ? std::stod(s)
                         : std::stod(s.substr(0, slash)) / std::stod(s.substr(slash + 1));
      Marking m = MarkLines(key, answer.lines, answer.options);
      std::string where = "case at line " + std::to_string(answer.line) + ": " + answer.what;
      ASSERT_EQ(m.rows.size(), answer.lines.size()) << where;
      for (size_t i = 0; i < m.rows.size(); ++i) {
        EXPECT_EQ(MarkName(m.rows[i]), answer.marks[i]) << where << ", line " << i + 1;
        EXPECT_EQ(m.reasons[i], answer.reasons[i]) << where << ", line " << i + 1;
      }
      if (answer.missing) {
        EXPECT_EQ(m.missing.size(), *answer.missing) << where;
      }
      EXPECT_DOUBLE_EQ(m.score, score) << where;
      ++cases;
    } else {
      ADD_FAILURE() << "line " << n << ": " << text;
    }
  }
  EXPECT_GE(cases, 30);
  EXPECT_FALSE(ApplyExamFormat("高级", answer.options));
}

}  // namespace
}  // namespace varnello
