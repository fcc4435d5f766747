#!/usr/bin/env python3
"""Writes the tests of the lesson's twenty tasks in the problem package layout.

For every task NN it writes, under lesson/tasks/NN/:
  problem.yaml                     name, identifier and time limit
  data/secret/KK.in, .ans, .yaml   the secret tests, each with its hint and description
  data/{sample,secret}/test_group.yaml
                                   how a judge compares outputs
  input_validators/validate.py     a check of every input against the statement's bounds
The samples (data/sample/KK.in, .ans) are kept as they are; their answers are
checked against this script's own solution of the task.

Deterministic: the random tests come from a fixed seed per task, so running it
again writes the same bytes. Run it after changing a test and commit its output:
    python3 lesson/tasks/generate.py
"""

import json
import math
import pathlib
import random
import uuid

HERE = pathlib.Path(__file__).resolve().parent
ZAD = HERE.parent / "Lesko_Zad.json"

# CPU seconds per task; the measurements behind them are in docs/task-tests.md.
# Tasks 10 and 12 have answers that try a billion divisors (under 3 s), task 13
# one that tries half of them (about 4 s): their limits are lower, so that these
# take five times the limit while the author's solution stays under a tenth.
TIME_LIMIT_SECONDS = {task: 1 for task in range(1, 21)} | {10: 0.25, 12: 0.25, 13: 0.6}

# Identifiers stay the same from run to run: derived from this name and the task.
UUID_NAMESPACE = uuid.uuid5(uuid.NAMESPACE_DNS, "funkr.lesko.invalid")


class Task:
    def __init__(self, number, solve, validator):
        self.number = number
        self.solve = solve
        self.validator = validator
        self.tests = []  # (input, hint, description)
        self.random = random.Random(number)

    def add(self, text, hint, description):
        self.tests.append((text, hint, description))


TASKS = {}


def task(number, validator):
    def register(builder):
        t = Task(number, builder.solve, validator)
        builder.tests(t)
        TASKS[number] = t
        return builder

    return register


def lines(*rows):
    return "".join(str(r) + "\n" for r in rows)


def joined(values):
    return " ".join(str(v) for v in values)


# --- input validator template ------------------------------------------------
# Every validator reads the whole input, checks the line structure and the
# numbers' bounds, and exits 42 when the input is admissible.

VALIDATOR_HEAD = '''\
#!/usr/bin/env python3
"""Input validator of task {number}: exits 42 when the input is admissible."""
import re
import sys

INTEGER = re.compile(r"(0|-?[1-9][0-9]*)\\Z")


def fail(why):
    print(why, file=sys.stderr)
    sys.exit(43)


def read_lines():
    data = sys.stdin.buffer.read()
    try:
        text = data.decode("ascii")
    except UnicodeDecodeError:
        fail("not ASCII")
    if not text.endswith("\\n") or "\\r" in text:
        fail("every line must end with LF")
    return text[:-1].split("\\n")


def integers(line, count, low, high):
    words = line.split(" ")
    if count is not None and len(words) != count:
        fail("expected %d numbers: %r" % (count, line[:40]))
    values = []
    for w in words:
        if not INTEGER.match(w):
            fail("not an integer: %r" % w[:40])
        v = int(w)
        if not low <= v <= high:
            fail("out of range: %d" % v)
        values.append(v)
    return values


def printable(line, shortest, longest):
    if not shortest <= len(line) <= longest:
        fail("line length %d" % len(line))
    if any(not " " <= c <= "~" for c in line):
        fail("a character outside printable ASCII")


rows = read_lines()
'''

VALIDATOR_TAIL = """sys.exit(42)
"""


def one_integer(low, high):
    return f"""if len(rows) != 1:
    fail("one line expected")
integers(rows[0], 1, {low}, {high})
"""


def count_then_values(low_n, high_n, low, high, value_lines=1):
    checks = "".join(f"integers(rows[{i + 1}], n, {low}, {high})\n" for i in range(value_lines))
    return f"""if len(rows) != {value_lines + 1}:
    fail("{value_lines + 1} lines expected")
n = integers(rows[0], 1, {low_n}, {high_n})[0]
{checks}"""


# --- the tasks -----------------------------------------------------------------


