#!/usr/bin/python3
"""Crawler of the real program: the lesko executable under Xvfb, driven by real
X input (xdotool) and closed by its frame the way a window manager does it
(WM_DELETE_WINDOW; Xvfb has none). It opens every window, chooses every menu
item, clicks an entry of every list, types answers, closes every closable
window by its frame and opens it again, and leaves through "Изход" and "Да".
After every step the process must be alive; at the end the log must hold no
sanitizer report and the answer record what was typed. The class settings
ask for the student's name and name a hand-in folder; after the lesson, the
results window ("lesko --results") over that folder gets the same treatment.

Usage: crawler.py LESKO LESKO_CONFIG WORK_FOLDER
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import time

from Xlib import X, display, protocol

LESKO, CONFIG, WORK = sys.argv[1:4]
TWIPS_PER_PIXEL = 15  # at the 96 dots per inch of Xvfb

MAIN = "Програмиран урок"
BENCH = "Комбиниран урок"
SETTINGS = "Формиране на цвят"
FOCUS = "Изберете желана стойност"
CHOOSER = "Тип и сложност"
VIEWER = "Пълен размер"
RESULT = "Резултат от проверката"
RUN = "Изпълнение с мой вход"
BOX = "Електронен урок"
SETUP = "Настройка на урока"
GUIDE = "Ръководство за учителя"
SAVE_AS = "Запис като"
NAME_BOX = "Ученик"
RESULTS = "Резултати на класа"
TABLE_DIALOG = "Запис на таблицата"
PDF_DIALOG = "Запис като PDF"
PRINT_DIALOG = "Печат"

# Design client heights in twips, to find where the menu bar ends.
CLIENT_HEIGHT = {MAIN: 8190, BENCH: 8220, SETTINGS: 4710, NAME_BOX: 3000}

step_name = "start"


def fail(message):
    print(f"FAIL at step '{step_name}': {message}")
    if "DISPLAY" in os.environ:
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", "failure.png"], capture_output=True)
            print(f"screen at the failure: {os.path.abspath('failure.png')}")
        shown = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."], capture_output=True, text=True)
        for window in shown.stdout.split():
            name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True).stdout.strip()
            print(f"shown: {window} {name}")
    print(open("lesko.log", encoding="utf-8", errors="replace").read()[-6000:])
    sys.exit(1)


def start_xvfb():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1600x1200x24", "-nolisten", "tcp"],
                              pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read, 16)
        if not chunk:
            break
        number += chunk
    os.close(read)
    number = number.decode().strip()
    if not number:
        fail("Xvfb did not start")
    return server, ":" + number


def xdo(*args):
    try:
        return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=15).stdout.strip()
    except subprocess.TimeoutExpired:
        fail(f"xdotool {' '.join(args)} did not return")


def windows(title):
    out = xdo("search", "--onlyvisible", "--name", re.escape(title))
    return [int(w) for w in out.split()] if out else []


def wait_window(title, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        alive()
        found = windows(title)
        if found:
            time.sleep(0.3)
            return found[0]
        time.sleep(0.1)
    fail(f'no window "{title}"')


def wait_gone(title, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        alive()
        if not windows(title):
            return
        time.sleep(0.1)
    fail(f'window "{title}" is still there')


def alive():
    if lesko.poll() is not None:
        fail(f"the lesson died with status {lesko.returncode}")


def geometry(window):
    fields = dict(line.split("=") for line in xdo("getwindowgeometry", "--shell", str(window)).splitlines())
    return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])


def focus(window):
    xdo("windowfocus", "--sync", str(window))
    time.sleep(0.2)


def keys(*names):
    for name in names:
        xdo("key", name)
        time.sleep(0.25)
    time.sleep(0.4)


def menu(title, *path):
    """Opens the menu bar of a window with Alt and walks the path."""
    focus(wait_window(title))
    keys("alt", *path)


def click(title, left_twips, top_twips, button=1):
    """Clicks at a point of a window's client area, given in twips."""
    window = wait_window(title)
    x, y, _, height = geometry(window)
    menu_bar = height - round(CLIENT_HEIGHT[title] / TWIPS_PER_PIXEL) if title in CLIENT_HEIGHT else 0
    xdo("mousemove", str(x + left_twips // TWIPS_PER_PIXEL + 4), str(y + menu_bar + top_twips // TWIPS_PER_PIXEL + 4))
    xdo("click", str(button))
    time.sleep(0.5)


def type_text(text):
    xdo("type", "--delay", "20", text)
    time.sleep(0.3)


def send_delete(window):
    d = display.Display(os.environ["DISPLAY"])
    target = d.create_resource_object("window", window)
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=target, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    target.send_event(event, event_mask=X.NoEventMask)
    # A round trip, so the server has acted on the request before the
    # connection closes; a flush alone can lose it.
    d.sync()
    d.close()


def close_by_frame(title):
    """Sends WM_DELETE_WINDOW, as a window manager's close button does; the
    window must be gone within the wait."""
    window = wait_window(title)
    send_delete(window)
    deadline = time.time() + 10
    while time.time() < deadline:
        alive()
        if window not in windows(title):
            time.sleep(0.3)
            return
        time.sleep(0.1)
    fail(f'window "{title}" took the close message and stayed')


def answer_box(yes):
    """Answers a question box of the lesson: "Да" or the default "Не"."""
    focus(wait_window(BOX))
    if yes:
        keys("shift+Tab", "space")
    else:
        keys("Return")


def answer_boxes_if_any(yes):
    time.sleep(0.3)
    while windows(BOX):
        answer_box(yes)


# Steps: (name, action). Each runs, then the lesson must still be alive.
def main_window_steps():
    steps = [
        ("Фокус opens the enlarged text", lambda: (menu(MAIN, "Right", "Return"), wait_window(FOCUS))),
        ("a font size in the enlarged text", lambda: click(FOCUS, 200, 180)),
        ("the enlarged text closed by its frame", lambda: (close_by_frame(FOCUS), wait_gone(FOCUS))),
        ("Фокус again", lambda: (menu(MAIN, "Right", "Return"), wait_window(FOCUS))),
        ("the enlarged text closed again", lambda: (close_by_frame(FOCUS), wait_gone(FOCUS))),
        ("Цвят/шрифт opens the settings", lambda: (menu(MAIN, "Right", "Right", "Return"), wait_window(SETTINGS))),
        ("a font in the settings", lambda: click(SETTINGS, 700, 2950)),
        ("a size in the settings", lambda: click(SETTINGS, 3900, 3900)),
        ("a colour option in the settings", lambda: click(SETTINGS, 3880, 2060)),
        ("Отказ in the settings", lambda: (menu(SETTINGS, "Right", "Return"), wait_gone(SETTINGS))),
        ("Цвят/шрифт again", lambda: (menu(MAIN, "Right", "Right", "Return"), wait_window(SETTINGS))),
        ("Запис in the settings", lambda: (menu(SETTINGS, "Return"), wait_gone(SETTINGS))),
        ("Цвят/шрифт a third time", lambda: (menu(MAIN, "Right", "Right", "Return"), wait_window(SETTINGS))),
        ("the settings closed by their frame", lambda: (close_by_frame(SETTINGS), wait_gone(SETTINGS))),
    ]
    for item in range(1, 10):
        steps.append((f"information item {item}",
                      lambda item=item: menu(MAIN, *["Right"] * 4, "Return", *["Down"] * item, "Return")))
    for item in range(1, 4):
        steps.append((f"authors item {item}",
                      lambda item=item: menu(MAIN, *["Right"] * 5, "Return", *["Down"] * item, "Return")))
    steps += [
        ("the sponsor's picture at full size", lambda: (menu(MAIN, *["Right"] * 5, "Return", "Down", "Return"),
                                                         click(MAIN, 400, 2700), wait_window(VIEWER))),
        ("the viewer closed by its frame", lambda: (close_by_frame(VIEWER), wait_gone(VIEWER))),
        ("the viewer again", lambda: (click(MAIN, 400, 2700), wait_window(VIEWER))),
        ("the viewer closed again", lambda: (close_by_frame(VIEWER), wait_gone(VIEWER))),
        ("the pop-up information menu", lambda: (click(MAIN, 600, 7900, button=3), keys("Down", "Return"))),
    ]
    return steps


def name_box_steps():
    open_tasks = lambda: menu(MAIN, "Right", "Right", "Right", "Return")
    return [
        ("Задачи/Речник asks for the name first", lambda: (open_tasks(), wait_window(NAME_BOX))),
        ("an empty name is refused", lambda: (click(NAME_BOX, 4500, 2550), wait_window(NAME_BOX))),
        ("the name box closed by its frame", lambda: (close_by_frame(NAME_BOX), wait_gone(NAME_BOX),
                                                      no_window(BENCH))),
        ("Задачи/Речник asks again", lambda: (open_tasks(), wait_window(NAME_BOX))),
        ("a name and a class", lambda: (click(NAME_BOX, 600, 650), type_text("Иван Петров"), keys("Return"),
                                        type_text("8 а"), keys("Return"), wait_window(BENCH))),
    ]


def no_window(title):
    if windows(title):
        fail(f'window "{title}" is open')


def workbench_steps():
    open_bench = lambda: (menu(MAIN, "Right", "Right", "Right", "Return"), wait_window(BENCH))
    return [
        ("typing the answer of task 1", lambda: (click(BENCH, 600, 6300), type_text("crawler answer one"))),
        ("Проверка of an answer that is no C++", lambda: (menu(BENCH, *["Right"] * 5, "Return"),
                                                           wait_window(RESULT, timeout=60))),
        ("an error line of the result", lambda: click(RESULT, 300, 1000)),
        ("the result closed by its frame", lambda: close_by_frame(RESULT)),
        ("F5 checks again", lambda: (focus(wait_window(BENCH)), keys("F5"), wait_window(RESULT, timeout=60))),
        ("the result closed again", lambda: close_by_frame(RESULT)),
        ("Изпълни с мой вход opens its window", lambda: (menu(BENCH, *["Right"] * 6, "Return"), wait_window(RUN))),
        ("an input typed into it", lambda: (click(RUN, 600, 900), type_text("7"))),
        ("Изпълни of an answer that is no C++", lambda: (menu(RUN, "Return"), time.sleep(3))),
        ("F6 runs again", lambda: (focus(wait_window(RUN)), keys("F6"), time.sleep(3))),
        ("the run window closed by its frame", lambda: (close_by_frame(RUN), wait_gone(RUN))),
        ("F6 in the workbench opens it again", lambda: (focus(wait_window(BENCH)), keys("F6"), wait_window(RUN))),
        ("the run window closed again", lambda: (close_by_frame(RUN), wait_gone(RUN))),
        ("a word of the statement selected", lambda: (click(BENCH, 2000, 2800), xdo("click", "--repeat", "2", "1"))),
        ("a middle click into the answer pastes nothing", lambda: click(BENCH, 3000, 6300, button=2)),
        ("Запис условие+решение", lambda: menu(BENCH, *["Right"] * 4, "Return", "Down", "Return")),
        ("Запис само решение", lambda: menu(BENCH, *["Right"] * 4, "Return", "Down", "Down", "Return")),
        # Before the time is over the solution is not shown yet, and the saved
        # answer is not replaced: a box says so.
        ("Решение на автора", lambda: (menu(BENCH, *["Right"] * 4, "Return", "Down", "Down", "Down", "Return"),
                                       answer_boxes_if_any(False))),
        ("a glossary term", lambda: click(BENCH, 3900, 300)),
        ("Фокус of the workbench", lambda: (menu(BENCH, "Right", "Right", "Return"), wait_window(FOCUS))),
        ("its enlarged text closed by its frame", lambda: (close_by_frame(FOCUS), wait_gone(FOCUS))),
        ("Ниво/Вид на задачи", lambda: (menu(BENCH, "Right", "Return"), wait_window(CHOOSER))),
        ("the chooser closed by its frame", lambda: (close_by_frame(CHOOSER), wait_gone(CHOOSER))),
        ("Ниво/Вид на задачи again", lambda: (menu(BENCH, "Right", "Return"), wait_window(CHOOSER))),
        ("an entry of the level list", lambda: (click(CHOOSER, 300, 200), answer_boxes_if_any(False))),
        ("Ниво/Вид на задачи a third time", lambda: (menu(BENCH, "Right", "Return"), wait_window(CHOOSER))),
        ("an entry of the type list", lambda: (click(CHOOSER, 300, 1160), answer_boxes_if_any(False))),
        ("Допълнително", lambda: menu(BENCH, "Right", "Right", "Right", "Return")),
        ("task 2 from the task list", lambda: (click(BENCH, 560, 2900), answer_boxes_if_any(True))),
        ("typing the answer of task 2", lambda: (click(BENCH, 600, 6300), type_text("crawler answer two"))),
        ("the picture at full size", lambda: click(BENCH, 900, 600)),
        ("the viewer closed if it opened", lambda: close_by_frame(VIEWER) if windows(VIEWER) else None),
        ("the workbench closed by its frame", lambda: (close_by_frame(BENCH), wait_window(MAIN))),
        ("the workbench again", open_bench),
        ("Връщане към урока", lambda: (menu(BENCH, "Return"), wait_window(MAIN))),
    ]


def closing_steps():
    return [
        ("a plan entry", lambda: click(MAIN, 1300, 1300)),
        ("a right click on the plan", lambda: click(MAIN, 1300, 1500, button=3)),
        ("another plan entry", lambda: click(MAIN, 1300, 1500)),
        ("the main window closed by its frame, Не", lambda: (send_delete(wait_window(MAIN)), answer_box(False),
                                                              wait_window(MAIN))),
        ("Изход and Да", lambda: (menu(MAIN, "Return"), answer_box(True))),
    ]


def check_the_end():
    global step_name
    step_name = "the end"
    try:
        lesko.wait(timeout=30)
    except subprocess.TimeoutExpired:
        fail("the lesson did not end")
    log = open("lesko.log", encoding="utf-8", errors="replace").read()
    if re.search(r"AddressSanitizer|LeakSanitizer|runtime error:|UndefinedBehaviorSanitizer", log):
        fail("the sanitizers reported a fault")
    if lesko.returncode != 0:
        fail(f"the lesson ended with status {lesko.returncode}")
    names = [n for n in os.listdir(".") if "@" in n]
    if not names:
        fail("no answer record")
    handed_in = sorted(os.listdir(HAND_IN))
    if not any(n.startswith("FUNKR_opiti_") for n in handed_in) or not any(n.startswith("FUNKR_01_") for n in handed_in):
        fail(f"the hand-in folder holds {handed_in}")
    kept = [n for n in os.listdir(".") if n.startswith("FUNKR_otgowori_")]
    if len(kept) != 1 or ";завършен;" not in open(kept[0], encoding="utf-8-sig").read():
        fail(f"the kept answers are not marked as those of a run that ended: {kept}")
    record = open(names[0], "rb").read().decode("cp1251")
    # Task 2's stored answer starts as the store's one blank, typed after.
    for task, typed in ((1, "crawler answer one"), (2, " crawler answer two")):
        if f"Задача  {task}\r\n{typed}\r\n" not in record:
            fail(f'the answer record lacks task {task} as "{typed}": {record!r}')


def setup_steps():
    """The setup window: every page, its menus, the guide, Запис като… and
    closing by the frame; then the same again with a change, which asks."""
    pages = [(f"setup page {n}", lambda: (focus(wait_window(SETUP)), keys("Down"))) for n in range(2, 8)]
    return [
        ("the first page", lambda: (focus(wait_window(SETUP)), keys("Home"))),
        *pages,
        ("a preset from the first page", lambda: (focus(wait_window(SETUP)), keys("Home", "Tab", "Tab", "space"))),
        ("Помощ > Ръководство за учителя", lambda: (menu(SETUP, "Right", "Return", "Return"), wait_window(GUIDE))),
        ("the guide closed by its frame", lambda: (close_by_frame(GUIDE), wait_gone(GUIDE))),
        ("F1 opens the guide again", lambda: (focus(wait_window(SETUP)), keys("F1"), wait_window(GUIDE))),
        ("the guide closed again", lambda: (close_by_frame(GUIDE), wait_gone(GUIDE))),
        ("Файл > Запис", lambda: menu(SETUP, "Return", "Return")),
        ("Файл > Запис като…", lambda: (menu(SETUP, "Return", "Down", "Return"), wait_window(SAVE_AS))),
        ("a file name typed into Запис като…", lambda: (type_text(os.path.join(WORK, "saved-as", "FUNKR.UFG")),
                                                     keys("Return"), wait_gone(SAVE_AS))),
        ("the setup closed by its frame", lambda: send_delete(wait_window(SETUP))),
    ]


def crawl_setup():
    global lesko, step_name
    os.makedirs("saved-as", exist_ok=True)
    with open("lesko.log", "a") as log:
        lesko = subprocess.Popen([LESKO, "--setup"], stdout=log, stderr=subprocess.STDOUT)
    wait_window(SETUP, timeout=60)
    steps = setup_steps()
    for step_name, action in steps:
        signal.alarm(60)
        action()
        signal.alarm(0)
        if step_name != "the setup closed by its frame":
            alive()
    step_name = "the end of the setup"
    try:
        lesko.wait(timeout=30)
    except subprocess.TimeoutExpired:
        fail("the setup window did not end")
    if lesko.returncode != 0:
        fail(f"the setup ended with status {lesko.returncode}")
    if not os.path.isfile(os.path.join("saved-as", "FUNKR.UFG")):
        fail("Запис като… wrote no file")
    if re.search(r"AddressSanitizer|LeakSanitizer|runtime error:|UndefinedBehaviorSanitizer",
                 open("lesko.log", encoding="utf-8", errors="replace").read()):
        fail("the sanitizers reported a fault")
    return len(steps)


def results_window_steps():
    """The menu "Файл" opens with its first item active."""
    def save_through(dialog, name):
        focus(wait_window(dialog))
        keys("ctrl+a")
        type_text(os.path.join(WORK, name))
        keys("Return")
        wait_gone(dialog)
        if not os.path.getsize(os.path.join(WORK, name)):
            fail(f"{name} is empty")

    return [
        ("a cell of the table", lambda: (focus(wait_window(RESULTS)), keys("Down", "Right", "Left"))),
        ("Запис на таблицата (CSV)", lambda: (menu(RESULTS, "Return", "Return"), save_through(TABLE_DIALOG, "klas.csv"))),
        ("Запис като PDF", lambda: (menu(RESULTS, "Return", "Down", "Return"), save_through(PDF_DIALOG, "klas.pdf"))),
        ("Печат, then Отказ", lambda: (menu(RESULTS, "Return", "Down", "Down", "Return"), wait_window(PRINT_DIALOG),
                                       focus(wait_window(PRINT_DIALOG)), keys("Escape"), wait_gone(PRINT_DIALOG))),
        ("Обнови", lambda: menu(RESULTS, "Return", "Down", "Down", "Down", "Return")),
        ("the results window closed by its frame", lambda: (close_by_frame(RESULTS), lesko.wait(timeout=30))),
    ]


def crawl_results_window():
    """The results window over the hand-in folder, in a program of its own."""
    global lesko, step_name
    with open("results.log", "w") as log:
        lesko = subprocess.Popen([LESKO, "--results", HAND_IN], stdout=log, stderr=subprocess.STDOUT)
    steps = results_window_steps()
    for step_name, action in steps:
        signal.alarm(60)
        action()
        signal.alarm(0)
        if step_name != steps[-1][0]:
            alive()
    log = open("results.log", encoding="utf-8", errors="replace").read()
    if re.search(r"AddressSanitizer|LeakSanitizer|runtime error:|UndefinedBehaviorSanitizer", log):
        fail("the sanitizers reported a fault in the results window")
    if lesko.returncode != 0:
        fail(f"the results window ended with status {lesko.returncode}")
    return len(steps)


shutil.rmtree(WORK, ignore_errors=True)
os.makedirs(WORK)
os.chdir(WORK)
HAND_IN = os.path.join(WORK, "handin")
os.makedirs(HAND_IN)
subprocess.run([CONFIG], check=True, stdout=subprocess.DEVNULL)
with open("FUNKR_klas.ini", "w", encoding="utf-8") as settings:
    settings.write(f"[class]\nask-name = yes\nhand-in-folder = {HAND_IN}\n")
server, os.environ["DISPLAY"] = start_xvfb()
os.environ["QT_QPA_PLATFORM"] = "xcb"
os.environ["XDG_CACHE_HOME"] = os.path.join(WORK, "cache")  # the checker's precompiled headers
os.environ["XDG_CONFIG_DIRS"] = os.path.join(WORK, "no-shared-config")  # no shared file of this machine
try:
    with open("lesko.log", "w") as log:
        lesko = subprocess.Popen([LESKO], stdout=log, stderr=subprocess.STDOUT)
    wait_window(MAIN, timeout=60)
    steps = main_window_steps() + name_box_steps() + workbench_steps() + closing_steps()
    signal.signal(signal.SIGALRM, lambda *_: fail("the step took longer than a minute"))
    for step_name, action in steps:
        signal.alarm(60)
        action()
        signal.alarm(0)
        alive() if step_name != "Изход and Да" else None
    check_the_end()
    count = len(steps) + crawl_results_window()
    setup = crawl_setup()
    print(f"PASS: {count} steps through every window of the real program, {setup} through its setup window")
finally:
    if lesko.poll() is None:
        lesko.kill()
    server.kill()
