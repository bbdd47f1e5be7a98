"""Exact emulation of x87 80-bit long double arithmetic (64-bit significand,
round to nearest even) and of glibc's fixed and %g number formatting.

A finite value is a tuple (m, e) meaning m * 2**e with |m| < 2**64 after
rounding; zero is (0, 0).  Non-finite values (only the interval and the
tolerance of the command line can be one) are handled by the callers as
Python floats.
"""
from fractions import Fraction
import math

LD_BITS = 64
DBL_BITS = 53
FLT_BITS = 24

ZERO = (0, 0)


def _round(m, e, bits, sticky=False):
    """Round m * 2**e (plus a sticky bit below m) to `bits` significant bits."""
    if m == 0:
        return ZERO
    neg = m < 0
    a = -m if neg else m
    bl = a.bit_length()
    if bl > bits:
        shift = bl - bits
        q = a >> shift
        rem = a & ((1 << shift) - 1)
        half = 1 << (shift - 1)
        if rem > half or (rem == half and (sticky or (q & 1))):
            q += 1
        a = q
        e += shift
    elif sticky:
        # the sticky bit lies below the last kept bit: never a tie here
        pass
    # strip trailing zeros to keep the numbers small
    if a & 1 == 0:
        tz = (a & -a).bit_length() - 1
        a >>= tz
        e += tz
    return (-a if neg else a, e)


def rnd(x, bits=LD_BITS):
    return _round(x[0], x[1], bits)


def from_int(i):
    return _round(i, 0, LD_BITS)


def from_float(f):
    """Exact value of a Python float (a double)."""
    if f == 0:
        return ZERO
    n, d = f.as_integer_ratio()
    e = -(d.bit_length() - 1)
    return _round(n, e, LD_BITS)


def from_fraction(fr, bits=LD_BITS):
    """Correctly rounded value of an exact rational."""
    n, d = fr.numerator, fr.denominator
    if n == 0:
        return ZERO
    neg = n < 0
    n = abs(n)
    # scale so that the quotient has at least bits + 2 bits
    k = bits + 2 + d.bit_length() - n.bit_length()
    if k > 0:
        q, r = divmod(n << k, d)
        e = -k
    else:
        q, r = divmod(n, d << (-k))
        e = -k
    m = -q if neg else q
    return _round(m, e, bits, sticky=(r != 0))


def from_dec(s, bits=LD_BITS):
    return from_fraction(Fraction(s), bits)


def to_fraction(x):
    m, e = x
    return Fraction(m) * (Fraction(2) ** e)


def to_float(x):
    """Round to double (53 bits); values stay within the double range here."""
    m, e = _round(x[0], x[1], DBL_BITS)
    return math.ldexp(float(m), e)


def add(a, b):
    if a[0] == 0:
        return b
    if b[0] == 0:
        return a
    ma, ea = a
    mb, eb = b
    if ea > eb:
        ma <<= (ea - eb)
        e = eb
    else:
        mb <<= (eb - ea)
        e = ea
    return _round(ma + mb, e, LD_BITS)


def neg(a):
    return (-a[0], a[1])


def sub(a, b):
    return add(a, (-b[0], b[1]))


def mul(a, b):
    return _round(a[0] * b[0], a[1] + b[1], LD_BITS)


def div(a, b):
    """a / b, b not zero."""
    ma, ea = a
    mb, eb = b
    if ma == 0:
        return ZERO
    neg_ = (ma < 0) != (mb < 0)
    ma, mb = abs(ma), abs(mb)
    k = LD_BITS + 2 + mb.bit_length() - ma.bit_length()
    if k < 0:
        k = 0
    q, r = divmod(ma << k, mb)
    m = -q if neg_ else q
    return _round(m, ea - eb - k, LD_BITS, sticky=(r != 0))


def cmp(a, b):
    d = sub_exact(a, b)
    return (d > 0) - (d < 0)