@task(1, one_integer(-2000000000, 2000000000))
class LinearFunction:
    @staticmethod
    def solve(text):
        return lines(2 * int(text) + 3)

    @staticmethod
    def tests(t):
        above = "Опитайте x, за което 2x + 3 е малко над 2147483647 – най-голямото число от тип int."
        below = "Опитайте x, за което 2x + 3 е малко под -2147483648 – най-малкото число от тип int."
        t.add(lines(1999999999), "Помислете кой тип побира f(x), когато x е близо до горната граница.",
              "Голямо положително x: 2x + 3 не се побира в int.")
        t.add(lines(-1999999999), "Помислете кой тип побира f(x), когато x е близо до долната граница.",
              "Голямо отрицателно x: 2x + 3 не се побира в int.")
        t.add(lines(1073741823), above, "f(x) = 2147483649, първото число над границата на int.")
        t.add(lines(-1073741826), below, "f(x) = -2147483649, първото число под границата на int.")
        t.add(lines(-1073741825), "Пресметнете f(x) за отрицателно x, при което резултатът още се побира в int.",
              "f(x) = -2147483647 се побира в int.")
        t.add(lines(-1), "Проверете отрицателно x, за което f(x) е положително.", "x = -1, f(x) = 1.")
        t.add(lines(-2), "Проверете отрицателно x, близо до нулата на функцията.", "x = -2, f(x) = -1.")
        t.add(lines(123456789), "Проверете дали програмата извежда цялото число, а не закръглено или в експоненциален запис.",
              "Деветцифрено x: double извежда 2.46914e+08.")
        t.add(lines(1), "Пресметнете f(x) за малко положително x и сравнете с програмата си.", "x = 1, f(x) = 5.")


@task(2, one_integer(-10000, 10000))
class QuadraticFunction:
    @staticmethod
    def solve(text):
        x = int(text)
        return lines(x * x - 4 * x + 3)

    @staticmethod
    def tests(t):
        power = "Помислете как се пресмята квадрат в C++: знакът ^ не е степенуване."
        t.add(lines(-9999), power, "Голямо отрицателно x: x^2 = 99980001.")
        t.add(lines(9999), "Проверете дали квадратът на голямо x се извежда като цяло число, без закръгляне.",
              "Голямо положително x: pow дава double и cout го закръгля до 6 цифри.")
        t.add(lines(4), "Помислете за x, при което -4x и x^2 се унищожават.", "x = 4, f(x) = 3.")
        t.add(lines(-3), power, "x = -3, f(x) = 24.")
        t.add(lines(7777), "Проверете стойност на x с четири цифри.", "x = 7777, f(x) = 60450622.")
        t.add(lines(-1234), "Проверете отрицателно x с четири цифри.", "x = -1234, f(x) = 1527695.")
        t.add(lines(10), "Пресметнете f(x) на ръка за двуцифрено x и сравнете.", "x = 10, f(x) = 63.")
        t.add(lines(6), "Помислете дали x * 2 е същото като x на квадрат.", "x = 6, f(x) = 15.")


def relation(pairs):
    return lines(len(pairs), *(f"{x} {y}" for x, y in pairs))


@task(3, """if len(rows) < 2:
    fail("n and the pairs expected")
n = integers(rows[0], 1, 1, 1000)[0]
if len(rows) != n + 1:
    fail("n pairs expected")
for row in rows[1:]:
    integers(row, 2, -1000000000, 1000000000)
""")
class FunctionalRelation:
    @staticmethod
    def solve(text):
        numbers = [int(w) for w in text.split()]
        seen = {}
        for i in range(numbers[0]):
            x, y = numbers[1 + 2 * i], numbers[2 + 2 * i]
            if seen.setdefault(x, y) != y:
                return lines("NO")
        return lines("YES")

    @staticmethod
    def tests(t):
        r = t.random
        t.add(relation([(7, -7)] * 1000), "Една и съща двойка, записана много пъти, не нарушава функционалността.",
              "1000 еднакви двойки: YES.")
        xs = r.sample(range(-1000000000, 1000000001), 1000)
        t.add(relation([(x, r.randint(-1000000000, 1000000000)) for x in xs]),
              "Проверете голяма релация, в която всички x са различни.", "1000 различни x: YES.")
        xs = r.sample(range(-1000000000, 1000000001), 999)
        pairs = [(x, r.randint(-1000000000, 1000000000)) for x in xs]
        pairs.insert(997, (pairs[1][0], pairs[1][1] + 1))
        t.add(relation(pairs), "Двете двойки с еднакво x може да са далеч една от друга във входа.",
              "Втората и 998-ата двойка имат еднакво x и различни y: NO.")
        t.add(relation([(5, 1), (3, 2), (5, 1), (4, 4), (5, 2)]),
              "Повторена двойка и двойка, която нарушава правилото, може да имат едно и също x.",
              "x = 5 се среща три пъти, последният път с друго y: NO.")
        t.add(relation([(-5, 5), (5, 5), (-5, -5)]), "Сравнявайте y заедно със знака им.",
              "y = 5 и y = -5 за едно и също x: NO.")
        t.add(relation([(1000000000, -1000000000), (-1000000000, 1000000000), (1000000000, -1000000000), (0, 0)]),
              "Проверете най-големите по абсолютна стойност допустими числа.", "Граничните стойности, повторена двойка: YES.")
        t.add(relation([(0, 0), (0, 0)]), "Проверете релация от две еднакви двойки.", "n = 2, две еднакви двойки: YES.")
        t.add(relation([(i, 0) for i in range(1, 6)] + [(3, 0)]),
              "Еднакви y за различни x са позволени във функция.", "Всички y са 0, повторено x със същото y: YES.")
        t.add(relation([(1, 1)] * 999 + [(1, 2)]), "Проверете дали сравнявате и последната двойка с останалите.",
              "Само последната двойка има друго y: NO.")


