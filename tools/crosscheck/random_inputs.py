#!/usr/bin/env python3
"""Random but plausible inputs for Quintavelmor: a single-difference file,
sometimes a GLONASS channel file, and a command line (valid or not).

    python3 random_inputs.py SEED DIR     writes DIR/sd.txt (and DIR/glo.txt)
                                          and DIR/args (one argument a line)

`make_case(rng, folder)` does the same for the comparison driver.
"""
import math
import os
import random
import sys

TYPES = ['C1', 'P1', 'P2', 'L1', 'L2', 'C2', 'S1', 'S2', 'D1', 'D2',
         'C5', 'L5', 'D5', 'S5', 'C6', 'L6', 'D6', 'S6', 'C7', 'L7',
         'D7', 'S7', 'C8', 'L8', 'D8', 'S8']
LIST_NAMES = (TYPES + ['L4', 'Pp4', 'Pc4', 'P4', 'L3', 'Pc3', 'P3', 'Pp3',
                       'WL', 'WLL', 'WLP', 'WLC', 'MW', 'MWc', 'MWp', 'MP1',
                       'MC1', 'MP2', 'CL1', 'PL1', 'PL2', 'PC1', 'PC2'])
C = 299792458.0
MS = C * 0.001
F1 = {'G': 1575420000.0, 'E': 1575420000.0}
F2 = {'G': 1227600000.0, 'E': 1207140000.0}


def lamb(letter, band, chan=0):
    if letter == 'R':
        f = (1602e6 + chan * 562500) if band == 1 else (1246e6 + chan * 437500)
    elif band == 1:
        f = F1[letter]
    elif band == 2:
        f = F2[letter]
    else:
        f = 1176450000.0
    return C / f


def sat_letter(n):
    if n < 100:
        return 'G'
    if n < 200:
        return 'R'
    if n < 300:
        return 'E'
    return 'C'


# ------------------------------------------------------------ the file

def pick_types(rng):
    style = rng.random()
    if style < 0.25:
        return ['C1', 'P2', 'L1', 'L2', 'C2', 'S1', 'S2', 'D1', 'D2', 'C5',
                'L5', 'C7', 'L7']
    if style < 0.4:
        return ['C1', 'P1', 'P2', 'L1', 'L2']
    if style < 0.5:
        return ['C1', 'L1', 'L2']
    n = rng.randint(1, 16)
    base = ['C1', 'P1', 'P2', 'L1', 'L2', 'C7', 'L7']
    pool = base * 2 + TYPES
    out = []
    while len(out) < n:
        t = rng.choice(pool)
        if t not in out:
            out.append(t)
    return out


def pick_sats(rng, odd):
    pool = (list(range(1, 33)) + list(range(101, 125)) +
            list(range(201, 237)) + list(range(301, 341)))
    k = rng.randint(1, 12)
    sats = sorted(rng.sample(pool, k))
    if odd and rng.random() < 0.3:
        sats.append(rng.choice([401, 420, 510, 100, 133]))
    return sats


def value_text(v):
    return ('%17.3f' % v) if v is not None else '*.***'.rjust(17)


