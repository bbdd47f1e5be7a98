// Differencing L4 from epoch to epoch.
#include "report/L4RateCollector.h"

void L4RateCollector::Begin(const ListingSettings& settings, const ListingColumns& columns) {
  column_ = -1;
  for (std::size_t k = 0; k < columns.labels.size(); k++)
    if (columns.labels[k] == "L4") column_ = static_cast<long>(k);
  ListingColumns one;
  one.labels.emplace_back("dL4");
  plots_.Begin(settings, one);
}

void L4RateCollector::Row(const ListingRow& row, const RowTime& time) {
  plots_.Row(row, time);
  const std::string name(row.satellite);
  auto found = index_.find(name);
  if (found == index_.end()) {
    found = index_.emplace(name, names_.size()).first;
    names_.push_back(name);
    previous_.emplace_back();
  }
  if (column_ < 0) return;
  const ListingValue& value = row.values[static_cast<std::size_t>(column_)];
  Previous& previous = previous_[found->second];
  if (value.present && previous.present && time.seconds > previous.seconds &&
      time.seconds - previous.seconds <= time.gapLimit)
    plots_.ArcValue(found->second, 0, 0, time.seconds, value.value - previous.value);
  previous = Previous{value.present, time.seconds, value.value};
}
