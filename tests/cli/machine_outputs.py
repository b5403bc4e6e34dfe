#!/usr/bin/env python3
"""Checks zephra-cli's machine-readable outputs over a set of wines.

  machine_outputs.py schemas CLI SCHEMA_DIR EXAMPLES_DIR
      every JSON output (export, analyze, size, compare) of every wine, in
      both unit systems, is valid against its JSON Schema in SCHEMA_DIR
  machine_outputs.py keys CLI SCHEMA_DIR EXAMPLES_DIR
      every JSON and CSV output has the same keys (JSON key paths, CSV
      header) in US and metric units

The wines: the samples in EXAMPLES_DIR and wines written with the tool in a
temporary folder: conditions only (no data); a trial that follows the
standard law (Vmax and the capacity by Vmax can be computed), once with the
record's own names and once with full names, comments, a dessert type and a
rate in gpm; two points (no law can be fitted); a flow that never slows (no
law fits, an estimate "incalculably high"); a sample whose data were
cleared.
"""

import csv
import io
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

import jsonschema

UNIT_SYSTEMS = ("us", "metric")


class Cli:
    def __init__(self, program):
        self.program = program

    def run(self, *args, stdin=""):
        done = subprocess.run([self.program, *args], input=stdin, capture_output=True,
                              text=True, env=dict(os.environ, LC_ALL="C"))
        if done.returncode != 0:
            raise RuntimeError("zephra-cli %s: status %d\n%s" %
                               (" ".join(args), done.returncode, done.stderr))
        return done.stdout


