#!/usr/bin/env python3
"""Generate the test vectors of the heat-stress model from the reference model.

Writes tests/model/data/morv_vectors.txt: 10000 cases of CalculateMORV inputs
spread over the ranges the application passes, each with the reference
results.  The run is deterministic (fixed seed), so the file can be
regenerated and compared byte for byte.

Line format (space separated):

    year month day hour minute gmtOffset avgAdjust lat lon solar pressure airT
    rh wind height deltaT urban | ret out18 out19 out20 out21 out22
    | globeIter nwbIter pwbIter

Float inputs are 32-bit float values printed with '%.9g', so they read back
exactly.  Outputs are printed with '%.9g'; output 18 is the word 'unwritten'
when the model leaves it alone (height exactly 2.0, or a refused solar
position).  The iteration counts of the three solvers are 0 for a solver that
did not run; they are there to help diagnose a mismatch.
"""

import calendar
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import morv_reference as model  # noqa: E402

f32 = model.f32
FAILURE = model.FAILURE

SEED = 20261207
CASE_COUNT = 10000
# The set must exercise the solvers' iteration limit: cold, dry air (and, for
# the globe, strong wind) makes them run out of iterations.  The random spread
# below (15 % of air temperatures in -75..70 C, 12 % of wind speeds in 15..50
# m/s) gives well over these minimums, so no separate block of targeted cases
# is needed; main() checks that it stays so.
MIN_GLOBE_OR_NATURAL_FAILURES = 50
MIN_PSYCHROMETRIC_ONLY_FAILURES = 5

OUTPUT_PATH = os.path.normpath(os.path.join(HERE, '..', 'data', 'morv_vectors.txt'))

AVERAGING_PERIODS = (1, 5, 10, 15, 30, 60, 120, 1000)

HEADER = ('# year month day hour minute gmtOffset avgAdjust lat lon solar pressure airT'
          ' rh wind height deltaT urban | ret out18 out19 out20 out21 out22'
          ' | globeIter nwbIter pwbIter')


def _date(rng):
    r = rng.random()
    if r < 0.005:
        year = rng.randint(1940, 1949)
    elif r < 0.01:
        year = rng.randint(2050, 2060)
    else:
        year = rng.randint(1950, 2049)
    if rng.random() < 0.03:
        return year, 0, rng.randint(1, 366)
    month = rng.randint(1, 12)
    return year, month, rng.randint(1, calendar.monthrange(year, month)[1])


def _averaging_adjustment(rng):
    if rng.random() < 0.6:
        return 0
    if rng.random() < 0.5:
        period = rng.choice(AVERAGING_PERIODS)
    else:
        period = rng.randint(0, 1000)
    return period if rng.random() < 0.5 else -period


def _latitude(rng):
    if rng.random() < 0.015:
        return rng.choice((90.0, -90.0, 0.0))
    return rng.uniform(-90.0, 90.0)


def _longitude(rng):
    if rng.random() < 0.005:
        return rng.choice((180.0, -180.0, 0.0))
    return rng.uniform(-180.0, 180.0)


def _solar(rng):
    r = rng.random()
    if r < 0.05:
        return 0.1                       # night: the application's floor
    if r < 0.07:
        return rng.uniform(1400.0, 3000.0)
    return rng.uniform(0.1, 1400.0)


def _pressure(rng):
    if rng.random() < 0.85:
        return rng.uniform(850.0, 1050.0)
    return rng.uniform(500.0, 1500.0)


def _air_temperature(rng):
    if rng.random() < 0.85:
        return rng.uniform(-20.0, 50.0)
    return rng.uniform(-75.0, 70.0)


def _humidity(rng):
    r = rng.random()
    if r < 0.03:
        return 1.0
    if r < 0.06:
        return 100.0
    return rng.uniform(1.0, 100.0)


def _wind(rng):
    r = rng.random()
    if r < 0.08:
        return 0.0
    if r < 0.88:
        return rng.uniform(0.0, 15.0)
    return rng.uniform(15.0, 50.0)


def _height(rng):
    if rng.random() < 0.4:
        return 2.0
    if rng.random() < 0.25:
        return 10.0
    return rng.uniform(1.0, 60.0)


def _delta_t(rng):
    r = rng.random()
    if r < 0.08:
        return 0.0
    if r < 0.20:
        return rng.uniform(-20.0, 20.0)
    return rng.uniform(-3.0, 3.0)


