#!/usr/bin/env python3
"""Reference implementation of the heat-stress (wet bulb globe temperature) model.

This is an independent, pure-Python (standard library only) rendering of the
model that the C++ code in source/model implements.  It exists to produce test
vectors the C++ code is checked against, so it goes out of its way to round to
32-bit floats exactly where the C++ model stores a value in a 32-bit float.

Conventions used throughout:

* ``f32(x)`` rounds a double to the nearest 32-bit float (round to nearest,
  ties to even, overflow to infinity) and hands it back as a Python float.
  It is applied wherever the model stores a value in a 32-bit float: function
  arguments that are reduced to float, returned floats, and the named working
  values of the two solvers.  The arithmetic of one expression is done in
  double precision, as the C++ code does when it evaluates float operands
  together with double constants.
* Constants that the model keeps in single precision are stored here already
  rounded (``F32_...``) and then take part in double arithmetic, so for
  instance ``1 - F32_0_4`` is slightly below 0.6.  Every other constant is a
  double.
* The mathematical functions follow the C library on domain and range errors
  (NaN or infinity instead of Python exceptions), because a diverging solver
  must run on to its iteration limit exactly as the C++ code does.
* C output pointers become return tuples, except for ``CalculateMORV``, which
  takes a list of five preset output values and overwrites those it writes, so
  that an output the model leaves alone can be told apart.
"""

import math
import struct

# ---------------------------------------------------------------------------
# 32-bit float emulation and C-like mathematics
# ---------------------------------------------------------------------------

_F32 = struct.Struct('<f')


