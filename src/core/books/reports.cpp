#include "core/books/reports.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

namespace varnello {

namespace {

// Net debit (debit less credit) of a posting.
Fen Net(const Posting& p) {
  return p.side == Side::Debit ? p.amount : -p.amount;
}

// A closing entry: made on request, or typed, posting profit and loss against 本年利润. Its
// postings to profit-and-loss accounts are no revenue or expense of the period.
bool IsClosing(const BookEntry& e) {
  if (e.closing) return true;
  bool year = false, pl = false;
  for (const Posting& p : e.rows) {
    year = year || p.general == "本年利润";
    pl = pl || IsProfitAndLoss(p.code);
  }
  return year && pl;
}

// Balances by general account name, then by detail: debit less credit.
using Details = std::map<std::string, std::map<std::string, Fen>>;

Details ClosingDetails(const Book& book) {
  Details d;
  for (const Posting& p : book.opening) d[p.general][p.detail] += Net(p);
  for (const BookEntry& e : book.entries) {
    for (const Posting& p : e.rows) d[p.general][p.detail] += Net(p);
  }
  return d;
}

// Whether an entry accrues interest on borrowing: it credits 应付利息 or a borrowing account.
bool AccruesInterest(const BookEntry& e) {
  for (const Posting& p : e.rows) {
    if (p.side == Side::Credit && (p.general == "应付利息" || p.general == "短期借款" ||
                                   p.general == "长期借款" || p.general == "应付债券")) {
      return true;
    }
  }
  return false;
}

// The period's postings to profit-and-loss accounts, closing entries left out. A 财务费用 debit
// without a detail in an entry that accrues interest on borrowing is interest expense (利息费用:
// the interest on funds raised that is expensed, 财会〔2019〕6号 编制说明), and counts as its detail.
Details PeriodDetails(const Book& book) {
  Details d;
  for (const BookEntry& e : book.entries) {
    if (IsClosing(e)) continue;
    bool interest = AccruesInterest(e);
    for (const Posting& p : e.rows) {
      if (!IsProfitAndLoss(p.code)) continue;
      bool accrued = interest && p.general == "财务费用" && p.detail.empty() && p.side == Side::Debit;
      d[p.general][accrued ? std::string("利息费用") : p.detail] += Net(p);
    }
  }
  return d;
}

// Which details of an account a line takes.
enum class Pick {
  All,       // the whole account
  Positive,  // the details whose balance stands on the line's side (应收账款 takes the debit
             // balances of the details of 应收账款 and 预收账款)
  Only,      // the named details alone
  Except,    // all but the named details
};
struct Term {
  std::string_view account;  // a general account; "损益类" for every profit-and-loss account
  Pick pick = Pick::All;
  std::vector<std::string_view> details = {};
};

constexpr std::string_view kAllProfitAndLoss = "损益类";

// Fills statement lines from balances; `sign` +1 reads balances as debit less credit (assets,
// expenses), -1 as credit less debit (liabilities, equity, revenue).
class Filler {
 public:
  Filler(const Details& balances, std::set<std::string>& used, std::vector<std::string> profitAndLoss)
      : balances_(balances), used_(used), pl_(std::move(profitAndLoss)) {}

  StatementLine fill(std::string_view caption, int sign, const std::vector<Term>& terms) {
    StatementLine line;
    line.line = std::string(caption);
    for (const Term& t : terms) {
      if (t.account == kAllProfitAndLoss) {
        for (const std::string& name : pl_) add(line, sign, {name, t.pick, t.details});
      } else {
        add(line, sign, t);
      }
    }
    return line;
  }

