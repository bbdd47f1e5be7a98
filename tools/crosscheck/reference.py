#!/usr/bin/env python3
"""Independent reference of what Quintavelmor writes for a command line.

    python3 tools/crosscheck/reference.py ARGS...

behaves like `Quintavelmor ARGS...`: the same bytes on standard output and
standard error and the same exit status.  Written from the program's
documented behaviour alone, in plain Python; the arithmetic of the program's
80-bit long double is emulated exactly (see ldmath.py).

Settings for the points the program settles itself are collected in CHOICES.
"""
import math
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ldmath as L  # noqa: E402

PROG = 'Quintavelmor'

# Points the program settles itself, followed here by default (README.md of
# this folder); each can be switched by an environment variable.
CHOICES = {
    # satellites numbered 300 and above: 'beidou' lists 300-399 under the
    # letter C when BeiDou is selected (values that need no constellation
    # constants, the others absent) and skips 400 and above; 'skip' skips
    # them all like a deselected constellation
    'sat300': os.environ.get('XC_SAT300', 'beidou'),
    # catalogue codes of types whose values are not kept (S1, D5, C6, ...):
    # 'absent' writes the absent field, 'nothing' writes no field
    'unkept': os.environ.get('XC_UNKEPT', 'absent'),
    # rows of difference level 2 and 3 files: 'dashes' writes "  ---" under
    # the RSAT title, 'nothing' writes no field
    'rsat': os.environ.get('XC_RSAT', 'dashes'),
    # 'mended': a file without epochs is reported as such, a GLONASS slot
    # outside 1 to 32 is warned about and skipped, a series the file does not
    # carry reads as absent, header groups of no known type are left out of
    # the default list, Galileo is listed only when selected, a GLONASS
    # satellite without a channel is warned about and skipped, a date option
    # without digits in its columns is refused, an observation list without
    # entries and a satellite list entry that is no satellite name are
    # refused, text after the last ":" of the list is warned about, the
    # satellite list reads C as BeiDou and letters in either case, a window
    # without an epoch of the file is warned about, a date of the channel
    # file out of range is reported with its line; 'literal': the
    # container's range errors and the other documented behaviour
    'faults': os.environ.get('XC_FAULTS', 'mended'),
}
MENDED = CHOICES['faults'] == 'mended'
UNKEPT_CODES = {6, 7, 12, 13, 14, 15, 16, 17, 20, 21, 24, 25}

exec(open(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                       'help_text.py'), encoding='ascii').read())


class Exit(Exception):
    def __init__(self, status):
        Exception.__init__(self)
        self.status = status


class Stream:
    """An output stream with the bits of iostream state that matter."""

    def __init__(self):
        self.parts = []
        self.fixed = False
        self.prec = 6
        self.fill = ' '

    def w(self, s):
        self.parts.append(s)

    def endl(self):
        self.parts.append('\n')

    def num_ld(self, x, width=0):
        """A long double (tuple) or a Python float (non-finite) with the
        stream's notation and precision."""
        if isinstance(x, float):
            txt = L.fmt_nonfinite(x)
        elif self.fixed:
            txt = L.fixed(x, self.prec)
        else:
            txt = L.general(x, self.prec)
        self.w(self.pad(txt, width))

    def pad(self, txt, width):
        if len(txt) < width:
            return self.fill * (width - len(txt)) + txt
        return txt

    def data(self):
        return ''.join(self.parts).encode('latin-1')


cout = Stream()
cerr = Stream()


# ---------------------------------------------------------------- C helpers

DIGITS = '0123456789'

_FLOAT_RE = re.compile(
    r'[ \t\n\v\f\r]*([+-]?)('
    r'0[xX](?:[0-9a-fA-F]+\.?[0-9a-fA-F]*|\.[0-9a-fA-F]+)(?:[pP][+-]?[0-9]+)?'
    r'|(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?'
    r'|[iI][nN][fF](?:[iI][nN][iI][tT][yY])?'
    r'|[nN][aA][nN](?:\([0-9A-Za-z_]*\))?)')
_INT_RE = re.compile(r'[ \t\n\v\f\r]*([+-]?[0-9]+)')


def atof(s):
    """strtod of the longest valid prefix; 0.0 when there is none."""
    m = _FLOAT_RE.match(s)
    if not m:
        return 0.0
    sign, body = m.group(1), m.group(2)
    low = body.lower()
    if low.startswith('0x'):
        if '.' not in low and 'p' not in low:
            v = float(int(low, 16))
        else:
            if 'p' not in low:
                low += 'p0'
            v = float.fromhex(low)
    elif low.startswith('nan'):
        v = float('nan')
    else:
        try:
            v = float(body)
        except OverflowError:
            v = float('inf')
    return -v if sign == '-' else v


_DEC_RE = re.compile(r'[ \t\n\v\f\r]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)'
                     r'(?:[eE][+-]?[0-9]+)?)')


def field_real(s):
    """A value field of a satellite line: decimal numbers only (no inf, nan
    or hexadecimal forms), 0 when out of the double range."""
    m = _DEC_RE.match(s)
    if not m:
        return 0.0
    v = float(m.group(1))
    return v if math.isfinite(v) else 0.0


def atoi(s):
    m = _INT_RE.match(s)
    if not m:
        return 0
    v = int(m.group(1))
    v &= 0xFFFFFFFF
    return v - (1 << 32) if v >= 1 << 31 else v


def to_float32(f):
    """(float) of a double."""
    if math.isnan(f) or math.isinf(f) or f == 0:
        return f
    x = L.from_float(f)
    m, e = L.rnd(x, L.FLT_BITS)
    v = math.ldexp(float(m), e)
    if abs(v) > 3.4028234663852886e38:
        return math.copysign(float('inf'), v)
    return v


def short(v):
    v &= 0xFFFF
    return v - 0x10000 if v >= 0x8000 else v


def ushort(v):
    return v & 0xFFFF


def tdiv(a, b):
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q


def tmod(a, b):
    return a - b * tdiv(a, b)


def file_readable(name):
    if name == '':
        return False
    try:
        with open(name, 'rb'):
            return True
    except OSError:
        return False


def read_lines(name, with_end=False):
    """Lines as getline gives them (a final line without a line end counts);
    with_end: also whether the last line had its line end."""
    with open(name, 'rb') as f:
        data = f.read().decode('latin-1')
    lines = data.split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    if with_end:
        return lines, data.endswith('\n') or data == ''
    return lines


# ------------------------------------------------------------- reporters

STARS = '*' * 60


def program_error(msg):
    cerr.endl()
    cerr.w('**** %s: Error -> %s ****\n' % (PROG, msg))
    cerr.w('     Exiting %s ... \n' % PROG)
    cerr.endl()
    raise Exit(1)


def program_warning(msg):
    cerr.endl()
    cerr.w('#### %s: Warning -> %s ####\n' % (PROG, msg))
    cerr.w('     Continuing %s ... \n' % PROG)
    cerr.endl()


def class_error(cls, msg):
    cout.endl()
    cout.w('**** %s: Error -> %s ****\n' % (cls, msg))
    cout.w('     Exiting class %s ... \n' % cls)
    raise Exit(1)


def _w5(n):
    return '%5d' % n


def matrix_not_set(r, c):
    cout.w('\n' + STARS + '\nMATRIX::ERROR:\n')
    cout.w('\n\tOperator:   ()\nMatrix is not set: ')
    cout.w(' [' + _w5(r) + ',' + _w5(c) + ']\n\n')
    cout.w(STARS + '\nExiting program...\n\n')
    raise Exit(1)


