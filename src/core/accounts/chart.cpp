#include "core/accounts/chart.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/files/csv.h"
#include "core/practice/exercise.h"

namespace varnello {

namespace {

struct ChartRow {
  std::string_view code;
  std::string_view name;
};

// The first-level accounts of the chart of accounts published by the Ministry of Finance with the
// enterprise accounting standards: 《企业会计准则——应用指南》(财会〔2006〕18号) 附录
// "会计科目和主要账务处理". Two later changes are followed: 6403 is named 税金及附加 since
// 财会〔2016〕22号 (formerly 营业税金及附加), and 6702 信用减值损失 is the account that the
// financial-instrument standards of 2017 (财会〔2018〕15号 statement formats) added.
// 4001 is 股本 in a company limited by shares, as the chart notes; both names lead to it.
constexpr ChartRow kStandardChart[] = {
    // 资产类
    {"1001", "库存现金"},
    {"1002", "银行存款"},
    {"1003", "存放中央银行款项"},
    {"1011", "存放同业"},
    {"1012", "其他货币资金"},
    {"1021", "结算备付金"},
    {"1031", "存出保证金"},
    {"1101", "交易性金融资产"},
    {"1111", "买入返售金融资产"},
    {"1121", "应收票据"},
    {"1122", "应收账款"},
    {"1123", "预付账款"},
    {"1131", "应收股利"},
    {"1132", "应收利息"},
    {"1201", "应收代位追偿款"},
    {"1211", "应收分保账款"},
    {"1212", "应收分保合同准备金"},
    {"1221", "其他应收款"},
    {"1231", "坏账准备"},
    {"1301", "贴现资产"},
    {"1302", "拆出资金"},
    {"1303", "贷款"},
    {"1304", "贷款损失准备"},
    {"1311", "代理兑付证券"},
    {"1321", "代理业务资产"},
    {"1401", "材料采购"},
    {"1402", "在途物资"},
    {"1403", "原材料"},
    {"1404", "材料成本差异"},
    {"1405", "库存商品"},
    {"1406", "发出商品"},
    {"1407", "商品进销差价"},
    {"1408", "委托加工物资"},
    {"1411", "周转材料"},
    {"1421", "消耗性生物资产"},
    {"1431", "贵金属"},
    {"1441", "抵债资产"},
    {"1451", "损余物资"},
    {"1461", "融资租赁资产"},
    {"1471", "存货跌价准备"},
    {"1501", "持有至到期投资"},
    {"1502", "持有至到期投资减值准备"},
    {"1503", "可供出售金融资产"},
    {"1511", "长期股权投资"},
    {"1512", "长期股权投资减值准备"},
    {"1521", "投资性房地产"},
    {"1531", "长期应收款"},
    {"1532", "未实现融资收益"},
    {"1541", "存出资本保证金"},
    {"1601", "固定资产"},
    {"1602", "累计折旧"},
    {"1603", "固定资产减值准备"},
    {"1604", "在建工程"},
    {"1605", "工程物资"},
    {"1606", "固定资产清理"},
    {"1611", "未担保余值"},
    {"1621", "生产性生物资产"},
    {"1622", "生产性生物资产累计折旧"},
    {"1623", "公益性生物资产"},
    {"1631", "油气资产"},
    {"1632", "累计折耗"},
    {"1701", "无形资产"},
    {"1702", "累计摊销"},
    {"1703", "无形资产减值准备"},
    {"1711", "商誉"},
    {"1801", "长期待摊费用"},
    {"1811", "递延所得税资产"},
    {"1821", "独立账户资产"},
    {"1901", "待处理财产损溢"},
    // 负债类
    {"2001", "短期借款"},
    {"2002", "存入保证金"},
    {"2003", "拆入资金"},
    {"2004", "向中央银行借款"},
    {"2011", "吸收存款"},
    {"2012", "同业存放"},
    {"2021", "贴现负债"},
    {"2101", "交易性金融负债"},
    {"2111", "卖出回购金融资产款"},
    {"2201", "应付票据"},
    {"2202", "应付账款"},
    {"2203", "预收账款"},
    {"2211", "应付职工薪酬"},
    {"2221", "应交税费"},
    {"2231", "应付利息"},
    {"2232", "应付股利"},
    {"2241", "其他应付款"},
    {"2251", "应付保单红利"},
    {"2261", "应付分保账款"},
    {"2311", "代理买卖证券款"},
    {"2312", "代理承销证券款"},
    {"2313", "代理兑付证券款"},
    {"2314", "代理业务负债"},
    {"2401", "递延收益"},
    {"2501", "长期借款"},
    {"2502", "应付债券"},
    {"2601", "未到期责任准备金"},
    {"2602", "保险责任准备金"},
    {"2611", "保户储金"},
    {"2621", "独立账户负债"},
    {"2701", "长期应付款"},
    {"2702", "未确认融资费用"},
    {"2711", "专项应付款"},
    {"2801", "预计负债"},
    {"2901", "递延所得税负债"},
    // 共同类
    {"3001", "清算资金往来"},
    {"3002", "货币兑换"},
    {"3101", "衍生工具"},
    {"3201", "套期工具"},
    {"3202", "被套期项目"},
    // 所有者权益类
    {"4001", "实收资本"},
    {"4002", "资本公积"},
    {"4101", "盈余公积"},
    {"4102", "一般风险准备"},
    {"4103", "本年利润"},
    {"4104", "利润分配"},
    {"4201", "库存股"},
    // 成本类
    {"5001", "生产成本"},
    {"5101", "制造费用"},
    {"5201", "劳务成本"},
    {"5301", "研发支出"},
    {"5401", "工程施工"},
    {"5402", "工程结算"},
    {"5403", "机械作业"},
    // 损益类
    {"6001", "主营业务收入"},
    {"6011", "利息收入"},
    {"6021", "手续费及佣金收入"},
    {"6031", "保费收入"},
    {"6041", "租赁收入"},
    {"6051", "其他业务收入"},
    {"6061", "汇兑损益"},
    {"6101", "公允价值变动损益"},
    {"6111", "投资收益"},
    {"6201", "摊回保险责任准备金"},
    {"6202", "摊回赔付支出"},
    {"6203", "摊回分保费用"},
    {"6301", "营业外收入"},
    {"6401", "主营业务成本"},
    {"6402", "其他业务成本"},
    {"6403", "税金及附加"},
    {"6411", "利息支出"},
    {"6421", "手续费及佣金支出"},
    {"6501", "提取未到期责任准备金"},
    {"6502", "提取保险责任准备金"},
    {"6511", "赔付支出"},
    {"6521", "保单红利支出"},
    {"6531", "退保金"},
    {"6541", "分出保费"},
    {"6542", "分保费用"},
    {"6601", "销售费用"},
    {"6602", "管理费用"},
    {"6603", "财务费用"},
    {"6604", "勘探费用"},
    {"6701", "资产减值损失"},
    {"6702", "信用减值损失"},
    {"6711", "营业外支出"},
    {"6801", "所得税费用"},
    {"6901", "以前年度损益调整"},
};

// Names the windows print for a first-level account that the chart names otherwise: earlier
// names of the account (应交税金, 短期投资, 长期债权投资 before 持有至到期投资), the name of a
// detail printed without its account (应交增值税 under 应交税费), and the windows' own words for
// an account (各种费用 for the expenses an other payable is accrued against). `detail` is put
// before what the caption prints below the name.
struct Alias {
  std::string_view name;
  std::string_view account;
  std::string_view detail;
};
constexpr Alias kAliases[] = {
    {"应交税金", "应交税费", ""},
    {"应交增值税", "应交税费", "应交增值税"},
    {"短期投资", "交易性金融资产", ""},
    {"长期债权投资", "持有至到期投资", ""},
    {"长期债券投资", "持有至到期投资", ""},
    {"现金", "库存现金", ""},
    {"其他业务支出", "其他业务成本", ""},
    {"营业税金及附加", "税金及附加", ""},
    {"应付利润", "应付股利", ""},
    {"股本", "实收资本", ""},
    {"未分配利润总", "利润分配", "未分配利润"},
    {"未分配利润", "利润分配", "未分配利润"},
    {"银行贷款", "短期借款", ""},
    {"贷款减值准备", "贷款损失准备", ""},
    {"贷款减值损失", "资产减值损失", "贷款减值损失"},
    // Out-of-town purchases of materials (其他货币资金-外埠存款).
    {"材料费用", "原材料", ""},
    // Workshop costs: managers' pay, auxiliary materials, depreciation and repair of machines.
    {"其他费用", "制造费用", ""},
    {"各种费用", "管理费用", "各种费用"},
    // The input tax of materials taken for a use without output tax, charged to expense.
    {"增值税费用", "管理费用", "增值税费用"},
    // Goods let out for rent by a trading enterprise stay among its goods.
    {"出租商品", "库存商品", "出租商品"},
    // Printed by the sale of an available-for-sale asset beside 可供出售金融资产-成本.
    {"公允价值变动", "可供出售金融资产", "公允价值变动"},
};

// Separators of the levels of a user's full account name.
constexpr std::string_view kLevelSeparators[] = {"-", "_", "/", "\\", "－", "—"};

bool IsDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The caption with the spaces around a "-" taken out ("应交税费 - 应交增值税" is one account).
std::string Tight(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == ' ') {
      std::size_t j = s.find_first_not_of(' ', i);
      bool nearDash = (j != std::string_view::npos && s[j] == '-') || (!out.empty() && out.back() == '-');
      if (nearDash) continue;
    }
    out += s[i];
  }
  return out;
}