 private:
  void add(StatementLine& line, int sign, const Term& t) {
    std::string name(t.account);
    used_.insert(name);
    auto found = balances_.find(name);
    if (found == balances_.end()) return;
    if (std::find(line.accounts.begin(), line.accounts.end(), name) == line.accounts.end()) {
      line.accounts.push_back(name);
    }
    Fen part = 0;
    for (const auto& [detail, net] : found->second) {
      Fen v = sign * net;
      bool named = std::find(t.details.begin(), t.details.end(), detail) != t.details.end();
      if ((t.pick == Pick::Positive && v <= 0) || (t.pick == Pick::Only && !named) ||
          (t.pick == Pick::Except && named)) {
        continue;
      }
      part += v;
    }
    if (part == 0) return;
    line.amount += part;
    std::string label = name;
    if (t.pick == Pick::Positive) label += sign > 0 ? "（借方余额明细）" : "（贷方余额明细）";
    if (t.pick == Pick::Only) {
      for (std::size_t i = 0; i < t.details.size(); ++i)
        label += (i == 0 ? "-" : "、") + std::string(t.details[i]);
    }
    if (line.how.empty()) {
      line.how = (part < 0 ? "−" : "") + label + " " + FormatFen(part < 0 ? -part : part);
    } else {
      line.how += (part < 0 ? " − " : " + ") + label + " " + FormatFen(part < 0 ? -part : part);
    }
  }