@task(4, one_integer(-1000, 1000))
class PiecewiseFunction:
    @staticmethod
    def solve(text):
        x = int(text)
        return lines(2 * x + 1 if x < 0 else x * x if x <= 3 else 10 - x)

    @staticmethod
    def tests(t):
        t.add(lines(1), "Проверете x от средната част на дефиниционната област.", "x = 1, f(x) = 1.")
        t.add(lines(-2), "Проверете отрицателно x: програмата трябва да изведе само една стойност.", "x = -2, f(x) = -3.")
        t.add(lines(5), "Проверете x малко над 3.", "x = 5, f(x) = 5.")
        t.add(lines(10), "Проверете x от третата част, при което стойността е нула.", "x = 10, f(x) = 0.")
        t.add(lines(11), "Проверете x, при което 10 - x е отрицателно.", "x = 11, f(x) = -1.")
        t.add(lines(999), "Проверете голямо положително x.", "x = 999, f(x) = -989.")
        t.add(lines(-999), "Проверете голямо отрицателно x.", "x = -999, f(x) = -1997.")
        t.add(lines(-100), "Проверете отрицателно x: коя формула се прилага?", "x = -100, f(x) = -199.")


@task(5, one_integer(-1000, 1000))
class Domain:
    @staticmethod
    def solve(text):
        x = int(text)
        if x > 4:
            return lines("ROOT ERROR")
        if x == -1:
            return lines("DIVISION BY ZERO")
        return lines("%.3f" % (math.sqrt(4.0 - x) / (x + 1)))

    @staticmethod
    def tests(t):
        decimals = "Изведете стойността с точно 3 знака след десетичната точка (fixed и setprecision)."
        t.add(lines(1), decimals, "x = 1, f(x) = 0.866.")
        t.add(lines(2), "Пресмятайте с реални числа: корен квадратен от 2 не е цяло число.", "x = 2, f(x) = 0.471.")
        t.add(lines(-3), "Проверете x < -1: знаменателят е отрицателен.", "x = -3, f(x) = -1.323.")
        t.add(lines(-999), "Проверете x, при което стойността е много близо до нулата.", "x = -999, f(x) = -0.032.")
        t.add(lines(999), "Проверете голямо x извън дефиниционната област.", "x = 999: ROOT ERROR.")
        t.add(lines(-4), "Проверете отрицателно x, за което коренът е от цяло число, което не е точен квадрат.",
              "x = -4, f(x) = -0.943.")
        t.add(lines(-100), "Проверете отрицателно x с три цифри.", "x = -100, f(x) = -0.103.")
        t.add(lines(-11), "Пресмятайте с double, не с int.", "x = -11, f(x) = -0.387.")


@task(6, """if len(rows) != 1:
    fail("one line expected")
printable(rows[0], 1, 200)
""")
class AsciiCodes:
    @staticmethod
    def solve(text):
        return lines(joined(ord(c) for c in text.rstrip("\n")))

    @staticmethod
    def tests(t):
        t.add(lines("0"), "Цифрата също е символ и има свой код.", "Един символ: цифрата 0.")
        t.add(lines("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"), "Проверете ред само от препинателни знаци.",
              "Всички препинателни знаци от ASCII.")
        t.add(lines("Hello, World! 2024"), "Прочетете целия ред, а не само първата дума.", "Ред с няколко думи.")
        t.add(lines("   "), "Интервалът също е символ с код.", "Ред само от три интервала.")
        sentence = "The quick brown fox jumps over the lazy dog, 123 times! "
        t.add(lines((sentence * 4)[:200]), "Редът може да е дълъг до 200 символа.", "200 символа с интервали.")
        t.add(lines("a  b"), "Два интервала един след друг са два символа.", "Два съседни интервала.")
        t.add(lines("end  "), "Интервалите в края на реда също са символи.", "Ред, завършващ с два интервала.")
        t.add(lines("Zz~ A"), "Проверете главни и малки букви и знака ~.", "Кратък смесен ред.")


def shift(k, text):
    def one(c):
        if "a" <= c <= "z":
            return chr(ord("a") + (ord(c) - ord("a") + k) % 26)
        if "A" <= c <= "Z":
            return chr(ord("A") + (ord(c) - ord("A") + k) % 26)
        return c

    return "".join(one(c) for c in text)


