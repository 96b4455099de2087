// The keyword index: coverage, every keyword's reading, subjects and the ranking of matches.
#include "core/search/keyword_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"

namespace varnello {
namespace {

std::vector<std::string> Found(std::string_view query) {
  std::vector<std::string> keywords;
  for (const KeywordMatch& m : FindKeywords(query)) keywords.emplace_back(m.entry->keyword);
  return keywords;
}

// Every keyword with its window and its initials, checked once by eye against the dictionary.
TEST(KeywordIndex, InitialsOfEveryKeyword) {
  // "keyword initials, ..." in table order.
  const std::string_view table =
      "股价变动 gjbd, 少记折旧 sjzj, 商业汇票 syhp, 摊余成本 tycb, 买股票 mgp, "
      "购入股票 grgp, 购买股票 gmgp, 投资收益 tzsy, 出售股票对报表损益影响 csgpdbbsyyx, "
      "债券价格持续下跌 zqjgcxxd, 现金盘盈 xjpy, 现金盘亏 xjpk, 购买原材料 gmycl, 外埠存款 wbck, "
      "汇票 hp, 本票 bp, 外埠采购 wbcg, 信用证 xyz, 信用卡 xyk, 贴现 tx, 带息票据 dxpj, "
      "票据销售 pjxs, 销售商品 xssp, 打折销售 dzxs, 坏账准备 hzzb, 管理费用 glfy, "
      "其他应收款 qtysk, 销售费用 xsfy, 其他应付款 qtyfk, 制造费用 zzfy, 财务费用 cwfy, "
      "其他费用 qtfy, 生产成本 sccb, 支出 zc, 费用 fy, 购买原材料（完整） gmyclwz, "
      "自产原材料 zcycl, 包装 bz, 存货盘盈 chpy, 存货盘亏 chpk, 原材料盘亏 yclpk, "
      "原材料盘盈 yclpy, 盘盈 py, 盘亏 pk, 产品损失 cpss, 购买债券 gmzq, 出售债券 cszq, "
      "出售股票 csgp, 债价变动 zjbd, 长期股权投资 cqgqtz, 股权 gq, 组合投资 zhtz, 转移产权 zycq, "
      "转移固定资产 zygdzc, 固定资产投资 gdzctz, 购买长期债券 gmcqzq, 持有长期债券 cycqzq, "
      "出售长期债券 cscqzq, 长期债权投资 cqzqtz, 摊销债券 txzq, 转让债券 zrzq, 债券损失 zqss, "
      "股票投资成本 gptzcb, 购买固定资产（不安装） gmgdzcbaz, 购买固定资产（安装） gmgdzcaz, "
      "自建固定资产 zjgdzc, 出包工程 cbgc, 投资固定资产 tzgdzc, 固定资产 gdzc, 累计折旧 ljzj, "
      "累计折旧计算 ljzjjs, 盘盈固定资产 pygdzc, 盘亏固定资产 pkgdzc, 租赁固定资产 zlgdzc, "
      "出售固定资产 csgdzc, 固定资产报废 gdzcbf, 维修固定资产 wxgdzc, 改建固定资产 gjgdzc, "
      "投入无形资产 trwxzc, 外购无形资产 wgwxzc, 开发无形资产 kfwxzc, 申请无形资产 sqwxzc, "
      "出售无形资产 cswxzc, 摊销无形资产 txwxzc, 出租摊销无形资产 cztxwxzc, 出租无形资产 czwxzc, "
      "无形资产报废 wxzcbf, 无形资产 wxzc, 股票 gp, 债券 zq, 长期待摊费用 cqdtfy, "
      "工程长期待摊费用 gccqdtfy, 打折购买 dzgm, 退货 th, 代销商品 dxsp, 销售原材料 xsycl, "
      "产品损坏 cpsh, 领用原材料 lyycl, 商品 sp, 货物 hw, 原材料 ycl, 购买商品 gmsp, "
      "预收账款 yszk, 应付票据 yfpj, 票据 pj, 票据贴现 pjtx, 票据存取贴现 pjcqtx, 逾期贷款 yqdk, "
      "接受投资物 jstzw, 加工 jg, 进口货物 jkhw, 购买免税产品 gmmscp, 改造 gz, 分发福利 fffl, "
      "捐赠 jz, 结转增值税 jzzzs, 收购出口产品 sgckcp, 出口退税 ckts, "
      "购买（小规模纳税人） gmxgmnsr, 销售（小规模纳税人） xsxgmnsr, "
      "改造（小规模纳税人） gzxgmnsr, 小规模纳税人 xgmnsr, 出口 ck, 进口 jk, 摊销 tx, "
      "外部经费 wbjf, 销售应税商品 xsyssp, 自产自用应税商品 zczyyssp, 委托加工应税商品 wtjgyssp, "
      "进口应税商品 jkyssp, 消费税 xfs, 营业税 yys, 税金及附加 sjjfj, 个税 gs, 企业所得税 qysds, "
      "税费 sf, 工资 gz, 短期借款 dqjk, 长期借款 cqjk, 出租包装 czbz, 出租商品 czsp, "
      "未分配利润 wfplr, 长期租赁固定资产 cqzlgdzc, 长期购买固定资产 cqgmgdzc, "
      "转让无形资产 zrwxzc, 仓库毁损 ckhs, 营业外支出 yywzc, 营业外收入 yywsr, 本年利润 bnlr, "
      "净利润 jlr, 营业利润 yylr, 利润总额 lrze, 结转本年利润 jzbnlr, 资金投资公司 zjtzgs, "
      "投资公司 tzgs, 追加投资 zjtz, 回购股票 hggp, 撤回投资 chtz, 租赁 zl, 投资 tz, "
      "增加投资 zjtz, 发行股票 fxgp, 增加资本公积 zjzbgj, 提取盈余公积 tqyygj, "
      "盈余公积补亏 yygjbk, 盈余公积转增资本 yygjzzzb, 盈余公积发放股利 yygjffgl, 资本公积 zbgj, "
      "盈余公积 yygj";
  std::vector<std::string> expected;
  for (size_t at = 0; at < table.size();) {
    size_t end = std::min(table.find(", ", at), table.size());
    expected.emplace_back(table.substr(at, end - at));
    at = end + 2;
  }
  ASSERT_EQ(expected.size(), 169u);
  ASSERT_EQ(KeywordIndex().size(), 169u);
  for (size_t i = 0; i < expected.size(); ++i) {
    const KeywordEntry& e = KeywordIndex()[i];
    EXPECT_EQ(std::string(e.keyword) + " " + e.initials, expected[i]);
    EXPECT_EQ(e.window, Keywords()[i].window);
    EXPECT_EQ(e.starts.size(), e.initials.size());
  }
}

TEST(KeywordIndex, PolyphonicReadingsAndSubjects) {
  auto entry = [](std::string_view keyword) {
    for (const KeywordEntry& e : KeywordIndex()) {
      if (e.keyword == keyword) return e;
    }
    ADD_FAILURE() << keyword;
    return KeywordEntry{};
  };
  EXPECT_EQ(entry("长期股权投资").syllables, "chang qi gu quan tou zi");
  EXPECT_EQ(entry("工程长期待摊费用").pinyin, "gongchengchangqidaitanfeiyong");
  EXPECT_EQ(entry("发行股票").syllables, "fa xing gu piao");
  EXPECT_EQ(entry("企业所得税").syllables, "qi ye suo de shui");
  EXPECT_EQ(entry("购买固定资产（不安装）").syllables, "gou mai gu ding zi chan bu an zhuang");

  const std::vector<std::pair<std::string_view, std::string_view>> subjects = {
      {"买股票", "股票/债券"},
      {"股票", "股票/债券"},
      {"改造", "商品/货物/原材料"},
      {"改造（小规模纳税人）", "商品/货物/原材料"},
      {"自建固定资产", "固定资产"},
      {"消费税", "税费"},
      {"长期债权投资", "租赁/投资"},
      {"购买长期债券", "股票/债券"},
      {"工资", "工资"},
      {"净利润", "本年/营业/净利润"},
      {"少记折旧", ""},
      {"固定资产", ""},
  };
  for (const auto& [keyword, subject] : subjects) EXPECT_EQ(entry(keyword).subject, subject) << keyword;
}

TEST(KeywordIndex, MatchesRankedExactPrefixSubstringThenPinyin) {
  using List = std::vector<std::string>;
  const std::vector<std::pair<std::string_view, List>> cases = {
      {"股票",
       {"股票", "股票投资成本", "买股票", "购入股票", "购买股票", "出售股票对报表损益影响", "出售股票",
        "回购股票", "发行股票"}},
      {"gz", {"改造", "工资", "改造（小规模纳税人）"}},
      {"GZ", {"改造", "工资", "改造（小规模纳税人）"}},
      {"ｇｚ", {"改造", "工资", "改造（小规模纳税人）"}},
      {"mgp", {"买股票", "购买股票"}},
      {"gongzi", {"工资"}},
      {"gong zi", {"工资"}},
      {"gongz", {"工资"}},
      {"mai gu",
       {"买股票", "购买股票", "购买固定资产（不安装）", "购买固定资产（安装）", "长期购买固定资产"}},
      {"zhangqi", {}},
      {"购买原材料(完整)", {"购买原材料（完整）"}},
      {" 汇票", {"汇票", "商业汇票"}},
      {"", {}},
      {" \u3000\t", {}},
      {"股票x", {}},
  };
  for (const auto& [query, expected] : cases) EXPECT_EQ(Found(query), expected) << query;
  EXPECT_EQ(FindKeywords("mgp").front().entry->window, WindowId{"Form6"});
  EXPECT_EQ(FindKeywords("股票").front().kind, MatchKind::Exact);
  EXPECT_EQ(FindKeywords("gupiao").front().kind, MatchKind::PinyinExact);
  EXPECT_EQ(FindKeywords("gupiao")[1].kind, MatchKind::PinyinPrefix);
  EXPECT_EQ(FindKeywords("gupiao").back().kind, MatchKind::PinyinSubstring);
}

// Texts of one's own are found as keywords are: accounts by pinyin initials, pinyin, characters.
TEST(KeywordIndex, TextFinderFindsAccountsAsKeywords) {
  TextFinder finder({"银行存款", "应交税费-应交增值税（进）", "投资收益", "其他货币资金-银行汇票"});
  auto found = [&finder](std::string_view query) {
    std::vector<std::string> texts;
    for (size_t i : finder.find(query)) texts.push_back(finder.texts()[i]);
    return texts;
  };
  EXPECT_EQ(found("yhck"), std::vector<std::string>{"银行存款"});
  EXPECT_EQ(found("yjsf"), std::vector<std::string>{"应交税费-应交增值税（进）"});
  EXPECT_EQ(found("yh"), (std::vector<std::string>{"银行存款", "其他货币资金-银行汇票"}));
  EXPECT_EQ(found("touzi"), std::vector<std::string>{"投资收益"});
  EXPECT_EQ(found("增值税(进)"), std::vector<std::string>{"应交税费-应交增值税（进）"});
  EXPECT_TRUE(found("").empty());
}

}  // namespace
}  // namespace varnello