def matrix_range(what, i, r):
    cout.w('\n' + STARS + '\nMATRIX::ERROR:\n')
    cout.w('\n\tOperator:   ()\n%s not in range: ' % what)
    cout.w(_w5(i) + ' -> [' + _w5(0) + ',' + _w5(r) + ']\n\n')
    cout.w(STARS + '\nExiting program...\n\n')
    raise Exit(1)


class Column:
    """A one-column matrix of values with the container's index checks."""

    def __init__(self, values=None):
        self.v = values if values is not None else []

    def __call__(self, i):
        n = len(self.v)
        if n == 0:
            matrix_not_set(0, 0)
        if i < 0 or i >= n:
            matrix_range('Matrix index', i, n - 1)
        return self.v[i]


def table_row_check(row, nrow):
    if row < 0 or row >= nrow:
        matrix_range('Row index', row, nrow - 1)


# ------------------------------------------------------------------ time

ONE_E_10 = 1e-10
MONTH_DAY = [[0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365],
             [0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366]]


def leap_year(y):
    return 1 if (y > 0 and y % 4 == 0 and (y % 100 != 0 or y % 400 == 0)) else 0


def month_len(y, m):
    if m in (1, 3, 5, 7, 8, 10, 12):
        return 31
    if m in (4, 6, 9, 11):
        return 30
    return 29 if leap_year(y) else 28


def sec_ok(s):
    """0 <= s < 60 on a long double."""
    return not L.lt(s, L.ZERO) and L.lt(s, L.from_int(60))


def ymdhms_check(y, mo, d, h, mi, s):
    if not (1901 <= y <= 2199):
        class_error('ymdhms', 'YEAR not valid')
    if not (1 <= mo <= 12):
        class_error('ymdhms', 'MONTH not valid')
    if not (1 <= d <= month_len(y, mo)):
        class_error('ymdhms', 'DAY not valid')
    if not (0 <= h <= 23):
        class_error('ymdhms', 'HOUR not valid')
    if not (0 <= mi <= 59):
        class_error('ymdhms', 'MINUTE not valid')
    if not sec_ok(s):
        class_error('ymdhms', 'SECOND not valid')


def mjd_check(day, sec):
    if day > 199999:
        class_error('mjd', 'MJDAY not valid')
    if L.lt(sec, L.ZERO) or not L.lt(sec, L.from_int(86400)):
        class_error('mjd', 'SECOND not valid')


def sec2hms(s):
    t = L.div(s, L.from_int(3600))
    h = L.floorl(t)
    x = L.mul(L.sub(t, h), L.from_int(60))
    m = L.floorl(x)
    sec = L.mul(L.sub(x, m), L.from_int(60))
    hi = L.to_int_trunc(h)
    mi = L.to_int_trunc(m)
    if L.abs_lt_float(L.sub(sec, L.from_int(60)), ONE_E_10):
        sec = L.ZERO
        mi += 1
        if mi == 60:
            mi = 0
            hi += 1
    return hi, mi, sec


def ymdhms2mjd(y, mo, d, h, mi, s):
    doy = MONTH_DAY[leap_year(y)][mo - 1] + d
    yy = y - 1901
    day = doy + tdiv(yy, 4) * 1461 + tmod(yy, 4) * 365 + 15384
    sod = L.add(L.add(s, L.from_int(mi * 60)), L.from_int(h * 3600))
    if L.abs_lt_float(L.sub(sod, L.from_int(86400)), ONE_E_10):
        sod = L.ZERO
        day += 1
    day &= 0xFFFFFFFF
    mjd_check(day, sod)
    return (day, sod)


def mjd2ymdhms(ep):
    day, sod = ep
    if MENDED and sec2hms(sod)[0] >= 24:
        # seconds within 1e-10 of midnight: the next day at 00:00:00
        day, sod = day + 1, L.ZERO
    D = day - 15385
    q = tdiv(D, 1461)
    r = D - 1461 * q
    f = tdiv(r, 365) - tdiv(r, 1460)
    year = 1901 + 4 * q + f
    doy = r - 365 * f + 1
    h, mi, sec = sec2hms(sod)
    lp = leap_year(year)
    guess = int(doy * 0.032)
    more = 1 if doy - MONTH_DAY[lp][guess + 1] > 0 else 0
    month = guess + more + 1
    dd = doy - MONTH_DAY[lp][guess + more]
    year, month, dd, h, mi = (ushort(year), ushort(month), ushort(dd),
                              ushort(h), ushort(mi))
    ymdhms_check(year, month, dd, h, mi, sec)
    return (year, month, dd, h, mi, sec)


def print_ymdhms(st, dt, ndec):
    """NORINEX / YMDHMS layout; leaves the stream fixed with precision ndec."""
    y, mo, d, h, mi, s = dt
    st.w('%5d-%02d-%02d %02d:%02d:' % (y, mo, d, h, mi))
    if ndec == 0:
        txt = L.fixed(s, 0)
        st.w(txt.rjust(2, '0'))
    else:
        txt = L.fixed(s, ndec)
        st.w(txt.rjust(ndec + 3, '0'))
    st.fixed = True
    st.prec = ndec
    st.fill = ' '


def print_mjd(st, ep, ndec):
    """MJDSEC layout; leaves the stream fixed with precision ndec."""
    day, sod = ep
    st.w('%6d' % day)
    st.w(L.fixed(sod, ndec).rjust(ndec + 7))
    st.fixed = True
    st.prec = ndec
    st.fill = ' '


def mjd_lt(a, b):
    return a[0] < b[0] or (a[0] == b[0] and L.lt(a[1], b[1]))


def mjd_gt(a, b):
    return a[0] > b[0] or (a[0] == b[0] and L.gt(a[1], b[1]))


def mjd_le(a, b):
    if a[0] != b[0]:
        return a[0] < b[0]
    return L.lt(L.sub(a[1], b[1]), L.from_float(1e-14))


def mjd_diff(a, b):
    dd = a[0] - b[0]
    return L.add(L.mul(L.from_int(dd), L.from_int(86400)), L.sub(a[1], b[1])) \
        if dd >= 0 else \
        L.sub(L.sub(a[1], b[1]), L.mul(L.from_int(-dd), L.from_int(86400)))


# ------------------------------------------------------------- constants

D = L.from_dec
GPS = dict(lamb1=D('0.19029367279836488099'), lamb2=D('0.24421021342456826394'),
           lamb5=D('0.25482804879085384063'),
           LCion1=D('2.5457277801631601477'), LCion2=D('1.5457277801631601477'),
           LCwl1=D('4.5294117647058822484'), LCwl2=D('3.5294117647058822484'),
           LCnl1=D('0.56204379562043793594'), LCnl2=D('0.43795620437956206406'),
           alpha=D('1.6469444444444447662'))
GLN = dict(LCion1=D('2.53125'), LCion2=D('1.53125'), LCwl1=D('4.5'),
           LCwl2=D('3.5'), LCnl1=D('0.5625'), LCnl2=D('0.4375'),
           alpha=D('1.6530612244897959773'))
GAL = dict(lamb1=D('0.19029367279836488099'), lamb2=D('0.24834936958430670909'),
           lamb5=D('0.25482804879085384063'), lamb8=D('0.25154700095234499289'),
           LCion1=D('2.421977124183006147'), LCion2=D('1.4219771241830065911'),
           LCwl1=D('4.277777777777777679'), LCwl2=D('3.277777777777777679'),
           LCnl1=D('0.56617647058823528106'), LCnl2=D('0.43382352941176471894'),
           alpha=D('1.7032461936225224974'))