@task(7, """if len(rows) != 2:
    fail("two lines expected")
integers(rows[0], 1, 0, 25)
printable(rows[1], 0, 200)
""")
class ShiftCipher:
    @staticmethod
    def solve(text):
        first, rest = text.split("\n", 1)
        return lines(shift(int(first), rest.split("\n")[0]))

    @staticmethod
    def tests(t):
        wrap = "След z следва отново a: използвайте остатъка при деление на 26."
        t.add(lines(25, "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"), wrap, "Цялата азбука, k = 25.")
        t.add(lines(13, "Zz Aa Mm Nn"), wrap, "Първите и последните букви, k = 13.")
        t.add(lines(5, "@[`{ az AZ"), "Знаците непосредствено преди A и a и след Z и z не са букви.",
              "Символите @ [ ` { около буквите.")
        t.add(lines(0, "Nothing changes, 100%!"), "При k = 0 текстът остава същият.", "k = 0.")
        sentence = "Pack my box with five dozen liquor jugs. "
        t.add(lines(7, (sentence * 5)[:200]), "Текстът може да е дълъг до 200 символа и да има интервали.",
              "200 символа, k = 7.")
        t.add(lines(1, "zZ"), wrap, "z и Z при k = 1.")
        t.add(lines(10, " leading and trailing spaces "), "Интервалите в началото и в края остават на мястото си.",
              "Интервали в двата края.")
        t.add(lines(6, "vwxyz"), "Помислете какво става с кода на буква като z, ако към него се прибави k: типът char стига до 127.",
              "Кодът на z плюс 6 надхвърля 127.")
        t.add(lines(3, ""), "Текстът може да е празен ред.", "Празен текст.")


@task(8, count_then_values(1, 1000, -10000, 10000))
class SortedSquares:
    @staticmethod
    def solve(text):
        numbers = [int(w) for w in text.split()]
        return lines(joined(sorted(x * x for x in numbers[1:])))

    @staticmethod
    def tests(t):
        r = t.random
        values = [r.randint(-10000, 10000) for _ in range(1000)]
        t.add(lines(1000, joined(values)), "Проверете дали сортирането подрежда всички стойности, включително последните.",
              "1000 случайни числа.")
        values = [r.randint(-10000, -1) for _ in range(1000)]
        t.add(lines(1000, joined(values)), "Квадратите на отрицателни числа са подредени обратно на самите числа.",
              "1000 отрицателни числа.")
        t.add(lines(1, 0), "Проверете n = 1.", "Едно число: 0.")
        t.add(lines(6, "-3 -2 -1 1 2 3"), "Числа с еднаква абсолютна стойност дават еднакви квадрати.",
              "Противоположни числа.")
        t.add(lines(5, "5 4 3 2 1"), "Стойностите трябва да са в ненамаляващ ред, независимо от реда във входа.",
              "Намаляващи числа.")
        t.add(lines(7, "10000 -9999 0 1 -1 9999 -10000"), "Проверете най-големите допустими числа заедно с малки.",
              "Граничните стойности и нулата.")
        t.add(lines(2, "-1 0"), "Проверете две числа, от които първото е отрицателно.", "n = 2.")


def monotone(values):
    pairs = list(zip(values, values[1:]))
    if all(a < b for a, b in pairs):
        return "INCREASING"
    if all(a > b for a, b in pairs):
        return "DECREASING"
    if all(a == b for a, b in pairs):
        return "CONSTANT"
    return "NONE"


@task(9, count_then_values(2, 1000, -1000000000, 1000000000))
class Monotone:
    @staticmethod
    def solve(text):
        return lines(monotone([int(w) for w in text.split()][1:]))

    @staticmethod
    def tests(t):
        r = t.random
        rising = sorted(r.sample(range(-1000000000, 1000000001), 1000))
        t.add(lines(1000, joined(rising)), "Проверете голяма строго растяща функция.", "1000 растящи стойности: INCREASING.")
        flat_end = rising[:999] + [rising[998]]
        t.add(lines(1000, joined(flat_end)), "Проверете дали сравнявате и последните две стойности.",
              "Растяща, но последните две стойности са равни: NONE.")
        t.add(lines(1000, joined([1000000000] * 1000)), "Проверете голяма постоянна функция.", "1000 равни стойности: CONSTANT.")
        falling = sorted(r.sample(range(-1000000000, 1000000001), 1000), reverse=True)
        falling[500], falling[501] = falling[501], falling[500]
        t.add(lines(1000, joined(falling)), "Сравнявайте всеки две съседни стойности, а не само първата и последната.",
              "Намаляваща с едно покачване в средата: NONE.")
        t.add(lines(2, "-5 -4"), "Проверете n = 2 с отрицателни стойности.", "n = 2: INCREASING.")
        t.add(lines(4, "3 3 3 4"), "Не решавайте само по първите две стойности.", "Равни в началото, растяща в края: NONE.")
        t.add(lines(5, "5 4 4 3 2"), "Строго намаляваща означава без равни съседни стойности.",
              "Намаляваща с две равни съседни стойности: NONE.")
        t.add(lines(3, "-1000000000 0 1000000000"), "Проверете най-големите допустими стойности.",
              "Граничните стойности: INCREASING.")
        t.add(lines(6, "1 2 1 2 1 2"), "Проверете функция, която се редува нагоре и надолу.", "Редуване: NONE.")


