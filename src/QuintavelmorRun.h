// One run of the program: the five objects and the fixed sequence over them.
#ifndef SRC_QUINTAVELMORRUN_H
#define SRC_QUINTAVELMORRUN_H

// Builds the header, the epoch records, the loader, the GLONASS channel table
// and the driver, runs the command line, loading, settings report and listing
// (the last four only while the run flag is set) and the closing banner, and
// returns the exit status 0.  Fatal errors end the process on the way.
int RunQuintavelmor(int nargc, const char** cargv);

#endif
