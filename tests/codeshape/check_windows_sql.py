#!/usr/bin/env python3
"""Fails when a file of quillby/windows reads or writes the database itself.

The windows show what the named functions of quillby/data return; a statement, a record set
or the connection in a window's file is reported as file:line with the text found. Looked for,
outside comments: the statement fragments (Sql::), Recordset, the connection
(DbConnection), and SQL written out in a string literal (SELECT ... FROM, INSERT INTO,
UPDATE ... SET, DELETE FROM, CREATE/ALTER/DROP TABLE, in capitals as statements are written).

Usage: check_windows_sql.py <source root>
"""
import pathlib
import re
import sys

NAMES = re.compile(r"\bSql::|\bRecordset\b|\bDbConnection\b|\"Statements\.h\"")
STRING = re.compile(r'"(?:[^"\\]|\\.)*"')
STATEMENT = re.compile(
    r"\bSELECT\b.*\bFROM\b|\bINSERT\s+INTO\b|\bUPDATE\s+\w+\s+SET\b|\bDELETE\s+FROM\b"
    r"|\b(?:CREATE|ALTER|DROP)\s+(?:TABLE|INDEX|VIEW|TRIGGER)\b")


def without_comments(text):
    """The text with comments blanked out, keeping strings and line numbers."""
    out = []
    i, n = 0, len(text)
    while i < n:
        if text.startswith("//", i):
            end = text.find("\n", i)
            i = n if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append("\n" * text.count("\n", i, end))
            i = end
        elif text[i] == '"':
            match = STRING.match(text, i)
            end = match.end() if match else i + 1
            out.append(text[i:end])
            i = end
        elif text[i] == "'":
            end = i + 1
            while end < n and text[end] != "'":
                end += 2 if text[end] == "\\" else 1
            out.append(text[i:end + 1])
            i = end + 1
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def findings(path):
    text = without_comments(path.read_text(encoding="utf-8"))
    for number, line in enumerate(text.splitlines(), start=1):
        found = [m.group(0) for m in NAMES.finditer(line)]
        found += [s for s in STRING.findall(line) if STATEMENT.search(s)]
        for what in found:
            yield number, what


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    windows = root / "quillby" / "windows"
    files = sorted(p for p in windows.iterdir() if p.suffix in (".cpp", ".h"))
    if not files:
        print(f"no window sources in {windows}")
        return 1
    failures = 0
    for path in files:
        for number, what in findings(path):
            print(f"{path.relative_to(root)}:{number}: {what} (put the query into quillby/data)")
            failures += 1
    if failures:
        print(f"{failures} database use(s) in quillby/windows")
        return 1
    print(f"{len(files)} files of quillby/windows checked: no statement, record set or connection")
    return 0


if __name__ == "__main__":
    sys.exit(main())
