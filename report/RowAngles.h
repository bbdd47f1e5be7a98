// Where the satellite of the row being handed to the consumers stands in the
// base's sky, for the consumers that use it (the statistics' elevation mask,
// the CSV's last columns).  The report's geometry sets it before the others
// see the row.
#ifndef REPORT_ROWANGLES_H
#define REPORT_ROWANGLES_H

class RowAngles {
 public:
  virtual ~RowAngles() = default;
  // Whether any angle can be known (orbits and a station position given).
  virtual bool Available() const = 0;
  // The angles of the current row, in degrees; false when not known.
  virtual bool Current(double& elevation, double& azimuth) const = 0;
};

#endif