C_LIGHT = L.from_int(299792458)
ONE = L.from_int(1)
TWO = L.from_int(2)

# GLONASS G1/G2 wavelength table, 32 slots; 0 until a channel is set
GLN_LAMB = [[L.ZERO, L.ZERO] for _ in range(32)]


def gln_set_frequency(k, row):
    table_row_check(row, 32)
    f1 = L.add(L.mul(k, L.from_int(562500)), L.from_int(1602000000))
    f2 = L.add(L.mul(k, L.from_int(437500)), L.from_int(1246000000))
    GLN_LAMB[row][0] = L.div(C_LIGHT, f1)
    GLN_LAMB[row][1] = L.div(C_LIGHT, f2)


# ------------------------------------------------------- observation values
# A gnssobs value is its long double (indicators are never printed here).

def is_null(x):
    return L.abs_lt_float(x, 0.0001)


def o_sub(a, b):
    if is_null(a) or is_null(b):
        return L.ZERO
    return L.sub(a, b)


def o_add(a, b):
    if is_null(a) or is_null(b):
        return L.ZERO
    return L.add(a, b)


def print_gnssobs(st, x):
    st.fixed = True
    if L.abs_gt_float(x, 0.00001):
        st.prec = 3
        st.w(L.fixed(x, 3).rjust(16, st.fill))
    else:
        st.w('*.***'.rjust(16, st.fill))


def print_gnssobsshort(st, x):
    st.fixed = True
    if L.abs_gt_float(x, 0.00001):
        st.prec = 3
        st.w(L.fixed(x, 3).rjust(16, st.fill))
    else:
        st.w(L.fixed(L.ZERO, st.prec).rjust(16, st.fill))


# ------------------------------------------------------------- catalogue

TYPE_NAMES = ['C1', 'P1', 'P2', 'L1', 'L2', 'C2', 'S1', 'S2', 'D1', 'D2',
              'C5', 'L5', 'D5', 'S5', 'C6', 'L6', 'D6', 'S6', 'C7', 'L7',
              'D7', 'S7', 'C8', 'L8', 'D8', 'S8']
LABELS = TYPE_NAMES + ['L4', 'P4[P]', 'P4[C]', 'L3', 'P3[C]', 'P3[P]',
                       'WL[L]', 'WL[P]', 'WL[C]', 'MW[C]', 'MW[P]', 'MP1[P]',
                       'MP1[C]', 'MP2', 'C1-L1', 'P1-L1', 'P2-L2', 'P1-C1',
                       'P2-C2']
LIST_NAMES = {n: i for i, n in enumerate(TYPE_NAMES)}
LIST_NAMES.update({'L4': 26, 'Pp4': 27, 'Pc4': 28, 'P4': 28, 'L3': 29,
                   'Pc3': 30, 'P3': 30, 'Pp3': 31, 'WL': 32, 'WLL': 32,
                   'WLP': 33, 'WLC': 34, 'MW': 35, 'MWc': 35, 'MWp': 36,
                   'MP1': 37, 'MC1': 38, 'MP2': 39, 'CL1': 40, 'PL1': 41,
                   'PL2': 42, 'PC1': 43, 'PC2': 44})
KEPT = {'C1', 'P1', 'P2', 'L1', 'L2', 'C2', 'D1', 'D2', 'C5', 'L5', 'C7',
        'L7', 'C8', 'L8'}
UNKNOWN_TYPE = -1


def label_of(code):
    if 0 <= code <= 44:
        return LABELS[code]
    return ''


# ------------------------------------------------------------ the data

class Header:
    def __init__(self):
        self.nobs = 0
        self.obs = []
        self.diff_level = 1
        self.has_obs = False
        self.flags = [False] * 26

    def flag(self, name):
        return self.flags[TYPE_NAMES.index(name)]


class Data:
    def __init__(self):
        self.neph = 0
        self.nobs = 0
        self.epoch = []      # (day, sec)
        self.nsat = []
        self.sat = []
        self.series = {}     # name -> list of long doubles
        self.sat_list = []


def parse_obs_types(h, line):
    n = atoi(line[17:]) if len(line) > 17 else 0
    h.nobs = short(n)
    h.obs = []
    for i in range(max(h.nobs, 0)):
        grp = line[21 + 3 * i:24 + 3 * i]
        code = UNKNOWN_TYPE
        for c, name in enumerate(TYPE_NAMES):
            if (' ' + name) in grp:
                code = c
                break
        if code != UNKNOWN_TYPE:
            h.flags[code] = True
        h.obs.append(code)


def read_header(lines):
    """Returns (header, index of the first line after the end line)."""
    h = Header()
    first = lines[0][:254] if lines else ''
    if not any(w in first for w in ('SINGLE_DIFFERENCES', 'DOUBLE_DIFFERENCES',
                                     'TRIPLE_DIFFERENCES')):
        program_error('OBSERVATION DIFFERENCE FILE IS NOT IN VALID FORMAT '
                      '[1. LINE: [SINGLE|DOUBLE|TRIPLE]_DIFFERENCES]!')
    i = 1
    labels = ['END OF HEADER', 'MARKER NAME', 'MARKER NUMBER', 'RECEIVER TYPE',
              'ANTENNA TYPE', 'ANTENNA SERIAL', 'XYZ POSITION', 'DELTA N/E/U',
              '# & TYPES OF OBS', 'DIFFERENCE LEVEL']
    while i < len(lines):
        line = lines[i]
        i += 1
        kind = next((lab for lab in labels if lab in line), None)
        if kind == 'END OF HEADER':
            if len(line) > 14 and line[14] == '1':
                h.has_obs = True
            return h, i
        if kind == '# & TYPES OF OBS':
            parse_obs_types(h, line)
        elif kind == 'DIFFERENCE LEVEL':
            h.diff_level = short(atoi(line[17:]) if len(line) > 17 else 0)
    return h, i


def is_blank(line):
    return all(ch in ' \t\r' for ch in line)


def count_records(lines):
    """First pass: epochs and satellite lines after the end line."""
    i = 0
    last = ''
    while i < len(lines):
        last = lines[i]
        i += 1
        if 'END OF HEADER' in last:
            break
    if not (len(last) > 14 and last[14] == '1'):
        return 0, 0
    nep = nobs = 0
    while i < len(lines):
        if MENDED and is_blank(lines[i]):
            i += 1
            continue
        n = atoi(lines[i])
        i += 1
        nep += 1
        nobs += n
        i += max(n, 0)
    return nep, nobs


_EPOCH_RE = re.compile(r'\s*([+-]?\d+)')


def scan_epoch_line(line):
    """sscanf("%d %d %lf %lf %lf %lf"); unread fields stay 0."""
    vals = [0, 0, 0.0, 0.0, 0.0, 0.0]
    pos = 0
    for k in range(6):
        rest = line[pos:]
        if k < 2:
            m = _INT_RE.match(rest)
            if not m:
                break
            vals[k] = atoi(m.group(1))
            pos += m.end()
        else:
            m = _FLOAT_RE.match(rest)
            if not m:
                break
            vals[k] = atof(m.group(0))
            pos += m.end()
    return vals


def cut_epoch_line(lines):
    """Number of a last epoch line without its line end (0 if none): the
    program drops it as cut off."""
    i = 0
    while i < len(lines):
        i += 1
        if 'END OF HEADER' in lines[i - 1]:
            break
    last = len(lines) - 1
    while i < len(lines):
        if is_blank(lines[i]):
            i += 1
            continue
        if i == last:
            return i + 1
        n = atoi(lines[i])
        i += 1 + max(n, 0)
    return 0