// Where a parenthesised tail begins ("（面值）" or "(面值)"), or npos.
std::size_t ParenTail(std::string_view s) {
  constexpr std::string_view kOpen = "（", kClose = "）";
  if (s.ends_with(kClose)) {
    std::size_t open = s.rfind(kOpen);
    return open == std::string_view::npos || open == 0 ? std::string_view::npos : open;
  }
  if (s.ends_with(")")) {
    std::size_t open = s.rfind('(');
    return open == std::string_view::npos || open == 0 ? std::string_view::npos : open;
  }
  return std::string_view::npos;
}

std::string_view ParenInner(std::string_view tail) {
  std::size_t open = tail.starts_with("（") ? std::string_view("（").size() : 1;
  std::size_t close = tail.ends_with("）") ? std::string_view("）").size() : 1;
  return tail.substr(open, tail.size() - open - close);
}

// The last level of a user's full name.
std::string_view OwnName(std::string_view name) {
  std::size_t cut = 0;
  for (std::string_view sep : kLevelSeparators) {
    std::size_t at = name.rfind(sep);
    if (at != std::string_view::npos) cut = std::max(cut, at + sep.size());
  }
  return name.substr(cut);
}

// Longest code a user's chart may give: codes of accounting software run to a few levels of
// two to four digits; a longer "code" is not one (and sub-account lookups stay short).
constexpr std::size_t kLongestCode = 32;
// Longest name: what a spreadsheet cell holds (32,767 characters), so that every output that
// shows the name (import CSV, workbook, voucher) shows it whole.
constexpr std::size_t kLongestName = 32767;

