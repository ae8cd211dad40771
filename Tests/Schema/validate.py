#!/usr/bin/env python3
"""Validates JSON files against a JSON Schema of draft 2020-12.

usage: validate.py SCHEMA FILE...

Prints one line per file, tab-separated: the file, then "valid", or "invalid" and the reason.
Exits 0 when every file is valid, 1 when any is not, and 2 when the schema or the validator
itself is at fault (a missing module, a schema that is not itself valid), so that a caller
never mistakes a broken check for a refused file.

A file is read as strict JSON in UTF-8: invalid UTF-8, a byte order mark, and the NaN and
Infinity literals that Python's reader would otherwise take all make a file invalid.
"""
import json
import sys

DRAFT = "https://json-schema.org/draft/2020-12/schema"


def fail(message):
    print(f"validate.py: {message}", file=sys.stderr)
    sys.exit(2)


def refuse_constant(name):
    raise ValueError(f"{name} is not a JSON value")


def load_instance(path):
    with open(path, "rb") as f:
        data = f.read()
    text = data.decode("utf-8")  # strict: refuses invalid UTF-8 and encoded surrogates
    return json.loads(text, parse_constant=refuse_constant)


def main(argv):
    if len(argv) < 3:
        fail("usage: validate.py SCHEMA FILE...")
    try:
        import jsonschema
        from jsonschema import Draft202012Validator
    except ImportError as e:
        fail(f"no jsonschema module with draft 2020-12 ({e}): install python3-jsonschema")

    try:
        with open(argv[1], "rb") as f:
            schema = json.loads(f.read().decode("utf-8"), parse_constant=refuse_constant)
    except (OSError, ValueError) as e:
        fail(f"cannot read the schema {argv[1]}: {e}")
    if schema.get("$schema") != DRAFT:
        fail(f"the schema does not declare draft 2020-12 ({DRAFT})")
    try:
        Draft202012Validator.check_schema(schema)
    except jsonschema.exceptions.SchemaError as e:
        fail(f"the schema is not a valid draft 2020-12 schema: {e.message}")
    validator = Draft202012Validator(schema)

    all_valid = True
    for path in argv[2:]:
        try:
            instance = load_instance(path)
        except OSError as e:
            fail(f"cannot read {path}: {e}")
        except (ValueError, RecursionError) as e:
            all_valid = False
            print(f"{path}\tinvalid\tnot JSON: {e}")
            continue
        error = jsonschema.exceptions.best_match(validator.iter_errors(instance))
        if error is None:
            print(f"{path}\tvalid")
        else:
            all_valid = False
            where = "/".join(str(p) for p in error.absolute_path) or "(the top level)"
            print(f"{path}\tinvalid\tat {where}: {error.message}")
    return 0 if all_valid else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
