#!/usr/bin/env python3
"""Compares the report's CSV elevation and azimuth with a peer's figures.

compare_angles.py CSV PEER TOLERANCE: every peer line (satellite, GPS week,
second of week, azimuth, elevation) whose satellite and epoch the CSV has
must agree within TOLERANCE degrees; prints how many were compared and
fails when none was or one disagrees.
"""
import csv
import sys

GPS_START_MJD = 44244


def main(csv_path, peer_path, tolerance):
    rows = {}
    with open(csv_path, newline="") as f:
        for row in csv.DictReader(f):
            if row["elevation"] == "":
                continue
            seconds = (int(row["mjd"]) - GPS_START_MJD) * 86400 + round(float(row["sod"]))
            rows[(row["sat"], seconds)] = (float(row["elevation"]), float(row["azimuth"]))
    compared = 0
    bad = 0
    with open(peer_path) as f:
        for line in f:
            if line.startswith("#"):
                continue
            sat, week, second, azimuth, elevation = line.split()
            key = (sat, int(week) * 604800 + int(second))
            if key not in rows:
                continue
            compared += 1
            mine_elevation, mine_azimuth = rows[key]
            turn = abs(mine_azimuth - float(azimuth)) % 360
            if abs(mine_elevation - float(elevation)) > tolerance or min(turn, 360 - turn) > tolerance:
                print(f"{sat} {week} {second}: {mine_elevation} {mine_azimuth} against the peer's "
                      f"{elevation} {azimuth}")
                bad += 1
    print(f"{compared} angles compared, {bad} apart")
    return 0 if compared > 0 and bad == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], float(sys.argv[3])))