// A user's cell as a message quotes it: without control characters, and its first 40
// characters only.
std::string Shown(std::string_view cell) {
  std::size_t at = 0;
  for (std::size_t chars = 0; at < cell.size(); ++at) {
    if ((static_cast<unsigned char>(cell[at]) & 0xC0) != 0x80 && chars++ == 40) break;
  }
  return WithoutControls(cell.substr(0, at)) + (at < cell.size() ? "…" : "");
}

std::size_t Utf8Length(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace

const Chart& Chart::Standard() {
  static const Chart chart = [] {
    Chart c;
    for (const ChartRow& row : kStandardChart) {
      c.names_.emplace(row.code, row.name);
      c.byName_.emplace(row.name, row.code);
    }
    return c;
  }();
  return chart;
}

std::optional<Chart> Chart::WithUserCsv(std::string_view csv, std::string* error) {
  Chart chart = Standard();
  auto fail = [error](std::size_t line, const std::string& reason) {
    if (error != nullptr) *error = (line == 0 ? "" : "第 " + std::to_string(line) + " 行：") + reason;
    return std::nullopt;
  };
  CsvReader reader(csv);
  CsvRecord record;
  bool first = true;
  std::map<std::string, std::string> user;
  while (reader.Next(record)) {
    std::vector<std::string>& cells = record.fields;
    std::string code(Trim(cells[0]));
    std::string name(cells.size() > 1 ? Trim(cells[1]) : std::string_view());
    if (code.empty() && name.empty()) continue;
    // A header row names its columns (科目编码, 科目代码 …) instead of giving a code.
    bool header = first && !IsDigits(code);
    first = false;
    if (header) continue;
    if (!IsDigits(code)) return fail(record.line, "科目编码“" + Shown(code) + "”不是数字");
    if (name.empty()) return fail(record.line, "缺少科目名称");
    if (code.size() > kLongestCode)
      return fail(record.line, "科目编码超过 " + std::to_string(kLongestCode) + " 位");
    if (HasControls(name)) return fail(record.line, "科目名称含有控制字符（如 NUL、换行、制表符）");
    if (Utf8Length(name) > kLongestName)
      return fail(record.line, "科目名称超过 " + std::to_string(kLongestName) + " 个字符");
    user[code] = name;
  }
  if (!reader.error().empty()) return fail(0, reader.error());
  if (user.empty()) return fail(0, "科目表里没有科目行（每行应是 科目编码,科目名称）");
  // The user's name replaces the standard one; the standard name still leads to the code.
  for (const auto& [code, name] : user) chart.names_[code] = std::string(OwnName(name));
  // First-level accounts are those no other account of the chart is a prefix of: the user's
  // own first-level names lead to their codes before the standard names do.
  for (const auto& [code, name] : chart.names_) {
    bool top = true;
    for (std::size_t n = 1; n < code.size() && top; ++n) top = !chart.names_.contains(code.substr(0, n));
    if (top && user.contains(code)) chart.byName_[name] = code;
  }
  return chart;
}

std::optional<std::string> Chart::FirstLevel(std::string_view name) const {
  if (auto it = byName_.find(name); it != byName_.end()) return it->second;
  return std::nullopt;
}

std::optional<AccountCode> Chart::Find(std::string_view printed) const {
  std::string account = Tight(Trim(printed));
  // Of two alternatives printed as one caption ("库存现金/银行存款"), the first.
  if (std::size_t slash = account.find('/'); slash != std::string::npos) account.resize(slash);
  // The first level: the text before the first "-", or before a parenthesised tail.
  std::size_t dash = account.find('-');
  std::string_view head = std::string_view(account).substr(0, dash);
  std::string_view rest =
      dash == std::string::npos ? std::string_view() : std::string_view(account).substr(dash + 1);
  std::string detail(rest);
  std::optional<std::string> code;
  std::string_view prefix;
  auto resolve = [&](std::string_view name) {
    if ((code = FirstLevel(name))) return true;
    for (const Alias& a : kAliases) {
      if (a.name == name) {
        code = FirstLevel(a.account);
        prefix = a.detail;
        return code.has_value();
      }
    }
    return false;
  };
  if (!resolve(head)) {
    std::size_t paren = ParenTail(head);
    if (paren == std::string_view::npos || !resolve(head.substr(0, paren))) return std::nullopt;
    std::string_view tail = head.substr(paren);
    // Under an alias's detail the parenthesised part stays as printed (应交增值税（进）).
    std::string inner = prefix.empty() ? std::string(ParenInner(tail)) : std::string(tail);
    detail = rest.empty() ? inner : inner + "-" + std::string(rest);
  }
  if (!prefix.empty()) {
    bool joined = !detail.empty() && (detail.starts_with("（") || detail.starts_with("("));
    detail = std::string(prefix) + (detail.empty() || joined ? "" : "-") + detail;
  }
  AccountCode found;
  found.generalCode = *code;
  found.general = names_.at(*code);
  found.detail = detail;
  found.code = *code;
  found.name = found.general;
  // The user's sub-accounts: each level of the detail that names a child of the account reached
  // so far goes one level down (codes extend their parent's code).
  std::string_view left = found.detail;
  while (!left.empty()) {
    std::size_t cut = left.find('-');
    std::string_view level = left.substr(0, cut);
    std::string child;
    for (auto it = names_.upper_bound(found.code); it != names_.end() && it->first.starts_with(found.code);
         ++it) {
      if (it->second == level) {
        child = it->first;
        break;
      }
    }
    if (child.empty()) break;
    found.code = child;
    found.name += "-" + std::string(level);
    left = cut == std::string_view::npos ? std::string_view() : left.substr(cut + 1);
  }
  if (!left.empty()) found.name += "-" + std::string(left);
  return found;
}

std::vector<PrintedAccount> PrintedAccounts() {
  std::vector<PrintedAccount> accounts;
  std::map<std::string, std::size_t, std::less<>> index;
  auto press = [&](const TopicDesc& desc, const std::vector<FieldText>& texts) {
    EntryRecord record = PressOnce(desc, texts);
    for (const EntryRecord::Row& row : record.rows()) {
      if (row.side == Side::None) continue;
      std::string_view account = record.account(row);
      auto it = index.find(account);
      if (it == index.end()) {
        it = index.emplace(std::string(account), accounts.size()).first;
        accounts.push_back({std::string(account), {}});
      }
      std::vector<std::string>& windows = accounts[it->second].windows;
      if (windows.empty() || windows.back() != desc.id.name()) windows.emplace_back(desc.id.name());
    }
  };
  for (const TopicDesc* desc : AllTopics()) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
      std::map<int, std::string> figures = MakeExercise(*desc, seed);
      std::vector<FieldText> texts;
      for (const auto& [n, text] : figures) texts.push_back({n, text});
      press(*desc, texts);
    }
    // Round figures in every field reach the groups an exercise may leave out.
    for (std::string_view figure : {"1", "100", "0.5", "1000"}) {
      std::vector<FieldText> texts;
      for (const Item* item : FieldsOf(*desc)) texts.push_back({item->field, figure});
      press(*desc, texts);
    }
  }
  std::sort(accounts.begin(), accounts.end(),
            [](const PrintedAccount& a, const PrintedAccount& b) { return a.account < b.account; });
  return accounts;
}

}  // namespace varnello