def is_prime(n):
    if n < 2:
        return False
    d = 2
    while d * d <= n:
        if n % d == 0:
            return False
        d += 1
    return True


@task(10, one_integer(1, 2000000000))
class Prime:
    @staticmethod
    def solve(text):
        return lines("YES" if is_prime(int(text)) else "NO")

    @staticmethod
    def tests(t):
        square = "Помислете за число, което е квадрат на просто число."
        fast = "На всеки делител, по-голям от корена, отговаря делител, по-малък от него: търсете само докато d * d <= n."
        t.add(lines(1998626411), "Помислете за число, което е произведение на две близки прости числа.",
              "44701 * 44711: NO.")
        t.add(lines(1999999943), fast, "Голямо просто число: YES.")
        t.add(lines(1999999927), fast, "Голямо просто число: YES.")
        t.add(lines(1000000009), fast, "Просто число над милиард: YES.")
        t.add(lines(1073741824), "Помислете за четно число, по-голямо от 2.", "2^30: NO.")
        t.add(lines(961), square, "31 * 31: NO.")
        t.add(lines(25), square, "5 * 5: NO.")
        t.add(lines(561), "Проверете число, което е произведение на три прости числа.", "561 = 3 * 11 * 17: NO.")
        t.add(lines(99991), fast, "Петцифрено просто число: YES.")
        t.add(lines(5), "Проверете малко просто число.", "5: YES.")
        t.add(lines(6), "Проверете малко съставно число.", "6: NO.")


def twin_primes(n):
    sieve = [True] * (n + 3)
    sieve[0] = sieve[1] = False
    for i in range(2, int(math.isqrt(n + 2)) + 1):
        if sieve[i]:
            sieve[i * i :: i] = [False] * len(sieve[i * i :: i])
    pairs = [p for p in range(2, n - 1) if sieve[p] and sieve[p + 2]]
    return pairs


@task(11, one_integer(1, 100000))
class TwinPrimes:
    @staticmethod
    def solve(text):
        pairs = twin_primes(int(text))
        return lines(len(pairs), f"{pairs[-1]} {pairs[-1] + 2}") if pairs else lines(0)

    @staticmethod
    def tests(t):
        upper = "Двойката, чието по-голямо число е равно на N, също се брои."
        t.add(lines(99991), upper, "N = 99991 е горното число на двойка.")
        t.add(lines(99990), "И двете числа на двойката не трябва да надминават N.", "N = 99990 е точно под двойка.")
        t.add(lines(13), upper, "N = 13.")
        t.add(lines(12), "Проверете N, което е между двете числа на двойка.", "N = 12.")
        t.add(lines(2), "Ако двойки няма, се извежда само броят им.", "N = 2: 0.")
        t.add(lines(1000), "Изведете най-голямата двойка, а не първата намерена.", "N = 1000.")
        t.add(lines(31), upper, "N = 31.")
        t.add(lines(50000), "Проверете дали решетото обхваща всички числа до N.", "N = 50000.")


@task(12, """if len(rows) != 1:
    fail("one line expected")
integers(rows[0], 2, 1, 1000000000)
""")
class GcdLcm:
    @staticmethod
    def solve(text):
        a, b = (int(w) for w in text.split())
        g = math.gcd(a, b)
        return lines(f"{g} {a // g * b}")

    @staticmethod
    def tests(t):
        euclid = "Алгоритъмът на Евклид стига до НОД с малко деления, дори при големи числа."
        t.add(lines("999999937 999999937"), "Проверете две еднакви големи числа.", "Еднакви прости числа.")
        t.add(lines("536870912 1000000000"), "НОК = a / НОД * b: пресмятайте с long long.",
              "НОД = 512, НОК над границата на int.")
        t.add(lines("999999000 999999001"), euclid, "Съседни числа – взаимно прости, НОК близо до 10^18.")
        t.add(lines("18 12"), "Проверете a > b.", "a > b.")
        t.add(lines("7 49"), "Проверете случай, в който едното число дели другото.", "7 дели 49.")
        t.add(lines("1 999999999"), "Проверете a = 1.", "a = 1.")
        t.add(lines("65536 65537"), "НОК може да надхвърли int и когато числата са малко над 65535.",
              "НОК = 4295032832.")
        t.add(lines("999999929 999999937"), euclid, "Две големи прости числа.")


