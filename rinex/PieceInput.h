// The pieces of one receiver's day (hourly or 15-minute files) read as one
// input: the first piece whole, each later one after its own header, which
// must describe the records as the first one does.
#ifndef RINEX_PIECEINPUT_H
#define RINEX_PIECEINPUT_H

#include <memory>
#include <string>
#include <vector>

#include "rinex/ObsHeader.h"
#include "rinex/TextInput.h"

// Opens the pieces in the order given and reads the first piece's header
// into `head`; the input then stands after it, as ReadObsHeader leaves a
// single file.  A later piece whose header gives another RINEX version or
// other observation types is a fatal error naming it.  Lines keep the name
// and line numbers of the piece they come from.
std::unique_ptr<TextInput> OpenObservationPieces(const std::vector<std::string>& paths,
                                                 ObsHeader& head);

#endif
