#!/usr/bin/env python3
"""Holds tresslow-sim's exports to its dump of the same run (usage: export_check.py DUMP FILE.glb FILE.obj
NURBS.obj). In the glTF and the OBJ, the hair's and shape's positions and normals are the dump's samples to the
bit, and each grid cell is two triangles split as the view's strips split it, wound counter-clockwise about
their normals. The free-form surfaces, evaluated here by Cox-de Boor, lie on the sphere, torus or square and
pass through the tubes' samples."""
import json, math, struct, sys


def fail(message):
    sys.exit(f"FAIL {sys.argv[1]}: {message}")


def floats(values):
    return struct.pack(f"<{len(values)}f", *values)


def glb_meshes(path):
    """Each lit mesh's first primitive as (POSITION bytes, NORMAL bytes, vertex indices)."""
    data = open(path, "rb").read()
    length = struct.unpack_from("<I", data, 12)[0]
    gltf, binary = json.loads(data[20:20 + length]), data[28 + length:]

    def array(index):  # floats as their bytes, indices as numbers
        accessor = gltf["accessors"][index]
        view = gltf["bufferViews"][accessor["bufferView"]]
        raw = binary[view.get("byteOffset", 0):][:view["byteLength"]]
        kind = {5126: "", 5123: "H", 5125: "I"}[accessor["componentType"]]
        return struct.unpack(f"<{accessor['count']}{kind}", raw) if kind else raw

    primitives = {mesh["name"]: mesh["primitives"][0] for mesh in gltf["meshes"]}
    return {name: (array(p["attributes"]["POSITION"]), array(p["attributes"]["NORMAL"]), array(p["indices"]))
            for name, p in primitives.items() if "NORMAL" in p["attributes"]}


def obj_meshes(path):
    """Each object's (v bytes, vn bytes, corners), a corner being its v's and vn's one number less the
    object's first."""
    meshes, firsts = {}, [1, 1]
    for words in (line.split() or [""] for line in open(path)):
        if words[0] == "o":
            firsts = [firsts[0] + len(mesh[0]), firsts[1] + len(mesh[1])] if meshes else firsts
            mesh = meshes.setdefault(words[1], ([], [], []))
        elif words[0] in ("v", "vn"):
            mesh[words[0] == "vn"].append([float(w) for w in words[1:4]])
        elif words[0] == "f" and "//" in words[1]:
            for corner in words[1:]:
                v, vn = (int(n) for n in corner.split("//"))
                if v - firsts[0] != vn - firsts[1]:
                    fail(f"{path}: corner {corner} takes another vertex's normal")
                mesh[2].append(v - firsts[0])
    return {name: (floats(sum(p, [])), floats(sum(n, [])), tuple(c)) for name, (p, n, c) in meshes.items()}


def check_meshes(dump, path, meshes):
    grids = {"hair": dump["tubes"], "shape": [dump.get("shapeSamples", [])]}
    for name, grid_list in grids.items():
        samples = [sample for grid in grid_list for sample in grid]
        if not samples:
            continue
        positions, normals, triangles = meshes[name]
        # %.9g in the dump, and the shortest form in the OBJ, read back to the float that was written.
        if (positions, normals) != (floats([v for s in samples for v in s[:3]]),
                                    floats([v for s in samples for v in s[3:6]])):
            fail(f"{path}: the {name}'s positions or normals are not the dump's samples")
        # Strip i pairs rows i-1 and i and starts with row i-1 when i is odd, with row i when i is even (the
        # vertex ring's slot order), so as OpenGL takes a strip its cells split along (i, j)-(i-1, j+1) for
        # odd i and along (i-1, j)-(i, j+1) for even i.
        size, row, cells = len(grid_list[0]), math.isqrt(len(grid_list[0])), {}
        for t in range(0, len(triangles), 3):
            corners, first = triangles[t:t + 3], triangles[t] // size * size
            places = {divmod(c - first, row) for c in corners}
            i, j = max(p[0] for p in places), min(p[1] for p in places)
            diagonal = {(i, j), (i - 1, j + 1)} if i % 2 else {(i - 1, j), (i, j + 1)}
            if not diagonal <= places <= {(i - 1, j), (i - 1, j + 1), (i, j), (i, j + 1)}:
                fail(f"{path}: {name} triangle {corners} is not half of a cell split as the view splits it")
            cells[first, i, j] = cells.get((first, i, j), 0) + 1
            a, b, c = (samples[k] for k in corners)
            e, f = [b[k] - a[k] for k in range(3)], [c[k] - a[k] for k in range(3)]
            cross = (e[1] * f[2] - e[2] * f[1], e[2] * f[0] - e[0] * f[2], e[0] * f[1] - e[1] * f[0])
            if sum(cross[k] * (a[3 + k] + b[3 + k] + c[3 + k]) for k in range(3)) < 0:
                fail(f"{path}: {name} triangle {corners} turns clockwise about its normals")
        if set(cells.values()) != {2} or len(cells) != len(samples) // size * (row - 1) ** 2:
            fail(f"{path}: the {name}'s cells are not each covered by two triangles")