def random_case(rng):
    year, month, day = _date(rng)
    return dict(
        year=year, month=month, day=day,
        hour=rng.randint(0, 23), minute=rng.randint(0, 59),
        gmt=rng.randint(-12, 14), avg=_averaging_adjustment(rng),
        lat=f32(_latitude(rng)), lon=f32(_longitude(rng)),
        solar=f32(max(_solar(rng), 0.1)), pressure=f32(_pressure(rng)),
        airT=f32(_air_temperature(rng)), rh=f32(max(_humidity(rng), 1.0)),
        wind=f32(_wind(rng)), height=f32(_height(rng)), deltaT=f32(_delta_t(rng)),
        urban=rng.randint(0, 1))


def _g(x):
    return '%.9g' % x


def run_case(case):
    outputs = [None, FAILURE, FAILURE, FAILURE, FAILURE]
    iterations = [0, 0, 0]
    ret = model.CalculateMORV(
        case['year'], case['month'], case['day'], case['hour'], case['minute'],
        case['gmt'], case['avg'], case['lat'], case['lon'], case['solar'],
        case['pressure'], case['airT'], case['rh'], case['wind'], case['height'],
        case['deltaT'], case['urban'], outputs, iterations)
    return ret, outputs, iterations


def format_line(case, ret, outputs, iterations):
    inputs = [str(case['year']), str(case['month']), str(case['day']), str(case['hour']),
              str(case['minute']), str(case['gmt']), str(case['avg'])]
    inputs += [_g(case[k]) for k in ('lat', 'lon', 'solar', 'pressure', 'airT', 'rh',
                                     'wind', 'height', 'deltaT')]
    inputs.append(str(case['urban']))
    out = [str(ret), 'unwritten' if outputs[0] is None else _g(outputs[0])]
    out += [_g(x) for x in outputs[1:]]
    return '%s | %s | %s' % (' '.join(inputs), ' '.join(out), ' '.join(str(n) for n in iterations))


def main():
    rng = random.Random(SEED)
    cases = [random_case(rng) for _ in range(CASE_COUNT)]

    stats = dict(ret_fail=0, refused=0, out18_written=0,
                 fail19=0, fail20=0, fail21=0, fail22=0,
                 globe_or_natural=0, psychro_only=0, globe_only=0, natural_only=0)
    iteration_range = [[None, None] for _ in range(3)]
    lines = [HEADER]
    for case in cases:
        ret, outputs, iterations = run_case(case)
        lines.append(format_line(case, ret, outputs, iterations))

        refused = iterations == [0, 0, 0]
        stats['ret_fail'] += ret == -1
        stats['refused'] += refused
        stats['out18_written'] += outputs[0] is not None
        for i in range(1, 5):
            stats['fail%d' % (18 + i)] += outputs[i] == FAILURE
        if not refused:
            g, n, p = (outputs[i] == FAILURE for i in (1, 2, 3))
            stats['globe_or_natural'] += g or n
            stats['psychro_only'] += p and not (g or n)
            stats['globe_only'] += g and not n
            stats['natural_only'] += n and not g
            for k in range(3):
                lo, hi = iteration_range[k]
                c = iterations[k]
                iteration_range[k] = [c if lo is None else min(lo, c),
                                      c if hi is None else max(hi, c)]

    os.makedirs(os.path.dirname(OUTPUT_PATH), exist_ok=True)
    with open(OUTPUT_PATH, 'w', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')

    print('wrote %d cases to %s' % (len(cases), OUTPUT_PATH))
    print('result -1:                         %d' % stats['ret_fail'])
    print('refused solar position:            %d' % stats['refused'])
    print('output 18 written:                 %d' % stats['out18_written'])
    for i in range(19, 23):
        print('output %d == -9999:              %d' % (i, stats['fail%d' % i]))
    print('globe or natural wet bulb failed:  %d (globe only %d, natural only %d)'
          % (stats['globe_or_natural'], stats['globe_only'], stats['natural_only']))
    print('psychrometric-only failures:       %d' % stats['psychro_only'])
    for name, (lo, hi) in zip(('globe', 'natural wet bulb', 'psychrometric wet bulb'),
                              iteration_range):
        print('%-23s iterations: min %s max %s (solver runs only)' % (name, lo, hi))

    assert stats['globe_or_natural'] >= MIN_GLOBE_OR_NATURAL_FAILURES
    assert stats['psychro_only'] >= MIN_PSYCHROMETRIC_ONLY_FAILURES


if __name__ == '__main__':
    main()