def sub_exact(a, b):
    """Sign-carrying exact difference as an int scaled to a common exponent."""
    ma, ea = a
    mb, eb = b
    if ma == 0:
        return -mb
    if mb == 0:
        return ma
    if ea > eb:
        return (ma << (ea - eb)) - mb
    return ma - (mb << (eb - ea))


def lt(a, b):
    return sub_exact(a, b) < 0


def gt(a, b):
    return sub_exact(a, b) > 0


def is_zero(a):
    return a[0] == 0


def absl(a):
    return (abs(a[0]), a[1])


def floorl(a):
    m, e = a
    if e >= 0 or m == 0:
        return a
    return from_int(m >> (-e))


def roundl(a):
    """Nearest integer, halves away from zero."""
    m, e = a
    if e >= 0 or m == 0:
        return a
    s = -e
    am = abs(m)
    q = (am + (1 << (s - 1))) >> s
    return from_int(-q if m < 0 else q)


def to_int_trunc(a):
    m, e = a
    if e >= 0:
        return m << e
    am = abs(m) >> (-e)
    return -am if m < 0 else am


def abs_lt_float(a, f):
    """|a| < f for a double f (compared exactly)."""
    return lt(absl(a), from_float(f))


def abs_gt_float(a, f):
    return gt(absl(a), from_float(f))


def fixed(a, prec):
    """printf("%.{prec}Lf") of a finite value: exact, ties to even."""
    m, e = a
    neg_ = m < 0
    am = abs(m)
    scale = 10 ** prec
    if e >= 0:
        q = (am << e) * scale
    else:
        num = am * scale
        s = -e
        q = num >> s
        rem = num & ((1 << s) - 1)
        half = 1 << (s - 1)
        if rem > half or (rem == half and (q & 1)):
            q += 1
    digits = str(q)
    if prec > 0:
        if len(digits) <= prec:
            digits = '0' * (prec - len(digits) + 1) + digits
        txt = digits[:-prec] + '.' + digits[-prec:]
    else:
        txt = digits
    return ('-' if neg_ else '') + txt


def fmt_nonfinite(f):
    """glibc text of inf and nan (sign kept)."""
    neg_ = math.copysign(1.0, f) < 0
    body = 'nan' if math.isnan(f) else 'inf'
    return ('-' if neg_ else '') + body


def general(a, prec=6):
    """printf("%.{prec}Lg") of a finite value."""
    if a[0] == 0:
        return '0'
    fr = abs(to_fraction(a))
    p = prec if prec > 0 else 1
    # exponent of the value rounded to p significant digits
    x = fr
    exp10 = 0
    if x >= 1:
        while x >= 10:
            x /= 10
            exp10 += 1
    else:
        while x < 1:
            x *= 10
            exp10 -= 1
    # round mantissa to p digits (ties to even on the exact value)
    scaled = fr * Fraction(10) ** (p - 1 - exp10)
    q = scaled.numerator // scaled.denominator
    rem = scaled - q
    if rem > Fraction(1, 2) or (rem == Fraction(1, 2) and q & 1):
        q += 1
    if q >= 10 ** p:
        q //= 10
        exp10 += 1
    neg_ = a[0] < 0
    if exp10 < -4 or exp10 >= p:
        digits = str(q)
        mant = digits[0] + ('.' + digits[1:] if p > 1 else '')
        mant = mant.rstrip('0').rstrip('.') if '.' in mant else mant
        es = '-' if exp10 < 0 else '+'
        txt = '%se%s%02d' % (mant, es, abs(exp10))
    else:
        decimals = p - 1 - exp10
        digits = str(q)
        if decimals > 0:
            if len(digits) <= decimals:
                digits = '0' * (decimals - len(digits) + 1) + digits
            txt = digits[:-decimals] + '.' + digits[-decimals:]
            txt = txt.rstrip('0').rstrip('.')
        else:
            txt = digits + '0' * (-decimals)
    return ('-' if neg_ else '') + txt
