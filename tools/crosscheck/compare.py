#!/usr/bin/env python3
"""Runs random cases (and optionally the real files) through the built
program and through the reference, and reports every difference: for each
stream the first line that differs.  Builds nothing.

    python3 compare.py PROG [-n N] [--seed S] [--keep DIR] [--real DIR]

Failing cases are kept in DIR (default: a new temporary folder) in the
layout of tests/cli (args, stdout, stderr, status of the reference, with the
program's streams beside them as *.prog).  Exit status 0 when all agree.
Ends with the line "N passed, N failed".
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import random_inputs  # noqa: E402

REFERENCE = os.path.join(HERE, 'reference.py')
TIMEOUT = 300


def run(cmd, cwd, env=None):
    try:
        p = subprocess.run(cmd, cwd=cwd, stdin=subprocess.DEVNULL, env=env,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                           timeout=TIMEOUT)
        return p.stdout, p.stderr, p.returncode
    except subprocess.TimeoutExpired:
        return b'', b'<timeout>', -999


def first_difference(a, b):
    la = a.split(b'\n')
    lb = b.split(b'\n')
    for i in range(max(len(la), len(lb))):
        x = la[i] if i < len(la) else b'<end>'
        y = lb[i] if i < len(lb) else b'<end>'
        if x != y:
            return i + 1, x, y
    return None


def compare(prog, args, cwd):
    """Returns (list of difference texts, program result, reference result)."""
    got = run([prog] + args, cwd)
    ref = run([sys.executable, REFERENCE] + args, cwd,
              dict(os.environ, XC_ARGV0=prog))
    diffs = []
    for name, g, r in (('stdout', got[0], ref[0]), ('stderr', got[1], ref[1])):
        if g != r:
            ln, x, y = first_difference(g, r)
            diffs.append('  %s line %d:\n    prog: %r\n    ref:  %r'
                         % (name, ln, x[:300], y[:300]))
    if got[2] != ref[2]:
        diffs.append('  status: prog %d, ref %d' % (got[2], ref[2]))
    return diffs, got, ref


def keep_case(keep, name, src, args, got, ref):
    dst = os.path.join(keep, name)
    if src:
        shutil.copytree(src, dst, dirs_exist_ok=True)
    else:
        os.makedirs(dst, exist_ok=True)
    with open(os.path.join(dst, 'args'), 'w') as f:
        f.write(''.join(a + '\n' for a in args))
    for ext, res in (('', ref), ('.prog', got)):
        with open(os.path.join(dst, 'stdout' + ext), 'wb') as f:
            f.write(res[0])
        with open(os.path.join(dst, 'stderr' + ext), 'wb') as f:
            f.write(res[1])
        with open(os.path.join(dst, 'status' + ext), 'w') as f:
            f.write('%d\n' % res[2])
    return dst


def report_difference(keep, name, label, src, args, diffs, got, ref):
    """Keeps a differing case under `name` and prints its differences."""
    dst = keep_case(keep, name, src, args, got, ref)
    print('DIFF %s (%s): %s' % (label, dst, ' '.join(args)))
    print('\n'.join(diffs))


def real_command_lines(folder):
    """Command lines over the real files, which are read where they are."""
    out = []
    chan = None
    files = []
    for root, _, names in sorted(os.walk(folder)):
        for n in sorted(names):
            p = os.path.join(root, n)
            if n.endswith('.sd'):
                files.append(p)
            elif 'channel' in n or 'glonass' in n.lower() or \
                    n.endswith('.chn'):
                chan = p
    all_combos = 'L4:Pp4:Pc4:L3:Pc3:Pp3:WL:WLP:WLC:MW:MWp:MP1:MC1:MP2:' \
                 'CL1:PL1:PL2:PC1:PC2:'
    for f in files:
        o = '-o' + f
        out.append([o, '-csGRE', '-v'])
        out.append([o, '-cG', '-l' + all_combos, '-t30'])
        out.append([o, '-cE', '-l' + all_combos + 'C7:L7:D1:', '-uM'])
        out.append([o, '-cGE', '-lC1:L1:L2:L5:C5:D1:D2:MW:', '-uM', '-ms',
                    '-v', '-t5', '-d0.05'])
        if chan:
            out.append([o, '-csGRE', '-gf' + chan, '-l' + all_combos + 'L1:',
                        '-uM', '-v'])
            out.append([o, '-cR', '-gf' + chan, '-pR01R02R03R24G05E11',
                        '-lL1:L2:L4:L3:MW:MP1:MC1:MP2:PL2:', '-t10'])
    return out


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('prog')
    ap.add_argument('-n', type=int, default=100)
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--keep', default=None)
    ap.add_argument('--real', default=None,
                    help='folder of real single-difference files')
    ap.add_argument('--quiet', action='store_true')
    opt = ap.parse_args()
    prog = os.path.abspath(opt.prog)
    keep = opt.keep or tempfile.mkdtemp(prefix='crosscheck-')
    os.makedirs(keep, exist_ok=True)
    passed = failed = 0
    work = tempfile.mkdtemp(prefix='crosscheck-work-')
    try:
        for i in range(opt.n):
            seed = opt.seed * 100000 + i
            case = os.path.join(work, 'case%d' % seed)
            os.makedirs(case)
            args = random_inputs.make_case(random.Random(seed), case)
            diffs, got, ref = compare(prog, args, case)
            if diffs:
                failed += 1
                report_difference(keep, 'case%d' % seed, 'case %d' % seed, case, args,
                                  diffs, got, ref)
            else:
                passed += 1
                if not opt.quiet:
                    print('ok   case %d' % seed)
            shutil.rmtree(case)
        if opt.real:
            for j, args in enumerate(real_command_lines(opt.real)):
                diffs, got, ref = compare(prog, args, work)
                if diffs:
                    failed += 1
                    report_difference(keep, 'real%d' % j, 'real %d' % j, None, args,
                                      diffs, got, ref)
                else:
                    passed += 1
                    print('ok   real %d: %s' % (j, ' '.join(args)))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if failed:
        print('failing cases kept in', keep)
    else:
        shutil.rmtree(keep, ignore_errors=True)
    print('%d passed, %d failed' % (passed, failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
