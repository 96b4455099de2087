#include "core/accounts/names.h"

#include <map>

namespace varnello {

namespace {

// The accounts of the chart published by the Ministry of Finance with the enterprise accounting
// standards: 《企业会计准则——应用指南》(财会〔2006〕18号) 附录 "会计科目和主要账务处理", with the
// later changes followed (6403 renamed by 财会〔2016〕22号, 6702 added), then the accounts of the
// current chart that the chart of 2006 lacks. A code is unique within each edition; the current
// chart may give an account the code of one it replaces (1501 债权投资 for 持有至到期投资).
// 4001 is 股本 in a company limited by shares, as the chart notes; both names lead to it.
constexpr AccountRow kAccounts[] = {
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
    // Measured at amortised cost; the current chart calls the account 债权投资 (企业会计准则第22号,
    // 财会〔2017〕7号).
    {"1501", "持有至到期投资", kChart2006, CodeSource::kStandard, "债权投资"},
    // Impairment of debt investments goes to a 债权投资减值准备 in the current chart.
    {"1502", "持有至到期投资减值准备", kChart2006},
    // Split in the current chart between 其他债权投资 and 其他权益工具投资 (财会〔2017〕7号): no one
    // current name.
    {"1503", "可供出售金融资产", kChart2006},
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
    // 营业税金及附加 until 财会〔2016〕22号 renamed it.
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
    // Not in the chart of 2006: added with the financial-instrument standards of 2017 (财会〔2018〕15号
    // statement formats); the code is the one commonly used.
    {"6702", "信用减值损失", kBothEditions, CodeSource::kConventional},
    {"6711", "营业外支出"},
    {"6801", "所得税费用"},
    {"6901", "以前年度损益调整"},

    // The current chart: accounts of the standards revised since 2017, with the codes commonly
    // given them (the Ministry of Finance has published no chart with codes since 2006). Not yet
    // booked with: the program books with the chart of 2006.
    // 企业会计准则第22号——金融工具确认和计量 (财会〔2017〕7号).
    {"1501", "债权投资", kChartCurrent, CodeSource::kConventional},
    {"1503", "其他债权投资", kChartCurrent, CodeSource::kConventional},
    {"1504", "其他权益工具投资", kChartCurrent, CodeSource::kConventional},
    // 企业会计准则第21号——租赁 (财会〔2018〕35号).
    {"1641", "使用权资产", kChartCurrent, CodeSource::kConventional},
    {"2503", "租赁负债", kChartCurrent, CodeSource::kConventional},
    // 企业会计准则第14号——收入 (财会〔2017〕22号).
    {"2205", "合同负债", kChartCurrent, CodeSource::kConventional},
    // 资产处置损益: 企业会计准则第42号 and the statement formats of 财会〔2017〕30号.
    {"6115", "资产处置损益", kChartCurrent, CodeSource::kConventional},
    // 其他收益: 企业会计准则第16号——政府补助 (财会〔2017〕15号).
    {"6117", "其他收益", kChartCurrent, CodeSource::kConventional},
};

// Other names of the accounts of the chart of 2006, as the windows print them and as students
// write them. Each name stands for one account; docs/accounts.md gives the reasons.
constexpr OtherName kOtherNames[] = {
    // Names of the 企业会计制度 (财会〔2000〕25号) and earlier, replaced in the chart of 2006.
    {"应交税金", "应交税费", "", NameKind::kEarlier},
    {"短期投资", "交易性金融资产", "", NameKind::kEarlier},
    {"长期债权投资", "持有至到期投资", "", NameKind::kEarlier},
    {"长期债券投资", "持有至到期投资", "", NameKind::kEarlier},
    {"其他业务支出", "其他业务成本", "", NameKind::kEarlier},
    {"应付利润", "应付股利", "", NameKind::kEarlier},
    {"应付工资", "应付职工薪酬", "", NameKind::kEarlier},
    {"应付福利费", "应付职工薪酬", "", NameKind::kEarlier},
    {"贷款减值准备", "贷款损失准备", "", NameKind::kEarlier},
    // Renamed by 财会〔2016〕22号.
    {"营业税金及附加", "税金及附加", "", NameKind::kEarlier},
    {"现金", "库存现金", "", NameKind::kColloquial},
    // 4001 实收资本: "股份有限公司一般应设置'股本'科目" (the chart's note to 4001).
    {"股本", "实收资本", "", NameKind::kColloquial},
    // Details printed without their account.
    {"应交增值税", "应交税费", "应交增值税", NameKind::kDetail},
    {"未分配利润", "利润分配", "未分配利润", NameKind::kDetail},
    {"未分配利润总", "利润分配", "未分配利润", NameKind::kDetail},
    // Goods let out for rent by a trading enterprise stay among its goods, in a detail of their own.
    {"出租商品", "库存商品", "出租商品", NameKind::kDetail},
    // Printed by the sale of an available-for-sale asset beside 可供出售金融资产-成本: the sale
    // takes out the asset's 成本 and 公允价值变动 details (应用指南 1503).
    {"公允价值变动", "可供出售金融资产", "公允价值变动", NameKind::kDetail},
    // The windows' own words.
    // Paid for a purchase of shares held for trading: the same window pays the same amount from
    // 银行存款 in its first entry, and a purchase is credited to what pays for it (应用指南 1101:
    // "按实际支付的金额，贷记'银行存款'等科目"); 2001 短期借款 is credited when a loan is
    // received, which no window books here.
    {"银行贷款", "银行存款", "", NameKind::kWindowWord},
    // Credited where an impairment loss of loans is recognised against 资产减值损失: the credit is
    // the allowance (应用指南 1304: "借记'资产减值损失'科目，贷记本科目").
    {"贷款减值损失", "贷款损失准备", "", NameKind::kWindowWord},
    // Out-of-town purchases of materials paid from 其他货币资金-外埠存款 (应用指南 1012: "借记'材料
    // 采购'、'原材料'、'库存商品'、'应交税费—应交增值税（进项税额）'等科目").
    {"材料费用", "原材料", "", NameKind::kWindowWord},
    // Workshop costs: managers' pay, auxiliary materials, depreciation and repair of machines, as
    // the window's caption lists them: the indirect costs of production (应用指南 5101 制造费用).
    {"其他费用", "制造费用", "", NameKind::kWindowWord},
    // The expenses a sundry payable (rent of leased assets and packaging) is accrued against.
    {"各种费用", "管理费用", "各种费用", NameKind::kWindowWord},
    // The input tax of raw materials taken for construction, transferred out: not deductible for
    // a use without output tax (增值税暂行条例 第十条; 实施细则 第二十三条), it joins the cost of the
    // construction, debited to 在建工程 with the materials, the tax credited to 应交税费——应交增值税
    // （进项税额转出） (应用指南 1604).
    {"增值税费用", "在建工程", "", NameKind::kWindowWord},
};

// Written forms of details, as the windows shorten them and students write them.
constexpr DetailForm kDetailForms[] = {
    // The VAT details (应用指南 2221 应交税费: 进项税额, 销项税额, 转出未交增值税 …).
    {"应交增值税", "进", "进项税额"},
    {"应交增值税", "进项", "进项税额"},
    {"应交增值税", "销", "销项税额"},
    {"应交增值税", "销项", "销项税额"},
    {"应交增值税", "转出未交", "转出未交增值税"},
    // Taxes payable as the windows shorten them.
    {"应交税费", "消费税", "应交消费税"},
    {"应交税费", "城建税", "应交城市维护建设税"},
    {"应交税费", "房产税", "应交房产税"},
    {"应交税费", "车船税", "应交车船税"},
    {"应交税费", "资源税", "应交资源税"},
    {"应交税费", "教育费附加", "应交教育费附加"},
    {"应交税费", "应交个税", "应交个人所得税"},
    {"应交税费", "代扣个人所得税", "应交个人所得税"},
    {"应交税费", "代扣代缴个人所得税", "应交个人所得税"},
};

}  // namespace

std::span<const AccountRow> AccountRows() {
  return kAccounts;
}

std::span<const OtherName> OtherNames() {
  return kOtherNames;
}

std::span<const DetailForm> DetailForms() {
  return kDetailForms;
}

std::optional<NameMeaning> MeaningOf(std::string_view name) {
  static const std::map<std::string_view, NameMeaning, std::less<>> meanings = [] {
    std::map<std::string_view, NameMeaning, std::less<>> m;
    for (const AccountRow& row : kAccounts) {
      if (row.editions & kChart2006) m.emplace(row.name, NameMeaning{row.name, ""});
    }
    for (const OtherName& other : kOtherNames)
      m.emplace(other.name, NameMeaning{other.account, other.detail});
    return m;
  }();
  if (auto it = meanings.find(name); it != meanings.end()) return it->second;
  return std::nullopt;
}

}  // namespace varnello
