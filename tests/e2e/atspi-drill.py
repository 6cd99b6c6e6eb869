#!/usr/bin/python3
"""A whole drill in until-correct mode, driven through the accessibility tree.

usage: atspi-drill.py BINARY

Starts a private session bus and the accessibility bus, starts the program with Qt's
accessibility bridge switched on in a scratch directory, switches the until-correct mode on and
presses Start through accessibility actions, then reads each problem from the tree, types the
answer with xdotool and waits for the log line. Afterwards HIST.DAT must hold the old line and
a new one with rate 100. Exits 77 (skipped) when the accessibility bus cannot be started at all.
"""
import os
import time

from atspi_session import Failure, act, answer_of, find, has_state, main, press, quit_program, session, start_program, \
    text_of, wait_for

OLD_LINE = "所要時間 01:02.003　正答率 50%  2006/02/13 09:10:32".encode("cp932")


def run(binary):
    with session() as (procs, work):
        import pyatspi

        hist = os.path.join(work, "HIST.DAT")
        with open(hist, "wb") as f:
            f.write(OLD_LINE + b"\r\n")
        program, app, _ = start_program(procs, binary, work)
        left = find(app, pyatspi.ROLE_LABEL, description="左の数")
        operator = find(app, pyatspi.ROLE_LABEL, description="演算子")
        right = find(app, pyatspi.ROLE_LABEL, description="右の数")
        answer = find(app, pyatspi.ROLE_TEXT, name="答え")
        log = find(app, pyatspi.ROLE_LIST, name="結果")
        start = find(app, pyatspi.ROLE_PUSH_BUTTON, name="開始")
        until_correct = find(app, pyatspi.ROLE_CHECK_BOX, name="正解する迄")

        act(until_correct, "Toggle")
        wait_for("the until-correct box to be checked", lambda: has_state(until_correct, pyatspi.STATE_CHECKED))
        wait_for("the focus on Start after the check box", lambda: has_state(start, pyatspi.STATE_FOCUSED))

        started = time.monotonic()
        act(start, "Press")
        wait_for("the first problem", lambda: left.name and has_state(answer, pyatspi.STATE_FOCUSED))

        def log_lines():
            return log.childCount

        # A wrong answer empties the box and keeps the problem.
        expected = answer_of(left.name, operator.name, right.name)
        shown = (left.name, operator.name, right.name)
        press(*str(expected + 1))
        wait_for("the wrong answer in the box", lambda: text_of(answer) == str(expected + 1))
        press("Return")
        wait_for("the box to empty after a wrong answer", lambda: text_of(answer) == "")
        if log_lines() != 0 or (left.name, operator.name, right.name) != shown:
            raise Failure("a wrong answer in until-correct mode ended the problem")

        for n in range(1, 101):
            problem = (left.name, operator.name, right.name)
            press(*str(answer_of(*problem)), "Return")
            # The last problem's line comes with the summary line above it.
            wanted = n if n < 100 else 101
            wait_for(f"the log line of problem {n} ({' '.join(problem)})", lambda: log_lines() >= wanted)
            if log_lines() != wanted:
                raise Failure(f"{log_lines()} log lines after problem {n}")
        drill_seconds = time.monotonic() - started

        def history():
            with open(hist, "rb") as f:
                return f.read()

        wait_for("the summary line in HIST.DAT", lambda: history().count(b"\r\n") == 2)
        lines = history().split(b"\r\n")
        if lines[0] != OLD_LINE or lines[2] != b"":
            raise Failure(f"HIST.DAT is {history()!r}")
        summary = lines[1]
        if summary[26:29] != b"100":
            raise Failure(f"the rate of the new line is {summary[26:29]!r}: {summary!r}")
        top = log.getChildAtIndex(0).name
        if top != summary.decode("cp932"):
            raise Failure(f"the log's top line {top!r} is not the saved line")
        if any(a.name for a in (left, operator, right)):
            raise Failure("the problem boxes are not empty after the drill")

        quit_program(app, program)
        print(f"PASS: 100 problems in {drill_seconds:.1f} s")
        return 0


if __name__ == "__main__":
    main(run)