def header_lines(rng, types, level, has_obs, odd):
    words = {1: 'SINGLE_DIFFERENCES', 2: 'DOUBLE_DIFFERENCES',
             3: 'TRIPLE_DIFFERENCES'}
    first = words[level]
    if odd and rng.random() < 0.05:
        first = rng.choice(['SINGLE DIFFERENCES', 'RINEX', ''])
    elif rng.random() < 0.05:
        first = '  ' + first + ' file'
    recs = [
        'MARKER NAME     :  4 BASE  5 ROVER',
        'MARKER NUMBER   :  7 Unknown  7 Unknown',
        'RECEIVER TYPE   : 14 ROVER RCVR MX5 14 ROVER RCVR MX5',
        'ANTENNA TYPE    :  7 Unknown  7 Unknown',
        'XYZ POSITION    : -3817680.7270  3562839.5216  3650159.2407 '
        '  -3817680.9841  3562840.0688  3650158.4543',
        'DELTA N/E/U     :      0.0000      0.0000    0.0000 '
        '       0.0000      0.0000    0.0000',
    ]
    groups = ''.join(' ' + t for t in types)
    count = len(types)
    if odd and rng.random() < 0.1:
        groups += ' X9'
        count += 1
    recs.append('# & TYPES OF OBS:%3d %s' % (count, groups))
    if level != 1 or rng.random() < 0.9:
        recs.append('DIFFERENCE LEVEL:%3d' % level)
    if rng.random() < 0.2:
        rng.shuffle(recs)
    if rng.random() < 0.1:
        recs.insert(rng.randint(0, len(recs)), 'COMMENT         : anything')
    end = 'END OF HEADER ' + ('1' if has_obs else '0')
    return [first] + recs + [end], count - len(types)


class SatTrack:
    """Consistent code and phase of one satellite over time."""

    def __init__(self, rng, n, chan):
        self.letter = sat_letter(n)
        self.l1 = lamb(self.letter if self.letter != 'C' else 'G', 1, chan)
        self.l2 = lamb(self.letter if self.letter != 'C' else 'G', 2, chan)
        self.l5 = lamb('G', 5)
        big = rng.random() < 0.3
        self.rho0 = rng.uniform(-2.6e7, 2.6e7) if big else \
            rng.uniform(-3e5, 3e5)
        self.rate = rng.uniform(-30, 30)
        self.n1 = rng.randint(-10 ** 6, 10 ** 6)
        self.n2 = rng.randint(-10 ** 6, 10 ** 6)
        self.n5 = rng.randint(-10 ** 6, 10 ** 6)

    def values(self, rng, t, code_jump, types, absent):
        rho = self.rho0 + self.rate * t
        out = []
        for ty in types:
            if rng.random() < absent:
                out.append(None)
                continue
            kind, band = ty[0], ty[1]
            if kind in 'CP':
                v = rho + code_jump + rng.gauss(0, 0.8)
            elif kind == 'L':
                if band == '1':
                    v = rho / self.l1 + self.n1
                elif band in '27':
                    v = rho / self.l2 + self.n2
                else:
                    v = rho / self.l5 + self.n5
                v += rng.gauss(0, 0.01)
            elif kind == 'D':
                v = -self.rate / self.l1 + rng.gauss(0, 0.5)
            else:
                v = rng.uniform(-3, 3)
            out.append(round(v, 3))
        return out