def readings_csv(volume_at):
    """36 readings, one every 15 s, with the volume in ml at each time (h)."""
    lines = []
    for i in range(1, 37):
        seconds = i * 15
        lines.append("%.1f,%d,%d" % (volume_at(seconds / 3600.0), seconds // 60, seconds % 60))
    return "\n".join(lines) + "\n"


def make_wines(cli, folder, examples):
    """The wines' paths: the samples and the edge cases written here."""
    wines = []
    for sample in sorted(pathlib.Path(examples).glob("*.zph")):
        wines.append(shutil.copy(sample, str(folder / sample.name)))

    def new(name, *extra):
        path = str(folder / name)
        cli.run("new", path, "--wine", "Chardonnay", "--filter", "Pad K200", "--lab-pressure",
                "30", "--filter-diameter", "47", "--max-pressure", "30", "--area", "10",
                "--rate", "100", *extra)
        wines.append(path)
        return path

    new("conditions-only.zph")
    noted = new("noted.zph", "--type", "dessert", "--units", "gpm", "--comments",
                "Cold stabilised; \"fined\" twice")
    cli.run("edit-conditions", noted, "--wine", "Sauvignon Blanc 25 Reserve Lot 7",
            "--filter", "Membrane 0.45 \u00b5m cartridge")
    # Vmax 300 L/m² and J0 2000 LMH on the 47 mm filter.
    area_m2 = 0.0235 * 0.0235 * 3.14159
    standard_law = readings_csv(lambda h: 1000 * area_m2 * 2000 * h / (1 + 2000 * h / 300))
    cli.run("edit-data", noted, "--csv", stdin=standard_law)
    cli.run("edit-data", new("standard-law.zph"), "--csv", stdin=standard_law)
    two = new("two-points.zph")
    cli.run("edit-data", two, "--point", "1", "10.5", "0", "15", "--point", "2", "20.1", "0", "30")
    steady = new("steady.zph")
    cli.run("edit-data", steady, "--csv", stdin=readings_csv(lambda h: 1000 * h))
    cleared = shutil.copy(wines[0], str(folder / "cleared.zph"))
    cli.run("edit-data", cleared, "--clear")
    wines.append(cleared)
    return wines


def json_outputs(cli, wines, units):
    """(schema name, what, parsed output) of every JSON output in `units`."""
    system = ("--unit-system", units)
    for wine in wines:
        name = pathlib.Path(wine).name
        yield "export", name, json.loads(cli.run("export", "--format", "json", *system, wine))
        yield "analyze", name, json.loads(cli.run("analyze", "--json", *system, wine))
        for batch in (("--batch", "100"),
                      ("--batch", "5000L", "--flow", "20gpm", "--element-area", "0.6",
                       "--safety", "2")):
            yield ("size", "%s %s" % (name, " ".join(batch)),
                   json.loads(cli.run("size", wine, "--json", *batch, *system)))
        yield "compare", name, json.loads(cli.run("compare", "--json", wine))
    for order in ("capacity", "date"):
        yield "compare", "all by " + order, json.loads(
            cli.run("compare", "--json", "--by", order, *wines))


def csv_outputs(cli, wines, units):
    """(what, header row) of every CSV output in `units`."""
    system = ("--unit-system", units)
    for wine in wines:
        name = pathlib.Path(wine).name
        yield "export csv " + name, cli.run("export", "--format", "csv", *system, wine)
    yield "summary csv", cli.run("summary", "--csv", *system, *wines)
    yield "compare csv", cli.run("compare", "--csv", *wines)


def key_paths(value, prefix=""):
    """Every key of a JSON value as a path ("results.power.rm", "points[].row")."""
    paths = set()
    if isinstance(value, dict):
        for key, inner in value.items():
            path = prefix + "." + key if prefix else key
            paths.add(path)
            paths |= key_paths(inner, path)
    elif isinstance(value, list):
        for inner in value:
            paths |= key_paths(inner, prefix + "[]")
    return paths


def validators(schema_dir):
    """A validator for each schema file NAME.schema.json, by NAME; a schema
    names another by its file name ("$ref": "analyze.schema.json")."""
    schemas = {p.name: json.loads(p.read_text())
               for p in sorted(pathlib.Path(schema_dir).glob("*.schema.json"))}
    for schema in schemas.values():
        jsonschema.Draft202012Validator.check_schema(schema)
    try:
        from referencing import Registry, Resource
    except ImportError:  # jsonschema before 4.18
        def make(schema):
            resolver = jsonschema.RefResolver("", schema, store=schemas)
            return jsonschema.Draft202012Validator(schema, resolver=resolver)
    else:
        registry = Registry().with_resources(
            (name, Resource.from_contents(schema)) for name, schema in schemas.items())

        def make(schema):
            return jsonschema.Draft202012Validator(schema, registry=registry)
    return {name[:-len(".schema.json")]: make(schema) for name, schema in schemas.items()}


def check_schemas(cli, wines, schema_dir):
    checkers = validators(schema_dir)
    failures = checked = 0
    for units in UNIT_SYSTEMS:
        for schema, what, document in json_outputs(cli, wines, units):
            checked += 1
            for error in checkers[schema].iter_errors(document):
                failures += 1
                print("%s (%s, %s units): %s at %s" % (schema, what, units, error.message,
                                                       "/".join(map(str, error.absolute_path))))
    print("%d JSON outputs checked against %s" % (checked, ", ".join(sorted(checkers))))
    return failures == 0


def check_keys(cli, wines):
    failures = 0
    keys = {}
    for units in UNIT_SYSTEMS:
        for schema, what, document in json_outputs(cli, wines, units):
            keys.setdefault((schema, what), {})[units] = key_paths(document)
        for what, text in csv_outputs(cli, wines, units):
            keys.setdefault(("csv", what), {})[units] = next(csv.reader(io.StringIO(text)))
    for (kind, what), by_units in keys.items():
        if by_units["us"] != by_units["metric"]:
            failures += 1
            us, metric = by_units["us"], by_units["metric"]
            print("%s (%s): US %s, metric %s" % (kind, what, sorted(set(us) - set(metric)),
                                                 sorted(set(metric) - set(us))) if kind != "csv"
                  else "%s: US %s, metric %s" % (what, us, metric))
    print("%d outputs compared in US and metric units" % len(keys))
    return failures == 0


def main(argv):
    if len(argv) != 5 or argv[1] not in ("schemas", "keys"):
        print(__doc__)
        return 2
    cli = Cli(argv[2])
    with tempfile.TemporaryDirectory() as temporary:
        wines = make_wines(cli, pathlib.Path(temporary), argv[4])
        ok = (check_schemas(cli, wines, argv[3]) if argv[1] == "schemas"
              else check_keys(cli, wines))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
