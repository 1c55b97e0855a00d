"""The real tresslow-sim from outside: bad input refused with status 2, one line on stderr, nothing on
stdout and no dump file; the commands' lines; the dump read as JSON (counts, 32-bit floats written with
9 significant digits, surface samples on the sphere) and the same dump twice for the same options."""
import json
import math
import os
import struct
import subprocess
import sys
import tempfile
import unittest

SIM = sys.argv.pop(1)


def run(*args):
    return subprocess.run([SIM, *args], capture_output=True, text=True, timeout=60)


def as_float32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def float32_text(text):
    """A float written as the 32-bit value it stands for, with 9 significant digits."""
    value = as_float32(float(text))
    assert "%.9g" % value == text, text
    return value


class CommandLine(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dump = os.path.join(self.folder.name, "dump.json")

    def tearDown(self):
        self.folder.cleanup()

    def read_dump(self, *args):
        result = run(*args, "--dump", self.dump)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.dump) as f:
            text = f.read()
        return text, json.loads(text, parse_float=float32_text), result.stdout

    def test_bad_input_runs_nothing(self):
        cases = [["--colour", "red"], ["--hairs"], ["--length", "long"], ["--wind", "0.3"], ["--frames", "-1"],
                 ["--bench=1"], ["--shape", "torus", "4"], ["--style", "combed", "--style", "messy"]]
        for args in cases:
            with self.subTest(args=args):
                result = run("--dump", self.dump, *args)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stdout, "")
                self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
                self.assertTrue(result.stderr.startswith("tresslow-sim: "))
                self.assertFalse(os.path.exists(self.dump))
        result = run("--frames", "-1")
        self.assertIn("negative frame count", result.stderr)
        result = run("--style", "combed", "--dump", os.path.join(self.folder.name, "missing", "dump.json"))
        self.assertEqual((result.returncode, result.stdout, len(result.stderr.splitlines())), (2, "", 1))

    def test_help_prints_the_usage(self):
        result = run("--help")
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        self.assertTrue(result.stdout.startswith("usage: tresslow-sim [--shape plane|sphere|torus]"))

    def test_prints_the_commands_lines(self):
        self.assertEqual(run("--style", "combed", "--length", "30", "--shape", "sphere").stdout,
                         "style = COMBED\nlength = 30\nttotal = 441\n")
        self.assertEqual(run("--shape", "torus", "--rest-angle", "0", "--style", "messy", "--frames", "3").stdout,
                         "style = MESSY\nrestAngle = 0\nttotal = 441\n")
        self.assertEqual(run("--hairs", "4", "--wind", "0.1", "--frames", "2").stdout, "")

    def test_dump_of_a_full_torus_after_frames(self):
        text, dump, stdout = self.read_dump("--shape", "torus", "--hairs", "20", "--length", "21", "--wind", "0.1",
                                            "--frames", "3")
        self.assertEqual(stdout, "length = 21\nttotal = 441\n")
        self.assertEqual(list(dump), ["settings", "frames", "points", "springs", "shapeSamples", "tubes"])
        settings = dump["settings"]
        self.assertEqual(set(settings), {
            "shapeType", "hairStyle", "restAngle", "hairLength", "hairDensity", "thickness", "wind", "gravity",
            "springConstant", "damping", "renderMode", "zoomMode", "showControlPolygons", "showControlPolygon",
            "rotateMode", "translateMode"})
        self.assertEqual((settings["shapeType"], settings["hairDensity"], settings["hairLength"]), (3, 20, 21))
        # Three frames flip wind and gravity three times.
        self.assertEqual((settings["wind"], settings["gravity"]), (as_float32(-0.1), as_float32(0.05)))
        self.assertEqual(dump["frames"], 3)
        n2 = 400
        points, springs = dump["points"], dump["springs"]
        self.assertEqual((len(points), len(springs)), (8 * n2, 13 * n2))
        for p in points:
            self.assertEqual(set(p), {"position", "velocity", "mass", "pinned"})
            self.assertTrue(all(math.isfinite(x) for x in p["position"] + p["velocity"]))
        self.assertEqual(sum(p["pinned"] for p in points), n2)  # the roots on a curved shape
        for outer, inner, rest, stiffness in springs:
            self.assertTrue(0 <= inner < outer < 8 * n2 and outer // 8 == inner // 8)
            self.assertIn((rest, stiffness), [(21, 1.0), (42, 0.5)])
        self.assertEqual(len(dump["shapeSamples"]), 441)
        self.assertEqual(len(dump["tubes"]), n2)
        self.assertTrue(all(len(tube) == 121 and all(len(r) == 8 for r in tube) for tube in dump["tubes"]))

    def test_sphere_samples_lie_on_the_sphere_with_inward_normals(self):
        _, dump, _ = self.read_dump("--shape", "sphere")
        self.assertNotIn("tubes", dump)
        self.assertEqual(len(dump["shapeSamples"]), 441)
        for x, y, z, nx, ny, nz, s, t in dump["shapeSamples"]:
            self.assertAlmostEqual(math.hypot(x, y, z), 100, delta=1e-3)
            self.assertAlmostEqual(math.hypot(nx, ny, nz), 1, delta=1e-5)
            self.assertLessEqual(nx * x + ny * y + nz * z, 0)
            self.assertTrue(0 <= s <= 1.0001 and 0 <= t <= 1.0001)

    def test_plane_dump_has_no_surfaces_and_repeats_exactly(self):
        first, dump, _ = self.read_dump("--style", "combed", "--hairs", "5", "--frames", "4")
        self.assertNotIn("shapeSamples", dump)
        self.assertEqual(len(dump["tubes"]), 25)
        second, _, _ = self.read_dump("--style", "combed", "--hairs", "5", "--frames", "4")
        self.assertEqual(first, second)


if __name__ == "__main__":
    unittest.main(verbosity=1)
