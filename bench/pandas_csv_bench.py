#!/usr/bin/python3
"""Times pandas on the CSV file of data_file_bench (not a test): read_csv of its record lines, then
to_csv of what it read. Usage: pandas_csv_bench.py CSV OUTPUT. Prints "read_csv <seconds>" and
"to_csv <seconds>"; exits with 2 when pandas is not installed."""
import sys
import time

try:
    import pandas
except ImportError:
    sys.exit(2)


def title_lines_end(path):
    """The number of lines before the first record line (one that starts with a digit)."""
    with open(path, "rb") as csv:
        for number, line in enumerate(csv):
            if line[:1].isdigit():
                return number
    return 0


def main():
    source, target = sys.argv[1], sys.argv[2]
    skip = title_lines_end(source)
    start = time.perf_counter()
    frame = pandas.read_csv(source, skiprows=skip, header=None, encoding="cp1252")
    read_seconds = time.perf_counter() - start
    start = time.perf_counter()
    frame.to_csv(target, header=False, index=False)
    write_seconds = time.perf_counter() - start
    print(f"read_csv {read_seconds:.3f}")
    print(f"to_csv {write_seconds:.3f}")


if __name__ == "__main__":
    main()
