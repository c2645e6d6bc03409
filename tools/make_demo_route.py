#!/usr/bin/env python3
"""Builds Quarvane's installation data: the four table templates, the route
catalogue and the demo route 演示线路 with a file of measured points near it.

Run from the repository root:

    python3 tools/make_demo_route.py            # writes into data/
    python3 tools/make_demo_route.py --root DIR  # writes into DIR/temp, DIR/线路参数 ...

The output is deterministic (the measured-point noise uses a fixed seed).
After writing, every file is read back and checked: GBK, CR LF on every line,
14-character fields, and the horizontal alignment is evaluated station by
station exactly as the geometry engine does it, to prove that position and
azimuth are continuous across every key point. Any failure stops the script
with a non-zero exit status.

Python standard library only.
"""

import argparse
import math
import os
import random
import sys
from decimal import Decimal, getcontext

getcontext().prec = 50

# ---------------------------------------------------------------------------
# Constants of the engine and of the file format

PI = 3.1415926                 # the engine's half turn (seven decimals on purpose)
AA = PI / 180                  # radians per degree of a table angle
HALF_TURN = 180 * AA
QUARTER_TURN = 90 * AA
THREE_QUARTER_TURN = 270 * AA
TRUE_PI = math.pi
# The engine measures a reversed direction with HALF_TURN, which falls short of
# a true half turn by this much; the tangent lines are laid out to absorb it.
HALF_TURN_DEFECT = TRUE_PI - HALF_TURN

FIELD_WIDTH = 14
TICKS_PER_DEGREE = 360_000_000  # angles are kept in units of 1e-5 arc-second
ROUTE_NAME = "演示线路"
ENCODING = "gbk"
EOL = "\r\n"

POS_TOL = 1e-4      # m: continuity demanded of the alignment (0.1 mm)
AZ_TOL = 1e-6       # rad

PIN_CAPTIONS = [
    "交点序号", "曲线转角", "第一缓和曲线长", "第一缓曲起点半径", "第一缓曲终点半径",
    "第二缓和曲线长", "第二缓曲起点半径", "第二缓曲终点半径", "第一切线长", "第二切线长",
    "圆曲线长", "圆曲线半径", "起点桩号", "起点方位", "交点 (X)", "交点 (Y)",
]
SHU_CAPTIONS = [
    "交点序号", "交点桩号", "交点高程", "曲线半径", "切线长T1", "切线长T2", "T1坡度值", "T2坡度值",
]
CHO_CAPTIONS = [
    "变坡段序号", "左幅起点桩号", "左幅起点横坡", "左幅终点桩号", "左幅终点横坡",
    "右幅起点桩号", "右幅起点横坡", "右幅终点桩号", "右幅终点横坡",
]


def _slope_captions(side):
    return [
        side + "水沟平台宽", side + "边坡起始高",
        side + "一级坡高", side + "一级坡度",
        side + "二级平台宽", side + "二级坡高", side + "二级坡度",
        side + "三级平台宽", side + "三级坡高", side + "三级坡度",
        side + "四级平台宽", side + "四级坡高", side + "四级坡度",
        side + "五级平台宽", side + "五级坡度",
    ]


LBP_CAPTIONS = [
    "段落序号", "起点桩号", "终点桩号", "左中分带宽", "右中分带宽",
    "起点左路基宽", "终点左路基宽", "起点右路基宽", "终点右路基宽",
    "左路肩宽", "左路肩横坡", "右路肩宽", "右路肩横坡",
    "左边坡级数", "右边坡级数", "左加宽方式", "右加宽方式",
] + _slope_captions("左") + _slope_captions("右")

KINDS = [  # extension, template file, captions
    (".pin", "ooo.dat", PIN_CAPTIONS),
    (".shu", "sss.dat", SHU_CAPTIONS),
    (".cho", "ccc.dat", CHO_CAPTIONS),
    (".lbp", "kkk.dat", LBP_CAPTIONS),
]
assert [len(k[2]) for k in KINDS] == [16, 8, 9, 47]


class CheckFailed(Exception):
    pass


def require(cond, message):
    if not cond:
        raise CheckFailed(message)


# ---------------------------------------------------------------------------
# Text of numbers, angles and stations

Q6 = Decimal("0.000001")
Q3 = Decimal("0.001")


def dec6(x):
    """A length or station as it is written: rounded to 6 decimals."""
    return Decimal(repr(float(x))).quantize(Q6)


