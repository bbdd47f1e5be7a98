// A satellite's name as every program of the system writes it: the system
// letter and the number within the system in at least two digits ("G05",
// "R24", "E11", "C12").
#ifndef GNSS_SATELLITENAME_H
#define GNSS_SATELLITENAME_H

#include <string>

// The name of number `number` within the system of `letter`.  A number of
// more than two digits, or a negative one, is written whole, as "%02ld"
// writes it ("G123", "G-5").
std::string SatName(char letter, long number);
// The name of a satellite number (100 * system place + number within it).
std::string SatName(short sat);

#endif
