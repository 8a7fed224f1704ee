#!/usr/bin/env python3
"""Writes the seed inputs of actions_fuzz into the given folder: five stored-option bytes, then
actions, each an opcode byte (the order of ActionsFuzz.cpp's Action) and its argument bytes."""
import pathlib
import sys

(SELECT, POINT, SERVE_OUTCOME, RUN, UNDO, REDO, START, END, SCROLL, CLEAR, THREE_SETS, FIVE_SETS,
 TIE_BREAK_RULE, PARTIAL, POINTS_TO_MATCH, SAVE_ON_EXIT, SAVE_OPTIONS, RENAME_PLAYER,
 RENAME_TOURNAMENT, ROUND, SAVE, LOAD, CLOSE, ABOUT, OPEN, DECIDING_SET, NO_AD, FIRST_SERVER,
 POINT_TIMES, EDIT_UNDO, EDIT_REDO, DELETE_POINT, SAVE_CURRENT, DIES, DOUBLES, RENAME_PARTNER,
 SERVING) = range(37)
MISSING, RAW = 15, 16  # option bytes past the table of stored texts
CANCEL, MATCH_FILE, MISSING_FOLDER, FOLDER, OTHER_FILE = range(5)  # file dialog answers
YES, NO = 0, 1
OVERWRITE, INSERT, DELETE_LATER, CANCEL_QUESTION = range(4)
HOLDS = 0xF0  # A wins four points, then B four: every game goes with serve


def text(s):
    b = s.encode("utf-8", "surrogateescape") if isinstance(s, str) else s
    return bytes([len(b)]) + b


def run(points, pattern):
    return bytes([RUN, points - 1, pattern])


seeds = {
    # A few dozen points with the panel's choices and each serve outcome.
    "detailed-points": bytes([MISSING] * 5) + bytes([OPEN, 0, SELECT, 0, 1, SELECT, 1, 2,
        SELECT, 2, 5, SELECT, 3, 2, POINT, 1, SERVE_OUTCOME, 0, SERVE_OUTCOME, 1,
        SERVE_OUTCOME, 2, SELECT, 2, 7, POINT, 0]) + run(30, 0x5A) + bytes([ROUND, 5]),
    # Twelve games with serve, then the tie-break and the set; the rule changed afterwards.
    "tie-break": bytes([MISSING] * 5) + run(48, HOLDS) + run(7, 0x00)
        + bytes([TIE_BREAK_RULE, 2, TIE_BREAK_RULE, 0, UNDO, START, END]),
    # Back in the history and a point in the middle, with each answer to the question.
    "residual-answers": bytes([MISSING] * 5) + run(20, 0x3C) + bytes([UNDO, UNDO, UNDO,
        POINT, 0, OVERWRITE, SCROLL, 5, POINT, 1, INSERT, REDO, START, SERVE_OUTCOME, 1,
        DELETE_LATER, END, SCROLL, 2, POINT, 0, INSERT]),
    # A best-of-three match to its end, saved when asked, renamed and loaded again.
    "three-sets-saved": bytes([4, 1, 5, 0, MISSING]) + run(48, 0x00)
        + bytes([YES, MATCH_FILE, RENAME_PLAYER, 0, 2]) + text("Ana Ivanović")
        + bytes([RENAME_PLAYER, 1, 3]) + text(b"\xff\xfe\x1b[31m\x07x")
        + bytes([RENAME_TOURNAMENT, 2]) + text("Roma\tFinale\r\n") + bytes([ROUND, 7,
        SAVE, MATCH_FILE, CLEAR, YES, LOAD, MATCH_FILE, OPEN, 1, LOAD, FOLDER, SAVE,
        MISSING_FOLDER]),
    # Odd stored options, the option menus in turn, and the close step saving the options.
    "options": bytes([RAW]) + text(" 1e0 ") + bytes([9, 8, RAW]) + text("TRUE") + bytes([1])
        + run(40, HOLDS) + bytes([PARTIAL, POINTS_TO_MATCH, THREE_SETS, TIE_BREAK_RULE, 1])
        + run(30, HOLDS) + bytes([PARTIAL, POINTS_TO_MATCH, FIVE_SETS, SAVE_ON_EXIT,
        SAVE_OPTIONS, ABOUT, CLOSE, MISSING_FOLDER, CLOSE, CANCEL]),
    # One endless deuce game up to the most points a match holds, then an insertion there.
    "full-list": bytes([MISSING] * 5) + run(64, 0xAA) * 16 + bytes([POINT, 0, UNDO, POINT, 1,
        INSERT, SCROLL, 0, POINT, 0, INSERT]),
    # A damaged file of 0xFF bytes: bad lengths, a bad round, words beyond the panel's options
    # and more of them than a match holds; then a point in the middle of it.
    "damaged-file": bytes([MISSING] * 5) + bytes([LOAD, OTHER_FILE, 255, 0, 0xFF, SCROLL, 40,
        POINT, 0, INSERT, START, END]),
    # Today's formats: a match tie-break, no-ad games, B serving first and timed points, each
    # changed again once sets are played; then saved and loaded.
    "todays-formats": bytes([MISSING] * 5) + bytes([THREE_SETS, DECIDING_SET, 4, NO_AD,
        FIRST_SERVER, 1, POINT_TIMES, SERVE_OUTCOME, 0, SERVE_OUTCOME, 1]) + run(48, HOLDS)
        + run(48, 0x0F) + run(12, 0x55) + bytes([DECIDING_SET, 0, NO_AD, FIRST_SERVER, 0,
        UNDO, DECIDING_SET, 2, SAVE, MATCH_FILE, CLEAR, YES, LOAD, MATCH_FILE]),
    # Changes undone and made again, a point deleted, a question closed; the program dies
    # unsaved and gets its match back, saves to its file and dies saved; the file loaded, two
    # points deleted, it dies again, and again after a clear it took back.
    "undo-and-recovery": bytes([MISSING] * 5) + bytes([OPEN, 0]) + run(20, 0x3C)
        + bytes([EDIT_UNDO, EDIT_UNDO, EDIT_UNDO, EDIT_REDO, DELETE_POINT, DIES, UNDO, UNDO,
        POINT, 0, CANCEL_QUESTION, POINT, 1, INSERT, RENAME_PLAYER, 0, 2]) + text("Chris")
        + bytes([ROUND, 3, EDIT_UNDO, EDIT_UNDO, EDIT_REDO, SAVE_CURRENT, MATCH_FILE, END])
        + run(5, 0xFF) + bytes([SAVE_CURRENT, DIES, LOAD, MATCH_FILE, DELETE_POINT,
        DELETE_POINT, DIES, CLEAR, YES, EDIT_UNDO, DIES, EDIT_UNDO, EDIT_REDO, TIE_BREAK_RULE, 1,
        DIES]),
    # Doubles: a partner renamed, the serving corrected in the second set, the tie-break; saved
    # as a document, dead and recovered, then switched off and back by undo.
    "doubles": bytes([MISSING] * 5) + bytes([OPEN, 0, DOUBLES, RENAME_PARTNER, 1, 3])
        + text("Dina") + run(48, HOLDS) + run(4, 0xFF) + bytes([SERVING, 2]) + run(44, HOLDS)
        + run(7, 0x00) + bytes([SERVING, 3, SAVE, MATCH_FILE, DIES, DOUBLES, EDIT_UNDO, UNDO,
        SERVING, 1, DIES]),
}

folder = pathlib.Path(sys.argv[1])
for name, data in seeds.items():
    (folder / f"{name}.bin").write_bytes(data)