def load_file(name):
    lines, ended = read_lines(name, with_end=True)
    cut = cut_epoch_line(lines) if MENDED and not ended else 0
    if cut:
        lines = lines[:-1]
    nep, nobs = count_records(lines)
    h, i = read_header(lines)
    d = Data()
    d.neph, d.nobs = nep, nobs
    if not h.has_obs:
        return h, d
    names = [TYPE_NAMES[c] if 0 <= c < 26 else None for c in h.obs]
    for nm in names:
        if nm in KEPT and nobs:
            d.series[nm] = [L.ZERO] * nobs
    present = [False] * 700
    rec = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if MENDED and is_blank(line):
            continue
        vals = scan_epoch_line(line) if h.diff_level == 1 else \
            scan_epoch_line(line)
        ns = short(vals[0])
        d.nsat.append(ns)
        d.epoch.append((vals[1] & 0xFFFFFFFF, L.from_float(vals[2])))
        for _ in range(max(ns, 0)):
            sl = lines[i] if i < len(lines) else ''
            i += 1
            sn = short(atoi(sl[:3] if MENDED else sl))
            d.sat.append(sn)
            if 0 <= sn < 700:
                present[sn] = True
            for k, nm in enumerate(names):
                if nm in d.series:
                    off = 3 + 17 * k
                    v = (field_real(sl[off:off + 17]) if MENDED else
                         atof(sl[off:])) if off < len(sl) else 0.0
                    d.series[nm][rec] = L.from_float(v)
            rec += 1
    d.sat_list = [n for n in range(1, 700) if present[n]]
    if cut:
        program_warning('SINGLE DIFFERENCES FILE, LINE %d: LAST LINE IS CUT '
                        'OFF AND IS NOT READ' % cut)
    for k in range(1, len(d.epoch)):
        dd = mjd_diff(d.epoch[k], d.epoch[k - 1])
        if L.lt(dd, L.ZERO):
            program_error('PROBLEMS WITH CONSECUTIVE EPOCHS IN SINGLE '
                          'DIFFERENCES FILE (eph(i) < eph(i-1))')
    return h, d


# --------------------------------------------------- GLONASS channel file

LAST_EPH = (88068, L.from_int(86399))


def first_invalid_field(y, mo, dd, hh, mi, s):
    for bad, name in ((not 1901 <= y <= 2199, 'YEAR'),
                      (not 1 <= mo <= 12, 'MONTH'),
                      (not (1 <= mo <= 12 and 1 <= dd <= month_len(y, mo)),
                       'DAY'),
                      (hh > 23, 'HOUR'), (mi > 59, 'MINUTE'),
                      (not sec_ok(s), 'SECOND')):
        if bad:
            return name
    return None


def date_field(v):
    """An unsigned 16-bit date field; mended, a number that does not fit
    is refused rather than wrapped round."""
    if MENDED and not 0 <= v <= 65535:
        return 65535
    return ushort(v)


def read_channels(name):
    recs = []
    for number, line in enumerate(read_lines(name), 1):
        if line == '' or line[0] in '# ':
            continue
        line = line[:510]
        slot = atoi(line[1:])
        sat = short(slot + 100)

        def date(c, which):
            y = date_field(atoi(line[c - 1:]))
            mo = date_field(atoi(line[c + 4:]))
            dd = date_field(atoi(line[c + 7:]))
            hh = date_field(atoi(line[c + 10:]))
            mi = date_field(atoi(line[c + 13:]))
            s = L.from_float(atof(line[c + 16:]))
            bad = first_invalid_field(y, mo, dd, hh, mi, s)
            if MENDED and bad:
                program_error('GLONASS FREQUENCY CHANNEL FILE, LINE %d: %s %s '
                              'NOT VALID!' % (number, which, bad))
            ymdhms_check(y, mo, dd, hh, mi, s)
            return ymdhms2mjd(y, mo, dd, hh, mi, s)
        start = date(11, 'START')
        if len(line) > 31 and line[31] == ' ':
            end = LAST_EPH
        else:
            end = date(32, 'END')
        ch = L.from_float(atof(line[51:]))
        recs.append((sat, start, end, ch))
    return recs


def get_freq_num(recs, sat, t):
    """The channel of the first record whose period holds t; None when no
    record does."""
    for s, a, b, ch in recs:
        if s == sat and mjd_le(a, t) and mjd_le(t, b):
            return ch
    return None


# -------------------------------------------------------------- driver