def epoch_times(rng, n, odd):
    day = rng.randint(57000, 62000)
    step = rng.choice([1.0, 1.0, 5.0, 15.0, 30.0, 30.0, 0.1, 0.5, 10.0, 60.0,
                       0.2, 0.05])
    if rng.random() < 0.3:
        sec = rng.randint(0, 86399 // int(max(step, 1))) * max(step, 1.0)
    else:
        sec = round(rng.uniform(0, 86000), rng.choice([0, 1, 3, 7]))
    if rng.random() < 0.1:
        sec = 86400 - step * rng.randint(1, 5)      # cross midnight
    times = []
    for _ in range(n):
        times.append((day, sec))
        r = rng.random()
        if odd and r < 0.05:
            continue                               # same time again
        dt = step
        if odd and r < 0.12:
            dt = step * rng.randint(2, 7)          # gap
        if rng.random() < 0.05:
            dt += rng.choice([0.0000001, -0.0000001, 0.05, 0.001])
        sec = round(sec + dt, 7)
        if sec >= 86400:
            sec = round(sec - 86400, 7)
            day += 1
    return times


def write_sd(rng, path, odd, ms):
    types = pick_types(rng)
    if ms:
        types = ['C1', 'P2', 'L1', 'L2'] + [t for t in types if t not in (
            'C1', 'P2', 'L1', 'L2')][:rng.randint(0, 4)]
        rng.shuffle(types)
    level = rng.choices([1, 2, 3], [0.85, 0.1, 0.05])[0]
    has_obs = rng.random() > 0.03
    lines, extra = header_lines(rng, types, level, has_obs, odd)
    sats = pick_sats(rng, odd)
    if ms:
        sats = sorted(set(sats) | set(rng.sample(range(1, 33), 5)))
    chans = {n: rng.randint(-7, 6) for n in sats}
    tracks = {n: SatTrack(rng, n, chans[n]) for n in sats}
    nep = rng.choice([0, 1, 2, 3, 5, 8, 12, 20, 30]) if has_obs else 0
    if nep == 0 and rng.random() < 0.7:
        nep = rng.randint(1, 25)
    times = epoch_times(rng, nep, odd)
    absent = rng.choice([0.0, 0.05, 0.15, 0.4]) if not ms else 0.02
    jumps = {}
    if (ms or rng.random() < 0.4) and nep > 3:
        for _ in range(rng.randint(1, 2)):
            jumps[rng.randint(1, nep - 1)] = rng.choice([1, -1, 2, 1])
    cum = 0.0
    t0 = times[0][0] * 86400 + times[0][1] if times else 0
    for e, (day, sec) in enumerate(times):
        cum += jumps.get(e, 0) * MS
        present = [n for n in sats if rng.random() < 0.85]
        if odd and present and rng.random() < 0.05:
            present.append(rng.choice(present))    # recorded twice
        rng.shuffle(present) if rng.random() < 0.2 else None
        epoch_line = '%3d%6d%14.7f %9.3f %9.3f %9.3f' % (
            len(present), day, sec, rng.uniform(-1, 1), rng.uniform(-5, 5),
            rng.uniform(-5, 5))
        if odd and rng.random() < 0.05:
            # clock values left out
            epoch_line = epoch_line[:23 + 10 * rng.randint(0, 2)]
        lines.append(epoch_line)
        t = day * 86400 + sec - t0
        for n in present:
            vals = tracks[n].values(rng, t, cum, types, absent)
            if extra:
                vals.append(rng.uniform(-10, 10))
            if rng.random() < 0.02:
                vals[rng.randrange(len(vals))] = rng.choice(
                    [0.0, -0.0, 0.001, -0.001, 0.0004, 0.00001])
            txt = ''.join(value_text(v) for v in vals)
            lines.append('%3d%s' % (n, txt))
    if odd and len(times) > 2 and rng.random() < 0.04:
        # an epoch earlier than its predecessor
        idx = [i for i, ln in enumerate(lines) if len(ln) > 30
               and ln[3:9].strip().isdigit() and ln[9:23].strip()
               .replace('.', '').isdigit() and ln[23] == ' ']
        if len(idx) > 1:
            j = idx[-1]
            lines[j] = lines[j][:3] + '%6d' % (int(lines[j][3:9]) - 1) + \
                lines[j][9:]
    eol = '\r\n' if rng.random() < 0.15 else '\n'
    body = eol.join(lines) + (eol if rng.random() < 0.95 else '')
    with open(path, 'w', newline='', encoding='latin-1') as f:
        f.write(body)
    return dict(types=types, sats=sats, times=times, chans=chans)


def write_channels(rng, path, info):
    lines = ['# GLONASS frequency channels', '# slot  start  end  channel']
    times = info['times']
    day0 = times[0][0] if times else 60000
    for n in info['sats']:
        if not 100 <= n < 200:
            continue
        if rng.random() < 0.1:
            continue                                 # slot without a record
        slot = n - 100
        y, mo, d = mjd_to_date(day0 - rng.randint(0, 40))
        start = '%04d %02d %02d %02d %02d %04.1f' % (y, mo, d, 0, 0, 0.0)
        if rng.random() < 0.3:
            ye, me, de = mjd_to_date(day0 + rng.choice([-1, 0, 5]))
            end = '%04d %02d %02d %02d %02d %02d' % (ye, me, de, 23, 0, 0)
            line = 'R%02d       %s%s %d' % (slot, start, end,
                                           info['chans'][n])
        else:
            line = 'R%02d       %s%s%d' % (slot, start, ' ' * 20,
                                          info['chans'][n])
        lines.append(line)
        if rng.random() < 0.1:
            lines.append(' ' + line[1:])             # skipped: blank first
    if rng.random() < 0.04:                          # a date out of range
        lines.insert(rng.randint(2, len(lines)), rng.choice([
            'R05       2024 13 01 00 00 00.0                    1',
            'R05       2024 06 24 00 00 00.0 2024 06 24 24 00 00 1',
            'SINGLE_DIFFERENCES']))
    eol = '\r\n' if rng.random() < 0.1 else '\n'
    with open(path, 'w', newline='') as f:
        f.write(eol.join(lines) + eol)


def mjd_to_date(day):
    # plain Gregorian conversion for writing the channel file
    a = day + 2400001 + 32044
    b = (4 * a + 3) // 146097
    c = a - 146097 * b // 4
    d = (4 * c + 3) // 1461
    e = c - 1461 * d // 4
    m = (5 * e + 2) // 153
    dd = e - (153 * m + 2) // 5 + 1
    mm = m + 3 - 12 * (m // 10)
    yy = 100 * b + d - 4800 + m // 10
    return yy, mm, dd


# ------------------------------------------------------- command lines

def date_arg(rng, info, odd):
    times = info['times']
    if times and rng.random() < 0.8:
        day, sec = rng.choice(times)
        sec += rng.choice([0, 0, 0, -0.05, 0.05, -3600, 7200])
        sec = min(max(sec, 0), 86399.9)
    else:
        day, sec = rng.randint(57000, 62000), rng.uniform(0, 86399)
    y, mo, d = mjd_to_date(day)
    h = int(sec // 3600)
    mi = int((sec - 3600 * h) // 60)
    s = sec - 3600 * h - 60 * mi
    txt = '%04d-%02d-%02d/%02d:%02d:%06.3f' % (y, mo, d, h, mi, s)
    if odd and rng.random() < 0.15:
        txt = rng.choice(['%04d-13-%02d/00:00:00' % (y, d),
                          '%04d-02-30/00:00:00' % y,
                          '1900-01-01/00:00:00', '%04d-%02d-%02d/24:00:00'
                          % (y, mo, d), '%04d-%02d-%02d/12:60:00' % (y, mo, d),
                          '%04d-%02d-%02d/12:00:60' % (y, mo, d),
                          '%04d.%02d.%02d_%02d.%02d.%02d' % (y, mo, d, h, mi,
                                                             int(s)),
                          '%04d-%d-%d/%d:%d:%d' % (y, mo, d, h, mi, int(s)),
                          '%04d-%02d-%02d' % (y, mo, d),
                          '%04d-%02d-%02dT%02d:%02d:%02dZ' % (y, mo, d, h, mi,
                                                              int(s)),
                          'help'])
    return txt


def sat_list_arg(rng, info, odd):
    out = ''
    for _ in range(rng.randint(0, 6)):
        if info['sats'] and rng.random() < 0.7:
            n = rng.choice(info['sats'])
        else:
            n = rng.choice([7, 33, 105, 131, 213, 305, 2])
        letter = {0: 'G', 1: 'R', 2: 'E', 3: 'C'}.get(n // 100, 'G')
        if rng.random() < 0.1:
            letter = letter.lower()
        if odd and n < 100 and rng.random() < 0.1:
            letter = 'x'
        out += '%s%02d' % (letter, n % 100)
    if odd and rng.random() < 0.1:
        out += rng.choice(['G0', 'R', 'GAB', 'G-1'])
    return out


def obs_list_arg(rng, odd):
    k = rng.randint(0 if odd else 1, 8)
    names = [rng.choice(LIST_NAMES) for _ in range(k)]
    txt = ''.join(n + ':' for n in names)
    if odd and rng.random() < 0.1:
        txt += rng.choice(['c1:', ':', 'XX:', 'MW'])
    elif rng.random() < 0.1:
        txt += 'MW'
    return txt


def make_args(rng, info, odd, has_glo):
    args = []
    if rng.random() < 0.97:
        args.append('-osd.txt' if rng.random() < 0.97 else '-onosuch.sd')
    r = rng.random()
    letters = ''.join(rng.choice('GRECgrec') for _ in range(rng.randint(1, 4)))
    if rng.random() < 0.05:
        letters = rng.choice(['', 'x', 'GALILEO', 'glonass'])
    if r < 0.97:
        args.append(rng.choice(['-cs', '-c', '-C', '-cs']) + letters)
    if rng.random() < 0.15:
        args.append('-c' + rng.choice('GRE'))
    if has_glo and rng.random() < 0.8:
        args.append(rng.choice(['-gfglo.txt'] * 8 + ['-GFglo.txt',
                                                     '-gfmissing.txt',
                                                     '-gFglo.txt']))
    if rng.random() < 0.3:
        args.append('-p' + sat_list_arg(rng, info, odd))
    if rng.random() < 0.7:
        args.append('-l' + obs_list_arg(rng, odd))
    if rng.random() < 0.25:
        args.append('-s' + date_arg(rng, info, odd))
    if rng.random() < 0.25:
        args.append('-e' + date_arg(rng, info, odd))
    if rng.random() < 0.4:
        args.append('-t' + rng.choice(['30', '1', '5', '15', '60', '0.1',
                                       '0.5', '2.5', '10', '0', '-30', 'abc',
                                       '1e30', '3600', '0.2', '0.1', '0.05',
                                       '0.3', '1.5', '7']))
    if rng.random() < 0.2:
        args.append('-d' + rng.choice(['0.01', '0.05', '-0.005', '0.5', '0',
                                       'abc', '0.001', '1e-9']))
    if rng.random() < 0.2:
        args.append(rng.choice(['-ms', '-MS', '-mS']))
    if rng.random() < 0.3:
        args.append(rng.choice(['-uC', '-uM', '-um', '-uc', '-u', '-ux',
                                '-uhelp', '-UM']))
    if rng.random() < 0.3:
        args.append(rng.choice(['-v', '-V', '-verbose', '-vv']))
    if odd and rng.random() < 0.15:
        args.append(rng.choice(['-x', '-', 'foo', '-help', '-HELP', '-Help',
                                '-hElp', '-m', '-gF', '-zhelp', '-g']))
    rng.shuffle(args)
    if rng.random() < 0.02:
        args = rng.choice([[], ['-v'], ['-help'], ['-help', '-v'],
                           ['-v', '-help', '-osd.txt']])
    return args


def make_case(rng, folder):
    odd = rng.random() < 0.35
    ms = rng.random() < 0.15
    info = write_sd(rng, os.path.join(folder, 'sd.txt'), odd, ms)
    has_glo = rng.random() < 0.6
    if has_glo:
        write_channels(rng, os.path.join(folder, 'glo.txt'), info)
    args = make_args(rng, info, odd, has_glo)
    if ms:
        args.append('-ms')
        if rng.random() < 0.5:
            args.append('-v')
        if not any(a.startswith('-c') for a in args):
            args.append('-cG')
    with open(os.path.join(folder, 'args'), 'w') as f:
        f.write(''.join(a + '\n' for a in args))
    return args


if __name__ == '__main__':
    seed, folder = int(sys.argv[1]), sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    print('\n'.join(make_case(random.Random(seed), folder)))
