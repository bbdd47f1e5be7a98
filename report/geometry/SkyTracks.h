// The report's satellite geometry: elevation and azimuth of every row's
// satellite at the base station, from navigation or precise orbit files,
// computed every 30 s of each satellite and linearly between; each
// satellite's elevation range and its track across the sky (a point a
// minute), and why there is no geometry when there is none.
#ifndef REPORT_GEOMETRY_SKYTRACKS_H
#define REPORT_GEOMETRY_SKYTRACKS_H

#include <string>
#include <unordered_map>
#include <vector>

#include "GNSS/xyz.h"
#include "orbit/SatelliteGeometry.h"
#include "report/ListingReader.h"
#include "report/RowAngles.h"
#include "report/SkyView.h"
#include "report/StatisticsReport.h"

class SkyTracks : public ListingConsumer, public RowAngles {
 public:
  // Orbits from these files (none: no geometry).
  SkyTracks(const std::vector<std::string>& navigationFiles,
            const std::vector<std::string>& preciseFiles);

  void Begin(const ListingSettings& settings, const ListingColumns& columns) override;
  void Row(const ListingRow& row, const RowTime& time) override;
  void EndOfBlock() override {}
  void Finish() override {}

  bool Available() const override { return missing_.empty(); }
  bool Current(double& elevation, double& azimuth) const override;

  // What the page shows: the tracks, the slips and outliers of the
  // statistics where they happened, the mask, and why there is no geometry
  // when there is none.
  SkyView View(const StatisticsCollector& statistics, double elevationMask) const;

 private:
  // A satellite's angles at a grid time, computed once.
  struct GridAngles {
    double seconds = -1;
    bool known = false;
    double elevation = 0;
    double azimuth = 0;
  };
  struct Satellite {
    short number = 0;
    GridAngles before, after;
  };

  GridAngles Compute(short sat, double gpsSeconds) const;
  std::size_t IndexOf(std::string_view name);

  SatelliteGeometry geometry_;
  xyz station_;
  bool anyRow_ = false;
  double gpsOffset_ = 0;  // GPS seconds of a row less its seconds since the first day
  std::string missing_;
  bool currentKnown_ = false;
  double currentElevation_ = 0;
  double currentAzimuth_ = 0;
  std::vector<SkyTrack> tracks_;
  std::vector<Satellite> satellites_;
  std::unordered_map<std::string, std::size_t> index_;
};

#endif
