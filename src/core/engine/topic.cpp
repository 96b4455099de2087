#include "core/engine/topic.h"

#include <algorithm>

namespace varnello {

const TopicDesc* FindTopic(WindowId id) {
  std::span<const TopicDesc* const> all = AllTopics();
  auto it = std::lower_bound(all.begin(), all.end(), id,
                             [](const TopicDesc* d, WindowId wanted) { return d->id < wanted; });
  return it != all.end() && (*it)->id == id ? *it : nullptr;
}

std::vector<const Item*> FieldsOf(const TopicDesc& desc) {
  std::vector<const Item*> fields;
  for (const auto& column : desc.columns) {
    for (const Item& item : column) {
      if (item.field != 0) fields.push_back(&item);
    }
  }
  return fields;
}

bool HasField(const TopicDesc& desc, int n) {
  for (const Item* f : FieldsOf(desc)) {
    if (f->field == n) return true;
  }
  return false;
}

std::optional<FaultKind> RunPress(const TopicDesc& desc, const FieldSource& fields, JournalSink& out) {
  Press press(fields, out);
  try {
    desc.press(press);
  } catch (const Fault& fault) {
    return fault.kind;
  }
  return std::nullopt;
}

PressOutcome PressFresh(const TopicDesc& desc, const std::map<int, std::string>& texts) {
  OutputBuffer out;
  FieldSource source = [&texts](int n) {
    auto it = texts.find(n);
    return it == texts.end() ? std::string() : it->second;
  };
  PressOutcome outcome;
  outcome.fault = RunPress(desc, source, out);
  outcome.lines = out.lines();
  return outcome;
}

}  // namespace varnello
