#include "core/practice/printed_accounts.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/practice/exercise.h"

namespace varnello {

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
