// The listing's row layouts.
#include "catalogue/RowLayouts.h"

#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "GNSS/mjd.h"
#include "GNSS/ymdhms.h"
#include "catalogue/ListingLayout.h"

void SetRowLayouts() {
  ymdhmsns::PrintType = ymdhmsns::NORINEX;
  ymdhmsns::PrintFormat = ymdhmsns::YMDHMS;
  ymdhmsns::NDecSecond = 1;
  mjdns::PrintFormat = mjdns::MJDSEC;
  mjdns::NDecSecond = 1;
  gnssobsns::PrintType = gnssobsns::NOLLISSI;
  gnssobsshortns::PrintType = gnssobsshortns::NOLLISSI;
  gnssobsns::Width = kValueWidth;
  gnssobsshortns::Width = kValueWidth;
}