  const Details& balances_;
  std::set<std::string>& used_;
  std::vector<std::string> pl_;
};

StatementLine Heading(std::string_view caption) {
  StatementLine line;
  line.kind = StatementLine::Kind::Heading;
  line.line = std::string(caption);
  return line;
}

StatementLine Total(std::string_view caption, Fen amount, std::string how) {
  StatementLine line;
  line.kind = StatementLine::Kind::Total;
  line.line = std::string(caption);
  line.amount = amount;
  line.how = std::move(how);
  return line;
}

std::vector<std::string> ProfitAndLossNames(const Book& book) {
  std::set<std::string> names;
  for (const Posting& p : book.opening) {
    if (IsProfitAndLoss(p.code)) names.insert(p.general);
  }
  for (const BookEntry& e : book.entries) {
    for (const Posting& p : e.rows) {
      if (IsProfitAndLoss(p.code)) names.insert(p.general);
    }
  }
  return {names.begin(), names.end()};
}

}  // namespace

std::vector<AccountFigures> FiguresOf(const Book& book) {
  std::map<std::string, AccountFigures> by;
  auto at = [&](const Posting& p) -> AccountFigures& {
    AccountFigures& f = by[p.code];
    f.code = p.code;
    f.account = p.general;
    return f;
  };
  for (const Posting& p : book.opening) at(p).opening += Net(p);
  for (const BookEntry& e : book.entries) {
    for (const Posting& p : e.rows) (p.side == Side::Debit ? at(p).debit : at(p).credit) += p.amount;
  }
  std::vector<AccountFigures> out;
  for (auto& [code, f] : by) out.push_back(std::move(f));
  return out;
}

TrialBalance TrialOf(const Book& book) {
  TrialBalance t;
  t.totals.account = "合计";
  for (const AccountFigures& f : FiguresOf(book)) {
    TrialRow r;
    r.code = f.code;
    r.account = f.account;
    (f.opening >= 0 ? r.openingDebit : r.openingCredit) = f.opening >= 0 ? f.opening : -f.opening;
    r.debit = f.debit;
    r.credit = f.credit;
    Fen closing = f.closing();
    (closing >= 0 ? r.closingDebit : r.closingCredit) = closing >= 0 ? closing : -closing;
    t.totals.openingDebit += r.openingDebit;
    t.totals.openingCredit += r.openingCredit;
    t.totals.debit += r.debit;
    t.totals.credit += r.credit;
    t.totals.closingDebit += r.closingDebit;
    t.totals.closingCredit += r.closingCredit;
    t.rows.push_back(std::move(r));
  }
  t.openingAgrees = t.totals.openingDebit == t.totals.openingCredit;
  t.periodAgrees = t.totals.debit == t.totals.credit;
  t.closingAgrees = t.totals.closingDebit == t.totals.closingCredit;
  return t;
}

AccountSummary SummaryOf(const Book& book) {
  AccountSummary s;
  for (const AccountFigures& f : FiguresOf(book)) {
    if (f.debit == 0 && f.credit == 0) continue;
    s.rows.push_back({f.code, f.account, f.debit, f.credit});
    s.debit += f.debit;
    s.credit += f.credit;
  }
  if (!book.entries.empty()) {
    s.first = book.entries.front().number;
    s.last = book.entries.back().number;
  }
  return s;
}

std::vector<Ledger> LedgersOf(const Book& book) {
  std::vector<Ledger> out;
  for (const AccountFigures& f : FiguresOf(book)) {
    Ledger l;
    l.code = f.code;
    l.account = f.account;
    LedgerLine open;
    open.kind = LedgerLine::Kind::Opening;
    open.summary = "期初余额";
    open.balance = f.opening;
    l.lines.push_back(open);
    Fen balance = f.opening;
    for (const BookEntry& e : book.entries) {
      for (const Posting& p : e.rows) {
        if (p.code != f.code) continue;
        LedgerLine line;
        line.date = e.date;
        line.voucher = e.number;
        line.summary = e.summary;
        (p.side == Side::Debit ? line.debit : line.credit) = p.amount;
        balance += Net(p);
        line.balance = balance;
        l.lines.push_back(std::move(line));
      }
    }
    LedgerLine total;
    total.kind = LedgerLine::Kind::Total;
    total.summary = "本月合计";
    total.debit = f.debit;
    total.credit = f.credit;
    total.balance = balance;
    if (!book.entries.empty()) total.date = book.entries.back().date;
    l.lines.push_back(total);
    out.push_back(std::move(l));
  }
  return out;
}

std::vector<TAccount> TAccountsOf(const Book& book) {
  std::vector<TAccount> out;
  for (const AccountFigures& f : FiguresOf(book)) {
    TAccount t;
    t.code = f.code;
    t.account = f.account;
    t.opening = f.opening;
    for (const BookEntry& e : book.entries) {
      for (const Posting& p : e.rows) {
        if (p.code != f.code) continue;
        (p.side == Side::Debit ? t.debits : t.credits).emplace_back(e.number, p.amount);
      }
    }
    t.debit = f.debit;
    t.credit = f.credit;
    out.push_back(std::move(t));
  }
  return out;
}

const StatementLine* Statement::find(std::string_view line) const {
  for (const StatementLine& l : lines) {
    if (l.line == line) return &l;
  }
  return nullptr;
}

// The lines and their 填列 rules: 财会〔2019〕6号 附件1 (一般企业财务报表格式，适用于已执行新金融准则、
// 新收入准则和新租赁准则的企业) and its 编制说明, read as 初级会计实务 teaches them:
// 货币资金 = 库存现金 + 银行存款 + 其他货币资金; 应收账款 = the debit balances of the details of 应收
// 账款 and 预收账款 less the 坏账准备 held against them; 预付款项 and 应付账款, 预收款项 alike from the
// other sides; 存货 = the inventory accounts and 生产成本 ± 材料成本差异 less 存货跌价准备; 固定资产 =
// 固定资产 − 累计折旧 − 固定资产减值准备 ± 固定资产清理; 在建工程 with 工程物资; 其他应收款 with 应收
// 利息 and 应收股利; 其他应付款 with 应付利息 and 应付股利; 未分配利润 = 本年利润 + 利润分配 and, before
// the month is closed, the balances of the profit-and-loss accounts. Accounts of the chart that the
// 2019 format renamed stand in the line of their successor (持有至到期投资 in 债权投资, 可供出售金融资产
// in 其他债权投资). 制造费用 is allocated to 生产成本 at month end; a balance left in it is production
// cost not yet allocated and stands in 存货 with it. 待处理财产损溢 is to be cleared before the
// statements are drawn; a balance left stands in 其他流动资产.
Statement BalanceSheetOf(const Book& book) {
  Details balances = ClosingDetails(book);
  std::set<std::string> used;
  Filler f(balances, used, ProfitAndLossNames(book));
  Statement s;
  auto item = [&](std::string_view caption, int sign, const std::vector<Term>& terms) {
    s.lines.push_back(f.fill(caption, sign, terms));
    return s.lines.back().amount;
  };
  constexpr int kDebit = 1, kCredit = -1;
  const std::vector<std::string_view> kBadDebtElsewhere = {"应收票据", "预付账款", "其他应收款"};

  s.lines.push_back(Heading("流动资产："));
  Fen current = 0;
  current += item("货币资金", kDebit, {{"库存现金"}, {"银行存款"}, {"其他货币资金"}});
  current += item("交易性金融资产", kDebit, {{"交易性金融资产"}});
  current += item("衍生金融资产", kDebit, {});
  current += item("应收票据", kDebit, {{"应收票据"}, {"坏账准备", Pick::Only, {"应收票据"}}});
  current += item("应收账款", kDebit,
                  {{"应收账款", Pick::Positive},
                   {"预收账款", Pick::Positive},
                   {"坏账准备", Pick::Except, kBadDebtElsewhere}});
  current += item("应收款项融资", kDebit, {});
  current += item(
      "预付款项", kDebit,
      {{"预付账款", Pick::Positive}, {"应付账款", Pick::Positive}, {"坏账准备", Pick::Only, {"预付账款"}}});
  current += item("其他应收款", kDebit,
                  {{"其他应收款"}, {"应收利息"}, {"应收股利"}, {"坏账准备", Pick::Only, {"其他应收款"}}});
  current += item("存货", kDebit,
                  {{"材料采购"},
                   {"在途物资"},
                   {"原材料"},
                   {"材料成本差异"},
                   {"库存商品"},
                   {"发出商品"},
                   {"商品进销差价"},
                   {"委托加工物资"},
                   {"周转材料"},
                   {"消耗性生物资产"},
                   {"生产成本"},
                   {"制造费用"},
                   {"劳务成本"},
                   {"存货跌价准备"}});
  current += item("合同资产", kDebit, {});
  current += item("持有待售资产", kDebit, {});
  current += item("一年内到期的非流动资产", kDebit, {});
  current += item("其他流动资产", kDebit, {{"待处理财产损溢"}});
  s.lines.push_back(Total("流动资产合计", current, "流动资产各项之和"));
  s.lines.push_back(Heading("非流动资产："));
  Fen fixed = 0;
  fixed += item("债权投资", kDebit, {{"持有至到期投资"}, {"持有至到期投资减值准备"}});
  fixed += item("其他债权投资", kDebit, {{"可供出售金融资产"}});
  fixed += item("长期应收款", kDebit, {{"长期应收款"}, {"未实现融资收益"}});
  fixed += item("长期股权投资", kDebit, {{"长期股权投资"}, {"长期股权投资减值准备"}});
  fixed += item("其他权益工具投资", kDebit, {});
  fixed += item("其他非流动金融资产", kDebit, {});
  fixed += item("投资性房地产", kDebit, {{"投资性房地产"}});
  fixed += item("固定资产", kDebit, {{"固定资产"}, {"累计折旧"}, {"固定资产减值准备"}, {"固定资产清理"}});
  fixed += item("在建工程", kDebit, {{"在建工程"}, {"工程物资"}});
  fixed += item("生产性生物资产", kDebit, {{"生产性生物资产"}, {"生产性生物资产累计折旧"}});
  fixed += item("油气资产", kDebit, {{"油气资产"}, {"累计折耗"}});
  fixed += item("使用权资产", kDebit, {});
  fixed += item("无形资产", kDebit, {{"无形资产"}, {"累计摊销"}, {"无形资产减值准备"}});
  fixed += item("开发支出", kDebit, {{"研发支出"}});
  fixed += item("商誉", kDebit, {{"商誉"}});
  fixed += item("长期待摊费用", kDebit, {{"长期待摊费用"}});
  fixed += item("递延所得税资产", kDebit, {{"递延所得税资产"}});
  fixed += item("其他非流动资产", kDebit, {});
  s.lines.push_back(Total("非流动资产合计", fixed, "非流动资产各项之和"));
  s.lines.push_back(Total("资产总计", current + fixed, "流动资产合计 + 非流动资产合计"));

  s.lines.push_back(Heading("流动负债："));
  Fen owed = 0;
  owed += item("短期借款", kCredit, {{"短期借款"}});
  owed += item("交易性金融负债", kCredit, {{"交易性金融负债"}});
  owed += item("衍生金融负债", kCredit, {});
  owed += item("应付票据", kCredit, {{"应付票据"}});
  owed += item("应付账款", kCredit, {{"应付账款", Pick::Positive}, {"预付账款", Pick::Positive}});
  owed += item("预收款项", kCredit, {{"预收账款", Pick::Positive}, {"应收账款", Pick::Positive}});
  owed += item("合同负债", kCredit, {});
  owed += item("应付职工薪酬", kCredit, {{"应付职工薪酬"}});
  owed += item("应交税费", kCredit, {{"应交税费"}});
  owed += item("其他应付款", kCredit, {{"其他应付款"}, {"应付利息"}, {"应付股利"}});
  owed += item("持有待售负债", kCredit, {});
  owed += item("一年内到期的非流动负债", kCredit, {});
  owed += item("其他流动负债", kCredit, {});
  s.lines.push_back(Total("流动负债合计", owed, "流动负债各项之和"));
  s.lines.push_back(Heading("非流动负债："));
  Fen longOwed = 0;
  longOwed += item("长期借款", kCredit, {{"长期借款"}});
  longOwed += item("应付债券", kCredit, {{"应付债券"}});
  longOwed += item("租赁负债", kCredit, {});
  longOwed += item("长期应付款", kCredit, {{"长期应付款"}, {"未确认融资费用"}, {"专项应付款"}});
  longOwed += item("预计负债", kCredit, {{"预计负债"}});
  longOwed += item("递延收益", kCredit, {{"递延收益"}});
  longOwed += item("递延所得税负债", kCredit, {{"递延所得税负债"}});
  longOwed += item("其他非流动负债", kCredit, {});
  s.lines.push_back(Total("非流动负债合计", longOwed, "非流动负债各项之和"));
  s.lines.push_back(Total("负债合计", owed + longOwed, "流动负债合计 + 非流动负债合计"));
  s.lines.push_back(Heading("所有者权益（或股东权益）："));
  Fen equity = 0;
  equity += item("实收资本（或股本）", kCredit, {{"实收资本"}});
  equity += item("其他权益工具", kCredit, {});
  equity += item("资本公积", kCredit, {{"资本公积"}});
  // 库存股 is printed as a positive amount on a line that is subtracted.
  Fen treasury = item("减：库存股", kDebit, {{"库存股"}});
  equity -= treasury;
  equity += item("其他综合收益", kCredit, {{"其他综合收益"}});
  equity += item("专项储备", kCredit, {{"专项储备"}});
  equity += item("盈余公积", kCredit, {{"盈余公积"}, {"一般风险准备"}});
  equity += item("未分配利润", kCredit, {{"本年利润"}, {"利润分配"}, {kAllProfitAndLoss}});
  s.lines.push_back(Total("所有者权益（或股东权益）合计", equity, "所有者权益各项之和（减去库存股）"));
  s.lines.push_back(
      Total("负债和所有者权益（或股东权益）总计", owed + longOwed + equity, "负债合计 + 所有者权益合计"));

  s.left = current + fixed;
  s.right = owed + longOwed + equity;
  s.agrees = s.left == s.right;
  for (const auto& [name, details] : balances) {
    Fen net = 0;
    for (const auto& [detail, v] : details) net += v;
    if (net != 0 && !used.contains(name)) s.left_out.emplace_back(name, net);
  }
  return s;
}

// 利润表 lines and their 填列 rules (财会〔2019〕6号 附件1 会企02表): 营业收入 = 主营业务收入 + 其他
// 业务收入; 营业成本 = 主营业务成本 + 其他业务成本; 研发费用 the 研发费用 detail of 管理费用 (with the
// amortisation of self-developed intangibles); 财务费用 with 其中：利息费用 and 利息收入 from its
// details; the gains and losses lines as the accounts' credit less debit (a loss with "－").
Statement IncomeStatementOf(const Book& book) {
  Details period = PeriodDetails(book);
  std::set<std::string> used;
  Filler f(period, used, {});
  Statement s;
  auto item = [&](std::string_view caption, int sign, const std::vector<Term>& terms) {
    s.lines.push_back(f.fill(caption, sign, terms));
    return s.lines.back().amount;
  };
  constexpr int kDebit = 1, kCredit = -1;
  Fen revenue = item("一、营业收入", kCredit, {{"主营业务收入"}, {"其他业务收入"}});
  Fen cost = item("减：营业成本", kDebit, {{"主营业务成本"}, {"其他业务成本"}});
  Fen taxes = item("税金及附加", kDebit, {{"税金及附加"}});
  Fen selling = item("销售费用", kDebit, {{"销售费用"}});
  Fen admin = item("管理费用", kDebit, {{"管理费用", Pick::Except, {"研发费用"}}});
  Fen research = item("研发费用", kDebit, {{"管理费用", Pick::Only, {"研发费用"}}});
  Fen finance = item("财务费用", kDebit, {{"财务费用"}});
  item("其中：利息费用", kDebit, {{"财务费用", Pick::Only, {"利息费用", "利息支出"}}});
  item("利息收入", kCredit, {{"财务费用", Pick::Only, {"利息收入"}}});
  Fen other = item("加：其他收益", kCredit, {{"其他收益"}});
  Fen investment = item("投资收益（损失以“－”号填列）", kCredit, {{"投资收益"}});
  Fen hedge = item("净敞口套期收益（损失以“－”号填列）", kCredit, {});
  Fen fairValue = item("公允价值变动收益（损失以“－”号填列）", kCredit, {{"公允价值变动损益"}});
  Fen credit = item("信用减值损失（损失以“－”号填列）", kCredit, {{"信用减值损失"}});
  Fen impairment = item("资产减值损失（损失以“－”号填列）", kCredit, {{"资产减值损失"}});
  Fen disposal = item("资产处置收益（损失以“－”号填列）", kCredit, {{"资产处置损益"}});
  Fen operating = revenue - cost - taxes - selling - admin - research - finance + other + investment + hedge +
                  fairValue + credit + impairment + disposal;
  s.lines.push_back(
      Total("二、营业利润（亏损以“－”号填列）", operating,
            "营业收入 − 营业成本 − 税金及附加 − 销售费用 − 管理费用 − 研发费用 − 财务费用 + 其他收益 + "
            "投资收益 + 净敞口套期收益 + 公允价值变动收益 + 信用减值损失 + 资产减值损失 + 资产处置收益"));
  Fen gains = item("加：营业外收入", kCredit, {{"营业外收入"}});
  Fen losses = item("减：营业外支出", kDebit, {{"营业外支出"}});
  Fen before = operating + gains - losses;
  s.lines.push_back(
      Total("三、利润总额（亏损总额以“－”号填列）", before, "营业利润 + 营业外收入 − 营业外支出"));
  Fen tax = item("减：所得税费用", kDebit, {{"所得税费用"}});
  Fen net = before - tax;
  s.lines.push_back(Total("四、净利润（净亏损以“－”号填列）", net, "利润总额 − 所得税费用"));
  s.lines.push_back(Total("（一）持续经营净利润（净亏损以“－”号填列）", net, "净利润"));
  s.lines.push_back(Total("（二）终止经营净利润（净亏损以“－”号填列）", 0, ""));
  s.lines.push_back(Total("五、其他综合收益的税后净额", 0, ""));
  s.lines.push_back(Total("六、综合收益总额", net, "净利润 + 其他综合收益的税后净额"));

  // The profit or loss the accounts show, against the statement's.
  Fen accounts = 0;
  for (const auto& [name, details] : period) {
    Fen v = 0;
    for (const auto& [detail, n] : details) v -= n;
    accounts += v;
    if (v != 0 && !used.contains(name)) s.left_out.emplace_back(name, v);
  }
  s.left = net;
  s.right = accounts;
  s.agrees = net == accounts;
  return s;
}

}  // namespace varnello
