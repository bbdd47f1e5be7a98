// The epoch-differenced L4 (the ionosphere's rate, per epoch): each value of
// a satellite's L4 less its previous one, where no gap lies between them.
// A slip stands out as a spike however the ionosphere drifts.
#ifndef REPORT_L4RATECOLLECTOR_H
#define REPORT_L4RATECOLLECTOR_H

#include <string>
#include <unordered_map>
#include <vector>

#include "report/PlotCollector.h"

class L4RateCollector : public ListingConsumer {
 public:
  L4RateCollector() : plots_(false) {}

  void Begin(const ListingSettings& settings, const ListingColumns& columns) override;
  void Row(const ListingRow& row, const RowTime& time) override;
  void EndOfBlock() override {}
  void Finish() override {}

  bool HasL4() const { return column_ >= 0; }
  // Satellites in the order of their first row, as the statistics number them.
  const std::vector<std::string>& Names() const { return names_; }
  PlotSegments Segments(std::size_t satellite) const { return plots_.Segments(satellite, 0); }
  double FirstSeconds() const { return plots_.FirstSeconds(); }
  double LastSeconds() const { return plots_.LastSeconds(); }

 private:
  struct Previous {
    bool present = false;
    double seconds = 0;
    double value = 0;
  };

  long column_ = -1;  // the L4 column
  PlotCollector plots_;
  std::vector<std::string> names_;
  std::unordered_map<std::string, std::size_t> index_;
  std::vector<Previous> previous_;
};

#endif
