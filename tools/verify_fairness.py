#!/usr/bin/env python3
"""Checks the dice of a network game from the CSV the game saves (履歴 → CSV).

Every turn that has a proof (the columns after the reason: commitment, seed, the seat's
contribution, the computer's bet draws) is derived again as net/PROTOCOL.md ("Fairness") says:
SHA-256(seed) must be the commitment, the bet stream must give the bet draws and the throw stream
must give every die of the 出目 column, the banker's throws first, then each seat clockwise.
Prints OK, or the first turn and die that disagree; exit status 0 when every turn checks, else 1.
Python's standard library only.
"""
import csv
import hashlib
import hmac
import sys

TURN, BANKER, NAME, THROWS = 0, 1, 2, 3
COMMITMENT, SEED, CONTRIBUTION, BET_DRAWS = 9, 10, 11, 12


def draw(seed, text):
    return int.from_bytes(hmac.new(seed, text.encode("ascii"), hashlib.sha256).digest()[:4], "big")


def face(value):
    x = (value >> 8) / 16777216 * 6.001 + 1.0
    return int(x) if 1.0 <= x < 7.0 else 9


def faces_of(text):
    dice = []
    for throw in filter(None, (t.strip() for t in text.split("/"))):
        dice.extend(9 if d == "×" else int(d) for d in throw.split("-"))
    return dice


def check_turn(turn, rows):
    first = rows[0]
    seed = bytes.fromhex(first[SEED])
    if hashlib.sha256(seed).hexdigest() != first[COMMITMENT].lower():
        return "turn %s: the seed does not match its commitment" % turn
    bet_draws = [int(d) for d in first[BET_DRAWS].split(",") if d]
    for index, expected in enumerate(bet_draws):
        if draw(seed, "qubrin-bets-1;turn=%s;draw=%d" % (turn, index)) >> 8 != expected:
            return "turn %s: bet draw %d disagrees" % (turn, index + 1)
    contributions = ",".join(row[CONTRIBUTION].lower() for row in rows)
    banker = next((i for i, row in enumerate(rows) if row[BANKER]), 0)
    order = rows[banker:] + rows[:banker]
    index = 0
    for row in order:
        for thrown in faces_of(row[THROWS]):
            text = "qubrin-dice-1;turn=%s;draw=%d;contributions=%s" % (turn, index, contributions)
            if face(draw(seed, text)) != thrown:
                return "turn %s: die %d (%s, throw %d, die %d) disagrees" % (
                    turn, index + 1, row[NAME], index // 3 + 1, index % 3 + 1)
            index += 1
    return None


def main(path):
    with open(path, newline="", encoding="utf-8-sig") as f:
        rows = list(csv.reader(f))[1:]
    turns = {}
    for row in rows:
        if len(row) > BET_DRAWS and row[SEED]:
            turns.setdefault(row[TURN], []).append(row)
    if not turns:
        print("no turn with a proof")
        return 1
    for turn, turn_rows in turns.items():
        failure = check_turn(turn, turn_rows)
        if failure:
            print(failure)
            return 1
    print("OK: %d turns verified" % len(turns))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: verify_fairness.py GAME.csv")
    sys.exit(main(sys.argv[1]))
