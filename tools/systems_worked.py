#!/usr/bin/python3
"""The worked examples of docs/systems.md, figured independently of the C++ code.

Each standard system is worked from its textbook rules with the calculator's classic formulas:
saturation pressure over ice below 0 °C and over water above (the Hyland–Wexler fits),
d = 0.622·pv/(pa − pv), h = 2501·d + t·(1.006 + 1.805·d), φ = pv/pws(t); every state found by
bisection on its dry bulb where it is not given by t and d. Prints one line per example in the form
tests/process/systems_test.cpp compares: states "name t φ% d h" and the system's figures, rounded
as the calculator shows them (half away from zero).

    /usr/bin/python3 tools/systems_worked.py
"""

import math
from decimal import ROUND_HALF_UP, Decimal

ICE = (-5674.5359, 6.3925247, -0.009677843, 6.2215701e-07, 2.0747825e-09, -9.484024e-13, 4.1635019)
WATER = (-5800.2206, 1.3914993, -0.048640239, 4.1764768e-05, -1.4452093e-08, 0.0, 6.5459673)


def pws(t):
    a, c, b1, b2, b3, b4, cln = ICE if t < 0 else WATER
    T = t + 273.15
    return math.exp(a / T + c + b1 * T + b2 * T**2 + b3 * T**3 + b4 * T**4 + cln * math.log(T))


def moisture(pv, pa):
    return 0.622 * pv / (pa - pv)


def vapour(d, pa):
    return d * pa / (0.622 + d)


def enthalpy(t, d):
    return 2501 * d + t * (1.006 + 1.805 * d)


def solve(f, lo, hi, target):
    """x in [lo, hi] where the increasing f reaches target, to adjacent doubles."""
    for _ in range(400):
        mid = (lo + hi) / 2
        if mid <= lo or mid >= hi:
            break
        if f(mid) < target:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


class State:
    def __init__(self, t, d, pa):
        self.t, self.d, self.pa = t, d, pa
        self.h = enthalpy(t, d)
        self.phi = vapour(d, pa) / pws(t)

    def fogs(self):
        return vapour(self.d, self.pa) > pws(self.t)


def t_phi(t, phi, pa):
    return State(t, moisture(phi * pws(t), pa), pa)


def h_d(h, d, pa):
    return State((h - 2501 * d) / (1.006 + 1.805 * d), d, pa)


def d_phi(d, phi, pa):
    return State(solve(pws, -50, 100, vapour(d, pa) / phi), d, pa)


def h_phi(h, phi, pa):
    t = solve(lambda t: enthalpy(t, moisture(phi * pws(t), pa)), -50, 100, h)
    return t_phi(t, phi, pa)


def mix(a, ga, b, gb):
    return h_d((ga * a.h + gb * b.h) / (ga + gb), (ga * a.d + gb * b.d) / (ga + gb), a.pa)


def on_line(N, eps, t):
    """The state at t on the line h − h_N = ε·(d − d_N)."""
    return State(t, (N.h - eps * N.d - 1.006 * t) / (2501 + 1.805 * t - eps), N.pa)


def line_at_phi(N, eps, phi):
    """Going down from N along the ε line, the first state at φ (steps of 0.01 K, then bisection)."""
    f = lambda x: on_line(N, eps, N.t - x).phi
    x = 0.0
    while f(x + 0.01) < phi:
        x += 0.01
    return on_line(N, eps, N.t - solve(f, x, x + 0.01, phi))


def volume(G, s):
    """m³/h of humid air at the state s carrying G kg/s of dry air: 3600·G·(1 + d)/ρ, with the
    classic density ρ = 0.00348·pa/T − 0.00132·pv/T."""
    T = s.t + 273.15
    return 3600 * G * (1 + s.d) / (0.00348 * s.pa / T - 0.00132 * vapour(s.d, s.pa) / T)


def duty(G, a, b):
    """Total, sensible, latent kW and condensate kg/h of a coil taking G kg/s from a to b."""
    total, latent = G * (a.h - b.h), G * 2501 * (a.d - b.d)
    return [total, total - latent, latent, G * (a.d - b.d) * 3600]


def fixed(v, decimals):
    text = str(Decimal("%.15g" % v).quantize(Decimal(1).scaleb(-decimals), ROUND_HALF_UP))
    return text[1:] if text.startswith("-") and not any(c in "123456789" for c in text) else text


def shown(states, supply, fresh, loads):
    """The states but W and N, then G and G_W (kg/s, then m³/h at O and at W: supply and fresh are
    (G, O) and (G_W, W)), then the loads, as the test compares them."""
    (G, O), (GW, W) = supply, fresh
    text = "".join(f"{n} {fixed(s.t, 2)} {fixed(s.phi * 100, 1)} {fixed(s.d * 1000, 2)} "
                   f"{fixed(s.h, 4)}; " for n, s in states if n not in ("W", "N"))
    text += f"G {fixed(G, 4)} GW {fixed(GW, 4)} V {fixed(volume(G, O), 0)} "
    return text + f"VW {fixed(volume(GW, W), 0)} |" + "".join(" " + fixed(v, 2) for v in loads)


def sizing(pa, W, N, Q, Wkg, dt, dew_point=False, phiL=0.95):
    eps = 3600 * Q / Wkg
    O = line_at_phi(N, eps, phiL) if dew_point else on_line(N, eps, N.t - dt)
    return O, Q / (N.h - O.h)


