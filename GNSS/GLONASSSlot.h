// The channel wavelengths of a GLONASS satellite, looked up safely in the
// slot tables of GLONASSc.
#ifndef GNSS_GLONASSSLOT_H
#define GNSS_GLONASSSLOT_H

// GLONASS satellites are numbered 100 + slot; the tables have one row per
// slot 1 to 32.  True, with the G1 and G2 wavelengths, only when the number
// names a row of the tables and that slot's channel has been set (both
// wavelengths above 0.01 m; an unset row holds 0).  Otherwise lamb1 and
// lamb2 are left as they were.
bool GLONASSSlotLamb(short sat, long double& lamb1, long double& lamb2);

#endif
