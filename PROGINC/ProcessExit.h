// The single point where a fatal report ends the process.
#ifndef PROGINC_PROCESSEXIT_H
#define PROGINC_PROCESSEXIT_H

// Ends the process with `status` through the normal exit path (standard
// streams are flushed).  Every fatal reporter ends here; a harness that must
// survive fatal reports (a fuzzing target) links its own definition instead.
[[noreturn]] void EndProcess(int status);

#endif
