// What a RINEX file's header says of its station and day.  A file the input
// layer can not read does not end the network run: the input layer's message
// comes back as the reason.
#ifndef NETWORK_HEADERPROBE_H
#define NETWORK_HEADERPROBE_H

#include <string>

struct HeaderFacts {
  bool readable = false;
  std::string problem;  // why not, when the file is not readable ("line 3: ...")
  char fileType = ' ';  // 'O' observations, 'N' navigation (any system)
  std::string marker;   // MARKER NAME, without the blanks around it
  int year = 0;         // TIME OF FIRST OBS; 0 when the header gives no valid date
  int dayOfYear = 0;
  int startMinute = 0;
  double position[3] = {0, 0, 0};  // APPROX POSITION XYZ, metres
};

HeaderFacts ProbeHeader(const std::string& path);

#endif