def f32(x):
    """Round x to the nearest 32-bit float (overflow gives +-inf, as a C cast)."""
    try:
        return _F32.unpack(_F32.pack(x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)


def _cdiv(a, b):
    """a / b with IEEE semantics for a zero divisor (no ZeroDivisionError)."""
    if b == 0.0:
        if a == 0.0 or a != a:
            return math.nan
        return math.copysign(math.inf, a) * math.copysign(1.0, b)
    return a / b


def _cexp(x):
    try:
        return math.exp(x)
    except OverflowError:
        return math.inf


def _clog(x):
    if x > 0.0:
        return math.log(x)
    if x == 0.0:
        return -math.inf
    return math.nan  # negative or NaN


def _csqrt(x):
    if x < 0.0:
        return math.nan
    return math.sqrt(x)


def _cpow(x, y):
    try:
        return math.pow(x, y)
    except OverflowError:
        if x < 0.0 and float(y).is_integer() and int(y) % 2 == 1:
            return -math.inf
        return math.inf
    except ValueError:
        if x == 0.0:          # zero to a negative power
            return math.inf
        return math.nan       # negative base, non-integer exponent


def _ctan(x):
    if math.isinf(x):
        return math.nan
    return math.tan(x)


def _clamp_unit(x):
    """Keep an asin/acos argument inside [-1, 1].

    Rounding can push sin/cos combinations a hair outside the unit interval
    when the sun stands at the zenith or the observer at a pole; the model
    clamps them so that no NaN appears.  NaN itself passes through.
    """
    if x > 1.0:
        return 1.0
    if x < -1.0:
        return -1.0
    return x


# ---------------------------------------------------------------------------
# Constants
# ---------------------------------------------------------------------------

FAILURE = -9999.0                  # failure value of every temperature output

TWO_PI = 2.0 * math.pi
DEG2RAD = math.pi / 180.0          # degrees to radians, as a multiplication
RAD2DEG = 57.29577951308232        # radians to degrees

# Physical constants (doubles).
MW_AIR = 28.97                     # molecular weight of dry air
MW_WATER = 18.015                  # molecular weight of water
R_GAS = 8314.34                    # universal gas constant, J/(kmol K)
R_AIR = R_GAS / MW_AIR             # gas constant of dry air, J/(kg K)
CP = 1003.5                        # specific heat of dry air, J/(kg K)
PR = CP / (CP + 1.25 * R_AIR)      # Prandtl number
STEFANB = 5.6696e-8                # Stefan-Boltzmann constant, W/(m2 K4)
MIN_SPEED = 0.13                   # minimum wind speed in the coefficients, m/s

# Constants the model keeps in single precision.
F32_0_000364 = f32(0.000364)
F32_2_334 = f32(2.334)
F32_36_4 = f32(36.4)
F32_218 = f32(218.0)
F32_132 = f32(132.0)
F32_647_3 = f32(647.3)
F32_0_281 = f32(0.281)
F32_0_4 = f32(0.4)
F32_0_56 = f32(0.56)
F32_3_617 = f32(3.617)

# Globe and wick parameters (doubles).
GLOBE_DIAMETER = 0.0508
GLOBE_EMISSIVITY = 0.95
GLOBE_ABSORPTIVITY = 0.95          # 1 - albedo of the globe
WICK_DIAMETER = 0.007
WICK_LENGTH = 0.0254
WICK_EMISSIVITY = 0.95
WICK_ABSORPTIVITY = 0.6            # 1 - albedo of the wick
SURFACE_EMISSIVITY = 0.999
SURFACE_ALBEDO = 0.45

SOLVER_MAX_ITERATIONS = 50
SOLVER_TOLERANCE = 0.02
SOLVER_RELAXATION = 0.1            # share of the new temperature taken per step

# Cumulative days before each month of a common year, indexed 1..12.
_DAYS_BEFORE_MONTH = (None, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334)

# Stability table: rows by wind speed band, columns 0..3 day, 5..6 night.
_STABILITY_TABLE = (
    (1, 1, 2, 4, 0, 5, 6, 0),
    (1, 2, 3, 4, 0, 5, 6, 0),
    (2, 2, 3, 4, 0, 4, 4, 0),
    (3, 3, 4, 4, 0, 0, 0, 0),
    (3, 4, 4, 4, 0, 0, 0, 0),
)

# Power-law exponents of the wind profile by stability class 1..6 (floats).
_URBAN_EXPONENTS = tuple(f32(p) for p in (0.15, 0.15, 0.20, 0.25, 0.30, 0.30))
_RURAL_EXPONENTS = tuple(f32(p) for p in (0.07, 0.07, 0.10, 0.15, 0.35, 0.55))


# ---------------------------------------------------------------------------
# Solar position and day of year (all double precision)
# ---------------------------------------------------------------------------

def _is_leap_year(year):
    return (year % 4 == 0 and year % 100 != 0) or year % 400 == 0


def ComputeDayOfYear(year, month, day):
    """Day of the year of a calendar date, or -1 when year < 1.

    The month is not validated; the caller guarantees 1..12.
    """
    if year < 1:
        return -1
    result = _DAYS_BEFORE_MONTH[month] + day
    if month >= 3 and _is_leap_year(year):
        result += 1
    return result


def _day_index(year, day_of_year):
    """Running day index k: 1 for 1 January 2000, counted through the calendar.

    365 days per year since 2000 plus the leap days of the years before
    ``year`` (from 2000 on; before 2000 the count runs backwards).  The
    integer division is floor division of a positive number for every year
    the solar position accepts (1950..2049), so it reads the same with C's
    truncating division:  (year - 1) / 4 - 499  leap days.
    """
    return 365 * (year - 2000) + (year - 1) // 4 - 499 + day_of_year


def _day_number(year, month, day, day_count):
    """Day number n, Julian centuries T at 0 h and universal hour U."""
    if year != 0:
        fraction, whole = math.modf(day)
        d = int(whole)
        day_of_year = ComputeDayOfYear(year, month, d) if month != 0 else d
        n0 = _day_index(year, day_of_year) - 1.5
        t = n0 / 36525.0
        n = n0 + fraction
        u = 24.0 * fraction
    else:
        fraction, whole = math.modf(day_count)
        n = day_count - 36525.5
        u = 24.0 * fraction
        t = (whole - 36525.5) / 36525.0
    return n, t, u


def _refraction(elevation_deg, tan_elevation, tan_replaced):
    """Refraction in degrees at 1013.25 mb and 15 degrees C."""
    pressure = 1013.25
    temperature = 273.0 + 15.0
    if elevation_deg < -1.0 or tan_replaced:
        return 0.0
    if elevation_deg >= 19.225:
        return 0.00452 * pressure / temperature / tan_elevation
    e = elevation_deg
    return (pressure * (0.1594 + 0.0196 * e + 0.00002 * e * e)
            / ((1.0 + 0.505 * e + 0.0845 * e * e) * temperature))


def ComputeSolarPosition(year, month, day, day_count, latitude, longitude):
    """Apparent solar position.

    Returns (0, right ascension h, declination deg, refracted elevation deg,
    refraction deg, azimuth deg, distance AU), or (-1, None, ...) when an input
    is out of range.
    """
    refused = (-1, None, None, None, None, None, None)
    if not (-90.0 <= latitude <= 90.0):
        return refused
    if not (-180.0 <= longitude <= 180.0):
        return refused
    if year != 0:
        if not (1950 <= year <= 2049):
            return refused
        if 1 <= month <= 12:
            if not (0.0 <= day <= 33.0):
                return refused
        elif month == 0:
            if not (0.0 <= day <= 368.0):
                return refused
        else:
            return refused
    else:
        if not (18262.0 <= day_count <= 54788.0):
            return refused

    n, t, u = _day_number(year, month, day, day_count)

    # Mean anomaly and mean longitude, reduced keeping the sign.
    g = math.modf((357.528 + 0.9856003 * n) / 360.0)[0] * TWO_PI
    mean_longitude = math.modf((280.46 + 0.9856474 * n) / 360.0)[0] * TWO_PI

    obliquity = (23.439 - 0.0000004 * n) * DEG2RAD
    ecliptic_longitude = mean_longitude + (1.915 * math.sin(g) + 0.02 * math.sin(2.0 * g)) * DEG2RAD
    distance = 1.00014 - 0.01671 * math.cos(g) - 0.00014 * math.cos(2.0 * g)

    alpha = math.atan2(math.cos(obliquity) * math.sin(ecliptic_longitude),
                       math.cos(ecliptic_longitude))
    if alpha < 0.0:
        alpha += TWO_PI
    right_ascension = 24.0 * math.modf(alpha / TWO_PI)[0]

    declination = math.asin(_clamp_unit(math.sin(obliquity) * math.sin(ecliptic_longitude)))

    # Greenwich and local mean sidereal time, hours.
    s = 24110.54841 + 8640184.812866 * t + 0.093104 * t * t - 0.0000062 * t * t * t
    gmst = 24.0 * math.modf(s / 86400.0)[0]
    if gmst < 0.0:
        gmst += 24.0
    lmst = gmst + 1.00273790934 * u + longitude / 15.0
    lmst = 24.0 * math.modf(lmst / 24.0)[0]
    if lmst < 0.0:
        lmst += 24.0

    hour_angle = lmst - right_ascension
    if hour_angle < -12.0:
        hour_angle += 24.0
    elif hour_angle > 12.0:
        hour_angle -= 24.0
    hour_angle = TWO_PI * hour_angle / 24.0

    phi = latitude * DEG2RAD
    elevation = math.asin(_clamp_unit(math.sin(declination) * math.sin(phi)
                                      + math.cos(declination) * math.cos(phi) * math.cos(hour_angle)))

    if abs(elevation) < 1.57079615:
        tan_elevation = math.tan(elevation)
        tan_replaced = False
    else:
        tan_elevation = 6000000.0
        tan_replaced = True

    cos_elevation = math.cos(elevation)
    cos_azimuth = _cdiv(math.sin(declination) * math.cos(phi)
                        - math.cos(declination) * math.cos(hour_angle) * math.sin(phi),
                        cos_elevation)
    sin_azimuth = _cdiv(-math.cos(declination) * math.sin(hour_angle), cos_elevation)
    azimuth = math.acos(_clamp_unit(cos_azimuth))
    if math.atan2(sin_azimuth, cos_azimuth) < 0.0:
        azimuth = TWO_PI - azimuth

    declination *= RAD2DEG
    elevation *= RAD2DEG
    azimuth *= RAD2DEG

    refraction = _refraction(elevation, tan_elevation, tan_replaced)
    return (0, right_ascension, declination, elevation + refraction, refraction,
            azimuth, distance)


# ---------------------------------------------------------------------------
# Irradiance split
# ---------------------------------------------------------------------------

def ComputeSolarIrradianceSplit(year, month, day, latitude, longitude, solar):
    """Cosine of the zenith angle and direct-beam fraction; caps the irradiance.

    Returns (0, solar, cosZenith, directFraction) with the possibly lowered
    irradiance, or (-1, solar, None, None) when the solar position refuses its
    inputs (then nothing is written and the irradiance is returned unchanged).
    """
    latitude = f32(latitude)
    longitude = f32(longitude)
    solar = f32(solar)

    ret, _ra, _dec, elevation, _refr, _azim, distance = ComputeSolarPosition(
        year, month, day, 0.0, latitude, longitude)
    if ret != 0:
        return (-1, solar, None, None)

    cos_zenith = f32(math.cos((90.0 - elevation) * math.pi / 180.0))
    # The top-of-atmosphere irradiance is a stored float like the other values.
    toa = f32(1367.0 * max(cos_zenith, 0.0) / (distance * distance))
    if cos_zenith < 0.00873:
        toa = 0.0

    if toa <= 0.0:
        direct_fraction = 0.0
    else:
        # The cap compares the stored (float) ratio with the double 0.85 and
        # stores 0.85 as a float.
        q = f32(solar / toa)
        if q >= 0.85:
            q = f32(0.85)
        solar = f32(q * toa)
        if q <= 0.0:
            direct_fraction = 0.0
        else:
            direct_fraction = f32(_cexp(3.0 - 1.34 * q - 1.65 / q))
            if direct_fraction > 0.9:
                direct_fraction = f32(0.9)
            if direct_fraction <= 0.0:
                direct_fraction = 0.0
    return (0, solar, cos_zenith, direct_fraction)


# ---------------------------------------------------------------------------
# Properties of air and psychrometrics
#
# Each function reduces its arguments to floats, evaluates its formula as one
# double expression (intermediate quantities such as Tr, the collision
# integral, the density, Re and Nu are not rounded to float) and returns a
# float.  Results of the other property functions it calls are floats, since
# that is what those functions return.
# ---------------------------------------------------------------------------

def ComputeSaturationVaporPressure(temperature, phase):
    """Saturation vapour pressure (mb) over water (phase 0) or ice (non-zero)."""
    t = f32(temperature)
    # The enhancement factor is applied within the same expression, with no
    # float rounding of the uncorrected pressure.
    if phase:
        return f32(6.1115 * _cexp(_cdiv(22.452 * (t - 273.15), t - 0.6)) * 1.004)
    return f32(6.1121 * _cexp(_cdiv(17.502 * (t - 273.15), t - 32.18)) * 1.004)


def ComputeDewPoint(vapor_pressure, phase):
    """Dew point (phase 0) or frost point (non-zero) in K of a vapour pressure (mb)."""
    e = f32(vapor_pressure)
    if phase:
        z = _clog(e / (6.1115 * 1.004))
        return f32(_cdiv(272.55 * z, 22.452 - z) + 273.15)
    z = _clog(e / (6.1121 * 1.004))
    return f32(_cdiv(240.97 * z, 17.502 - z) + 273.15)


def ComputeAirViscosity(temperature):
    """Dynamic viscosity of air, kg/(m s)."""
    t = f32(temperature)
    tr = t / 97.0
    # The 0.4 here is the single-precision 0.4 of this group of functions.
    omega = (tr - 2.9) / F32_0_4 * (-0.034) + 1.048
    return f32(_cdiv(2.6693e-6 * _csqrt(MW_AIR * t), F32_3_617 * F32_3_617 * omega))


def ComputeAirThermalConductivity(temperature):
    """Thermal conductivity of air, W/(m K)."""
    t = f32(temperature)
    return f32((CP + 1.25 * R_AIR) * ComputeAirViscosity(t))


_DIFF_A = _cpow(F32_36_4 * F32_218, 1.0 / 3.0)
_DIFF_B = _cpow(F32_132 * F32_647_3, 5.0 / 12.0)
_DIFF_C = math.sqrt(F32_132 * F32_647_3)
_DIFF_M = math.sqrt(1.0 / MW_AIR + 1.0 / MW_WATER)


def ComputeWaterVaporDiffusivity(temperature, pressure):
    """Diffusivity of water vapour in air, m2/s."""
    t = f32(temperature)
    p = f32(pressure)
    p_atm = p / 1013.25
    return f32(_cdiv(F32_0_000364 * _cpow(t / _DIFF_C, F32_2_334) * _DIFF_A * _DIFF_B * _DIFF_M,
                     p_atm) * 0.0001)


def ComputeHeatOfEvaporation(temperature):
    """Heat of evaporation of water, J/kg."""
    t = f32(temperature)
    return f32((313.15 - t) / 30.0 * (-71100.0) + 2407300.0)


def ComputeAtmosphericEmissivity(temperature, relative_humidity):
    """Emissivity of the atmosphere from air temperature (K) and humidity (0..1)."""
    t = f32(temperature)
    rh = f32(relative_humidity)
    return f32(0.575 * _cpow(rh * ComputeSaturationVaporPressure(t, 0), 0.143))


def ComputeSphereConvectionCoefficient(diameter, temperature, pressure, speed):
    """Convective heat transfer coefficient of a sphere, W/(m2 K)."""
    d = f32(diameter)
    t = f32(temperature)
    p = f32(pressure)
    v = f32(speed)
    # The 0.13 minimum is the double constant, used in the expression; the
    # float speed is not overwritten with it.
    v_eff = v if v > MIN_SPEED else MIN_SPEED
    density = _cdiv(p * 100.0, R_AIR * t)
    re = _cdiv(v_eff * density * d, ComputeAirViscosity(t))
    nu = 2.0 + 0.6 * _csqrt(re) * _cpow(PR, 0.3333)
    return f32(_cdiv(ComputeAirThermalConductivity(t) * nu, d))


def ComputeCylinderConvectionCoefficient(diameter, temperature, pressure, speed):
    """Convective heat transfer coefficient of a cylinder in cross flow, W/(m2 K)."""
    d = f32(diameter)
    t = f32(temperature)
    p = f32(pressure)
    v = f32(speed)
    # The 0.13 minimum is the double constant, used in the expression; the
    # float speed is not overwritten with it.
    v_eff = v if v > MIN_SPEED else MIN_SPEED
    density = _cdiv(p * 100.0, R_AIR * t)
    re = _cdiv(v_eff * density * d, ComputeAirViscosity(t))
    nu = F32_0_281 * _cpow(re, 1.0 - F32_0_4) * _cpow(PR, 1.0 - F32_0_56)
    return f32(_cdiv(ComputeAirThermalConductivity(t) * nu, d))


# ---------------------------------------------------------------------------
# Stability class and 2 m wind speed
# ---------------------------------------------------------------------------

def ComputeStabilityClass(daytime, speed, solar, delta_t):
    """Stability class 1 (most unstable) .. 6 (most stable)."""
    speed = f32(speed)
    solar = f32(solar)
    delta_t = f32(delta_t)
    if daytime:
        if solar >= 925.0:
            column = 0
        elif solar >= 675.0:
            column = 1
        elif solar >= 175.0:
            column = 2
        else:
            column = 3
        if speed >= 6.0:
            row = 4
        elif speed >= 5.0:
            row = 3
        elif speed >= 3.0:
            row = 2
        elif speed >= 2.0:
            row = 1
        else:
            row = 0
    else:
        column = 6 if delta_t >= 0.0 else 5
        if speed >= 2.5:
            row = 2
        elif speed >= 2.0:
            row = 1
        else:
            row = 0
    return _STABILITY_TABLE[row][column]


def EstimateWindSpeedAt2m(speed, height, stability_class, urban):
    """Wind speed at 2 m from a speed measured at another height (power law)."""
    speed = f32(speed)
    height = f32(height)
    exponents = _URBAN_EXPONENTS if urban else _RURAL_EXPONENTS
    p = exponents[stability_class - 1]
    # 2 / height in double; the estimate is stored as a float before the
    # comparison with the (double) minimum.
    estimate = f32(speed * _cpow(_cdiv(2.0, height), p))
    if estimate <= MIN_SPEED:
        return f32(MIN_SPEED)
    return estimate


# ---------------------------------------------------------------------------
# Globe temperature and wet-bulb solvers
#
# Working values (Tref, h, the emissivity, F, ewick, rho, Sc, Tnew, ea, the
# starting and the relaxed estimate, the zenith angle) are floats; each
# expression is evaluated in double and rounded once when it is stored.
# ---------------------------------------------------------------------------

def _globe_temperature(air_temperature, relative_humidity, pressure, speed, solar,
                       direct_fraction, cos_zenith):
    """Globe solver; returns (result in C or -9999, iteration count)."""
    ta = f32(air_temperature)
    rh = f32(relative_humidity)
    p = f32(pressure)
    v = f32(speed)
    s = f32(solar)
    fdir = f32(direct_fraction)
    cz = f32(cos_zenith)

    estimate = ta
    ta4 = _cpow(ta, 4.0)
    count = 0
    converged = False
    t_new = estimate
    while not converged:
        count += 1
        t_ref = f32(0.5 * (estimate + ta))
        h = ComputeSphereConvectionCoefficient(GLOBE_DIAMETER, t_ref, p, v)
        emis_atm = ComputeAtmosphericEmissivity(ta, rh)
        t_new = f32(_cpow(
            0.5 * (emis_atm * ta4 + SURFACE_EMISSIVITY * ta4)
            - _cdiv(h * (estimate - ta), GLOBE_EMISSIVITY * STEFANB)
            + s / (2.0 * GLOBE_EMISSIVITY * STEFANB) * GLOBE_ABSORPTIVITY
            * (fdir * (_cdiv(1.0, 2.0 * cz) - 1.0) + 1.0 + SURFACE_ALBEDO),
            0.25))
        # The difference of the two floats is taken in double.
        if abs(t_new - estimate) < SOLVER_TOLERANCE or count >= SOLVER_MAX_ITERATIONS:
            converged = True
        estimate = f32((1.0 - SOLVER_RELAXATION) * estimate + SOLVER_RELAXATION * t_new)

    if count < SOLVER_MAX_ITERATIONS:
        return f32(t_new - 273.15), count
    return FAILURE, count


def _wet_bulb_temperature(air_temperature, relative_humidity, pressure, speed, solar,
                          direct_fraction, cos_zenith, radiation):
    """Wet-bulb solver; returns (result in C or -9999, iteration count)."""
    ta = f32(air_temperature)
    rh = f32(relative_humidity)
    p = f32(pressure)
    v = f32(speed)
    s = f32(solar)
    fdir = f32(direct_fraction)
    cz = f32(cos_zenith)

    ea = f32(rh * ComputeSaturationVaporPressure(ta, 0))
    estimate = ComputeDewPoint(ea, 0)
    # The zenith angle is a working value: stored as a float once.
    zenith = f32(math.acos(_clamp_unit(cz)))
    tan_zenith = _ctan(zenith)           # part of the F expression: not rounded
    ta4 = _cpow(ta, 4.0)                 # powers are part of their expressions
    shape = 0.25 * WICK_DIAMETER / WICK_LENGTH
    evaporation_ratio = MW_WATER / MW_AIR

    count = 0
    converged = False
    t_new = estimate
    while not converged:
        count += 1
        t_ref = f32(0.5 * (estimate + ta))
        h = ComputeCylinderConvectionCoefficient(WICK_DIAMETER, t_ref, p, v)
        emis_atm = ComputeAtmosphericEmissivity(ta, rh)
        flux = f32(WICK_EMISSIVITY * STEFANB
                   * (0.5 * (emis_atm * ta4 + SURFACE_EMISSIVITY * ta4) - _cpow(estimate, 4.0))
                   + WICK_ABSORPTIVITY * s
                   * ((1.0 - fdir) * (1.0 + shape)
                      + fdir * (tan_zenith / math.pi + shape)
                      + SURFACE_ALBEDO))
        e_wick = ComputeSaturationVaporPressure(estimate, 0)
        density = f32(_cdiv(p * 100.0, R_AIR * t_ref))
        schmidt = f32(_cdiv(ComputeAirViscosity(t_ref),
                            density * ComputeWaterVaporDiffusivity(t_ref, p)))
        t_new = f32(ta
                    - _cdiv(ComputeHeatOfEvaporation(t_ref) * evaporation_ratio / CP * (e_wick - ea),
                            p - e_wick)
                    * _cpow(_cdiv(PR, schmidt), F32_0_56)
                    + _cdiv(radiation * flux, h))
        if abs(t_new - estimate) < SOLVER_TOLERANCE or count >= SOLVER_MAX_ITERATIONS:
            converged = True
        estimate = f32((1.0 - SOLVER_RELAXATION) * estimate + SOLVER_RELAXATION * t_new)

    if count < SOLVER_MAX_ITERATIONS:
        return f32(t_new - 273.15), count
    return FAILURE, count


def ComputeGlobeTemperature(air_temperature, relative_humidity, pressure, speed, solar,
                            direct_fraction, cos_zenith):
    """Black globe temperature in C, or -9999 when the solver does not settle."""
    return _globe_temperature(air_temperature, relative_humidity, pressure, speed, solar,
                              direct_fraction, cos_zenith)[0]


def ComputeWetBulbTemperature(air_temperature, relative_humidity, pressure, speed, solar,
                              direct_fraction, cos_zenith, radiation):
    """Natural (radiation 1) or psychrometric (radiation 0) wet bulb in C, or -9999."""
    return _wet_bulb_temperature(air_temperature, relative_humidity, pressure, speed, solar,
                                 direct_fraction, cos_zenith, radiation)[0]


# ---------------------------------------------------------------------------
# Model entry
# ---------------------------------------------------------------------------

def _universal_hour(hour, minute, gmt_offset, averaging_adjustment):
    """Universal time of day in hours (may be negative or exceed 24)."""
    return (hour - gmt_offset) + (minute - 0.5 * averaging_adjustment) / 60.0


def _day_value(day, hour, minute, gmt_offset, averaging_adjustment):
    """Day plus universal time as a fraction of a day (double)."""
    return day + _universal_hour(hour, minute, gmt_offset, averaging_adjustment) / 24.0


def CalculateMORV(year, month, day, hour, minute, gmt_offset, averaging_adjustment,
                  latitude, longitude, solar, pressure, air_temperature,
                  relative_humidity, speed, height, delta_t, urban,
                  outputs, iterations=None):
    """Wet bulb globe temperature and its components.

    ``outputs`` is a list of five values standing for outputs 18..22 (estimated
    2 m wind speed, globe, natural wet bulb, psychrometric wet bulb, wet bulb
    globe temperature); the caller presets it and the model overwrites the
    entries it writes.  ``iterations``, when given, is a list of three that
    receives the iteration counts of the globe, natural and psychrometric
    wet-bulb solvers (0 for a solver that did not run).

    Returns 0, or -1 when the globe or natural wet bulb solver failed or the
    solar position refused the date, time or place.
    """
    latitude = f32(latitude)
    longitude = f32(longitude)
    solar = f32(solar)
    pressure = f32(pressure)
    air_temperature = f32(air_temperature)
    relative_humidity = f32(relative_humidity)
    speed = f32(speed)
    height = f32(height)
    delta_t = f32(delta_t)
    if iterations is not None:
        iterations[:] = [0, 0, 0]

    day_value = _day_value(day, hour, minute, gmt_offset, averaging_adjustment)

    ret, solar, cos_zenith, direct_fraction = ComputeSolarIrradianceSplit(
        year, month, day_value, latitude, longitude, solar)
    if ret != 0:
        # No sun to work with: every temperature fails and the 2 m wind speed
        # is left as the caller set it.
        outputs[1] = FAILURE
        outputs[2] = FAILURE
        outputs[3] = FAILURE
        outputs[4] = FAILURE
        return -1

    if height != 2.0:
        daytime = 1 if cos_zenith > 0.0 else 0
        stability = ComputeStabilityClass(daytime, speed, solar, delta_t)
        speed = EstimateWindSpeedAt2m(speed, height, stability, urban)
        outputs[0] = speed

    # Kelvin temperature and humidity fraction are held as floats between steps.
    t_kelvin = f32(air_temperature + 273.15)
    rh_fraction = f32(0.01 * relative_humidity)

    globe, n_globe = _globe_temperature(t_kelvin, rh_fraction, pressure, speed, solar,
                                        direct_fraction, cos_zenith)
    outputs[1] = globe
    natural, n_natural = _wet_bulb_temperature(t_kelvin, rh_fraction, pressure, speed, solar,
                                               direct_fraction, cos_zenith, 1)
    outputs[2] = natural
    psychro, n_psychro = _wet_bulb_temperature(t_kelvin, rh_fraction, pressure, speed, solar,
                                               direct_fraction, cos_zenith, 0)
    outputs[3] = psychro
    if iterations is not None:
        iterations[:] = [n_globe, n_natural, n_psychro]

    # The air temperature term uses the Celsius input itself.
    outputs[4] = f32(0.1 * air_temperature + 0.2 * globe + 0.7 * natural)
    if globe == FAILURE or natural == FAILURE:
        outputs[4] = FAILURE
        return -1
    return 0


# ---------------------------------------------------------------------------
# Self-check of the behaviour the model pins down with numbers
# ---------------------------------------------------------------------------

def _check_day_index():
    """The day index counts only the leap days of the years before the year.

    The plain formula 365*y + y/4 + day of year (+1 after 2000) adds the
    current year's leap day in leap years after 2000; _day_index must equal it
    for every year up to 2000 and for common years after 2000, be one less in
    leap years after 2000, and agree with the calendar everywhere.
    """
    import datetime

    def plain(year, doy):
        y = year - 2000
        q = int(y / 4)                       # C division, truncating toward zero
        return 365 * y + q + doy + (1 if year > 2000 else 0)

    origin = datetime.date(2000, 1, 1)
    for year in range(1950, 2050):
        for doy in (1, 59, 60, 61, 200, 365):
            k = _day_index(year, doy)
            if year <= 2000 or not _is_leap_year(year):
                assert k == plain(year, doy), (year, doy)
            else:
                assert k == plain(year, doy) - 1, (year, doy)
            calendar = (datetime.date(year, 1, 1) - origin).days + doy
            assert k == calendar, (year, doy, k, calendar)


def _self_check():
    import datetime

    # Day of year.
    assert ComputeDayOfYear(1900, 3, 1) == 60
    assert ComputeDayOfYear(2000, 3, 1) == 61
    assert ComputeDayOfYear(0, 3, 1) == -1
    assert ComputeDayOfYear(2004, 3, 0) == 60       # month 3, day 0 of a leap year

    # Day number: month 3, day 0.5 of a leap year is day of year 60 at 12 h.
    n, t, u = _day_number(2004, 3, 0.5, 0.0)
    assert u == 12.0
    assert n == _day_index(2004, 60) - 1.5 + 0.5
    # 0 h universal time on 1 January 2000.
    n, t, u = _day_number(2000, 1, 1.0, 0.0)
    assert n == -0.5 and t == -0.5 / 36525.0 and u == 0.0
    # The running day count form: 36525.5 is noon of 1 January 2000.
    n, t, u = _day_number(0, 0, 0.0, 36525.5)
    assert n == 0.0 and u == 12.0
    _check_day_index()

    # Range checks of the solar position.
    assert ComputeSolarPosition(2000, 6, 1.5, 0.0, 90.5, 0.0)[0] == -1
    assert ComputeSolarPosition(1800, 6, 1.5, 0.0, 90.5, 0.0)[0] == -1   # latitude first
    assert ComputeSolarPosition(2000, 6, 1.5, 0.0, 90.0, 0.0)[0] == 0
    assert ComputeSolarPosition(2000, 6, 1.5, 0.0, 0.0, 180.5)[0] == -1
    assert ComputeSolarPosition(2049, 6, 1.5, 0.0, 10.0, 0.0)[0] == 0
    assert ComputeSolarPosition(2050, 6, 1.5, 0.0, 10.0, 0.0)[0] == -1
    assert ComputeSolarPosition(1950, 6, 1.5, 0.0, 10.0, 0.0)[0] == 0
    assert ComputeSolarPosition(1949, 6, 1.5, 0.0, 10.0, 0.0)[0] == -1
    assert ComputeSolarPosition(2000, 1, 33.0, 0.0, 10.0, 0.0)[0] == 0
    assert ComputeSolarPosition(2000, 1, 33.5, 0.0, 10.0, 0.0)[0] == -1
    assert ComputeSolarPosition(2000, 1, -0.1, 0.0, 10.0, 0.0)[0] == -1
    assert ComputeSolarPosition(2000, 0, 368.0, 0.0, 10.0, 0.0)[0] == 0
    assert ComputeSolarPosition(2000, 0, 368.5, 0.0, 10.0, 0.0)[0] == -1
    assert ComputeSolarPosition(2000, 13, 1.0, 0.0, 10.0, 0.0)[0] == -1
    assert ComputeSolarPosition(0, 0, 0.0, 18262.0, 10.0, 0.0)[0] == 0
    assert ComputeSolarPosition(0, 0, 0.0, 18261.9, 10.0, 0.0)[0] == -1
    assert ComputeSolarPosition(0, 0, 0.0, 54788.0, 10.0, 0.0)[0] == 0
    assert ComputeSolarPosition(0, 0, 0.0, 54788.1, 10.0, 0.0)[0] == -1
    # Month 0 with a day of the year gives the same position as the date.
    a = ComputeSolarPosition(2012, 3, 1.25, 0.0, 30.0, 20.0)
    b = ComputeSolarPosition(2012, 0, 61.25, 0.0, 30.0, 20.0)
    assert a == b
    # The year form and the running day count form agree.
    k = (datetime.date(2012, 3, 1) - datetime.date(2000, 1, 1)).days + 1
    c = ComputeSolarPosition(0, 0, 0.0, 36525.5 + k - 1.5 + 0.25, 30.0, 20.0)
    assert all(abs(x - y) < 1e-9 for x, y in zip(a, c)), (a, c)

    # Refraction: low-angle formula at -0.5 degrees, none below -1 degree.
    e = -0.5
    expected = 1013.25 * (0.1594 + 0.0196 * e + 0.00002 * e * e) / ((1 + 0.505 * e + 0.0845 * e * e) * 288.0)
    assert _refraction(e, math.tan(e * DEG2RAD), False) == expected > 0.0
    assert _refraction(-1.5, math.tan(-1.5 * DEG2RAD), False) == 0.0
    assert _refraction(89.99, 6000000.0, True) == 0.0
    assert _refraction(30.0, math.tan(30.0 * DEG2RAD), False) == 0.00452 * 1013.25 / 288.0 / math.tan(30.0 * DEG2RAD)

    # Sun at the zenith and observers at the poles: no NaN anywhere.
    for lat in (90.0, -90.0, 0.0, 23.4, -23.4):
        for hour in range(0, 24 * 60, 7):
            for month, day in ((3, 20), (6, 21), (12, 21)):
                r = ComputeSolarPosition(2020, month, day + hour / 1440.0, 0.0, lat, 0.0)
                assert r[0] == 0 and not any(x != x for x in r[1:]), (lat, hour, r)
                s = ComputeSolarIrradianceSplit(2020, month, day + hour / 1440.0, lat, 0.0, 1000.0)
                assert not any(x != x for x in s[1:])

    # Irradiance split.
    ret, solar, cz, fdir = ComputeSolarIrradianceSplit(2020, 6, 21.0, 40.0, 0.0, 500.0)   # midnight
    assert ret == 0 and cz < 0.0 and fdir == 0.0 and solar == 500.0
    ret, solar, cz, fdir = ComputeSolarIrradianceSplit(1940, 6, 21.5, 40.0, 0.0, 500.0)
    assert ret == -1 and cz is None and fdir is None
    # Sun about 0.4 degrees up: no top-of-atmosphere irradiance, positive cosine.
    found = False
    for second in range(0, 12 * 3600, 10):
        day = 21.0 + second / 86400.0
        elevation = ComputeSolarPosition(2020, 6, day, 0.0, 40.0, 0.0)[3]
        if 0.05 < elevation < 0.45:
            ret, solar, cz, fdir = ComputeSolarIrradianceSplit(2020, 6, day, 40.0, 0.0, 300.0)
            assert ret == 0 and 0.0 < cz < 0.00873 and fdir == 0.0 and solar == 300.0
            o = [None, FAILURE, FAILURE, FAILURE, FAILURE]
            CalculateMORV(2020, 6, 21, second // 3600, (second // 60) % 60, 0, 0, 40.0, 0.0,
                          300.0, 1000.0, 20.0, 50.0, 1.0, 10.0, 0.0, 0, o)
            found = True
            break
    assert found
    # Midday with 0.9 of the top-of-atmosphere irradiance.
    day = 21.5
    _, _, _, elevation, _, _, distance = ComputeSolarPosition(2020, 6, day, 0.0, f32(40.0), 0.0)
    cz = f32(math.cos((90.0 - elevation) * math.pi / 180.0))
    toa = f32(1367.0 * cz / (distance * distance))
    ret, solar, cz2, fdir = ComputeSolarIrradianceSplit(2020, 6, day, 40.0, 0.0, 0.9 * toa)
    assert ret == 0 and cz2 == cz
    assert solar == f32(f32(0.85) * toa) and abs(solar - 0.85 * toa) < 1e-3
    assert math.exp(3 - 1.34 * 0.85 - 1.65 / 0.85) > 0.9 and fdir == f32(0.9)
    ret, solar, cz2, fdir = ComputeSolarIrradianceSplit(2020, 6, day, 40.0, 0.0, 0.0)
    assert ret == 0 and solar == 0.0 and fdir == 0.0 and cz2 > 0.5

    # Properties of air.
    es = ComputeSaturationVaporPressure(273.15, 0)
    assert abs(es - 6.1121 * 1.004) < 2e-5, es
    assert abs(ComputeDewPoint(es, 0) - 273.15) < 1e-4
    assert abs(ComputeSaturationVaporPressure(273.15, 1) - 6.1115 * 1.004) < 2e-5
    assert abs(ComputeDewPoint(ComputeSaturationVaporPressure(263.15, 1), 1) - 263.15) < 1e-3
    assert abs(ComputeDewPoint(ComputeSaturationVaporPressure(300.0, 0), 0) - 300.0) < 1e-3
    assert ComputeHeatOfEvaporation(313.15) == 2407300.0
    assert ComputeHeatOfEvaporation(283.15) == 2336200.0
    for coefficient, d in ((ComputeSphereConvectionCoefficient, 0.0508),
                           (ComputeCylinderConvectionCoefficient, 0.007)):
        assert coefficient(d, 300.0, 1000.0, 0.0) == coefficient(d, 300.0, 1000.0, 0.13)
        assert coefficient(d, 300.0, 1000.0, 0.05) == coefficient(d, 300.0, 1000.0, 0.13)
        assert coefficient(d, 300.0, 1000.0, 0.2) > coefficient(d, 300.0, 1000.0, 0.13)
    assert 1.0 - F32_0_4 < 0.6

    # Stability class and 2 m wind speed.
    assert ComputeStabilityClass(1, 1.9, 1000.0, 0.0) == 1
    assert ComputeStabilityClass(1, 6.0, 100.0, 0.0) == 4
    assert ComputeStabilityClass(1, 2.0, 925.0, 0.0) == 1
    assert ComputeStabilityClass(1, 2.0, 924.9, 0.0) == 2
    assert ComputeStabilityClass(0, 2.5, 0.0, -5.0) == 4
    assert ComputeStabilityClass(0, 2.5, 0.0, 5.0) == 4
    assert ComputeStabilityClass(0, 1.0, 0.0, 0.0) == 6
    assert ComputeStabilityClass(0, 1.0, 0.0, -0.1) == 5
    assert ComputeStabilityClass(0, 2.0, 0.0, -0.1) == 5
    assert _RURAL_EXPONENTS[0] == f32(0.07)
    assert EstimateWindSpeedAt2m(5.0, 10.0, 6, 0) == f32(5.0 * (2.0 / 10.0) ** f32(0.55))
    assert abs(EstimateWindSpeedAt2m(5.0, 10.0, 6, 0) - 5.0 * 0.2 ** 0.55) < 1e-6
    assert EstimateWindSpeedAt2m(5.0, 10.0, 6, 1) == f32(5.0 * 0.2 ** f32(0.30))
    for height in (1.0, 2.0, 10.0, 60.0):
        assert EstimateWindSpeedAt2m(0.0, height, 3, 0) == f32(0.13)

    # Time arithmetic of the entry.
    assert _universal_hour(23, 30, -5, 0) == 28.5
    assert _day_value(10, 23, 30, -5, 0) == 10 + 1.1875
    n, t, u = _day_number(2021, 5, 11.1875, 0.0)
    n2, t2, u2 = _day_number(2021, 5, 11.0, 0.0)
    assert u == 4.5 and n2 == _day_index(2021, ComputeDayOfYear(2021, 5, 11)) - 1.5
    assert _universal_hour(12, 0, 0, 60) == 11.5           # end of a 60-minute period
    assert _universal_hour(12, 0, 0, -60) == 12.5          # beginning of the period

    # Model entry.
    o = [1.2345, FAILURE, FAILURE, FAILURE, FAILURE]
    it = [None, None, None]
    ret = CalculateMORV(2021, 7, 1, 12, 0, 0, 0, 45.0, 0.0, 800.0, 1000.0, 25.0, 50.0,
                        0.05, 2.0, 0.0, 0, o, it)
    assert ret == 0 and o[0] == 1.2345                     # height 2.0: output 18 untouched
    _, solar, cz, fdir = ComputeSolarIrradianceSplit(2021, 7, 1.5, 45.0, 0.0, 800.0)
    g = ComputeGlobeTemperature(f32(25.0 + 273.15), f32(0.5), 1000.0, 0.05, solar, fdir, cz)
    assert o[1] == g                                       # measured 0.05 m/s passed on
    o = [None, FAILURE, FAILURE, FAILURE, FAILURE]
    ret = CalculateMORV(2021, 7, 1, 12, 0, 0, 0, 45.0, 0.0, 800.0, 1000.0, 25.0, 50.0,
                        3.0, 10.0, 0.0, 0, o, it)
    _, solar, cz, _ = ComputeSolarIrradianceSplit(2021, 7, 1.5, 45.0, 0.0, 800.0)
    assert cz > 0.0
    assert o[0] == EstimateWindSpeedAt2m(3.0, 10.0, ComputeStabilityClass(1, 3.0, solar, 0.0), 0)
    assert o[0] >= f32(0.13) and ret == 0
    assert o[4] == f32(0.1 * 25.0 + 0.2 * o[1] + 0.7 * o[2])
    # Refused solar position: everything fails, output 18 untouched, no solver run.
    o = [7.0, 1.0, 2.0, 3.0, 4.0]
    it = [9, 9, 9]
    ret = CalculateMORV(2050, 7, 1, 12, 0, 0, 0, 45.0, 0.0, 800.0, 1000.0, 25.0, 50.0,
                        3.0, 10.0, 0.0, 0, o, it)
    assert ret == -1 and o == [7.0, FAILURE, FAILURE, FAILURE, FAILURE] and it == [0, 0, 0]
    ret = CalculateMORV(2020, 1, 0, 0, 0, 5, 0, 45.0, 0.0, 800.0, 1000.0, 25.0, 50.0,
                        3.0, 10.0, 0.0, 0, o, it)                  # day value below 0
    assert ret == -1 and o[0] == 7.0 and it == [0, 0, 0]

    # Solvers: solar 0 still leaves the natural and psychrometric wet bulbs apart.
    nat = ComputeWetBulbTemperature(300.0, 0.4, 1000.0, 1.0, 0.0, 0.0, 0.5, 1)
    psy = ComputeWetBulbTemperature(300.0, 0.4, 1000.0, 1.0, 0.0, 0.0, 0.5, 0)
    assert nat != FAILURE and psy != FAILURE and nat != psy

    # A result needs the tolerance met within 49 iterations; the failure rule
    # of the entry.  Swept over a small grid of conditions.
    import random
    rng = random.Random(7)
    seen_globe_only = seen_psychro_only = False
    for _ in range(400):
        ta = rng.uniform(-75.0, 50.0)
        rh = rng.uniform(1.0, 100.0)
        v = rng.choice((0.0, 1.0, 5.0, 15.0, 30.0, 50.0))
        o = [None, FAILURE, FAILURE, FAILURE, FAILURE]
        it = [0, 0, 0]
        hour = rng.randrange(24)
        ret = CalculateMORV(2015, 1 + rng.randrange(12), 10, hour, 0, 0, 0,
                            rng.uniform(-60.0, 60.0), 0.0, rng.uniform(0.1, 1000.0), 1000.0,
                            ta, rh, v, 2.0, 0.0, 0, o, it)
        for value, count in zip(o[1:4], it):
            assert (value == FAILURE) == (count >= 50), (value, count)
            assert 1 <= count <= 50
        failed = o[1] == FAILURE or o[2] == FAILURE
        assert ret == (-1 if failed else 0)
        assert (o[4] == FAILURE) == failed
        if o[1] == FAILURE and o[2] != FAILURE and o[3] != FAILURE:
            seen_globe_only = True
        if o[3] == FAILURE and not failed:
            seen_psychro_only = True
            assert o[4] == f32(0.1 * f32(ta) + 0.2 * o[1] + 0.7 * o[2])
    assert seen_globe_only and seen_psychro_only, (seen_globe_only, seen_psychro_only)

    print("morv_reference self-check passed")


if __name__ == "__main__":
    _self_check()
