// The report's decimal text of a value: a fixed number of decimals, as the
// statistics table, the page and the plots' scales write their numbers.
#ifndef REPORT_FIXEDTEXT_H
#define REPORT_FIXEDTEXT_H

#include <string>

// The value with the given number of decimals ("%.*f").
std::string FixedText(double value, int decimals);

#endif