def num_text(value):
    """Plain decimal text, no exponent, no trailing zeros ("1500", "-2", "12.75")."""
    d = value if isinstance(value, Decimal) else Decimal(repr(value))
    text = format(d, "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    if text in ("-0", ""):
        text = "0"
    return text


def angle_text(ticks):
    """ddd.mmss text of an angle given in 1e-5 arc-seconds of table degrees.

    Integer arithmetic, so minutes and seconds never round up to 60."""
    sign = "-" if ticks < 0 else ""
    a = abs(ticks)
    deg, rem = divmod(a, TICKS_PER_DEGREE)
    minutes, rem = divmod(rem, TICKS_PER_DEGREE // 60)
    seconds, frac = divmod(rem, 100_000)
    text = f"{deg}.{minutes:02d}{seconds:02d}{frac:05d}".rstrip("0").rstrip(".")
    if text == "0":
        return "0"
    return sign + text


def angle_degrees(text):
    """Degrees of a ddd.mmss text, decoded exactly to its written digits."""
    t = text.strip()
    negative = t.startswith("-")
    t = t.lstrip("+-")
    whole, _, frac = t.partition(".")
    frac = (frac + "0000")
    minutes = Decimal(frac[:2])
    seconds = Decimal(frac[2:4] + "." + (frac[4:] or "0"))
    value = Decimal(whole or "0") + minutes / 60 + seconds / 3600
    return float(-value if negative else value)


def angle_radians(text):
    return angle_degrees(text) * AA


def rad_to_ticks(theta):
    return round(theta / AA * TICKS_PER_DEGREE)


def station_notation(s):
    km = math.floor(s / 1000)
    return f"K{km:02d}+{s - 1000 * km:07.3f}"


def field_text(text):
    t = str(text).strip()
    require(len(t) <= FIELD_WIDTH, f"field text {t!r} is longer than {FIELD_WIDTH} characters")
    return t.ljust(FIELD_WIDTH)


def record_line(fields):
    return "".join(field_text(f) for f in fields)


def dms(theta_rad):
    """Human-readable d°m's" of an angle in radians (for the summary only)."""
    t = rad_to_ticks(abs(theta_rad))
    deg, rem = divmod(t, TICKS_PER_DEGREE)
    minutes, rem = divmod(rem, TICKS_PER_DEGREE // 60)
    return f"{'-' if theta_rad < 0 else ''}{deg}°{minutes:02d}'{rem / 100000:05.2f}\""


# ---------------------------------------------------------------------------
# Engine primitives: clothoid series, spiral origin, chord placement


def clothoid_xy(l, r, L):
    """Point at arc length l of a clothoid with radius r at arc length L.

    Frame: origin at the clothoid's origin (infinite radius), x along the
    origin tangent, y towards the inside of the curve. Four terms each, the
    same truncation the engine uses."""
    x = (l - l ** 5 / (40 * r ** 2 * L ** 2) + l ** 9 / (3456 * r ** 4 * L ** 4)
         - l ** 13 / (599040 * r ** 6 * L ** 6))
    y = (l ** 3 / (6 * r * L) - l ** 7 / (336 * r ** 3 * L ** 3)
         + l ** 11 / (42240 * r ** 5 * L ** 5) - l ** 15 / (9676800 * r ** 7 * L ** 7))
    return x, y


def clothoid_angle(l, r, L):
    """Tangent angle l²/(2rL) in radians, written the way the engine forms it."""
    return HALF_TURN * l * l / (PI * L * 2 * r)


def move(p, d, az):
    return (p[0] + d * math.cos(az), p[1] + d * math.sin(az))


def spiral_frame(q, theta_s, t, ls, rc, rt):
    """Clothoid origin of a spiral touching its tangent at q.

    theta_s is the azimuth of walking at q, t the turn sign (+1 turns from +X
    towards +Y), ls the spiral length, rc the radius at the arc end and rt the
    radius at the tangent end (0: infinite). A partial spiral is the tail of a
    clothoid whose origin lies z10 before q. Returns (origin, origin azimuth,
    working length L, z10)."""
    if rt == 0:
        return q, theta_s, ls, 0.0
    z10 = rc * ls / (rt - rc)
    big_l = z10 + ls
    x0, y0 = clothoid_xy(z10, rc, big_l)
    th0 = theta_s - t * clothoid_angle(z10, rc, big_l)
    origin = move(q, y0, th0 - t * QUARTER_TURN)
    origin = move(origin, x0, th0 + HALF_TURN)
    return origin, th0, big_l, z10


def spiral_point(origin, th0, t, l, r, big_l):
    """Point and tangent azimuth at arc length l from the clothoid origin,
    placed along its chord."""
    x, y = clothoid_xy(l, r, big_l)
    if x == 0:
        p = origin
    else:
        p = move(origin, math.hypot(x, y), th0 + t * math.atan(y / x))
    return p, th0 + t * clothoid_angle(l, r, big_l)


def az_between(a, b):
    return math.atan2(b[1] - a[1], b[0] - a[0]) % (2 * TRUE_PI)


def dist(a, b):
    return math.hypot(b[0] - a[0], b[1] - a[1])


def wrap(a):
    """Angle difference brought into (-pi, pi]."""
    a = math.fmod(a, 2 * TRUE_PI)
    if a > TRUE_PI:
        a -= 2 * TRUE_PI
    elif a <= -TRUE_PI:
        a += 2 * TRUE_PI
    return a


# ---------------------------------------------------------------------------
# Design of the demo route


class Curve:
    """Design of the curve at one intersection point."""

    def __init__(self, name, radius, ls1, ls2, superelevation, entry_radius=0.0):
        self.name = name
        self.R = float(radius)
        self.Ls1 = Decimal(str(ls1))
        self.Ls2 = Decimal(str(ls2))
        self.R1Ls1 = float(entry_radius)   # 0: the entry spiral leaves the straight
        self.e = superelevation            # % of full superelevation
        self.egg_follows = False           # the next curve starts where this one ends
        self.pos = None                    # IP (X, Y), mm
        # filled by the solver
        self.O_text = self.C_text = None
        self.O = self.C = 0.0
        self.s = 0
        self.q = self.T1 = self.T2 = self.Z = None

    @property
    def ls1(self):
        return float(self.Ls1)

    @property
    def ls2(self):
        return float(self.Ls2)

    def kind(self):
        if self.ls1 == 0 and self.ls2 == 0:
            return "circular arc"
        if self.R1Ls1:
            return "partial entry spiral (egg)"
        if self.ls2 == 0:
            return "entry spiral only (egg)"
        if self.ls1 == self.ls2:
            return "symmetric spirals"
        return "asymmetric spirals"


# Route start point, IP legs (true azimuth in degrees, length in m) and the
# curves. The leg into the egg pair's second IP has no length: it is solved so
# that the two curves meet without a tangent between them.
START_POINT = (3426318.742, 508642.915)
LEGS = [(72.0, 1000.0), (96.0, 1350.0), (65.0, 1250.0), (74.0, 1000.0),
        (92.0, None), (132.0, 1100.0)]
EXIT_LEG = (110.0, 800.0)
CURVES = [
    Curve("JD1", 1500, 200, 200, 4),                   # right, symmetric spirals
    Curve("JD2", 1200, 180, 250, 4),                   # left, asymmetric spirals
    Curve("JD3", 4000, 0, 0, 2),                       # right, plain arc
    Curve("JD4", 1000, 150, 0, 5),                     # right, egg: first part
    Curve("JD5", 600, 100, 160, 6, entry_radius=1000),  # right, egg: partial spiral 1000 -> 600
    Curve("JD6", 1800, 170, 170, 4),                   # left, symmetric spirals
]
CURVES[3].egg_follows = True
ROUTE_TAIL = 350.0          # at least this much straight after the last curve end

# Vertical intersection points: station, grade after it (%), curve radius.
VIP_START_ELEVATION = Decimal("236.4825")
VIP_STATIONS = [Decimal(x) for x in ("0", "880", "1900", "3350", "4450", "5600")]
VIP_GRADES = [Decimal(x) for x in ("1.2", "-0.85", "3.2", "-1.6", "0.75", "-0.5")]
VIP_RADII = [Decimal(x) for x in ("0", "20000", "12000", "16000", "10000", "25000")]

NORMAL_CROWN = Decimal("-2")


def leg_point(p, az_deg, length):
    return move(p, length, math.radians(az_deg))


def round_mm(p):
    return (round(p[0], 3), round(p[1], 3))


def arc_end_forward(c, start):
    """Arc end point reached from the curve start point: entry spiral forward,
    then the arc by its chord."""
    if c.ls1:
        o, th0, big_l, z10 = spiral_frame(start, c.O, c.s, c.ls1, c.R, c.R1Ls1)
        sc, ksc = spiral_point(o, th0, c.s, z10 + c.ls1, c.R, big_l)
    else:
        sc, ksc = start, c.O
    g = c.q_value * 90 * AA / (PI * c.R)
    return move(sc, 2 * c.R * math.sin(g), ksc + c.s * g)


def arc_end_backward(c, end):
    """Arc end point reached from the curve end point: the exit spiral is
    walked back from the curve end along the reversed outgoing tangent."""
    if not c.ls2:
        return end
    t = -c.s
    o, th0, big_l, z10 = spiral_frame(end, c.O + c.C + HALF_TURN, t, c.ls2, c.R, 0.0)
    p, _ = spiral_point(o, th0, t, z10 + c.ls2, c.R, big_l)
    return p


def spiral_turn(ls, r, rt):
    """Angle turned over a spiral of length ls ending at radius r (rt at its
    other end, 0 = straight): (L² − z10²)/(2 r L)."""
    if ls == 0:
        return 0.0
    z10 = 0.0 if rt == 0 else r * ls / (rt - r)
    big_l = z10 + ls
    return clothoid_angle(big_l, r, big_l) - clothoid_angle(z10, r, big_l)


def solve_curve(c, round_values=True):
    """Arc length q and tangent lengths T1, T2 of one curve from its
    deflection.

    The arc takes whatever deflection the spirals leave. T1 and T2 follow from
    asking that the arc end reached forwards from the start point
    IP + T1·(O + half turn) coincides with the arc end reached backwards from
    the end point IP + T2·(O + C); the relation is linear in T1 and T2."""
    arc_angle = abs(c.C) - spiral_turn(c.ls1, c.R, c.R1Ls1) - spiral_turn(c.ls2, c.R, 0.0)
    require(arc_angle > 0, f"{c.name}: spirals turn more than the deflection")
    q = c.R * arc_angle
    c.q = dec6(q) if round_values else q
    c.q_value = float(c.q)
    v = arc_end_forward(c, (0.0, 0.0))
    w = arc_end_backward(c, (0.0, 0.0))
    a = (math.cos(c.O + HALF_TURN), math.sin(c.O + HALF_TURN))
    b = (math.cos(c.O + c.C), math.sin(c.O + c.C))
    rhs = (w[0] - v[0], w[1] - v[1])
    det = -a[0] * b[1] + b[0] * a[1]
    t1 = (rhs[0] * (-b[1]) + b[0] * rhs[1]) / det
    t2 = (a[0] * rhs[1] - a[1] * rhs[0]) / det
    require(t1 > 0 and t2 > 0, f"{c.name}: tangent lengths {t1}, {t2} not positive")
    if round_values:
        c.T1, c.T2 = dec6(t1), dec6(t2)
    else:
        c.T1, c.T2 = t1, t2
    return t1, t2


def effective_start(c):
    """Where the engine puts the curve start station of curve c.

    For a partial entry spiral this is not quite the point
    IP + T1·(O + half turn): the clothoid origin is found by stepping back
    from it with the engine's quarter and half turns, and the spiral is then
    laid out forwards along its chords, which lands Z10·(pi − HALF_TURN)
    aside. The joint to the previous curve is made at this point."""
    q = move(c.pos, float(c.T1), c.O + HALF_TURN)
    if not c.ls1 or not c.R1Ls1:
        return q
    o, th0, big_l, z10 = spiral_frame(q, c.O, c.s, c.ls1, c.R, c.R1Ls1)
    return spiral_point(o, th0, c.s, z10, c.R, big_l)[0]


def set_angles(c, in_az, out_az, quantised=True):
    if quantised:
        ti, to = rad_to_ticks(in_az), rad_to_ticks(out_az)
        require(0 <= ti < 360 * TICKS_PER_DEGREE, f"{c.name}: incoming azimuth wraps past north")
        c.O_text = angle_text(ti)
        c.C_text = angle_text(to - ti)
        c.O, c.C = angle_radians(c.O_text), angle_radians(c.C_text)
    else:
        c.O, c.C = in_az, out_az - in_az
    c.s = (c.C > 0) - (c.C < 0)


def layout_ips():
    """IP coordinates (mm). The egg pair's second IP is placed on the outgoing
    tangent of the first so that T2 of the first plus T1 of the second fill
    the distance between them."""
    pts = []
    p = START_POINT
    for k, (az, length) in enumerate(LEGS):
        if length is None:
            first, second = CURVES[k - 1], CURVES[k]
            in_az, mid_az, out_az = (math.radians(LEGS[k - 1][0]), math.radians(az),
                                     math.radians(LEGS[k + 1][0]))
            set_angles(first, in_az, mid_az, quantised=False)
            set_angles(second, mid_az, out_az, quantised=False)
            _, t2 = solve_curve(first, round_values=False)
            t1, _ = solve_curve(second, round_values=False)
            length = t2 + t1
        p = round_mm(leg_point(p, az, length))
        pts.append(p)
    end_point = round_mm(leg_point(p, *EXIT_LEG))
    for c, pt in zip(CURVES, pts):
        c.pos = pt
    return end_point


def solve_route(end_point):
    """Angles, arc and tangent lengths and stations of every IP.

    The outgoing azimuth phi_k of IP k (the incoming azimuth of IP k+1) is set
    so that the next curve's start point, which the engine places at
    IP + T1 along phi + HALF_TURN, lies exactly on the tangent leaving IP k.
    For the egg pair the partial spiral's length is tuned so that the second
    curve starts exactly where the first ends."""
    n = len(CURVES)
    pts = [START_POINT] + [c.pos for c in CURVES] + [end_point]
    alpha = [az_between(pts[k], pts[k + 1]) for k in range(n + 1)]  # leg azimuths
    phi = alpha[:]
    prev_ticks = None
    for _ in range(20):
        ticks = [rad_to_ticks(p) for p in phi]
        for k, c in enumerate(CURVES):
            set_angles(c, phi[k], phi[k + 1])
        for k, c in enumerate(CURVES):
            if c.egg_follows:
                tune_egg(c, CURVES[k + 1])
        for c in CURVES:
            solve_curve(c)
        if ticks == prev_ticks:
            break
        prev_ticks = ticks
        for k in range(1, n):
            # Turn phi_k until the next curve's start lies on the tangent
            # leaving IP k. The start's sideways distance from that tangent
            # is d·sin(alpha − phi) + a part that turns with phi and so does
            # not change; that part is measured and phi solved in closed form.
            c, nxt = CURVES[k - 1], CURVES[k]
            az = c.O + c.C
            u = (math.cos(az), math.sin(az))
            sp = effective_start(nxt)
            aside = u[0] * (sp[1] - c.pos[1]) - u[1] * (sp[0] - c.pos[0])
            d = dist(c.pos, nxt.pos)
            fixed = aside - d * math.sin(alpha[k] - az)
            phi[k] = alpha[k] + math.asin(fixed / d)
    else:
        raise CheckFailed("outgoing azimuths do not settle")

    # stations
    start_dist = dist(START_POINT, CURVES[0].pos)
    CURVES[0].Z = dec6(start_dist - float(CURVES[0].T1))
    for k in range(n - 1):
        c, nxt = CURVES[k], CURVES[k + 1]
        ce = curve_end(c)
        start_next = effective_start(nxt)
        along = ((start_next[0] - c.pos[0]) * math.cos(c.O + c.C)
                 + (start_next[1] - c.pos[1]) * math.sin(c.O + c.C))
        gap = along - float(c.T2)
        if c.egg_follows:
            require(abs(gap) < 5e-6, f"{c.name}/{nxt.name}: egg pair leaves {gap} m between them")
            nxt.Z = ce
        else:
            require(gap > 50, f"{c.name}/{nxt.name}: tangents overlap ({gap:.3f} m between curves)")
            nxt.Z = ce + dec6(gap)
    last_end = curve_end(CURVES[-1])
    route_end = Decimal(math.ceil((float(last_end) + ROUTE_TAIL) / 10) * 10)
    return route_end


def tune_egg(first, second):
    """Length of the second curve's partial entry spiral such that the first
    curve's T2 and the second curve's T1 exactly fill the IP spacing."""
    a = first.pos
    u = (math.cos(first.O + first.C), math.sin(first.O + first.C))

    def residual(ls1):
        second.Ls1 = ls1
        t1, _ = solve_curve(second, round_values=False)
        t2 = solve_curve(first, round_values=False)[1]
        sp = effective_start(second)
        return (sp[0] - a[0]) * u[0] + (sp[1] - a[1]) * u[1] - t2

    x = float(second.Ls1)
    for _ in range(50):
        f = residual(Decimal(repr(x)))
        h = 1e-3
        df = (residual(Decimal(repr(x + h))) - f) / h
        step = f / df
        x -= step
        if abs(step) < 1e-10:
            break
    second.Ls1 = dec6(x)
    require(abs(float(second.Ls1) - 100) < 1, f"{second.name}: partial spiral length {x} strays")


def curve_end(c):
    return c.Z + c.Ls1 + c.q + c.Ls2


# ---------------------------------------------------------------------------
# The four tables


def pin_records():
    rows = []
    for k, c in enumerate(CURVES, start=1):
        has_entry, has_exit = c.ls1 > 0, c.ls2 > 0
        rows.append([
            k, c.C_text, num_text(c.Ls1),
            num_text(Decimal(repr(c.R1Ls1)).normalize()) if has_entry else "0",
            num_text(Decimal(repr(c.R))) if has_entry else "0",
            num_text(c.Ls2),
            num_text(Decimal(repr(c.R))) if has_exit else "0",
            "0",
            num_text(c.T1), num_text(c.T2), num_text(c.q), num_text(Decimal(repr(c.R))),
            num_text(c.Z), c.O_text, f"{c.pos[0]:.3f}", f"{c.pos[1]:.3f}",
        ])
    return rows


def vertical_design(route_end):
    stations = VIP_STATIONS + [route_end]
    grades = VIP_GRADES
    radii = VIP_RADII + [Decimal(0)]
    elev = [VIP_START_ELEVATION]
    for k in range(len(grades)):
        elev.append(elev[-1] + grades[k] * (stations[k + 1] - stations[k]) / 100)
    vips = []
    for k in range(len(stations)):
        g_in = grades[k - 1] if k > 0 else grades[0]
        g_out = grades[k] if k < len(grades) else grades[-1]
        t = radii[k] * abs(g_out - g_in) / 200
        vips.append((stations[k], elev[k], radii[k], t, g_in, g_out))
    for k in range(len(vips) - 1):
        require(vips[k][0] + vips[k][3] < vips[k + 1][0] - vips[k + 1][3],
                f"vertical curves at VIP {k + 1} and {k + 2} overlap")
    return vips


def shu_records(vips):
    return [[k, num_text(b), num_text(h), num_text(r), num_text(t), num_text(t),
             num_text(gi), num_text(go)]
            for k, (b, h, r, t, gi, go) in enumerate(vips, start=1)]


def superelevation_sides(route_end):
    """Cross-slope breakpoints (station, slope %) of the left and right sides.

    Sign: a slope is positive when the surface rises going outward. On a
    right-hand curve the left side is the outer one and goes from the crown
    to +e; the inner side only steepens from the crown to -e, and it starts
    late enough to turn at the same rate as the outer side. The turn is made
    over the entry spiral and undone over the exit spiral; a plain arc gets
    its transition mostly on the straight before it."""
    left = [(Decimal(0), NORMAL_CROWN)]
    right = [(Decimal(0), NORMAL_CROWN)]

    def add(side, st, slope):
        st = Decimal(st)
        last_st, last_slope = side[-1]
        if st == last_st:
            require(slope == last_slope, f"cross slope jumps at {st}")
            return
        require(st > last_st, f"cross-slope stations out of order at {st}")
        side.append((st, Decimal(slope)))

    two = Decimal(2)
    prev_e = None
    for c in CURVES:
        e = Decimal(c.e)
        outer, inner = (left, right) if c.s > 0 else (right, left)
        zh = c.Z
        hy = c.Z + c.Ls1
        yh = hy + c.q
        hz = yh + c.Ls2
        lag_in = (c.Ls1 * (e - two) / (e + two)).quantize(Q3)
        lag_out = (c.Ls2 * (e - two) / (e + two)).quantize(Q3)
        if c.R1Ls1:                         # partial spiral: from the previous arc's e
            add(outer, zh, prev_e)
            add(outer, hy, e)
            add(inner, zh, -prev_e)
            add(inner, hy, -e)
        elif c.ls1:
            add(outer, zh, NORMAL_CROWN)
            add(outer, hy, e)
            if e > two:
                add(inner, hy - lag_in, NORMAL_CROWN)
                add(inner, hy, -e)
        else:                               # plain arc: 50 m on the straight, 20 m on the arc
            add(outer, zh - 50, NORMAL_CROWN)
            add(outer, zh + 20, e)
            yh = yh - 20
            hz = hz + 50
            if e > two:
                add(inner, zh + 20 - (70 * (e - two) / (e + two)).quantize(Q3), NORMAL_CROWN)
                add(inner, zh + 20, -e)
        add(outer, yh, e)
        if e > two:
            add(inner, yh, -e)
        if c.egg_follows:
            prev_e = e
            continue
        add(outer, hz, NORMAL_CROWN)
        if e > two:
            if c.ls2:
                add(inner, yh + lag_out, NORMAL_CROWN)
            else:
                add(inner, yh + (70 * (e - two) / (e + two)).quantize(Q3), NORMAL_CROWN)
    add(left, route_end, NORMAL_CROWN)
    add(right, route_end, NORMAL_CROWN)
    return left, right


def cho_records(route_end):
    left, right = superelevation_sides(route_end)
    segs = [[(a[0], a[1], b[0], b[1]) for a, b in zip(side, side[1:])] for side in (left, right)]

    # Left and right share the rows; the side with fewer segments has its
    # longest constant stretch split at a round station until both fit.
    while len(segs[0]) != len(segs[1]):
        short = segs[0] if len(segs[0]) < len(segs[1]) else segs[1]
        i = max((j for j, s in enumerate(short) if s[1] == s[3]),
                key=lambda j: short[j][2] - short[j][0])
        s0, v, s1, _ = short[i]
        mid = ((s0 + s1) / 2 / 10).quantize(Decimal(1)) * 10
        require(s0 < mid < s1, "cannot split a cross-slope stretch")
        short[i:i + 1] = [(s0, v, mid, v), (mid, v, s1, v)]
    rows = []
    for k, (ls, rs) in enumerate(zip(*segs), start=1):
        rows.append([k] + [num_text(x) for x in ls] + [num_text(x) for x in rs])
    return rows


FILL_SLOPE = ["1", "0.5", "8", "1.5", "2", "8", "1.75", "2", "8", "2", "2", "8", "2", "2", "2.25"]
CUT_SLOPE = ["1.5", "0.3", "10", "0.75", "2", "10", "1", "2", "10", "1.25", "2.5", "10", "1.25",
             "3", "1.5"]
# positions (0-based, within the 15 slope values) that belong to stage k
STAGE_FIELDS = {1: (2, 3), 2: (4, 5, 6), 3: (7, 8, 9), 4: (10, 11, 12), 5: (13, 14)}


def slope_fields(template, stages):
    out = template[:2] + ["0"] * 13
    for k in range(1, stages + 1):
        for i in STAGE_FIELDS[k]:
            out[i] = template[i]
    return out


def lbp_records(route_end):
    end = num_text(route_end)
    # start, end, left width start/end, right width start/end, left/right method,
    # left/right stages, left/right slope kind
    sections = [
        ("0", "2050", "13", "13", "13", "13", 1, 1, 3, 3, FILL_SLOPE, FILL_SLOPE),
        ("2050", "2200", "13", "13", "13", "16.5", 1, 2, 2, 4, CUT_SLOPE, FILL_SLOPE),
        ("2200", "3400", "13", "13", "16.5", "16.5", 1, 1, 5, 1, CUT_SLOPE, FILL_SLOPE),
        ("3400", "3550", "13", "13", "16.5", "13", 1, 1, 1, 2, FILL_SLOPE, CUT_SLOPE),
        ("3550", "5200", "13", "12.75", "13", "12.75", 1, 2, 3, 5, FILL_SLOPE, FILL_SLOPE),
        ("5200", end, "12.75", "12.75", "12.75", "12.75", 1, 1, 4, 3, CUT_SLOPE, FILL_SLOPE),
    ]
    rows = []
    for k, (s, e, ls, le, rs, re_, lm, rm, ln, rn, lk, rk) in enumerate(sections, start=1):
        rows.append([k, s, e, "1.5", "1.5", ls, le, rs, re_, "0.75", "-4", "0.75", "-4",
                     ln, rn, lm, rm] + slope_fields(lk, ln) + slope_fields(rk, rn))
    return rows


# ---------------------------------------------------------------------------
# Writing


def write_text(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = "".join(line + EOL for line in lines).encode(ENCODING)
    with open(path, "wb") as f:
        f.write(data)


def caption_line(captions):
    return record_line(captions)


# ---------------------------------------------------------------------------
# Independent evaluation of the written tables, the way the engine walks them


def read_table(path, n_fields):
    """Caption line and records (lists of field texts) of a table file,
    after checking encoding, line ends and field widths."""
    with open(path, "rb") as f:
        raw = f.read()
    require(raw.endswith(b"\r\n"), f"{path}: last line does not end with CR LF")
    lines = raw.split(b"\r\n")[:-1]
    for i, b in enumerate(lines, start=1):
        require(b"\r" not in b and b"\n" not in b, f"{path}: line {i} has a stray CR or LF")
    text = [b.decode(ENCODING) for b in lines]
    width = FIELD_WIDTH * n_fields
    for i, line in enumerate(text, start=1):
        require(len(line) == width, f"{path}: line {i} is {len(line)} characters, not {width}")
    records = []
    for i, line in enumerate(text[1:], start=1):
        fields = [line[FIELD_WIDTH * j:FIELD_WIDTH * (j + 1)].rstrip() for j in range(n_fields)]
        require(fields[0] == str(i), f"{path}: record {i} is numbered {fields[0]!r}")
        records.append(fields)
    return text[0], records


def number(text):
    return float(text) if text.strip() else 0.0


class PinRow:
    def __init__(self, f):
        self.C = angle_radians(f[1]) if f[1].strip() else 0.0
        (self.Ls1, self.R1Ls1, self.R2Ls1, self.Ls2, self.R1Ls2, self.R2Ls2, self.T1, self.T2,
         self.q, self.r, self.Z) = (number(x) for x in f[2:13])
        self.O = angle_radians(f[13]) if f[13].strip() else 0.0
        self.E, self.F = number(f[14]), number(f[15])
        self.s = (self.C > 0) - (self.C < 0)

    def key_stations(self):
        return (self.Z, self.Z + self.Ls1, self.Z + self.Ls1 + self.q,
                self.Z + self.Ls1 + self.q + self.Ls2)


def lookup_row(rows, p):
    n = 0
    while n + 1 < len(rows) and p > rows[n + 1].Z and rows[n + 1].Z != 0:
        n += 1
    return n


def classify(row, p):
    if p <= row.Z:
        return "a"
    if p <= row.Z + row.Ls1:
        return "b"
    if p <= row.Z + row.Ls1 + row.q:
        return "c"
    if p <= row.Z + row.Ls1 + row.q + row.Ls2:
        return "d"
    return "e"


def zcx(rows, p, dz=0.0, dy=0.0, row=None, seg=None):
    """Centre stake (X, Y), azimuth K and the left/right side stakes at station
    p; row and segment are looked up as the engine does unless forced."""
    n = lookup_row(rows, p) if row is None else row
    r = rows[n]
    seg = classify(r, p) if seg is None else seg
    ip = (r.E, r.F)
    s = r.s
    ce = r.Z + r.Ls1 + r.q + r.Ls2
    if seg == "a":
        pt, k = move(ip, r.T1 + (r.Z - p), r.O + HALF_TURN), r.O
    elif seg == "b":
        start = move(ip, r.T1, r.O + HALF_TURN)
        o, th0, big_l, z10 = spiral_frame(start, r.O, s, r.Ls1, r.R2Ls1, r.R1Ls1)
        pt, k = spiral_point(o, th0, s, p - (r.Z - z10), r.R2Ls1, big_l)
    elif seg == "c":
        radius = r.r if r.R1Ls1 == 0 else r.R2Ls1
        start = move(ip, r.T1, r.O + HALF_TURN)
        if r.Ls1 != 0:
            o, th0, big_l, z10 = spiral_frame(start, r.O, s, r.Ls1, radius, r.R1Ls1)
            sc, ksc = spiral_point(o, th0, s, z10 + r.Ls1, radius, big_l)
        else:
            sc, ksc = start, r.O
        g = (p - r.Z - r.Ls1) * 90 * AA / (PI * radius)
        pt = move(sc, 2 * radius * math.sin(g), ksc + s * g)
        k = ksc + 2 * s * g
    elif seg == "d":
        t = -s
        end = move(ip, r.T2, r.O + r.C)
        o, th0, big_l, z10 = spiral_frame(end, r.O + r.C + HALF_TURN, t, r.Ls2, r.R1Ls2, r.R2Ls2)
        l = (ce + z10) - p
        pt, _ = spiral_point(o, th0, t, l, r.R1Ls2, big_l)
        k = th0 + HALF_TURN + t * clothoid_angle(l, r.R1Ls2, big_l) if l != 0 else r.O + r.C
    else:
        pt, k = move(ip, (p - ce) + r.T2, r.O + r.C), r.O + r.C
    left = (pt[0] + math.cos(k + THREE_QUARTER_TURN) * dz, pt[1] + math.sin(k + THREE_QUARTER_TURN) * dz)
    right = (pt[0] + math.cos(k + QUARTER_TURN) * dy, pt[1] + math.sin(k + QUARTER_TURN) * dy)
    return pt, k, left, right, n, seg


def profile_elevation(vips, p):
    """Design elevation of the profile: tangent through the VIP plus the
    parabolic ordinate within T1 of it."""
    n = 0
    while n + 1 < len(vips) and p > vips[n + 1][0] - vips[n + 1][3] and vips[n + 1][0] != 0:
        n += 1
    b, h, r, t1, i, j = vips[n]
    x = p - b
    w = (t1 - abs(x)) ** 2 / (2 * r) if abs(x) < t1 else 0.0
    if j - i < 0:
        w = -w
    return h + x * (i if x <= 0 else j) / 100 + w


def cross_slope(segments, p):
    n = 0
    while n + 1 < len(segments) and p > segments[n + 1][0] and sum(segments[n + 1][:3]) != 0:
        n += 1
    s, i, e, j = segments[n]
    return i + (p - s) * (j - i) / (e - s)


def reference_cases():
    """Hand-computed cases that pin the series, the spiral origin and the
    arc: a 90° arc of radius 100, a full spiral to radius 200 and a partial
    spiral from radius 400 to 200."""
    def row(c, ls1, r1, r2, q, r, t1=100.0, t2=100.0):
        return PinRow(["1", c, ls1, r1, r2, "0", "0", "0", str(t1), str(t2), q, r, "0", "0",
                       "100", "0"])
    arc = [row("90", "0", "0", "0", "157.07963", "100")]
    full = [row("30", "50", "0", "200", "100", "200")]
    partial = [row("30", "50", "400", "200", "100", "200")]
    deg = 1 / AA
    cases = [  # table, station, dy, expected X, Y, K (degrees), expected right stake
        (arc, 78.539815, 10, 70.7107, 29.2893, 45.0, (63.6396, 36.3604)),
        (arc, 200, 0, 100.0, 142.9204, 90.0, None),
        (arc, -50, 0, -50.0, 0.0, 0.0, None),
        (full, 25, 0, 24.9976, 0.2604, 1.7905, None),
        (full, 50, 0, 49.9219, 2.0810, 7.1620, None),
        (partial, 50, 0, 49.7530, 4.1554, 10.7430, None),
    ]
    for table, p, dy, x, y, kdeg, stake in cases:
        pt, k, _, right, _, _ = zcx(table, p, 0, dy)
        require(abs(pt[0] - x) < 6e-5 and abs(pt[1] - y) < 6e-5,
                f"reference case at {p}: ({pt[0]:.5f}, {pt[1]:.5f}) instead of ({x}, {y})")
        require(abs(k * deg - kdeg) < 6e-5, f"reference case at {p}: K {k * deg:.5f}° not {kdeg}°")
        if stake:
            require(abs(right[0] - stake[0]) < 6e-5 and abs(right[1] - stake[1]) < 6e-5,
                    f"reference case at {p}: right stake {right}")
    o, th0, _, z10 = spiral_frame((0.0, 0.0), 0.0, 1, 50.0, 200.0, 400.0)
    require(z10 == 50.0 and abs(o[0] + 49.9479) < 6e-5 and abs(o[1] - 2.0824) < 6e-5
            and abs(th0 * deg + 3.5810) < 6e-5, f"partial spiral origin {o}, {th0 * deg}")


def check_alignment(rows, route_end, report):
    """Continuity of position and azimuth across every key station, a sweep
    along the whole route, and the IP geometry."""
    worst_pos = worst_az = 0.0
    keys = set()
    for r in rows:
        keys.update(r.key_stations())
    keys = sorted(k for k in keys if 0 < k < route_end)
    for p in keys:
        before = zcx(rows, p)
        after_p = p + max(1e-7, abs(p) * 1e-13)
        n_after = lookup_row(rows, after_p)
        seg_after = classify(rows[n_after], after_p)
        after = zcx(rows, p, row=n_after, seg=seg_after)
        dpos = dist(before[0], after[0])
        daz = abs(wrap(before[1] - after[1]))
        worst_pos, worst_az = max(worst_pos, dpos), max(worst_az, daz)
        require(dpos < POS_TOL and daz < AZ_TOL,
                f"discontinuity at {station_notation(p)} (row {before[4] + 1}{before[5]} -> "
                f"row {n_after + 1}{seg_after}): {dpos * 1000:.4f} mm, {daz:.2e} rad")
    report.append(f"key-point continuity over {len(keys)} key stations: worst position jump "
                  f"{worst_pos * 1000:.6f} mm, worst azimuth jump {worst_az:.2e} rad")

    # Sweep: within each segment, consecutive centre stakes lie one station
    # step apart along a chord whose direction is the mean of the two tangent
    # azimuths. Both ends of a step are computed with the row and segment of
    # its middle, so the joints (checked above) do not blur the result.
    step = 0.5
    samples = sorted(set([-100 + step * i for i in range(int((route_end + 200) / step) + 1)]
                         + keys))
    worst_len = worst_dir = 0.0
    for p0, p1 in zip(samples, samples[1:]):
        mid = (p0 + p1) / 2
        n = lookup_row(rows, mid)
        seg = classify(rows[n], mid)
        a = zcx(rows, p0, row=n, seg=seg)
        b = zcx(rows, p1, row=n, seg=seg)
        worst_len = max(worst_len, abs(dist(a[0], b[0]) - (p1 - p0)))
        mean_k = a[1] + wrap(b[1] - a[1]) / 2
        worst_dir = max(worst_dir, abs(wrap(az_between(a[0], b[0]) - mean_k)))
    require(worst_len < 1e-7, f"sweep: chord differs from the station step by {worst_len} m")
    require(worst_dir < 1e-6, f"sweep: tangent azimuth off the chord by {worst_dir} rad")
    report.append(f"sweep every {step} m within each segment: chord vs station step within "
                  f"{worst_len * 1000:.6f} mm, tangent vs chord direction within {worst_dir:.2e} rad")

    # IP geometry: each next IP lies on the outgoing tangent, at the recorded spacing.
    worst_ip = 0.0
    for k in range(len(rows) - 1):
        r, nx = rows[k], rows[k + 1]
        d = dist((r.E, r.F), (nx.E, nx.F))
        ce = r.key_stations()[3]
        require(r.T2 + nx.T1 <= d + 1e-6, f"IP {k + 1}/{k + 2}: tangents longer than the spacing")
        require(nx.Z >= ce, f"IP {k + 2} starts before IP {k + 1} ends")
        at_ip = zcx(rows, ce - r.T2 + d, row=k, seg="e")[0]
        worst_ip = max(worst_ip, dist(at_ip, (nx.E, nx.F)))
        require(abs(wrap(r.O + r.C - nx.O)) < 1e-9, f"IP {k + 2}: incoming azimuth differs")
    require(worst_ip < POS_TOL, f"IP off the previous outgoing tangent by {worst_ip} m")
    report.append(f"next IP from the outgoing tangent: within {worst_ip * 1000:.4f} mm")
    return worst_pos, worst_az


def check_files(root, route_end, report):
    tdir = os.path.join(root, "temp")
    rdir = os.path.join(root, "线路参数")
    tables = {}
    for ext, template, captions in KINDS:
        cap, recs = read_table(os.path.join(tdir, template), len(captions))
        require(not recs, f"{template}: holds records")
        for j, c in enumerate(captions):
            require(cap[FIELD_WIDTH * j:FIELD_WIDTH * (j + 1)].rstrip() == c,
                    f"{template}: caption {j + 1}")
        cap2, recs = read_table(os.path.join(rdir, ROUTE_NAME + ext), len(captions))
        require(cap2 == cap, f"{ext}: caption line differs from the template")
        require(recs, f"{ext}: no records")
        tables[ext] = recs
    with open(os.path.join(tdir, "XL.dat"), "rb") as f:
        require(f.read() == (ROUTE_NAME + EOL).encode(ENCODING), "XL.dat content")

    rows = [PinRow(f) for f in tables[".pin"]]
    require(len(rows) >= 5, "fewer than five IPs")
    for k, r in enumerate(rows, start=1):
        require(r.Z > 0 if k > 1 else r.Z >= 0, f"IP {k}: start station")
        if r.Ls1 and r.R1Ls1 == 0:
            require(r.r == r.R2Ls1, f"IP {k}: arc radius differs from the entry spiral's")
        if r.Ls1 and r.R1Ls1:
            require(r.R1Ls1 > r.R2Ls1 == r.r, f"IP {k}: partial spiral radii")
        if not r.Ls1:
            require(r.R1Ls1 == 0 and r.R2Ls1 == 0, f"IP {k}: radii of a missing entry spiral")
        if r.Ls2:
            require(r.R1Ls2 == r.r and r.R2Ls2 == 0, f"IP {k}: exit spiral radii")
        else:
            require(r.R1Ls2 == 0 and r.R2Ls2 == 0, f"IP {k}: radii of a missing exit spiral")
    kinds = {"right": any(r.s > 0 for r in rows), "left": any(r.s < 0 for r in rows),
             "plain arc": any(r.Ls1 == 0 and r.Ls2 == 0 for r in rows),
             "symmetric": any(r.Ls1 == r.Ls2 > 0 and r.R1Ls1 == 0 for r in rows),
             "asymmetric": any(r.Ls1 != r.Ls2 and r.Ls1 and r.Ls2 and not r.R1Ls1 for r in rows),
             "egg": any(a.Ls2 == 0 and b.R1Ls1 == a.r and abs(b.Z - a.key_stations()[3]) < 1e-9
                        and a.s > 0 and b.s > 0 for a, b in zip(rows, rows[1:]))}
    require(all(kinds.values()), f"missing curve kinds: {kinds}")

    reference_cases()
    check_alignment(rows, float(route_end), report)
    # The check must itself notice small faults: a tangent length 0.2 mm
    # long, an arc 0.2 mm long, a partial spiral's start radius off by 1 m.
    for k, attr, delta in ((2, "T1", 2e-4), (4, "q", 2e-4), (4, "R1Ls1", 1.0)):
        if k >= len(rows):
            continue
        spoilt = [PinRow(f) for f in tables[".pin"]]
        setattr(spoilt[k], attr, getattr(spoilt[k], attr) + delta)
        try:
            check_alignment(spoilt, float(route_end), [])
        except CheckFailed:
            continue
        raise CheckFailed(f"the continuity check misses {attr} of IP {k + 1} off by {delta}")

    # profile
    vips = [tuple(number(x) for x in f[1:5] + f[6:8]) for f in tables[".shu"]]
    for f in tables[".shu"]:
        require(f[4] == f[5], f"VIP {f[0]}: T1 and T2 differ")
    require(vips[0][0] == 0 and vips[-1][0] == float(route_end), "VIPs do not span the route")
    worst_z = 0.0
    for k in range(len(vips) - 1):
        b0, h0, _, t0, _, g0 = vips[k]
        b1, h1, _, t1, g1, _ = vips[k + 1]
        require(g0 == g1, f"VIP {k + 2}: incoming grade differs from VIP {k + 1}'s outgoing grade")
        require(abs((h1 - h0) / (b1 - b0) * 100 - g0) < 1e-9, f"VIP {k + 1}-{k + 2}: grade")
        require(b0 + t0 < b1 - t1, f"vertical curves {k + 1} and {k + 2} overlap")
    for b, h, r, t, i, j in vips:
        require(abs(t - r * abs(j - i) / 200) < 1e-9, f"VIP at {b}: tangent length")
        for edge in (b - t, b + t):
            if t and 0 < edge < float(route_end):
                d = abs(profile_elevation(vips, edge - 1e-7) - profile_elevation(vips, edge + 1e-7))
                worst_z = max(worst_z, d)
    require(worst_z < 1e-6, f"profile jumps by {worst_z} m")

    # superelevation: each side contiguous from 0 to the route end, slopes continuous
    cho = [[number(x) for x in f] for f in tables[".cho"]]
    for side, cols in (("left", slice(1, 5)), ("right", slice(5, 9))):
        segs = [row[cols] for row in cho]
        require(segs[0][0] == 0 and segs[-1][2] == float(route_end), f"{side} slopes do not span")
        for a, b in zip(segs, segs[1:]):
            require(a[2] == b[0] and a[3] == b[1] and b[0] > 0, f"{side} slopes break at {a[2]}")
        for a in segs:
            require(a[2] > a[0], f"{side} slope stretch of zero length at {a[0]}")
        for p in (0.0, segs[1][0], float(route_end)):
            cross_slope(segs, p)
    require(any(row[1:5:2] != row[5:9:2] for row in cho), "left and right share every station")

    # subgrade sections
    lbp = [[number(x) for x in f] for f in tables[".lbp"]]
    require(lbp[0][1] == 0 and lbp[-1][2] == float(route_end), "sections do not span the route")
    for a, b in zip(lbp, lbp[1:]):
        require(a[2] == b[1], f"sections break at {a[2]}")
        require(a[6] == b[5] and a[8] == b[7], f"subgrade width jumps at {a[2]}")
    require({1, 2} <= {int(x[15]) for x in lbp if x[5] != x[6]}
            | {int(x[16]) for x in lbp if x[7] != x[8]}, "widening methods 1 and 2 not both used")
    for x in lbp:
        require(1 <= x[13] <= 5 and 1 <= x[14] <= 5, "slope stages out of 1..5")
    report.append(f"tables read back: {len(rows)} IPs, {len(vips)} VIPs, {len(cho)} cross-slope "
                  f"rows, {len(lbp)} subgrade sections; profile continuous within {worst_z:.1e} m")
    return rows, vips


def station_offset(rows, xm, ym):
    """Station and offset of a measured point by repeated projection onto
    the tangent, starting from the curve start of the nearest IP."""
    d = [dist((r.E, r.F), (xm, ym)) for r in rows]
    n = 0
    for i in range(1, len(rows)):
        if d[i] != 0 and d[i] < d[n]:
            n = i
    p = rows[n].Z
    for _ in range(200):
        pt, k = zcx(rows, p)[:2]
        dx, dy = xm - pt[0], ym - pt[1]
        v = dx * math.cos(k) + dy * math.sin(k)
        w = dy * math.cos(k) - dx * math.sin(k)
        p += v
        if abs(v) <= 0.001:
            return p, w
    raise CheckFailed(f"no foot of the perpendicular for ({xm}, {ym})")


def measured_points(rows, vips, route_end):
    """Points scattered around the route on every kind of segment: tangents,
    spirals and arcs of every IP, up to 40 m either side."""
    rng = random.Random(20240611)
    stations = [rng.uniform(30, rows[0].Z - 30) for _ in range(3)]
    for k, r in enumerate(rows):
        z, hy, yh, hz = r.key_stations()
        for a, b in ((z, hy), (hy, yh), (yh, hz)):
            if b - a > 20:
                stations += [rng.uniform(a + 5, b - 5) for _ in range(3)]
        nxt = rows[k + 1].Z if k + 1 < len(rows) else route_end - 10
        if nxt - hz > 40:
            stations += [rng.uniform(hz + 10, nxt - 10) for _ in range(2)]
        stations.append(hy if hy > z else z + 15)   # one exactly at a joint or near the start
    stations.sort()
    covered = set()
    lines = []
    no_elevation = {len(stations) // 5, len(stations) // 2, len(stations) - 3}
    for i, p in enumerate(stations):
        offset = 0.0 if i == 7 else round(rng.uniform(-40, 40), 2)
        pt, k, left, right, _, _ = zcx(rows, p, max(-offset, 0.0), max(offset, 0.0))
        xy = left if offset < 0 else right if offset > 0 else pt
        xy = (round(xy[0], 3), round(xy[1], 3))
        covered.add(zcx(rows, p)[4:])
        # the point must lead back to the station and offset it was made from
        back_p, back_w = station_offset(rows, *xy)
        require(abs(back_p - p) < 0.002 and abs(back_w - offset) < 0.002,
                f"measured point at {p:.3f}/{offset}: found again at {back_p:.3f}/{back_w:.3f}")
        name = f"CD{i + 1}"
        if i in no_elevation:
            lines.append(f"{name},{xy[0]:.3f},{xy[1]:.3f}")
        else:
            z = profile_elevation(vips, p) + rng.uniform(-0.4, 0.4)
            lines.append(f"{name},{xy[0]:.3f},{xy[1]:.3f},{z:.3f}")
    require(40 <= len(lines) <= 80, f"{len(lines)} measured points")
    for n, r in enumerate(rows):
        z, hy, yh, hz = r.key_stations()
        wanted = {"b": hy > z, "c": yh > hy, "d": hz > yh, "e": n + 1 == len(rows)}
        wanted["a"] = n == 0
        for seg, present in wanted.items():
            require(not present or (n, seg) in covered, f"no measured point on IP {n + 1} {seg}")
    return lines


# ---------------------------------------------------------------------------


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description="Write the installation data and the demo route.")
    ap.add_argument("--root", default=os.path.join(os.path.dirname(here), "data"),
                    help="data directory to write into (default: data/ of the repository)")
    args = ap.parse_args()
    root = args.root

    end_point = layout_ips()
    route_end = solve_route(end_point)
    vips = vertical_design(route_end)

    tdir = os.path.join(root, "temp")
    rdir = os.path.join(root, "线路参数")
    records = {".pin": pin_records(), ".shu": shu_records(vips),
               ".cho": cho_records(route_end), ".lbp": lbp_records(route_end)}
    for ext, template, captions in KINDS:
        cap = caption_line(captions)
        write_text(os.path.join(tdir, template), [cap])
        write_text(os.path.join(rdir, ROUTE_NAME + ext),
                   [cap] + [record_line(r) for r in records[ext]])
    write_text(os.path.join(tdir, "XL.dat"), [ROUTE_NAME])

    report = []
    try:
        rows, vip_rows = check_files(root, route_end, report)
        points = measured_points(rows, vip_rows, float(route_end))
    except CheckFailed as exc:
        print(f"SELF-TEST FAILED: {exc}", file=sys.stderr)
        return 1
    write_text(os.path.join(root, ROUTE_NAME + "测点.txt"), points)

    print(f"Demo route {ROUTE_NAME}: {len(CURVES)} IPs, route length "
          f"{float(route_end):.3f} m ({station_notation(0)} to {station_notation(float(route_end))})")
    print(f"{'IP':4} {'kind':27} {'deflection':>15} {'R':>6} {'Ls1':>11} {'Ls2':>5}"
          f" {'T1':>9} {'T2':>9}  {'curve start':>12} {'spiral/arc':>12} {'arc/spiral':>12}"
          f" {'curve end':>12}")
    for c in CURVES:
        z = float(c.Z)
        print(f"{c.name:4} {c.kind():27} {dms(c.C):>15} {c.R:6.0f} {num_text(c.Ls1):>11}"
              f" {num_text(c.Ls2):>5} {float(c.T1):9.3f} {float(c.T2):9.3f}"
              f"  {station_notation(z):>12} {station_notation(z + c.ls1):>12}"
              f" {station_notation(z + c.ls1 + c.q_value):>12}"
              f" {station_notation(float(curve_end(c))):>12}")
    print(f"VIPs: " + ", ".join(f"{station_notation(float(v[0]))} {num_text(v[1])}" for v in vips))
    for line in report:
        print("self-test: " + line)
    print(f"wrote {os.path.relpath(tdir)}/{{ooo,sss,ccc,kkk}}.dat, XL.dat, "
          f"{os.path.relpath(rdir)}/{ROUTE_NAME}.{{pin,shu,cho,lbp}}, "
          f"{os.path.relpath(os.path.join(root, ROUTE_NAME + '测点.txt'))} ({len(points)} points)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