def one_return(pa, W, N, Q, Wkg, m, dt, dew_point=False, all_fresh=False, phiL=0.95):
    O, G = sizing(pa, W, N, Q, Wkg, dt, dew_point, phiL)
    GW = G if all_fresh else m * G
    C = W if all_fresh else mix(N, G - GW, W, GW)
    L = O if dew_point else d_phi(O.d, phiL, pa)
    states = [("W", W), ("N", N)] + ([] if all_fresh else [("C", C)]) + [("L", L)]
    states += [] if dew_point else [("O", O)]
    reheat = 0 if dew_point else G * (O.h - L.h)
    return shown(states, (G, O), (GW, W),
                 [G * (N.h - O.h), GW * (W.h - N.h)] + duty(G, C, L) + [reheat])


def two_return(pa, W, N, Q, Wkg, m, dt, phiL=0.95):
    O, G = sizing(pa, W, N, Q, Wkg, dt)
    L = line_at_phi(N, 3600 * Q / Wkg, phiL)
    G1 = G * (N.h - O.h) / (N.h - L.h)
    GW = m * G
    C1 = mix(N, G1 - GW, W, GW)
    return shown([("C₁", C1), ("L", L), ("O", O)], (G, O), (GW, W),
                 [G * (N.h - O.h), GW * (W.h - N.h)] + duty(G1, C1, L)) + f" G1 {fixed(G1, 4)}"


def fan_coil(pa, W, N, Q, Wkg, GW, dt, on, phiL=0.95):
    O, G = sizing(pa, W, N, Q, Wkg, dt)
    L = h_phi(N.h, phiL, pa) if on == "h" else d_phi(N.d, phiL, pa)
    GM = G - GW
    M = h_d((G * O.h - GW * L.h) / GM, (G * O.d - GW * L.d) / GM, pa)
    unit_share, fan_share = GW * 2501 * (N.d - L.d), GM * 2501 * (N.d - M.d)
    taker = "fanCoil" if unit_share < 0.005 else "freshAirUnit" if fan_share < 0.005 else "both"
    return shown([("L", L), ("M", M), ("O", O)], (G, O), (GW, W),
                 [G * (N.h - O.h), GW * (W.h - N.h)] + duty(GW, W, L) + duty(GM, N, M) +
                 [unit_share, fan_share]) + " " + taker


def winter(pa, W, N, Q, Wkg, m, dt, steam, phiL=0.95):
    O, G = sizing(pa, W, N, Q, Wkg, dt)
    GW = m * G
    states = [("W", W)]
    Wp, preheat_to, preheat = W, None, 0.0
    if mix(N, G - GW, W, GW).fogs():
        preheat_to = math.floor(W.t) + 1
        while mix(N, G - GW, State(preheat_to, W.d, pa), GW).fogs():
            preheat_to += 1
        Wp = State(preheat_to, W.d, pa)
        states.append(("W′", Wp))
        preheat = GW * (Wp.h - W.h)
    C = mix(N, G - GW, Wp, GW)
    states += [("N", N), ("C", C)]
    heating = steam_heat = reheat = 0.0
    if steam:
        H = State(O.t, C.d, pa)
        states += [("H", H), ("O", O)]
        heating, steam_heat = G * (H.h - C.h), G * (O.h - H.h)
    else:
        target = d_phi(O.d, phiL, pa)
        into = C
        if C.h < target.h:
            into = h_d(target.h, C.d, pa)
            states.append(("H", into))
            heating = G * (into.h - C.h)
        L = h_d(into.h, O.d, pa)
        states += [("L", L), ("O", O)]
        reheat = G * (O.h - L.h)
    preheat_text = "none" if preheat_to is None else fixed(preheat_to, 2)
    water = G * (O.d - C.d) * 3600
    return shown(states, (G, O), (GW, W), [G * (N.h - O.h), GW * (W.h - N.h), preheat, heating,
                                 steam_heat, reheat, water]) + " " + preheat_text


def main():
    sea, high = 101325, 89875
    W, N = t_phi(35, 0.6, sea), t_phi(26, 0.55, sea)
    summer = (sea, W, N, 40, 18)
    print("OneReturnSummer", one_return(*summer, 0.2, 8))
    print("OneReturnDewPointSupply", one_return(*summer, 0.2, 8, dew_point=True))
    print("TwoReturnSummer", two_return(*summer, 0.2, 8))
    print("AllFreshSummer", one_return(*summer, 0.2, 8, all_fresh=True))
    print("FanCoilFreshAirOnRoomEnthalpy", fan_coil(*summer, 0.6, 8, "h"))
    print("FanCoilFreshAirOnRoomMoisture", fan_coil(*summer, 0.6, 8, "d"))
    for name, pa, tw, phiw in (("At1000m", high, -5, 0.5), ("Beijing", sea, -10, 0.45)):
        cold = (pa, t_phi(tw, phiw, pa), t_phi(20, 0.45, pa), -20, 3, 0.3, -8)
        if name == "At1000m":
            print("WinterSteam" + name, winter(*cold, steam=True))
        print("WinterSpray" + name, winter(*cold, steam=False))
    humid = (sea, t_phi(-15, 0.5, sea), t_phi(22, 0.6, sea), -30, 5, 0.5, -10)
    print("WinterPreheatAgainstFog", winter(*humid, steam=False))


if __name__ == "__main__":
    main()