@task(13, one_integer(1, 100000))
class PerfectNumbers:
    @staticmethod
    def solve(text):
        found = [k for k in PERFECT if k <= int(text)]
        return lines(joined(found) if found else "NONE")

    @staticmethod
    def tests(t):
        last = "Ако N е съвършено, то също се извежда."
        t.add(lines(496), last, "N = 496.")
        t.add(lines(495), "Проверете N точно под съвършено число.", "N = 495.")
        t.add(lines(8129), "Проверете N малко над съвършено число.", "N = 8129.")
        t.add(lines(2), "Числото 1 не е съвършено: сумата на делителите му, по-малки от него, е 0.", "N = 2: NONE.")
        t.add(lines(99999), "Сумирайте делителите по двойки d и n / d, докато d * d <= n.", "N = 99999.")
        t.add(lines(7), "Проверете малко N.", "N = 7.")
        t.add(lines(29), last, "N = 29.")
        t.add(lines(70000), "Сумирайте делителите по двойки d и n / d, докато d * d <= n.", "N = 70000.")


def perfect_numbers(limit):
    sums = [0] * (limit + 1)
    for d in range(1, limit // 2 + 1):
        for m in range(2 * d, limit + 1, d):
            sums[m] += d
    return [k for k in range(2, limit + 1) if sums[k] == k]


PERFECT = perfect_numbers(100000)


@task(14, one_integer(-100, 20))
class Factorial:
    @staticmethod
    def solve(text):
        n = int(text)
        return lines("ERROR" if n < 0 else math.factorial(n))

    @staticmethod
    def tests(t):
        big = "Факториелите растат бързо: n! за n >= 13 не се побира в int."
        t.add(lines(19), big, "19!")
        t.add(lines(2), "Проверете малко n.", "2! = 2.")
        t.add(lines(3), "Умножавайте от 1 до n включително.", "3! = 6.")
        t.add(lines(-50), "Всички отрицателни n са извън дефиниционната област.", "n = -50: ERROR.")
        t.add(lines(-2), "Всички отрицателни n са извън дефиниционната област.", "n = -2: ERROR.")
        t.add(lines(17), big, "17!")
        t.add(lines(10), "Умножавайте от 1 до n включително.", "10! = 3628800.")
        t.add(lines(18), big, "18!")


def fibonacci(n):
    a, b = 0, 1
    for _ in range(n):
        a, b = b, a + b
    return a


@task(15, one_integer(0, 90))
class Fibonacci:
    @staticmethod
    def solve(text):
        return lines(fibonacci(int(text)))

    @staticmethod
    def tests(t):
        quick = "Пресмятайте членовете един след друг; рекурсия без запомняне пресмята едни и същи членове милиарди пъти."
        t.add(lines(89), quick, "F(89).")
        t.add(lines(50), "F(n) за n > 46 не се побира в int.", "F(50).")
        t.add(lines(4), "Проверете кой член е F(4): броенето започва от F(0) = 0.", "F(4) = 3.")
        t.add(lines(5), "Проверете кой член е F(5): броенето започва от F(0) = 0.", "F(5) = 5.")
        t.add(lines(60), quick, "F(60).")
        t.add(lines(80), "F(n) за n > 46 не се побира в int.", "F(80).")
        t.add(lines(45), quick, "F(45) се побира в int.")
        t.add(lines(30), "Проверете n с две цифри.", "F(30) = 832040.")
        t.add(lines(20), "Проверете n с две цифри.", "F(20) = 6765.")


@task(16, one_integer(-10 ** 18, 10 ** 18))
class BinaryLogarithm:
    @staticmethod
    def solve(text):
        n = int(text)
        return lines("ERROR" if n <= 0 else n.bit_length() - 1)

    @staticmethod
    def tests(t):
        exact = "Пресмятайте с цели числа: double не различава 2^k - 1 от 2^k при големи k."
        wide = "Числото може да е до 10^18 – типът int не го побира."
        t.add(lines(2 ** 50), "Проверете голяма степен на 2.", "2^50.")
        t.add(lines(2 ** 50 - 1), exact, "2^50 - 1.")
        t.add(lines(2 ** 55 - 1), exact, "2^55 - 1.")
        t.add(lines(3), "Проверете малко число, което не е степен на 2.", "n = 3.")
        t.add(lines(4), "Проверете малка степен на 2.", "n = 4.")
        t.add(lines(-1), "Всички n <= 0 са извън дефиниционната област.", "n = -1: ERROR.")
        t.add(lines(999999999999999999), exact, "10^18 - 1.")
        t.add(lines(2147483648), wide, "2^31.")
        t.add(lines(4294967295), wide, "2^32 - 1.")
        t.add(lines(-2147483648), "Всички n <= 0 са извън дефиниционната област.", "n = -2^31: ERROR.")
        t.add(lines(2 ** 58), wide, "2^58.")


def digit_sums(number):
    values = []
    while True:
        number = str(sum(int(c) for c in number))
        values.append(number)
        if len(number) == 1:
            return values


@task(17, """if len(rows) != 1:
    fail("one line expected")
if not re.fullmatch(r"0|[1-9][0-9]{0,999}", rows[0]):
    fail("a number of at most 1000 digits without leading zeros")
""")
class DigitSums:
    @staticmethod
    def solve(text):
        return lines(joined(digit_sums(text.strip())))

    @staticmethod
    def tests(t):
        r = t.random
        string = "Числото може да има до 1000 цифри – прочетете го като низ (string)."
        t.add(lines("1" + "0" * 999), string, "Единица и 999 нули.")
        t.add(lines("9" * 19), string, "19 деветки: повече от long long.")
        digits = str(r.randint(1, 9)) + "".join(str(r.randint(0, 9)) for _ in range(999))
        t.add(lines(digits), string, "1000 случайни цифри.")
        t.add(lines(9), "При едноцифрено число S се прилага веднъж.", "n = 9.")
        t.add(lines("9" * 20), string, "20 деветки.")
        t.add(lines(10 ** 18), "Проверете число с една ненулева цифра.", "10^18.")
        t.add(lines(55), "Прилагайте S, докато се получи едноцифрено число.", "55: 10 1.")
        t.add(lines(199), "Прилагайте S, докато се получи едноцифрено число.", "199: 19 10 1.")


def inverse(values):
    n = len(values)
    g = [0] * (n + 1)
    for x, y in enumerate(values, 1):
        if g[y]:
            return None
        g[y] = x
    return g[1:]


@task(18, count_then_values(1, 100000, 1, "n"))
class Inverse:
    @staticmethod
    def solve(text):
        numbers = [int(w) for w in text.split()]
        g = inverse(numbers[1:])
        return lines(joined(g) if g else "NO")

    @staticmethod
    def tests(t):
        r = t.random
        n = 100000
        permutation = list(range(1, n + 1))
        r.shuffle(permutation)
        t.add(lines(n, joined(permutation)),
              "Проверете дали стойностите са различни с един проход и масив „вече срещнати“, а не с двоен цикъл.",
              "n = 100000, разбъркана пермутация.")
        t.add(lines(n, joined(x % 1000 + 1 for x in range(n))), "Повтарящите се стойности може да не са съседни.",
              "n = 100000, стойностите 1, ..., 1000 отново и отново: NO.")
        t.add(lines(5, "3 1 3 5 2"), "Повтарящите се стойности може да не са съседни.", "Повторено 3: NO.")
        t.add(lines(1000, joined(range(1000, 0, -1))), "Проверете таблица, при която f е обратна сама на себе си.",
              "n = 1000, обърната наредба.")
        t.add(lines(2, "1 1"), "Проверете n = 2 с повторение.", "n = 2: NO.")
        t.add(lines(6, "1 4 1 5 4 6"), "Сумата на стойностите може да е като на 1, 2, ..., n, а те да се повтарят.",
              "Сумата е 21, но 1 и 4 се повтарят: NO.")
        t.add(lines(3, "2 3 1"), "Ако f(x) = y, то g(y) = x: таблицата се обръща.", "Цикъл от три елемента.")


@task(19, """if len(rows) != 3:
    fail("3 lines expected")
n = integers(rows[0], 1, 1, 100000)[0]
integers(rows[1], n, 1, n)
integers(rows[2], n, 1, n)
""")
class Composition:
    @staticmethod
    def solve(text):
        numbers = [int(w) for w in text.split()]
        n = numbers[0]
        f, g = numbers[1 : n + 1], numbers[n + 1 :]
        return lines(joined(g[f[x] - 1] for x in range(n)))

    @staticmethod
    def tests(t):
        r = t.random
        n = 100000
        f = [r.randint(1, n) for _ in range(n)]
        g = [1000 - y % 1000 for y in range(1, n + 1)]
        t.add(lines(n, joined(f), joined(g)),
              "Стойността g(f(x)) се взима направо от масива g с индекс f(x), без търсене.",
              "n = 100000, случайна f, g повтаря 999, ..., 0, 1000.")
        t.add(lines(n, joined([n] * n), joined([1] * (n - 1) + [n])),
              "Проверете голяма таблица: g(f(x)) се намира с един достъп до масива.",
              "n = 100000, f(x) = n за всяко x, g(n) = n.")
        t.add(lines(3, "3 3 3", "1 2 3"), "Първо f(x), после g от резултата.", "f е постоянна.")
        t.add(lines(5, "2 3 4 5 1", "5 5 1 1 3"), "Първо f(x), после g от резултата, а не обратно.", "f е пермутация.")
        t.add(lines(4, "2 3 4 1", "4 4 1 1"), "Номерата в таблиците започват от 1, а не от 0.", "n = 4.")


@task(20, count_then_values(1, 100000, -1000000000, 1000000000))
class ValueSet:
    @staticmethod
    def solve(text):
        values = sorted(set(int(w) for w in text.split()[1:]))
        return lines(len(values), joined(values))

    @staticmethod
    def tests(t):
        r = t.random
        n = 100000
        quick = "Сортирайте с sort: сортиране с двоен цикъл или търсене сред вече намерените стойности е твърде бавно за n = 100000."
        distinct = list(range(-1000000000, 1000000000, 20000))[: n - 1] + [1000000000]
        r.shuffle(distinct)
        t.add(lines(n, joined(distinct)), quick, "n = 100000 различни стойности от -10^9 до 10^9.")
        t.add(lines(n, joined([-1000000000] * n)), "Проверете функция с една-единствена стойност.", "n = 100000 равни стойности.")
        t.add(lines(n, joined(x % 11 - 5 for x in range(n))), quick, "n = 100000 стойности: -5, ..., 5 отново и отново.")
        t.add(lines(7, "3 -1 2 -1 3 0 -5"), "Повтарящите се стойности може да не са съседни преди сортирането.",
              "Повторения, далеч една от друга.")
        t.add(lines(2, "5 5"), "Броят K е броят на различните стойности.", "n = 2, равни.")
        t.add(lines(5, "5 4 3 2 1"), "Сортирайте всички n стойности, включително последната.", "Намаляващи стойности.")
        t.add(lines(4, "2 3 4 -7"), "Сортирайте всички n стойности, включително последната.", "Последната е най-малка.")
        t.add(lines(3, "1000000000 -1000000000 0"), "Проверете най-големите по абсолютна стойност стойности.",
              "Граничните стойности.")


# --- writing -------------------------------------------------------------------


def quoted(text):
    return json.dumps(text, ensure_ascii=False)


def task_names():
    zad = json.loads(ZAD.read_text(encoding="utf-8"))
    statements = zad["lists"]["Uslowie_L"]
    names = {}
    for number in TASKS:
        title = statements[str(number)][1]
        prefix = f"Задача {number}. "
        assert title.startswith(prefix), title
        names[number] = title[len(prefix) :]
    return names


def write(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(text.encode("utf-8"))


def problem_yaml(number, name):
    return (
        "problem_format_version: 2025-09\n"
        f"name:\n  bg: {quoted(name)}\n"
        f"uuid: {uuid.uuid5(UUID_NAMESPACE, 'task %02d' % number)}\n"
        "languages: [cpp]\n"
        "limits:\n"
        f"  time_limit: {TIME_LIMIT_SECONDS[number]}\n"
    )


TEST_GROUP_YAML = """\
# The lesson compares line by line: CR LF and LF are the same, blanks at the end
# of a line and empty lines at the end are ignored, everything else counts,
# case included. The default validator compares words; with case_sensitive it
# accepts every output the lesson accepts, and also outputs whose only
# difference is other spacing or line breaks.
output_validator_args: [case_sensitive]
"""


def write_task(t, name):
    folder = HERE / f"{t.number:02d}"
    write(folder / "problem.yaml", problem_yaml(t.number, name))
    for group in ("sample", "secret"):
        write(folder / "data" / group / "test_group.yaml", TEST_GROUP_YAML)
    validator = VALIDATOR_HEAD.format(number=t.number) + t.validator + VALIDATOR_TAIL
    write(folder / "input_validators" / "validate.py", validator)

    for sample in sorted((folder / "data" / "sample").glob("*.in")):
        expected = sample.with_suffix(".ans").read_text(encoding="utf-8")
        got = t.solve(sample.read_text(encoding="utf-8"))
        assert got == expected, f"task {t.number} {sample.name}: {got!r} != {expected!r}"

    secret = folder / "data" / "secret"
    for old in secret.glob("[0-9]*"):
        old.unlink()
    for i, (text, hint, description) in enumerate(t.tests, 1):
        base = secret / f"{i:02d}"
        write(base.with_suffix(".in"), text)
        write(base.with_suffix(".ans"), t.solve(text))
        write(base.with_suffix(".yaml"), f"hint: {quoted(hint)}\ndescription: {quoted(description)}\n")


def main():
    names = task_names()
    for number, t in sorted(TASKS.items()):
        write_task(t, names[number])


if __name__ == "__main__":
    main()
