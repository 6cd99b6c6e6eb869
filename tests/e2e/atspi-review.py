#!/usr/bin/python3
"""A drill with known wrong answers, the review window listing them, and a review of them,
driven through the accessibility tree.

usage: atspi-review.py BINARY EXPORT

Answers the first five problems of a drill wrong and the rest right, opens the review window
with F2 and reads the mistakes of the last drill from it, starts the review there, misses its
first problem once and answers the rest right until the review's closing line. Afterwards
HIST.DAT holds the drill alone, and the records, read with the export command, hold the drill's
100 answers and the review's, the missed fact asked again. Exits 77 (skipped) when the
accessibility bus cannot be started at all.
"""
import csv
import io
import os
import subprocess

from atspi_session import Failure, act, answer_of, find, main, press, quit_program, session, start_program, wait_for

WRONG = 5


def run(binary, exporter):
    with session() as (procs, work):
        import pyatspi

        program, app, window = start_program(procs, binary, work)
        left = find(app, pyatspi.ROLE_LABEL, description="左の数")
        operator = find(app, pyatspi.ROLE_LABEL, description="演算子")
        right = find(app, pyatspi.ROLE_LABEL, description="右の数")
        log = find(app, pyatspi.ROLE_LIST, name="結果")

        def records():
            out = subprocess.run([exporter, os.path.join(work, "ANSWERS.DB")], capture_output=True, text=True)
            return list(csv.DictReader(io.StringIO(out.stdout))) if out.returncode == 0 else []

        def answer_problems(count, wrong_asks, first_line):
            """Answers count problems (wrong at the askings in wrong_asks) and gives what was asked."""
            asked = []
            for n in range(count):
                wait_for(f"problem {n + 1}", lambda: left.name and log.childCount == n)
                problem = (left.name, operator.name, right.name)
                given = answer_of(*problem) + (1 if n in wrong_asks else 0)
                asked.append((problem, given))
                press(*str(given), "Return")
            wait_for("the closing line", lambda: log.childCount == count + 1
                     and log.getChildAtIndex(0).name.startswith(first_line))
            return asked

        act(find(app, pyatspi.ROLE_PUSH_BUTTON, name="開始"), "Press")
        drill = answer_problems(100, set(range(WRONG)), "所要時間")
        wait_for("the drill in the records", lambda: len(records()) == 100)

        # The review window lists the five mistakes as the log showed them.
        subprocess.run(["xdotool", "key", "--window", window, "F2"], check=True)
        mistakes = find(app, pyatspi.ROLE_LIST, name="前回のドリルの誤り")
        wait_for("the mistakes of the drill", lambda: mistakes.childCount == WRONG)
        for n, ((a, op, b), given) in enumerate(drill[:WRONG], start=1):
            line = mistakes.getChildAtIndex(n - 1).name
            want = f"{n:3d}: {int(a):2d} {op} {int(b):2d} = {given:3d}  NG({answer_of(a, op, b):3d})"
            if not line.startswith(want):
                raise Failure(f"mistake {n} reads {line!r}, not {want!r}")

        review_button = find(app, pyatspi.ROLE_PUSH_BUTTON, name="復習")
        wait_for("the review button to be enabled", lambda: review_button.getState().contains(pyatspi.STATE_ENABLED))
        act(review_button, "Press")
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        review = answer_problems(21, {0}, "復習")
        wrong_fact = review[0][0]
        if set(p for p, _ in drill[:WRONG]) - set(p for p, _ in review):
            raise Failure(f"the review did not ask every mistake of the drill: {review}")
        if [p for p, _ in review].count(wrong_fact) != 2:
            raise Failure(f"the missed {wrong_fact} was not asked again once: {review}")

        wait_for("the review in the records", lambda: len(records()) == 121)
        rows = records()
        if {r["kind"] for r in rows[:100]} != {"drill"} or {r["kind"] for r in rows[100:]} != {"review"}:
            raise Failure("the drill's and the review's answers are not marked as such")
        if [r["verdict"] for r in rows[100:]] != ["NG"] + ["OK"] * 20:
            raise Failure(f"the review's verdicts are {[r['verdict'] for r in rows[100:]]}")
        with open(os.path.join(work, "HIST.DAT"), "rb") as f:
            if f.read().count(b"\r\n") != 1:
                raise Failure("the review changed HIST.DAT")

        quit_program(app, program)
        print("PASS: drill, review window, review")
        return 0


if __name__ == "__main__":
    main(run)
