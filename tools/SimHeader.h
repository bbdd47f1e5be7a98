// Header of a simulated single-difference file and the matching GLONASS
// frequency-channel file.
#ifndef TOOLS_SIMHEADER_H
#define TOOLS_SIMHEADER_H

#include <string>
#include <vector>

#include "tools/SimObservation.h"
#include "tools/SimSky.h"

// Appends the header, up to and including the end line that announces epoch
// records; the stations are placed from the scene's baseline.
void AppendHeader(std::string& text, const SimScene& scene, const std::vector<int>& types);

// Appends a channel file: comment lines, then for each GLONASS satellite an
// open-ended record valid from midnight of the first day. The first slot also
// gets an older, closed record with another channel, as after a change.
void AppendChannelFile(std::string& text, const std::vector<SimSatellite>& glonass, long firstMjd);

#endif