class Driver:
    def __init__(self):
        self.obsdiffile = ''
        self.gfcfile = ''
        self.verbose = False
        self.isStart = self.isEnd = self.isSat = self.isObs = False
        self.isDt = self.isGLNfc = self.isHelp = False
        self.RunProg = True
        self.isMSJump = False
        self.isG = self.isR = self.isE = self.isC = False
        self.dt = L.ZERO
        self.EpochRound = L.from_float(0.001)
        self.nMSJumps = 0
        self.unit = {'L1': ONE, 'L2': ONE, 'L5': ONE, 'L8': ONE}
        self.isUnit = False
        self.meter = False
        self.satprn = []
        self.obslist = []
        self.exist = []
        self.stE = (0, L.ZERO)
        self.enE = (0, L.ZERO)
        self.nObsReal = 0
        self.h = None
        self.d = None
        self.chan = []

    def vmsg(self, op, text, end=True):
        if self.verbose:
            cerr.w(PROG + '::' + op + '(): ' + text)
            if end:
                cerr.endl()

    # ------------------------------------------------------- command line

    def get_files(self, argv):
        for a in argv:
            if len(a) > 1 and a[1] in 'vV':
                self.verbose = True
        if self.verbose:
            cerr.endl()
            cerr.w(PROG + ': ***** PRINTING OF GNSS OBSERVATIONS AND LINEAR '
                   'COMBINATIONS FROM SINGLE-DIFFERENCE FILE *****')
            cerr.endl()
            cerr.w(PROG + '::GetFiles(): parsing input parameters!')
            cerr.endl()
        for a in argv[1:]:
            self.option(a)
        n = len(argv)
        if (n <= 1 or (self.verbose and n <= 2) or (self.isHelp and n <= 2)
                or (self.isHelp and self.verbose and n <= 3)):
            write_help()
            self.RunProg = False
            return
        if self.obsdiffile == '':
            program_error('SINGLE-DIFFERENCE FILE MUST BE SET!')
        if not file_readable(self.obsdiffile):
            program_error('SINGLE-DIFFERENCE FILE CAN NOT BE OPENED!')
        if self.isGLNfc and not file_readable(self.gfcfile):
            self.isGLNfc = False
            program_warning('GLONASS FREQUENCY CHANNEL FILE CAN NOT BE OPENED!')
        if not (self.isG or self.isR or self.isE or self.isC):
            program_error('NO GNSS SATELLITE SYSTEM SET [-c[G|R|E|C]]!')
        if self.isR and not self.isGLNfc:
            program_warning('GLONASS SATELITE SYSTEM SET BUT WITHOUT FREQUENCY '
                            'CHANNEL FILE (NOT USING GLONASS)!')
            self.isR = False

    def option(self, a):
        if not a.startswith('-'):
            program_warning(' - PARAMETHER MANDATORY -> ' + a)
            return
        c2 = a[1] if len(a) > 1 else ''
        c3 = a[2] if len(a) > 2 else ''
        pad = '        '
        if c2 in ('o', 'O'):
            self.obsdiffile = a[2:]
            self.vmsg('GetFiles', 'Observation differences file name: '
                      + self.obsdiffile + '!')
        elif (c2 == 'g' and c3 == 'f') or (c2 == 'G' and c3 == 'F'):
            self.gfcfile = a[3:]
            self.isGLNfc = True
            self.vmsg('GetFiles', pad + 'GLONASS FREQUENCY CHANNEL file: '
                      + self.gfcfile + '!')
        elif c2 in ('c', 'C'):
            for ch in a[2:].upper():
                if ch == 'G':
                    self.isG = True
                elif ch == 'R':
                    self.isR = True
                elif ch == 'E':
                    self.isE = True
                elif ch == 'C':
                    self.isC = True
            txt = pad + 'Satellite constellation to use:'
            for flag, nm in ((self.isG, ' GPS'), (self.isR, ' GLONASS'),
                             (self.isE, ' GALILEO'), (self.isC, ' BDS')):
                if flag:
                    txt += nm
            self.vmsg('GetFiles', txt)
        elif c2 in ('p', 'P'):
            self.isSat = True
            val = a[2:]
            self.vmsg('GetFiles', pad + "satellites PRN's: " + ' ->', end=False)
            if len(val) % 3:
                program_warning('LIST OF SATELLITES [-p] WITH WRONG NUMBER OF '
                                'CHARACTERS (3 PER SAT EXPECTED)!')
            groups = [val[3 * k:3 * k + 3] for k in range(len(val) // 3)]
            for g in groups:
                if MENDED and not (g[0] in 'GRECgrec' and g[1] in DIGITS
                                   and g[2] in DIGITS):
                    program_error(g + ' - SATELLITE IN LIST OF SATELLITES [-p] '
                                  'INCORRECT (SYSTEM LETTER G, R, E OR C AND '
                                  'TWO DIGITS EXPECTED)!')
            self.satprn = []
            for g in groups:
                n = 10 * (ord(g[1]) - 48) + (ord(g[2]) - 48)
                letter = g[0].upper() if MENDED else g[0]
                n += {'R': 100, 'E': 200}.get(letter, 0)
                if MENDED and letter == 'C':
                    n += 300
                self.satprn.append(short(n))
            if self.verbose:
                for k in range(len(val) // 3):
                    cerr.w(' ' + val[3 * k:3 * k + 3])
                cerr.w('!')
                cerr.endl()
        elif c2 in ('l', 'L'):
            self.parse_list(a[2:])
        elif c2 in ('s', 'S', 'e', 'E'):
            which = 'START' if c2 in 'sS' else 'END'
            self.vmsg('GetFiles', pad + which + ' epoch: ', end=False)
            if MENDED and not date_in_columns(a[2:]):
                program_error('%s EPOCH [-%s] NOT IN THE FORM YYYY-MM-DD/'
                              'HH:MM:SS.SSS (ANY SEPARATORS)!'
                              % (which, 's' if which == 'START' else 'e'))
            dt = parse_date(a[2:])
            ep = ymdhms2mjd(*dt)
            if self.verbose:
                print_ymdhms(cerr, dt, 1)
                cerr.w('!')
                cerr.endl()
            if which == 'START':
                self.stE, self.isStart = ep, True
            else:
                self.enE, self.isEnd = ep, True
        elif c2 in ('t', 'T'):
            f = to_float32(atof(a[2:]))
            self.dt = f if (math.isinf(f) or math.isnan(f)) else L.from_float(f)
            self.isDt = True
            if self.verbose:
                cerr.w(PROG + '::GetFiles(): ' + pad + 'time interval DT: ')
                cerr.num_ld(self.dt)
                cerr.w('!')
                cerr.endl()
        elif c2 in ('d', 'D'):
            f = abs(atof(a[2:]))
            self.EpochRound = f if (math.isinf(f) or math.isnan(f)) \
                else L.from_float(f)
            if self.verbose:
                cout.w(PROG + '::GetFiles(): ' + pad + 'Maximum alowed clock '
                       'error in SINGLE DIFFERENCES epochs: ')
                cout.num_ld(self.EpochRound)
                cout.w('!')
                cout.endl()
        elif c2 in ('m', 'M') and c3 in ('s', 'S'):
            self.isMSJump = True
            self.vmsg('GetFiles', pad + 'Eliminate MS jumps in observations: '
                      'YES!')
        elif c2 in ('u', 'U'):
            if c3 in ('C', 'c'):
                self.isUnit, self.meter = True, False
                txt = 'Unit of RAW phase single differences: CYCLE!'
            elif c3 in ('M', 'm'):
                self.isUnit, self.meter = True, True
                txt = 'Unit of RAW phase single differences: METER!'
            else:
                self.isUnit, self.meter = False, False
                txt = ('Unit of RAW phase single differences set incorrectly, '
                       'using default: CYCLE!')
            self.vmsg('GetFiles', pad + txt)
        elif 'Help' in a or 'HELP' in a or 'help' in a:
            self.isHelp = True
        elif c2 in ('v', 'V'):
            pass
        else:
            program_warning('UNKNOWN PARAMETHER: -' + c2)

    def parse_list(self, text):
        self.isObs = True
        tail = text.split(':')[-1]
        if MENDED and ':' in text and tail:
            program_warning('OBSERVATION LIST [-l]: "%s" AFTER THE LAST ":" IS '
                            'IGNORED (EACH NAME ENDS WITH ":")!' % tail)
        self.vmsg('GetFiles', '        observation types: ' + text + ' ->',
                  end=False)
        cerr.w(text.replace(':', ' '))
        n = text.count(':')
        if MENDED and n == 0:
            program_error('OBSERVATION LIST [-l] HAS NO ENTRY (EACH NAME ENDS '
                          'WITH ":", E.G. -lC1:L4:MW:)!')
        self.obslist = [0] * n
        self.exist = [0] * n
        names = text.split(':')[:n]
        for k, nm in enumerate(names):
            if nm not in LIST_NAMES:
                program_error(nm + ' - OBSERVATION IN OBSERVATION LIST '
                              'INCORRECT!')
            self.obslist[k] = LIST_NAMES[nm]
        if self.verbose:
            cerr.w('!')
            cerr.endl()

    # ------------------------------------------------------------ loading

    def set_file(self):
        if not self.RunProg:
            return
        self.vmsg('SetFile', 'setting OBSERVATION DIFFERENCES file!')
        if self.isGLNfc:
            self.vmsg('SetFile', 'setting GLONASS FREQUENCY CHANNEL file!')

    def read_file(self):
        if not self.RunProg:
            return
        self.nObsReal = 0
        self.vmsg('ReadFile', 'reading SINGLE-DIFFERENCES file - ', end=False)
        self.h, self.d = load_file(self.obsdiffile)
        h, d = self.h, self.d
        if self.verbose:
            cerr.w('%d epochs, %d C1 observations, %d obs types'
                   % (d.neph, d.nobs, h.nobs))
            cerr.endl()
        if MENDED and d.neph <= 0:
            program_error('SINGLE-DIFFERENCE FILE HAS NO EPOCHS!')
        if self.isObs:
            self.vmsg('ReadFile', 'Checking available observations in file:',
                      end=False)
            for i, code in enumerate(self.obslist):
                self.check_obs(i)
                cerr.w(' ' + label_of(code) + '[')
                if self.exist[i]:
                    self.nObsReal += 1
                    cerr.w('+]')
                else:
                    cerr.w('-]')
            cerr.endl()
        else:
            self.vmsg('ReadFile', 'setting OBSERVATION TYPES - all types in '
                      'SINGLE-DIFFERENCES file:', end=False)
            self.obslist = [c for c in h.obs if 0 <= c <= 25] if MENDED \
                else list(h.obs)
            self.exist = [1] * len(self.obslist)
            self.nObsReal = len(self.obslist)
            if self.verbose:
                cerr.w('%5d obs types!' % self.nObsReal)
                cerr.endl()
        if not self.isStart:
            self.vmsg('ReadFile', 'setting START epoch:', end=False)
            self.stE = self.get_mjd(0)
            if self.verbose:
                print_ymdhms(cerr, mjd2ymdhms(self.stE), 1)
                cerr.w('!')
                cerr.endl()
        if not self.isEnd:
            self.vmsg('ReadFile', 'setting END epoch:', end=False)
            self.enE = self.get_mjd(d.neph - 1)
            if self.verbose:
                print_ymdhms(cerr, mjd2ymdhms(self.enE), 1)
                cerr.w('!')
                cerr.endl()
        if MENDED and not any(self.in_window(ep) for ep in d.epoch):
            program_warning('NO EPOCH OF THE SINGLE-DIFFERENCE FILE LIES IN THE '
                            'WINDOW [-s, -e] (NOTHING IS LISTED)!')
        if not self.isSat:
            self.vmsg('ReadFile', 'setting SATTELLITES - all satellites in '
                      'SINGLE-DIFFERENCES file:', end=False)
            self.satprn = list(d.sat_list)
            if self.verbose:
                cerr.w('%5d satellites!' % len(self.satprn))
                cerr.endl()
        if self.isGLNfc:
            self.chan = read_channels(self.gfcfile)
            self.vmsg('ReadFile', 'reading GLONASS FREQUENCY CHANNEL file')

    def get_mjd(self, i):
        ep = Column(self.d.epoch)(i)
        mjd_check(*ep)
        return ep

    def check_obs(self, i):
        h = self.h
        f = h.flag
        code = self.obslist[i]
        gr = self.isG or self.isR
        e = self.isE
        ok = False
        if 0 <= code <= 25:
            ok = h.flags[code]
        elif code in (26, 29, 32):
            ok = (gr and f('L1') and f('L2')) or (e and f('L1') and f('L7'))
        elif code in (27, 31, 33):
            ok = (gr and f('P1') and f('P2')) or (e and f('P1') and f('C7'))
        elif code in (28, 30, 34):
            ok = (gr and f('C1') and f('P2')) or (e and f('C1') and f('C7'))
        elif code == 35:
            ok = (gr and f('C1') and f('P2') and f('L1') and f('L2')) or \
                (e and f('C1') and f('C7') and f('L1') and f('L7'))
        elif code == 36:
            ok = (gr and f('P1') and f('P2') and f('L1') and f('L2')) or \
                (e and f('P1') and f('C7') and f('L1') and f('L7'))
        elif code == 37:
            ok = (gr and f('P1') and f('L1') and f('L2')) or \
                (e and f('P1') and f('L1') and f('L7'))
        elif code == 38:
            ok = (gr and f('C1') and f('L1') and f('L2')) or \
                (e and f('C1') and f('L1') and f('L7'))
        elif code == 39:
            ok = (gr and f('P2') and f('L1') and f('L2')) or \
                (e and f('C7') and f('L1') and f('L7'))
        elif code == 40:
            ok = f('C1') and f('L1')
        elif code == 41:
            ok = f('P1') and f('L1')
        elif code == 42:
            ok = (gr and f('P2') and f('L2')) or (e and f('C7') and f('L7'))
        elif code == 43:
            ok = f('P1') and f('C1')
        elif code == 44:
            ok = gr and f('P2') and f('C2')
        if ok:
            self.exist[i] = 1

    # ---------------------------------------------------- settings report

    def print_set(self):
        if not self.RunProg:
            return
        if self.verbose:
            cerr.w(PROG + '::PrintSet(): writting processing settings!')
            cerr.endl()
        cout.fixed = True
        o = cout
        o.w('#PROGRAM: ' + PROG + '\n')
        o.w('#         Single differences file extraction - listing of '
            'observations\n')
        o.w('#\n')
        o.w('#DATA:\n')
        o.w('#OBSER file:     ' + self.obsdiffile + '\n')
        if self.isGLNfc:
            o.w('#GLN FREQ CHN file:  ' + self.gfcfile + '\n')
        o.w('#Satellites:    ')
        for n in self.satprn:
            o.w(' ')
            for lo, hi, letter in ((-32768, 99, 'G'), (100, 199, 'R'),
                                   (200, 299, 'E'), (300, 399, 'C'),
                                   (400, 499, 'S')):
                if lo <= n <= hi:
                    base = {'G': 0, 'R': 100, 'E': 200, 'C': 300, 'S': 400}
                    o.w(letter + str(n - base[letter]).rjust(2, '0'))
                    break
        o.w('\n')
        o.w('#Observations:  ')
        for i, code in enumerate(self.obslist):
            self.check_obs(i)
            o.w(' ' + label_of(code) + '[' + ('+' if self.exist[i] else '-')
                + ']')
        o.w('\n')
        o.w('#RAW phase unit:    ')
        if not self.isUnit:
            o.w(' CYCLE  (default)')
        elif self.meter:
            o.w(' METER  (manually set)')
        else:
            o.w(' CYCLE  (manually set)')
        o.w('\n')
        for title, ep, manual in (('#Start epoch:   ', self.stE, self.isStart),
                                  ('#End epoch:     ', self.enE, self.isEnd)):
            o.w(title)
            print_ymdhms(o, mjd2ymdhms(ep), 3)
            o.w(' [')
            print_mjd(o, ep, 3)
            o.w(']')
            o.w('  (manually set)' if manual else '  (from SNGDIF file)')
            o.w('\n')
        o.w('#Time interval:  ')
        if self.isDt:
            o.prec = 3
            o.fixed = True
            o.num_ld(self.dt)
        else:
            o.w(' ---')
        o.w('\n')
        o.w('#Verbose mode:   ' + ('YES' if self.verbose else 'NO') + '\n')
        o.w('#All epochs:     NO\n')
        o.w('#\n')
        o.w('#' + 'Time(datum)'.rjust(21) + 'Time(MJD)'.rjust(16) + '  SAT')
        if self.h.diff_level > 1:
            o.w(' RSAT')
        for i, code in enumerate(self.obslist):
            if self.exist[i]:
                o.w(label_of(code).rjust(16))
        o.w('\n')

    # ------------------------------------------------------------ listing

    def in_window(self, ep):
        return not (mjd_lt(ep, self.stE) or mjd_gt(ep, self.enE))

    def test_epoch(self, ep):
        if not self.in_window(ep):
            return False
        if not self.isDt:
            return True
        dt, tol = self.dt, self.EpochRound
        if isinstance(dt, float):
            if math.isnan(dt):
                return False
            q = L.ZERO           # finite second / infinite interval
        elif L.is_zero(dt):
            return False         # infinite or not-a-number quotient
        else:
            q = L.div(ep[1], dt)
        dq = L.absl(L.sub(q, L.roundl(q)))
        if isinstance(tol, float):
            return tol > 0 and not math.isnan(tol)
        return L.lt(dq, tol)

    def print_obs(self):
        if not self.RunProg:
            return
        d = self.d
        ref = self.get_mjd(0)
        if self.isMSJump:
            self.vmsg('PrintObs', 'Eliminating ms jumps: ', end=False)
            self.corr_ms_jumps()
            if self.verbose:
                cerr.w('%d jumps' % self.nMSJumps)
                cerr.endl()
        self.vmsg('PrintObs', 'Printing observations: ')
        first = []
        k = 0
        for e in range(d.neph):
            first.append(k)
            k += Column(d.nsat)(e) if d.nsat else 0
        passes = {}
        glc = dict(GPS)
        glc['lamb8'] = GAL['lamb8']
        for n in self.satprn:
            if n <= 99:
                if not self.isG:
                    continue
                letter, num = 'G', ushort(n)
                glc.update(GPS)
                if self.meter:
                    self.unit['L1'] = glc['lamb1']
                    self.unit['L2'] = glc['lamb2']
                    self.unit['L5'] = glc['lamb5']
            elif n <= 199:
                if not self.isR:
                    continue
                letter, s = 'R', ushort(n - 100)
                num = s
                if MENDED and not 1 <= short(n - 100) <= 32:
                    program_warning('GLONASS SLOT OUTSIDE 1 TO 32 (SATELLITE '
                                    'R%02d NOT LISTED)!' % short(n - 100))
                    continue
                ch = get_freq_num(self.chan, n, ref)
                if ch is None:
                    if MENDED:
                        program_warning('NO GLONASS FREQUENCY CHANNEL AT THE '
                                        'FIRST EPOCH (SATELLITE R%02d NOT '
                                        'LISTED)!' % short(n - 100))
                        continue
                    ch = L.ZERO
                gln_set_frequency(ch, short(s - 1))
                glc.update(GLN)
                glc['lamb1'] = GLN_LAMB[s - 1][0]
                glc['lamb2'] = GLN_LAMB[s - 1][1]
                if self.meter:
                    self.unit['L1'] = glc['lamb1']
                    self.unit['L2'] = glc['lamb2']
            elif n <= 299:
                if MENDED and not self.isE:
                    continue
                letter, num = 'E', ushort(n - 200)
                glc.update(GAL)
                if self.meter:
                    for u in ('L1', 'L2', 'L5', 'L8'):
                        self.unit[u] = glc['lamb' + u[1]]
            elif CHOICES['sat300'] == 'beidou' and n <= 399 and self.isC:
                letter, num = 'C', ushort(n - 300)
            else:
                continue
            self.glc = glc
            if letter != 'C':
                self.mp_factors(glc)
            rows = 0
            for e in range(d.neph):
                if e not in passes:
                    ep = d.epoch[e]
                    ok = self.test_epoch(ep)
                    passes[e] = (ok, mjd2ymdhms(ep) if ok else None)
                ok, date = passes[e]
                if not ok:
                    continue
                for kk in range(first[e], first[e] + d.nsat[e]):
                    if d.sat[kk] != n:
                        continue
                    rows += 1
                    self.row(d.epoch[e], date, letter, num, kk)
            cout.w('\n')
            cerr.w('  SAT: %s%02d%10d x %d observations\n'
                   % (letter, num, rows, self.nObsReal))
        self.vmsg('PrintObs', 'Finished writing observations!')

    def mp_factors(self, glc):
        am1 = L.sub(glc['alpha'], ONE)
        two_a = L.div(TWO, am1)
        self.mp1f1 = L.mul(L.add(ONE, two_a), glc['lamb1'])
        self.mp1f2 = L.mul(two_a, glc['lamb2'])
        ta = L.div(L.mul(TWO, glc['alpha']), am1)
        self.mp2f1 = L.mul(ta, glc['lamb1'])
        self.mp2f2 = L.mul(L.sub(ta, ONE), glc['lamb2'])

    def row(self, ep, date, letter, num, k):
        o = cout
        print_ymdhms(o, date, 1)
        o.w('  ')
        print_mjd(o, ep, 1)
        o.w(letter.rjust(3) + ('%02d' % num))
        if CHOICES['rsat'] == 'dashes' and self.h.diff_level > 1:
            o.w('  ---')
        for i, code in enumerate(self.obslist):
            if self.exist[i]:
                self.value(k, letter, code, o)
        o.w('\n')

    def ser(self, name, k):
        col = self.d.series.get(name, [])
        if MENDED and k >= len(col):
            return L.ZERO
        return Column(col)(k)

    def value(self, k, S, code, o):
        g = self.glc
        u = self.unit
        raw = {0: 'C1', 1: 'P1', 2: 'P2', 5: 'C2', 10: 'C5', 18: 'C7',
               22: 'C8'}
        if code in raw:
            print_gnssobs(o, self.ser(raw[code], k))
            return
        ph = {3: ('L1', 'L1'), 4: ('L2', 'L2'), 11: ('L5', 'L5'),
              19: ('L2', 'L7'), 23: ('L8', 'L8')}
        if code in ph:
            uname, sname = ph[code]
            if S == 'C' and self.meter:
                print_gnssobs(o, L.ZERO)
                return
            print_gnssobs(o, L.mul(u[uname], self.ser(sname, k)))
            return
        if code in (8, 9):
            col = self.d.series.get('D1' if code == 8 else 'D2', [])
            print_gnssobsshort(o, col[k] if k < len(col) else L.ZERO)
            return
        if code in UNKEPT_CODES:
            if CHOICES['unkept'] == 'absent':
                print_gnssobs(o, L.ZERO)
            return
        if S == 'C' and code not in (43, 44):
            print_gnssobs(o, L.ZERO)
            return
        if code in (8, 9):
            col = self.d.series.get('D1' if code == 8 else 'D2', [])
            print_gnssobsshort(o, col[k] if k < len(col) else L.ZERO)
            return
        if code in (40, 41, 43, 44):
            if code == 40:
                x = o_sub(self.ser('C1', k), L.mul(g['lamb1'],
                                                   self.ser('L1', k)))
            elif code == 41:
                x = o_sub(self.ser('P1', k), L.mul(g['lamb1'],
                                                   self.ser('L1', k)))
            elif code == 43:
                x = o_sub(self.ser('P1', k), self.ser('C1', k))
            else:
                x = o_sub(self.ser('P2', k), self.ser('C2', k))
            print_gnssobs(o, x)
            return
        if not (26 <= code <= 39 or code == 42) or S not in 'GRE':
            return
        gal = S == 'E'
        l2n = 'L7' if gal else 'L2'
        p2n = 'C7' if gal else 'P2'
        s = lambda nm: self.ser(nm, k)  # noqa: E731
        if code == 26:
            x = self.L4(s('L1'), s(l2n))
        elif code == 27:
            x = o_sub(s(p2n), s('P1'))
        elif code == 28:
            x = o_sub(s(p2n), s('C1'))
        elif code == 29:
            x = self.L3(s('L1'), s(l2n))
        elif code == 30:
            x = self.P3(s('C1'), s(p2n))
        elif code == 31:
            x = self.P3(s('P1'), s(p2n))
        elif code == 32:
            x = self.L5(s('L1'), s(l2n))
        elif code == 33:
            x = self.P5(s('P1'), s(p2n))
        elif code == 34:
            x = self.P5(s('C1'), s(p2n))
        elif code == 35:
            x = self.MW(s('L1'), s(l2n), s('C1'), s(p2n))
        elif code == 36:
            x = self.MW(s('L1'), s(l2n), s('P1'), s(p2n))
        elif code in (37, 38):
            c = s('P1') if code == 37 else s('C1')
            x = o_add(o_sub(c, L.mul(self.mp1f1, s('L1'))),
                      L.mul(self.mp1f2, s(l2n)))
        elif code == 39:
            x = o_add(o_sub(s(p2n), L.mul(self.mp2f1, s('L1'))),
                      L.mul(self.mp2f2, s(l2n)))
        else:  # 42
            x = o_sub(s(p2n), L.mul(g['lamb2'], s(l2n)))
        print_gnssobs(o, x)

    # combinations on values with absence carried through
    def L4(self, l1, l2):
        g = self.glc
        return o_sub(L.mul(g['lamb1'], l1), L.mul(g['lamb2'], l2))

    def L3(self, l1, l2):
        g = self.glc
        return o_sub(L.mul(L.mul(g['LCion1'], g['lamb1']), l1),
                     L.mul(L.mul(g['LCion2'], g['lamb2']), l2))

    def P3(self, p1, p2):
        g = self.glc
        return o_sub(L.mul(g['LCion1'], p1), L.mul(g['LCion2'], p2))

    def L5(self, l1, l2):
        g = self.glc
        return o_sub(L.mul(L.mul(g['LCwl1'], g['lamb1']), l1),
                     L.mul(L.mul(g['LCwl2'], g['lamb2']), l2))

    def P5(self, p1, p2):
        g = self.glc
        return o_sub(L.mul(g['LCwl1'], p1), L.mul(g['LCwl2'], p2))

    def NLP(self, p1, p2):
        g = self.glc
        return o_add(L.mul(g['LCnl1'], p1), L.mul(g['LCnl2'], p2))

    def MW(self, l1, l2, p1, p2):
        return o_sub(self.L5(l1, l2), self.NLP(p1, p2))

    # ------------------------------------------------ millisecond jumps

    def corr_ms_jumps(self):
        d = self.d
        h = self.h
        neph = d.neph
        msm = L.mul(C_LIGHT, L.from_dec('0.001'))
        lcorr = [L.ZERO] * max(neph, 0)
        first = []
        k = 0
        for e in range(neph):
            first.append(k)
            k += d.nsat[e]
        if neph == 0:
            Column(d.nsat)(0)

        def wavelengths(sn):
            if sn <= 99:
                return GPS['lamb1'], GPS['lamb2']
            if sn <= 199:
                if MENDED and not 0 <= sn - 101 < 32:
                    return None
                table_row_check(sn - 101, 32)
                return GLN_LAMB[sn - 101][0], GLN_LAMB[sn - 101][1]
            return None

        ser = self.ser
        for s in range(1, neph):
            e0, e1 = s - 1, s
            tab = []
            for k0 in range(first[e0], first[e0] + d.nsat[e0]):
                sn = d.sat[k0]
                k1 = None
                for kk in range(first[e1], first[e1] + d.nsat[e1]):
                    if d.sat[kk] == sn:
                        k1 = kk
                        break
                if k1 is None:
                    continue
                wl = wavelengths(sn)
                if wl is None:
                    continue
                l1, l2 = wl
                if not L.abs_gt_float(l1, 0.01):
                    continue
                if any(is_null(ser(nm, kk)) for nm in ('C1', 'L1', 'L2', 'P2')
                       for kk in (k0, k1)):
                    continue
                dc1 = L.to_float(L.sub(ser('C1', k1), ser('C1', k0)))
                dp2 = L.to_float(L.sub(ser('P2', k1), ser('P2', k0)))
                dl1 = L.to_float(L.mul(L.sub(ser('L1', k1), ser('L1', k0)), l1))
                dl2 = L.to_float(L.mul(L.sub(ser('L2', k1), ser('L2', k0)), l2))
                tab.append((dc1, dp2, dl1, dl2))
            total = 0.0
            n = 0
            for dc1, dp2, dl1, dl2 in tab:
                if abs(dl2 - dl1) < 1 and abs(dp2 - dc1) < 10:
                    total += (dc1 - dl1) + (dp2 - dl2)
                    n += 2
            if n == 0:
                continue
            dcl = total / n
            jump = L.roundl(L.div(L.from_float(dcl), msm))
            if L.abs_gt_float(jump, 0.1):
                self.nMSJumps += 1
                lcorr[s] = L.mul(jump, msm)
        corr = L.ZERO
        for s in range(neph):
            corr = L.add(corr, lcorr[s])
            for kk in range(first[s], first[s] + d.nsat[s]):
                sn = d.sat[kk]
                if sn <= 99:
                    for fl, lam in (('L1', GPS['lamb1']), ('L2', GPS['lamb2'])):
                        if h.flag(fl) and not is_null(ser(fl, kk)):
                            d.series[fl][kk] = L.add(d.series[fl][kk],
                                                     L.div(corr, lam))
                elif sn <= 199 and not MENDED:
                    table_row_check(sn - 101, 32)

    def end_prog(self):
        if self.verbose:
            cerr.w(PROG + ': ***** SUCCESFULLY ENDING PROGRAM *****!')
            cerr.w('\n\n\n')


def date_in_columns(val):
    """Digits in the year, month and day columns; hour and minute two digits
    or left out at the end; the seconds, unless left out, digits with an
    optional point and decimals."""
    def digits(a, b):
        return len(val) >= b and all(c in DIGITS for c in val[a:b])
    if not all(digits(a, a + w) for a, w in ((0, 4), (5, 2), (8, 2))):
        return False
    for a in (11, 14):
        if len(val) <= a:
            return True
        if not digits(a, a + 2):
            return False
    sec = val[17:]
    return sec == '' or re.fullmatch('[0-9]+(\\.[0-9]*)?', sec) is not None


def parse_date(val):
    """Fixed columns from the value's start; each field checked as set."""
    def fld(a, b=None):
        return val[a:b] if b is not None else val[a:]
    y = ushort(atoi(fld(0, 4)))
    if not (1901 <= y <= 2199):
        class_error('ymdhms', 'YEAR not valid')
    mo = ushort(atoi(fld(5, 7)))
    if not (1 <= mo <= 12):
        class_error('ymdhms', 'MONTH not valid')
    d = ushort(atoi(fld(8, 10)))
    if not (1 <= d <= month_len(y, mo)):
        class_error('ymdhms', 'DAY not valid')
    h = ushort(atoi(fld(11, 13)))
    if h > 23:
        class_error('ymdhms', 'HOUR not valid')
    mi = ushort(atoi(fld(14, 16)))
    if mi > 59:
        class_error('ymdhms', 'MINUTE not valid')
    s = L.from_float(atof(fld(17)))
    if not sec_ok(s):
        class_error('ymdhms', 'SECOND not valid')
    return (y, mo, d, h, mi, s)


def write_help():
    cerr.endl()
    for line in HELP_LINES:  # noqa: F821 (defined by help_text.py)
        cerr.w(line)
        cerr.endl()
    cerr.endl()
    cerr.endl()


def run(argv):
    drv = Driver()
    try:
        drv.get_files(argv)
        if drv.RunProg:
            drv.set_file()
            drv.read_file()
            drv.print_set()
            drv.print_obs()
        drv.end_prog()
        return 0
    except Exit as ex:
        return ex.status


def main():
    # the program's own name takes part in the scan for verbose mode
    argv = [os.environ.get('XC_ARGV0', PROG)] + sys.argv[1:]
    status = run(argv)
    sys.stdout.buffer.write(cout.data())
    sys.stderr.buffer.write(cerr.data())
    sys.stdout.flush()
    sys.stderr.flush()
    sys.exit(status)


if __name__ == '__main__':
    main()
