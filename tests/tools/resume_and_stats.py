#!/usr/bin/env python3
"""tresslow-sim's --stats, --seed and --resume (usage: resume_and_stats.py TRESSLOW_SIM): the measures against
a motion worked by hand and against the dump of the same run, the seeds, runs that go on from a dump to the
bit, and the files that --resume refuses."""
import json, math, os, struct, subprocess, sys, tempfile

SIM = os.path.realpath(sys.argv[1])
work = tempfile.TemporaryDirectory()
os.chdir(work.name)


def sim(*args):
    run = subprocess.run([SIM, *args], capture_output=True, text=True)
    return run.returncode, run.stdout, run.stderr


def check(ok, what):
    if not ok:
        sys.exit(f"FAIL: {what}")


def f32(x):  # the float that a dump's nine digits stand for
    return struct.unpack("f", struct.pack("f", x))[0]


def rows(path):  # the measures, with wind and gravity as the floats they stand for
    lines = open(path).read().splitlines()
    check(lines[0] == "frame,kinetic,spring,reach,max_strain,wind,gravity", f"header {lines[0]}")
    return [[float(v) for v in line.split(",")[:5]] + [f32(float(v)) for v in line.split(",")[5:]]
            for line in lines[1:]]


def near(a, b, tolerance):
    return len(a) == len(b) and all(math.isclose(x, y, rel_tol=tolerance, abs_tol=tolerance) for x, y in zip(a, b))


# One strand, resumed from a state made here so that its motion is known in closed form. Points 0 to 6 are
# pinned and keep their velocities: point 1 moves at (0,0,3) and would add 4.5 to the kinetic energy were it
# counted; no spring reaches it, point 0 (the root) or the free tip 7. The springs join the still points
# 2 to 6, p_k = (1,1,1) + k (2,3,6), |p_j - p_k| = 7 |j - k|: [3,2] at rest (7), [4,2] stretched from 10 to
# 14 (energy 0.5*0.5*4^2 = 4, strain 0.4), [6,3] squeezed from 42 to 21 (0.5*2*21^2 = 441, strain -0.5),
# and [5,4] at rest ten times: spring 445, max_strain 0.4 on every frame. The tip, of mass 2, feels only
# wind w and gravity g: force (w, w, w - 2g), constant over a frame, so the midpoint steps are exact:
# v += a, p += v + a/2 per frame. The file holds w = -0.1, g = 0.2; frame 1 flips them to 0.1, -0.2:
# a = (0.05, 0.05, 0.25), v (1,2,2) -> (1.05, 2.05, 2.25), kinetic 1.1025 + 4.2025 + 5.0625 = 10.3675, tip
# (15,22,43) -> (16.025, 24.025, 45.125); frame 2 flips back, a = -(0.05, 0.05, 0.25): v -> (1,2,2),
# kinetic 9, tip -> (17.05, 26.05, 47.25). Reach is the tip's distance from the root (1,1,1).
points = [{"position": [1 + 2 * k, 1 + 3 * k, 1 + 6 * k], "velocity": [0, 0, 3 if k == 1 else 0], "mass": 1,
           "pinned": True} for k in range(7)]
points.append({"position": [15, 22, 43], "velocity": [1, 2, 2], "mass": 2, "pinned": False})
settings = dict(shapeType=7, hairStyle=8, restAngle=45, hairLength=20, hairDensity=1, thickness=1, wind=-0.1,
                gravity=0.2, springConstant=0.1, damping=0.01, renderMode=0, zoomMode=7,
                showControlPolygons=False, showControlPolygon=False, rotateMode=False, translateMode=False)
springs = [[3, 2, 7, 1], [4, 2, 10, 0.5], [6, 3, 42, 2]] + [[5, 4, 7, 1]] * 10
json.dump(dict(settings=settings, frames=0, points=points, springs=springs), open("hand.json", "w"))
check(sim("--resume", "hand.json", "--frames", "2", "--stats", "hand.csv")[0] == 0, "the hand-made state")
hand = [[1, 10.3675, 445, math.dist((16.025, 24.025, 45.125), (1, 1, 1)), 0.4, f32(0.1), f32(-0.2)],
        [2, 9, 445, math.dist((17.05, 26.05, 47.25), (1, 1, 1)), 0.4, f32(-0.1), f32(0.2)]]
for got, want in zip(rows("hand.csv"), hand):
    # 1e-5: velocities and positions are floats, rounded (up to 6e-8 relative) in each of ten steps
    check(near(got[:5], want[:5], 1e-5) and got[5:] == want[5:], f"frame {got[0]}: {got}, not {want}")


# The same measures from a dump of the same run, in double from its floats.
def measures(dump):
    p = [{k: [f32(x) for x in v] if k in ("position", "velocity") else v for k, v in q.items()}
         for q in dump["points"]]
    kinetic = sum(0.5 * q["mass"] * sum(v * v for v in q["velocity"])
                  for q in p if not q["pinned"] and q["mass"])
    stretch = [(math.dist(p[o]["position"], p[i]["position"]) - f32(rest), f32(rest), f32(k))
               for o, i, rest, k in dump["springs"]]
    strands = range(0, len(p), 8)
    return [dump["frames"], kinetic, sum(0.5 * k * e * e for e, _, k in stretch),
            sum(math.dist(p[s + 7]["position"], p[s]["position"]) for s in strands) / len(strands),
            max(e / rest for e, rest, _ in stretch),
            f32(dump["settings"]["wind"]), f32(dump["settings"]["gravity"])]