def basis(knots, degree, t):
    """Every B-spline basis function of `degree` at t (Cox-de Boor); the domain's end is in its last span."""
    end = knots[len(knots) - degree - 1]
    values = [1.0 if knots[i] <= t < knots[i + 1] or (t == end and knots[i] < knots[i + 1] == end) else 0.0
              for i in range(len(knots) - 1)]
    for d in range(1, degree + 1):
        values = [((t - knots[i]) / (knots[i + d] - knots[i]) * values[i] if knots[i + d] > knots[i] else 0.0) +
                  ((knots[i + d + 1] - t) / (knots[i + d + 1] - knots[i + 1]) * values[i + 1]
                   if knots[i + d + 1] > knots[i + 1] else 0.0) for i in range(len(values) - 1)]
    return values


def read_surfaces(path):
    """Each group's free-form surface: its statements by keyword ("parmu" for parm u), its control points."""
    vertices, surfaces = [], []
    for words in (line.split() or [""] for line in open(path)):
        if words[0] == "v":
            vertices.append([float(w) for w in words[1:]] + [1.0] * (5 - len(words)))
        elif words[0] == "g":
            surfaces.append({"g": words[1:]})
        elif words[0] in ("cstype", "deg", "surf", "parm", "end"):
            surfaces[-1][words[0] + (words[1] if words[0] == "parm" else "")] = words[1:]
    return [dict(s, points=[vertices[int(w) - 1] for w in s["surf"][4:]]) for s in surfaces]


def evaluate(surface, u, v):
    """S(u, v) = sum N_a(u) N_b(v) w P / sum N_a(u) N_b(v) w, control point k being (a, b) = (k % count_u,
    k // count_u): u varies fastest."""
    nu = basis([float(k) for k in surface["parmu"][1:]], int(surface["deg"][0]), u)
    nv = basis([float(k) for k in surface["parmv"][1:]], int(surface["deg"][1]), v)
    total = [0.0] * 4
    for k, (x, y, z, w) in enumerate(surface["points"]):
        weight = nu[k % len(nu)] * nv[k // len(nu)] * w
        total = [total[0] + x * weight, total[1] + y * weight, total[2] + z * weight, total[3] + weight]
    return [total[c] / total[3] for c in range(3)]


def check_nurbs(dump, path):
    surfaces = read_surfaces(path)
    if [s["g"] for s in surfaces] != [["shape"]] + [[f"strand{s}"] for s in range(len(dump["tubes"]))] or \
            any(s["cstype"] != ["rat", "bspline"] or "end" not in s for s in surfaces):
        fail(f"{path}: not a rational B-spline surface for the shape and each strand")
    # 9 x 9 points over the shape's domain: the sphere of radius 100, the torus of radii 100 and 50 about the z
    # axis, the square (+-100, 0, +-100); within 1e-5 of their size, well above the float net's rounding.
    u0, u1, v0, v1 = (float(w) for w in surfaces[0]["surf"][:4])
    for a in range(9):
        for b in range(9):
            x, y, z = evaluate(surfaces[0], u0 + (u1 - u0) * a / 8, v0 + (v1 - v0) * b / 8)
            off = {8: abs(math.hypot(x, y, z) - 100), 3: abs(math.hypot(math.hypot(x, y) - 100, z) - 50),
                   7: abs(y) + max(0, abs(x) - 100) + max(0, abs(z) - 100)}[dump["settings"]["shapeType"]]
            if off > 1e-3:
                fail(f"{path}: the shape's point at {a / 8}, {b / 8} is {off} off its surface")
    corners = [evaluate(surfaces[0], u, v) for u, v in ((0, 0), (1, 0), (0, 1))]
    if dump["settings"]["shapeType"] == 7 and corners != [[-100, 0, -100], [100, 0, -100], [-100, 0, 100]]:
        fail(f"{path}: the square's u does not run along x and its v along z from (-100, 0, -100)")
    # The tubes pass through their 11 x 11 samples, at u = i/10, v = j/10 of their domains. The dump's floats
    # are single-precision sums of a few products of the net's points: within a few dozen float epsilons
    # (1.2e-7) of the net's size, 2e-6 of it.
    for surface, grid in zip(surfaces[1:], dump["tubes"]):
        u0, u1, v0, v1 = (float(w) for w in surface["surf"][:4])
        tolerance = 2e-6 * max(abs(c) for point in surface["points"] for c in point[:3])
        for index, sample in enumerate(grid):
            i, j = divmod(index, 11)
            point = evaluate(surface, u0 + (u1 - u0) * i / 10, v0 + (v1 - v0) * j / 10)
            if max(abs(point[k] - sample[k]) for k in range(3)) > tolerance:
                fail(f"{path}: {surface['g'][0]} at sample {i}, {j} is {point}, the dump's {sample[:3]}")


dump = json.load(open(sys.argv[1]), parse_int=float)  # "-0" is the float -0.0, not the integer 0
check_meshes(dump, sys.argv[2], glb_meshes(sys.argv[2]))
check_meshes(dump, sys.argv[3], obj_meshes(sys.argv[3]))
check_nurbs(dump, sys.argv[4])