sim("--shape", "torus", "--hairs", "3", "--style", "combed", "--frames", "5", "--stats", "s.csv", "--dump", "d.json")
table, want = rows("s.csv"), measures(json.load(open("d.json")))
# 1e-12: the same doubles, summed here in an order of Python's
check([r[0] for r in table] == [1, 2, 3, 4, 5] and near(table[-1], want, 1e-12), f"{table}, not {want}")

# Seeds (from 1 to 4294967295; TresslowSimTest refuses the others): 1 is the start of every run; another seed
# grows other hair, the same seed the same hair.
def torus(*seed):
    return sim(*seed, "--shape", "torus", "--hairs", "2", "--dump", "-")[1]


dumps = {seed: torus("--seed", seed) for seed in ("1", "7", "4294967295")}
check(torus() == dumps["1"] and len(set(dumps.values())) == 3 and all(dumps.values()), "seeds give other hair")
check(torus("--seed", "7") == dumps["7"], "seed 7 twice")

# Ten frames in one run, or four dumped and six more from that dump: the same dump, and the measures and
# film pictures of frames 5 to 10 numbered on. A dump resumed for 0 frames and dumped again is itself.
for options in (["--shape", "sphere", "--hairs", "3"], ["--shape", "torus", "--style", "combed"],
                ["--hairs", "4"]):
    sim(*options, "--frames", "10", "--dump", "ten.json", "--stats", "ten.csv")
    sim(*options, "--frames", "4", "--dump", "four.json")
    sim("--resume", "four.json", "--frames", "6", "--dump", "more.json", "--stats", "more.csv")
    check(open("ten.json").read() == open("more.json").read(), f"{options}: 4 + 6 frames differ from 10")
    check(open("ten.csv").read().splitlines()[5:] == open("more.csv").read().splitlines()[1:],
          f"{options}: the rows of 4 + 6")
    sim(*options, "--dump", "zero.json")
    for dump in ("zero.json", "four.json"):
        sim("--resume", dump, "--dump", "again.json")
        check(open(dump).read() == open("again.json").read(), f"{options}: {dump} resumed for 0 frames")
os.mkdir("film")
sim("--resume", "four.json", "--frames", "6", "--png-every", "5", "film", "--png", "last.png")
check(sorted(os.listdir("film")) == ["frame-000005.png", "frame-000010.png"], f"film: {os.listdir('film')}")
check(open("last.png", "rb").read() == open("film/frame-000010.png", "rb").read(), "--png is not frame 10")

# Each kind of bad file, a small edit of a good dump: one line that names the place, status 2.
good = open("four.json").read()  # 4 x 4 strands: 128 points, 208 springs


def edit(change):  # the good dump with `change` made to its tree
    change(dump := json.loads(good))
    return json.dumps(dump)


overflow = good.index('"velocity":[') + len('"velocity":[1e999')  # the column of its last digit
for text, reason in [
    (edit(lambda d: d.update(colour=1)), '"bad.json": /colour: is no key of a dump, not 1'),
    (edit(lambda d: d["settings"].pop("damping")), '/settings: lacks "damping"'),
    (edit(lambda d: d["points"].pop()), "/points: needs 128 entries, not 127"),
    (edit(lambda d: d["points"][5]["velocity"].pop()), "/points/5/velocity: needs 3 entries, not 2"),
    (edit(lambda d: d["points"][9].update(pinned="yes")), '/points/9/pinned: needs true or false, not "yes"'),
    (edit(lambda d: d["settings"].update(restAngle=4.5)), "/settings/restAngle: needs a whole number"),
    (edit(lambda d: d["settings"].update(hairDensity=5)), "/points: needs 200 entries, not 128"),
    (edit(lambda d: d["settings"].update(damping=0.2)), "/settings/damping: must lie between 0.001 and 0.1"),
    (edit(lambda d: d["settings"].update(wind=-0.21)), "/settings/wind: must lie between -0.2 and 0.2, not"),
    (edit(lambda d: d["settings"].update(shapeType=4)), "/settings/shapeType: needs one of 7, 8, 3, not 4"),
    (edit(lambda d: d["springs"][207].__setitem__(0, 128)), "/springs/207/0: must lie between 0 and 127"),
    (edit(lambda d: d["springs"][3].__setitem__(2, 0)), "/springs/3/2: must be more than 0, not 0"),
    (edit(lambda d: d["points"][1].update(mass=-1)), "/points/1/mass: must be 0 or more, not -1"),
    (edit(lambda d: d.update(frames=2**31 - 6)), "/frames: must lie between 0 and 2147483641, not"),
    # JSON has no infinity: a number too large for a double
    (good.replace('"velocity":[', '"velocity":[1e999,', 1), f"line 1, column {overflow}: number overflow"),
    (good + "}", "line 2, column 1: syntax error while parsing value"),
]:
    open("bad.json", "w").write(text)
    status, out, err = sim("--resume", "bad.json", "--frames", "6", "--dump", "o.json", "--stats", "o.csv")
    check(status == 2 and err.count("\n") == 1 and reason in err and out == "", f"{reason}: {status}, {err}")
status, _, err = sim("--resume", "four.json", "--shape", "torus")
check(status == 2 and err.startswith("tresslow-sim: --shape cannot be given with --resume"), err)
